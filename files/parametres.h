#pragma once

#include "engine/etat.h"

#include <string>

namespace vormigral {

constexpr const char* nomparametres = "VORMIG.PAR";
constexpr std::size_t tailleparametres = 16;

enum class LectureParametres {
    Absent,    // no file at the path
    Lu,        // all 16 bytes read
    Illisible, // present, but unreadable or too short: nothing was changed
};

// Reads the first 16 bytes as four little-endian 32-bit integers. A failed read changes nothing.
LectureParametres lireparametres(const std::string& chemin, TParametres& parametres);

// Writes exactly 16 bytes. The old file is replaced only once the new one is complete.
bool ecrireparametres(const std::string& chemin, const TParametres& parametres);

} // namespace vormigral

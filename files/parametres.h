#pragma once

#include "engine/etat.h"
#include "files/ecriture.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vormigral {

constexpr const char* nomparametres = "VORMIG.PAR";
constexpr std::size_t tailleparametres = 16;

enum class LectureParametres {
    Absent,     // no file at the path
    Lu,         // exactly 16 bytes: a file the program writes
    Long,       // longer: its first 16 bytes were read
    Court,      // shorter, empty included: its whole fields were read, the others left as they were
    Illisible,  // present but cannot be read: nothing was changed
    PasFichier, // a directory, a pipe, a device: never opened, nothing was changed
};

// Reads the settings from the first 16 of `taille` bytes: four little-endian 32-bit integers.
// Never reads past `taille`; with fewer than 16 bytes, the fields held whole are read and the
// others keep their values.
LectureParametres decodeparametres(const std::uint8_t* octets, std::size_t taille, TParametres& parametres);

// Reads the settings file. A failed read changes nothing.
LectureParametres lireparametres(const std::string& chemin, TParametres& parametres);

// Writes exactly 16 bytes, with ecrirefichier's care (the old file stays whole until the new one is).
Ecriture ecrireparametres(const std::string& chemin, const TParametres& parametres);

} // namespace vormigral

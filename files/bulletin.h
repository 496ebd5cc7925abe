#pragma once

#include "engine/etat.h"
#include "files/fichiergrille.h"

#include <cstdint>
#include <string>

namespace vormigral {

// Loading the ticks of a grid file, once the user named it: repfichier and nomfichier are noted, the
// record is read into fichiergrille, and only a real grid file changes the ticks (entries 1..50 of
// casescoch). A name the chooser cannot mean (wildcards) counts as no file.
LectureGrille chargebulletin(TEtat& etat, const std::string& repertoire, const std::string& nom);

// What a save to a named file needs from the user first.
enum class AvantEnregistrement {
    Libre,     // nothing there yet: write
    Existant,  // a file is there: ask before replacing it
    Impossible // the name cannot name a file: nothing is written
};

AvantEnregistrement preparebulletin(TEtat& etat, const std::string& repertoire, const std::string& nom);

// Writes the ticks and the method's list position to the file noted by preparebulletin; false when
// nothing could be written (the file there, if any, is left as it was).
bool enregistrebulletin(TEtat& etat, std::int32_t posmethode);

} // namespace vormigral

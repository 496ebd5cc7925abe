#pragma once

#include "engine/etat.h"
#include "files/fichiergrille.h"

#include <cstdint>
#include <string>

namespace vormigral {

// Loading the ticks of a grid file, once the user named it: repfichier and nomfichier are noted, the
// record is read into fichiergrille, and only a real grid file changes the ticks (entries 1..50 of
// casescoch). A typed name the chooser cannot mean (wildcards) counts as no file; a name picked from
// the chooser's list (`liste`) names the file listed, whatever its characters.
LectureGrille chargebulletin(TEtat& etat, const std::string& repertoire, const std::string& nom,
                             bool liste = false);

// What a save to a named file needs from the user first.
enum class AvantEnregistrement {
    Libre,      // nothing there yet: write
    Existant,   // a file is there: ask before replacing it
    Impossible, // the name cannot name a file: nothing is written
    Cache,      // the name makes a hidden file, which could never be loaded back: nothing is written
};

// A listed name may replace the file it names even with wildcards in it; no new file gets one.
AvantEnregistrement preparebulletin(TEtat& etat, const std::string& repertoire, const std::string& nom,
                                    bool liste = false);

// Writes the ticks and the method's list position to the file noted by preparebulletin, under the
// same rules; false when nothing could be written (the file there, if any, is left as it was).
bool enregistrebulletin(TEtat& etat, std::int32_t posmethode, bool liste = false);

} // namespace vormigral

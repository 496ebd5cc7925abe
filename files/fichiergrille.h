#pragma once

#include "engine/fichegrille.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vormigral {

enum class LectureGrille {
    Lu,         // a grid file: the record holds its first 208 bytes
    Inexistant, // no file at the path (a directory is not a file)
    Illisible,  // present but cannot be read, or shorter than 208 bytes: the record is untouched
    PasGrille,  // 208 bytes read, but the signature differs: the record holds what was read
};

// The record as it lies on disk: little-endian, entries 1..50 of cochage (entry 0 is not stored).
std::array<std::uint8_t, taillegrille> encodegrille(const TFichierGrille& fiche);

// Reads a record from the first 208 of `taille` bytes. Never reads past `taille`; Illisible when
// fewer than 208 bytes are given, PasGrille when the signature differs.
LectureGrille decodegrille(const std::uint8_t* octets, std::size_t taille, TFichierGrille& fiche);

// A record with the signature, the list position and entries 1..50 of the ticked flags.
TFichierGrille grilledecases(std::int32_t posmethode, const std::array<std::int32_t, 51>& casescoch);

// Whether a name typed in the chooser can name a file: wildcard characters (and NUL, which the
// system would cut the name at) name none, and no file is created under such a name.
bool nompermis(const std::string& nom);

// Whether a name (its last part, after any separator) makes a hidden file: one the chooser's list
// does not show, so that a file saved under it could never be loaded back.
bool nomcache(const std::string& nom);

// The directory, one separator, the name; no second separator after a directory ending with one.
std::string chemingrille(const std::string& repertoire, const std::string& nom);

// Whether a file (not a directory) exists at the path.
bool grilleexiste(const std::string& chemin);

LectureGrille liregrille(const std::string& chemin, TFichierGrille& fiche);

// Writes exactly 208 bytes with ecrirefichier's care: a failed save leaves the previous file as it
// was, a read-only file is not replaced, a symbolic link is written through to its target (which a
// dangling link creates), and a file with other hard links is rewritten in place.
bool ecriregrille(const std::string& chemin, const TFichierGrille& fiche);

} // namespace vormigral

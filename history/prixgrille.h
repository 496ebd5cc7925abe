#pragma once

#include "files/ecriture.h"

#include <cstdint>
#include <string>

namespace vormigral {

// The price of one grid for one draw the player set, kept in a small text file of its own at a path
// the caller gives (in the user's configuration folder, never in the settings file):
//
//   VORMIGRAL prix 1
//   <cents>
//
// written whole through the atomic writer.

// The price the file holds; prixgrilleordinaire when there is none, or it is damaged or out of
// prixgrillemin..prixgrillemax.
std::int64_t lisprixgrille(const std::string& chemin);

// Keeps `centimes`; a price out of prixgrillemin..prixgrillemax is not written (Refus::Autre). The
// folder must exist.
Ecriture memoriseprixgrille(const std::string& chemin, std::int64_t centimes);

} // namespace vormigral

#pragma once

#include "files/ecriture.h"
#include "history/importation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vormigral {

// The column mappings the player gave for draw files whose header the import does not know, kept
// per header (its key, cleentete) so that the next file of that layout is read without asking. They
// live in a small text file of their own, at a path the caller gives (in the user's configuration
// folder, never in the settings file), read and written whole through the atomic writer:
//
//   VORMIGRAL correspondances 1
//   <date>,<ball 1>,...,<ball 6>,<complementary><TAB><key>
//
// one line a header, the oldest first. A damaged line (edited, cut, another program's) is passed
// over and the others kept; anything but a plain file is never opened.

// At most this many headers are remembered: beyond, the one used longest ago is forgotten.
constexpr std::size_t correspondancesmax = 100;
// A file larger than this is not one the program wrote: only its start is read.
constexpr std::size_t taillecorrespondancesmax = 64 * 1024;

struct TCorrespondanceMemorisee {
    std::string cle;
    TCorrespondance correspondance;
};

struct TMemoireColonnes {
    Ouverture ouverture = Ouverture::Absent;       // Lu; Absent: nothing remembered yet; else why not read
    int erreur = 0;                                // the system's error number, when Refuse
    std::vector<TCorrespondanceMemorisee> entrees; // the oldest first, one per key
    std::size_t ignorees = 0;                      // damaged lines passed over
};

// The mappings a text of that form holds (what liscorrespondances reads).
TMemoireColonnes lismemoirecolonnes(std::string_view texte);

TMemoireColonnes liscorrespondances(const std::string& chemin);

// The mapping remembered for a header's key.
std::optional<TCorrespondance> correspondancememorisee(const TMemoireColonnes& memoire,
                                                       const std::string& cle);

// Remembers `correspondance` for the header's key `cle`, in place of an earlier one and as the
// newest, keeping what the file held. The folder must exist. A key cleentete cannot give, or a
// mapping that names a column twice or outside 0..colonnesmax - 1, is not written (Refus::Autre).
Ecriture memorisecorrespondance(const std::string& chemin, const std::string& cle,
                                const TCorrespondance& correspondance);

} // namespace vormigral

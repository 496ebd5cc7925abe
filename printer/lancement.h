#pragma once

#include "app/plateforme.h"
#include "printing/imprimantes.h"
#include "printing/surface.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace vormigral {

// Asks the user for a printer among `files`; returns the queue chosen, or empty when they chose
// none. `disparue`: the queue they had chosen before no longer exists.
using TDemandeImprimante = std::function<std::string(const std::vector<TFile>& files, bool disparue)>;

// What became of a print job.
struct TLancement {
    bool fait = false; // printed, or written to a PDF file
    QString annonce;   // which printer took how many pages, for the status line; empty otherwise
};

// Runs a print job on the printer the user chose, else on the system's default, else on the one
// the user picks when asked through `demande`: never on a queue nobody chose. Before anything is
// printed, says how many marks would fall outside the printer's printable area and lets the user
// stop. When the system has no printer at all, says so and offers to write the same pages to a PDF
// file the user chooses, then says where it went. A failure, the printer's refusal among them, is
// shown with its reason in the language installed, and the job is not done.
TLancement lanceimpression(const Plateforme& plateforme, const TDemandeImprimante& demande,
                           const std::function<void(SurfaceImpression&)>& travail);

// A failure of the printing layer in the user's words, in the language installed.
QString texteerreur(const ErreurImpression& erreur);

// The queue a print would use without asking anyone; empty when the user would be asked, or
// there is no printer.
std::string imprimantesansdemande(const Plateforme& plateforme);

} // namespace vormigral

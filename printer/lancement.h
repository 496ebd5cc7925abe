#pragma once

#include "app/plateforme.h"
#include "printer/travailcups.h"
#include "printing/imprimantes.h"
#include "printing/surface.h"

#include <QObject>
#include <QString>

#include <chrono>
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

// A failure of the printing layer in the user's words, in the language installed.
QString texteerreur(const ErreurImpression& erreur);

// What a print run came to.
struct TFinImpression {
    TLancement lancement;
    // injoignable, sansreponse or annule: the window says it (naming `serveur` for the first two);
    // ok otherwise, every other failure having been shown by the run itself.
    TCodeCups code = TCodeCups::ok;
    std::string serveur;
};

// What a print run is waiting for, while the window shows that it waits and offers to cancel.
enum class TEtapeImpression {
    recherche, // the list of printers from the print service
    envoi,     // the print service taking a job and the printer's first answer
};

// A print job on the printer the user chose, else on the system's default, else on the one the
// user picks when asked through `demande`: never on a queue nobody chose. Before anything is
// printed, says how many marks would fall outside the printer's imageable area and lets the user
// stop. When the system has no printer at all, says so and offers to write the same pages to a PDF
// file the user chooses, then says where it went. A failure, the printer's refusal among them, is
// shown with its reason in the language installed, and the job is not done.
//
// The window is kept alive throughout: the printers are listed, and each job goes to the spooler,
// through a TTravailCups while the window's events go on (a local event loop waits for the job, as
// a dialog's would). Questions to the user (which printer, marks outside the area, a PDF file
// instead) stay on the window's thread. A print service that is not there, or does not answer,
// ends the run with that code rather than "no printer". A run cancelled asks the user nothing more.
class TLanceurImpression final : public QObject {
    Q_OBJECT

public:
    TLanceurImpression(const Plateforme& plateforme, TDemandeImprimante demande,
                       std::function<void(SurfaceImpression&)> travail, QObject* parent = nullptr);
    // A run still going on is cancelled, and the print service's call waited for (within the limit).
    ~TLanceurImpression() override;
    TLanceurImpression(const TLanceurImpression&) = delete;
    TLanceurImpression& operator=(const TLanceurImpression&) = delete;

    // Starts the run and returns at once; false while one runs.
    bool lance();
    // Stops the run: at once while the printers are being listed, at the spooler's next answer
    // (within the limit) while a job is handed over, which is then cancelled there.
    void annule();
    bool encours() const { return encours_; }
    // For the connection and for each answer the print service owes (TTravailCups::delai).
    void delai(std::chrono::milliseconds delai) { cups_.delai(delai); }

signals:
    void attente(vormigral::TEtapeImpression etape);
    // The wait announced by attente() is over: the run goes on, and may ask the user something.
    void reprise();
    // Once per run, at its end.
    void termine(const vormigral::TFinImpression& fin);

private:
    void suite(const TReponseCups& reponse, const std::vector<TFile>& files);
    std::int32_t soumetenattendant(const TEnvoiCups& envoi);
    void finit(const TFinImpression& fin);

    const Plateforme plateforme_;
    TDemandeImprimante demande_;
    std::function<void(SurfaceImpression&)> travail_;
    TTravailCups cups_;
    bool annulation_ = false;
    bool encours_ = false;
};

} // namespace vormigral

Q_DECLARE_METATYPE(vormigral::TFinImpression)

#pragma once

#include "printer/lancement.h"
#include "windows/surdemande.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class QToolButton;
class QWidget;

namespace vormigral {

class TChoixImprimante;

// Printing as the windows start it: the printer chooser asks when nobody chose a queue, the user is
// told once a run that the file of their choice cannot be read, and every job a printer accepted is
// announced. Every call to the print service is made off the window's thread (TTravailCups,
// TLanceurImpression): the windows repaint meanwhile, and a wait of more than a moment shows what
// it waits for with a Cancel. A print service that is not there or does not answer is said, naming
// it, never taken for "no printer".
class Impression : public QObject {
    Q_OBJECT
public:
    Impression(const Plateforme& plateforme, SurDemande<TChoixImprimante>& choiximprimante);

    // Runs a print job (see TLanceurImpression) and returns once it is over; nothing while one runs.
    TLancement imprime(const std::function<void(SurfaceImpression&)>& travail);

    // The queue the user chose in the program; empty when they follow the system's default. When the
    // file of the choice cannot be read, the user is told once a run, and printing goes on without it.
    QString imprimantechoisie();

    // The printer a print would go to without asking, for a window to show: "Printer: "PDF"",
    // "Printer: "PDF" (system default)", or what happens when none is chosen. `affiche` receives
    // "Looking for printers…" at once, then the answer, unless `contexte` is gone by then.
    void imprimanteprevue(QObject* contexte, const std::function<void(const QString&)>& affiche);

    // The queue a preview lays its pages out for: the one a print would use without asking; empty
    // when there is none, the print service did not answer (which is said) or the user cancelled
    // the wait. The window that asked may be gone when this returns.
    std::string imprimanteapercu();

    // The queues, asked off the window's thread within the print service's limit while the windows
    // go on (a local event loop, as imprime waits); none when it did not answer (which is said) or
    // the user cancelled the wait (code annule, nothing said). The window that asked may be gone
    // when this returns. `code`: how the listing went.
    std::vector<TFile> listefiles(TCodeCups& code);

    // Whether the last listing found the print service answering with no printer at all.
    bool sansimprimante() const { return derniereliste_ == TCodeCups::sansimprimante; }

    // For the connection and for each answer the print service owes.
    void delai(std::chrono::milliseconds delai) { delai_ = delai; }

signals:
    // Which printer took how many pages, for the main window's status line.
    void annonce(const QString& texte);
    // True while a run or a listing waits for the print service: the windows disable what would
    // start another.
    void occupe(bool oui);

private:
    class Attente;
    enum class Issue {
        fini,    // the work ended
        abandon, // the program is quitting: the work was cancelled
        disparu, // this object went away with the program started afresh
    };
    // Starts the work (`lance`, false when it could not start) and waits for it in `attente`;
    // nothing else starts meanwhile (occupe).
    Issue attend(Attente& attente, const std::function<bool()>& lance);
    // The print service's failure in the user's words; empty for any other code.
    QString texteservice(TCodeCups code, const std::string& serveur, bool liste) const;
    void signaleservice(TCodeCups code, const std::string& serveur, bool liste);

    const Plateforme plateforme_;
    SurDemande<TChoixImprimante>& choiximprimante_;
    bool signale_ = false; // the user was told that the file of their printer choice cannot be read
    bool encours_ = false;
    TCodeCups derniereliste_ = TCodeCups::ok;
    std::chrono::milliseconds delai_ = TTravailCups::delaipardefaut;
};

// A small command with its caption under its picture, for a narrow free space of a window.
QToolButton* petitbouton(QWidget* parent, const char* nom, const QRect& geometrie, const char* image);

} // namespace vormigral

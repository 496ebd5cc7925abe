#pragma once

#include "printer/lancement.h"
#include "windows/surdemande.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class QToolButton;
class QWidget;

namespace vormigral {

class TChoixImprimante;

// Printing as the windows start it: the printer chooser asks when nobody chose a queue, the user is
// told once a run that the file of their choice cannot be read, and every job a printer accepted is
// announced.
class Impression : public QObject {
    Q_OBJECT
public:
    Impression(const Plateforme& plateforme, SurDemande<TChoixImprimante>& choiximprimante);

    // Runs a print job (see lanceimpression).
    TLancement imprime(const std::function<void(SurfaceImpression&)>& travail);

    // The queue the user chose in the program; empty when they follow the system's default. When the
    // file of the choice cannot be read, the user is told once a run, and printing goes on without it.
    QString imprimantechoisie();

    // The printer a print would go to without asking, for a window to show: "Printer: "PDF"",
    // "Printer: "PDF" (system default)", or what happens when none is chosen.
    QString imprimanteprevue();

    // The queue a preview lays its pages out for: the one a print would use without asking.
    std::string imprimanteapercu();

signals:
    // Which printer took how many pages, for the main window's status line.
    void annonce(const QString& texte);

private:
    const Plateforme plateforme_;
    SurDemande<TChoixImprimante>& choiximprimante_;
    bool signale_ = false; // the user was told that the file of their printer choice cannot be read
};

// A small command with its caption under its picture, for a narrow free space of a window.
QToolButton* petitbouton(QWidget* parent, const char* nom, const QRect& geometrie, const char* image);

} // namespace vormigral

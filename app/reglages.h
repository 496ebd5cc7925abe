#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"
#include "files/ecriture.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

namespace vormigral {

// Where VORMIG.PAR may be kept, in the order they are tried: beside the executable, then in the
// per-user configuration folder (an empty entry when the system gives none). An installed program
// keeps it in the per-user folder only.
QStringList emplacementsparametres(const Systeme& systeme);

// The settings file of one run: read at start, written at quit, and at most one message about it.
// A file the program cannot read, or that is no file, is never overwritten: the settings then go to
// the next place, where the next start finds them. A file shorter or longer than the settings
// record is read for what it holds of it, without a word, and rewritten whole at quit.
class Reglages {
    Q_DECLARE_TR_FUNCTIONS(vormigral::Reglages)

public:
    // Fills the settings from the first place holding a file that can be read and saved again, else
    // from the first file that can be read. True when a file was there, whether or not it could be
    // read (no first-run question then); false after setting the defaults (French, no offsets).
    bool charge(TEtat& etat, const Systeme& systeme);
    // Says once, in the language installed, what was wrong with the file found at start, or that
    // the settings cannot be kept anywhere (the first-run question would then come back at every
    // start). Nothing when all is well.
    void signale(Messages& messages);
    // Writes the settings to the first place that takes them. When none does, beeps and says where
    // and why, unless signale already told the user that the settings could not be kept.
    void sauve(const TEtat& etat, const Plateforme& plateforme);

    // Why a place cannot take the settings.
    enum class Cause { Garde, SansDossier, PasFichier, Protege, DossierProtege, DossierAbsent, Plein, Autre };
    // What was wrong with the file found at start.
    enum class Probleme { Aucun, PasFichier, Illisible };

    // A place that cannot take the settings, and why.
    struct Obstacle {
        QString chemin;
        Cause cause;
    };

    // Why a write was refused, as the user reads it (any file the program writes, not only the
    // settings).
    static Cause cause(Refus refus);
    // Why a place cannot take a file, as the user reads it.
    static QString texte(Cause cause);

private:
    static QString lignes(const QList<Obstacle>& obstacles);

    QString fichier_;                     // the file found at start, when something was wrong with it
    Probleme probleme_ = Probleme::Aucun; // what was wrong with it
    QString destination_;                 // where the settings would go at quit; empty when nowhere
    QList<Obstacle> obstacles_;           // the places before it, or all of them, and why not there
    bool premier_ = false;                // no file anywhere, and nowhere to keep one
    bool signale_ = false;
    bool prevenu_ = false; // the user was told the settings cannot be kept
};

// Where VORMIG.PAR is read from, and where it would be written now (its folder created if needed).
QString cheminlecture(const Systeme& systeme);
QString cheminecriture(const Systeme& systeme);

// One run's reading and writing, for callers that need no message about the start.
bool chargeparametres(TEtat& etat, const Systeme& systeme);
void sauveparametres(const TEtat& etat, const Plateforme& plateforme);

} // namespace vormigral

#include "app/reglages.h"

#include "files/parametres.h"
#include "vormigral/projet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace vormigral {

namespace {

using Cause = Reglages::Cause;
using Probleme = Reglages::Probleme;

} // namespace

Cause Reglages::cause(Refus refus) {
    switch (refus) {
    case Refus::PasFichier:
        return Cause::PasFichier;
    case Refus::Protege:
        return Cause::Protege;
    case Refus::DossierProtege:
        return Cause::DossierProtege;
    case Refus::DossierAbsent:
        return Cause::DossierAbsent;
    case Refus::Plein:
        return Cause::Plein;
    case Refus::Aucun:
    case Refus::Autre:
        break;
    }
    return Cause::Autre;
}

namespace {

std::string local(const QString& chemin) {
    return QFile::encodeName(chemin).toStdString();
}

// What one place holds now, and whether a save could go there.
struct Lieu {
    QString chemin; // empty: the system gives no such place
    LectureParametres lecture = LectureParametres::Absent;
    TParametres parametres;
    std::optional<Cause> obstacle; // why a save cannot go there; none when it can
};

// Each file read over `actuels`, so that the fields a short file lacks keep the values they have.
QList<Lieu> examine(const Systeme& systeme, const TParametres& actuels = {}) {
    QList<Lieu> lieux;
    for (const QString& chemin : emplacementsparametres(systeme)) {
        Lieu lieu;
        lieu.chemin = chemin;
        lieu.parametres = actuels;
        if (chemin.isEmpty()) {
            lieu.obstacle = Cause::SansDossier;
        } else {
            lieu.lecture = lireparametres(local(chemin), lieu.parametres);
            // What cannot be read may be the user's and is not replaced.
            if (lieu.lecture == LectureParametres::Illisible)
                lieu.obstacle = Cause::Garde;
            else if (const Refus refus = inscriptible(local(chemin), true); refus != Refus::Aucun)
                lieu.obstacle = Reglages::cause(refus);
        }
        lieux << lieu;
    }
    return lieux;
}

template <class Condition> const Lieu* premier(const QList<Lieu>& lieux, Condition condition) {
    for (const Lieu& lieu : lieux)
        if (!lieu.chemin.isEmpty() && condition(lieu))
            return &lieu;
    return nullptr;
}

bool present(const Lieu& lieu) {
    return lieu.lecture != LectureParametres::Absent;
}

// A file shorter or longer than the record is a settings file all the same: what it holds of the
// record is read, and the quit button writes the whole record over it.
bool lisible(const Lieu& lieu) {
    return lieu.lecture == LectureParametres::Lu || lieu.lecture == LectureParametres::Long ||
           lieu.lecture == LectureParametres::Court;
}

// The file the settings are read from: one that can also be saved again, else any that can be read.
const Lieu* source(const QList<Lieu>& lieux) {
    if (const Lieu* lieu = premier(lieux, [](const Lieu& l) { return lisible(l) && !l.obstacle; }))
        return lieu;
    return premier(lieux, lisible);
}

Probleme probleme(LectureParametres lecture) {
    switch (lecture) {
    case LectureParametres::PasFichier:
        return Probleme::PasFichier;
    case LectureParametres::Illisible:
        return Probleme::Illisible;
    case LectureParametres::Absent:
    case LectureParametres::Lu:
    case LectureParametres::Long:
    case LectureParametres::Court:
        break;
    }
    return Probleme::Aucun;
}

// An installed program (its desktop entry where the install rules put it, relative to the
// executable) keeps its settings per user: its folder is shared by every user, and even root's
// settings do not belong there.
bool installe(const Systeme& systeme) {
    return QFileInfo::exists(systeme.repertoireexe() + QLatin1String(entreebureauinstallee));
}

} // namespace

QString Reglages::texte(Cause cause) {
    switch (cause) {
    case Cause::Garde:
        return tr("the file there is left as it is");
    case Cause::SansDossier:
        return tr("no per-user folder (HOME is not set)");
    case Cause::PasFichier:
        return tr("it is not a file");
    case Cause::Protege:
        return tr("the file is write-protected");
    case Cause::DossierProtege:
        return tr("the folder is write-protected");
    case Cause::DossierAbsent:
        return tr("the folder does not exist");
    case Cause::Plein:
        return tr("no room left (disk full, quota or size limit)");
    case Cause::Autre:
        break;
    }
    return tr("write error");
}

QString Reglages::lignes(const QList<Obstacle>& obstacles) {
    QStringList texte;
    for (const Obstacle& o : obstacles) {
        const QString pourquoi = Reglages::texte(o.cause);
        //: A place the settings cannot go to, and why.
        texte << (o.chemin.isEmpty() ? pourquoi : tr("%1: %2").arg(o.chemin, pourquoi));
    }
    return texte.join(QLatin1Char('\n'));
}

QStringList emplacementsparametres(const Systeme& systeme) {
    const QString fichier = QString::fromLatin1(nomparametres);
    const QString config = systeme.repertoireconfig();
    const QString utilisateur = config.isEmpty() ? QString() : config + fichier;
    if (installe(systeme))
        return {utilisateur};
    return {systeme.repertoireexe() + fichier, utilisateur};
}

bool Reglages::charge(TEtat& etat, const Systeme& systeme) {
    const QList<Lieu> lieux = examine(systeme, etat.parametres);
    for (const Lieu& lieu : lieux) {
        if (!lieu.obstacle) {
            destination_ = lieu.chemin;
            break;
        }
        obstacles_ << Obstacle{lieu.chemin, *lieu.obstacle};
    }
    if (const Lieu* lu = source(lieux)) {
        etat.parametres = lu->parametres;
        return true;
    }
    // Present but of no use: the settings keep their values, and no first-run question.
    if (const Lieu* trouve = premier(lieux, present)) {
        fichier_ = trouve->chemin;
        probleme_ = probleme(trouve->lecture);
        return true;
    }
    etat.parametres.langue = 1;
    etat.parametres.decalh = 0;
    etat.parametres.decalv = 0;
    premier_ = destination_.isEmpty();
    return false;
}

void Reglages::signale(Messages& messages) {
    if (signale_ || (probleme_ == Probleme::Aucun && !premier_))
        return;
    signale_ = true;
    QStringList texte;
    if (probleme_ == Probleme::PasFichier)
        texte
            << tr("%1 is not a file: it is left as it is, and the default settings are used.").arg(fichier_);
    else if (probleme_ == Probleme::Illisible)
        texte << tr("The settings file %1 cannot be read: it is left as it is, and the default settings are "
                    "used.")
                     .arg(fichier_);
    if (!destination_.isEmpty()) {
        texte << tr("Your settings will be saved in %1 when you quit with Quit.").arg(destination_);
    } else {
        texte << tr("Your settings cannot be saved anywhere:") + QLatin1Char('\n') + lignes(obstacles_);
        if (premier_)
            texte << tr("The language will be asked again at the next start.");
        prevenu_ = true;
    }
    messages.message(texte.join(QStringLiteral("\n\n")), tr("Settings"), Boutons::Ok, Icone::Exclamation);
}

void Reglages::sauve(const TEtat& etat, const Plateforme& plateforme) {
    QList<Obstacle> obstacles;
    for (const Lieu& lieu : examine(plateforme.systeme)) {
        if (lieu.obstacle) {
            obstacles << Obstacle{lieu.chemin, *lieu.obstacle};
            continue;
        }
        QDir().mkpath(QFileInfo(lieu.chemin).path());
        const Ecriture ecriture = ecrireparametres(local(lieu.chemin), etat.parametres);
        if (ecriture)
            return;
        obstacles << Obstacle{lieu.chemin, Reglages::cause(ecriture.refus)};
    }
    if (prevenu_)
        return;
    plateforme.messages.bip();
    plateforme.messages.message(tr("There was a problem: your settings were not saved.") + QLatin1Char('\n') +
                                    lignes(obstacles),
                                tr("File not saved !!"), Boutons::Ok, Icone::Aucune);
}

QString cheminlecture(const Systeme& systeme) {
    const QList<Lieu> lieux = examine(systeme);
    if (const Lieu* lu = source(lieux))
        return lu->chemin;
    if (const Lieu* trouve = premier(lieux, present))
        return trouve->chemin;
    return emplacementsparametres(systeme).first();
}

QString cheminecriture(const Systeme& systeme) {
    for (const Lieu& lieu : examine(systeme)) {
        if (!lieu.obstacle) {
            QDir().mkpath(QFileInfo(lieu.chemin).path());
            return lieu.chemin;
        }
    }
    return emplacementsparametres(systeme).first();
}

bool chargeparametres(TEtat& etat, const Systeme& systeme) {
    return Reglages().charge(etat, systeme);
}

void sauveparametres(const TEtat& etat, const Plateforme& plateforme) {
    Reglages().sauve(etat, plateforme);
}

} // namespace vormigral

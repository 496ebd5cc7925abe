#include "app/reglages.h"

#include "app/textes.h"
#include "files/parametres.h"
#include "vormigral/projet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vormigral {

namespace {

// Every text about the settings file, in both languages.
const Legende legendesreglages[] = {
    {"titre", "Réglages", "Settings"},
    {"pasfichier",
     "%1 n'est pas un fichier : il est laissé tel quel, et les réglages par défaut sont utilisés.",
     "%1 is not a file: it is left as it is, and the default settings are used."},
    {"illisible",
     "Le fichier de réglages %1 ne peut pas être lu : il est laissé tel quel, et les réglages par défaut "
     "sont utilisés.",
     "The settings file %1 cannot be read: it is left as it is, and the default settings are used."},
    {"destination", "Vos réglages seront enregistrés dans %1 quand vous quitterez par Quitter.",
     "Your settings will be saved in %1 when you quit with Quit."},
    {"nullepart",
     "Vos réglages ne peuvent être enregistrés nulle part :", "Your settings cannot be saved anywhere:"},
    {"redemande", "La langue vous sera demandée de nouveau au prochain lancement.",
     "The language will be asked again at the next start."},
    {"titreechec", "Fichier non sauvegardé !!", "File not saved !!"},
    {"echec", "Il y a eu un problème : vos réglages n'ont pas été enregistrés.",
     "There was a problem: your settings were not saved."},
    {"ligne", "%1 : %2", "%1: %2"},
    // Why a place cannot take the settings.
    {"garde", "le fichier qui s'y trouve est laissé tel quel", "the file there is left as it is"},
    {"sansdossier", "aucun dossier personnel (la variable HOME n'est pas définie)",
     "no per-user folder (HOME is not set)"},
    {"cause-pasfichier", "ce n'est pas un fichier", "it is not a file"},
    {"cause-protege", "le fichier est protégé en écriture", "the file is write-protected"},
    {"cause-dossierprotege", "le dossier est protégé en écriture", "the folder is write-protected"},
    {"cause-dossierabsent", "le dossier n'existe pas", "the folder does not exist"},
    {"cause-plein", "plus de place (disque plein, quota ou taille limite)",
     "no room left (disk full, quota or size limit)"},
    {"cause-autre", "erreur d'écriture", "write error"},
};

const char* cle(Refus refus) {
    switch (refus) {
    case Refus::PasFichier:
        return "cause-pasfichier";
    case Refus::Protege:
        return "cause-protege";
    case Refus::DossierProtege:
        return "cause-dossierprotege";
    case Refus::DossierAbsent:
        return "cause-dossierabsent";
    case Refus::Plein:
        return "cause-plein";
    case Refus::Aucun:
    case Refus::Autre:
        break;
    }
    return "cause-autre";
}

std::string local(const QString& chemin) {
    return QFile::encodeName(chemin).toStdString();
}

// What one place holds now, and whether a save could go there.
struct Lieu {
    QString chemin; // empty: the system gives no such place
    LectureParametres lecture = LectureParametres::Absent;
    TParametres parametres;
    const char* obstacle = nullptr; // why a save cannot go there; none when it can
};

// Each file read over `actuels`, so that the fields a short file lacks keep the values they have.
QList<Lieu> examine(const Systeme& systeme, const TParametres& actuels = {}) {
    QList<Lieu> lieux;
    for (const QString& chemin : emplacementsparametres(systeme)) {
        Lieu lieu;
        lieu.chemin = chemin;
        lieu.parametres = actuels;
        if (chemin.isEmpty()) {
            lieu.obstacle = "sansdossier";
        } else {
            lieu.lecture = lireparametres(local(chemin), lieu.parametres);
            // What cannot be read may be the user's and is not replaced.
            if (lieu.lecture == LectureParametres::Illisible)
                lieu.obstacle = "garde";
            else if (const Refus refus = inscriptible(local(chemin), true); refus != Refus::Aucun)
                lieu.obstacle = cle(refus);
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

const char* probleme(LectureParametres lecture) {
    switch (lecture) {
    case LectureParametres::PasFichier:
        return "pasfichier";
    case LectureParametres::Illisible:
        return "illisible";
    case LectureParametres::Absent:
    case LectureParametres::Lu:
    case LectureParametres::Long:
    case LectureParametres::Court:
        break;
    }
    return nullptr;
}

QString lignes(const QList<Reglages::Obstacle>& obstacles, bool en) {
    QStringList texte;
    for (const Reglages::Obstacle& o : obstacles) {
        const QString cause = vormigral::texte(legendesreglages, o.cause, en);
        texte << (o.chemin.isEmpty() ? cause
                                     : vormigral::texte(legendesreglages, "ligne", en).arg(o.chemin, cause));
    }
    return texte.join(QLatin1Char('\n'));
}

// An installed program (its desktop entry where the install rules put it, relative to the
// executable) keeps its settings per user: its folder is shared by every user, and even root's
// settings do not belong there.
bool installe(const Systeme& systeme) {
    return QFileInfo::exists(systeme.repertoireexe() + QLatin1String(entreebureauinstallee));
}

} // namespace

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
        obstacles_ << Obstacle{lieu.chemin, lieu.obstacle};
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

void Reglages::signale(const TEtat& etat, Messages& messages) {
    if (signale_ || (!probleme_ && !premier_))
        return;
    signale_ = true;
    const bool en = anglais(etat);
    QStringList texte;
    if (probleme_)
        texte << vormigral::texte(legendesreglages, probleme_, en).arg(fichier_);
    if (!destination_.isEmpty()) {
        texte << vormigral::texte(legendesreglages, "destination", en).arg(destination_);
    } else {
        texte << vormigral::texte(legendesreglages, "nullepart", en) + QLatin1Char('\n') +
                     lignes(obstacles_, en);
        if (premier_)
            texte << vormigral::texte(legendesreglages, "redemande", en);
        prevenu_ = true;
    }
    messages.message(texte.join(QStringLiteral("\n\n")), vormigral::texte(legendesreglages, "titre", en),
                     Boutons::Ok, Icone::Exclamation);
}

void Reglages::sauve(const TEtat& etat, const Plateforme& plateforme) {
    QList<Obstacle> obstacles;
    for (const Lieu& lieu : examine(plateforme.systeme)) {
        if (lieu.obstacle) {
            obstacles << Obstacle{lieu.chemin, lieu.obstacle};
            continue;
        }
        QDir().mkpath(QFileInfo(lieu.chemin).path());
        const Ecriture ecriture = ecrireparametres(local(lieu.chemin), etat.parametres);
        if (ecriture)
            return;
        obstacles << Obstacle{lieu.chemin, cle(ecriture.refus)};
    }
    if (prevenu_)
        return;
    const bool en = anglais(etat);
    plateforme.messages.bip();
    plateforme.messages.message(
        vormigral::texte(legendesreglages, "echec", en) + QLatin1Char('\n') + lignes(obstacles, en),
        vormigral::texte(legendesreglages, "titreechec", en), Boutons::Ok, Icone::Aucune);
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

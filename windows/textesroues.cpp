#include "windows/textesroues.h"

#include <QCoreApplication>
#include <QLocale>

namespace vormigral {

namespace {

// The wheels window's own context: its texts are translated together.
struct Textes {
    Q_DECLARE_TR_FUNCTIONS(vormigral::TMesRoues)
};

QString entier(std::int64_t n) {
    return localeroues().toString(static_cast<qlonglong>(n));
}

QString bornes(const TFaisabilite& f) {
    QString texte = Textes::tr("Lower bound: %1 grids.").arg(entier(f.borne));
    if (f.connue > 0)
        texte += QLatin1Char(' ') + Textes::tr("Best known: %1 grids.").arg(entier(f.connue));
    return texte;
}

QString refus(Refus refus) {
    switch (refus) {
    case Refus::PasFichier:
        return Textes::tr("something other than a file is in the way.");
    case Refus::Protege:
        return Textes::tr("the file is read-only.");
    case Refus::DossierProtege:
        return Textes::tr("the folder is read-only.");
    case Refus::DossierAbsent:
        return Textes::tr("the folder does not exist.");
    case Refus::Plein:
        return Textes::tr("the disk is full.");
    case Refus::Aucun:
    case Refus::Autre:
        break;
    }
    return Textes::tr("the system refused.");
}

} // namespace

QLocale localeroues() {
    //: The locale the figures are written in (thousands separator, decimal point): fr_FR or en_US.
    return QLocale(Textes::tr("en_US", "locale"));
}

QString texteportee(const TFaisabilite& f, int n, int t, int m) {
    switch (f.portee) {
    case Portee::Possible:
        return bornes(f);
    case Portee::Demande:
        return Textes::tr("A wheel needs t at most m, and m at most the %1 numbers.").arg(n);
    case Portee::Ensembles:
        return Textes::tr(
                   "Beyond reach on this computer: %1 sets of %2 numbers among %3 to keep track of. %4")
            .arg(entier(f.ensembles))
            .arg(m)
            .arg(n)
            .arg(bornes(f));
    case Portee::Grilles:
        return Textes::tr("Beyond reach on this computer: the wheel would need too many grids. %1")
            .arg(bornes(f));
    case Portee::Mouvements:
        return Textes::tr(
                   "Beyond reach on this computer: each step of the search for %1 if %2 among %3 would "
                   "take too long. %4")
            .arg(t)
            .arg(m)
            .arg(n)
            .arg(bornes(f));
    }
    return {};
}

QString texteavancement(const TAvancement& a, bool reparation) {
    const QString temps = Textes::tr("%1 s").arg(localeroues().toString(a.secondes, 'f', 1));
    QString texte =
        reparation ? Textes::tr("Repairing for %1.").arg(temps) : Textes::tr("Building for %1.").arg(temps);
    texte += QLatin1Char(' ');
    texte += a.meilleure > 0 ? Textes::tr("Best so far: %n grid(s).", nullptr, a.meilleure)
                             : Textes::tr("Looking for a first wheel.");
    texte += QLatin1Char(' ') + Textes::tr("Lower bound: %1 grids.").arg(entier(a.borne));
    if (a.connue > 0)
        texte += QLatin1Char(' ') + Textes::tr("Best known: %1 grids.").arg(entier(a.connue));
    return texte;
}

QString texteissue(const TResultatRoue& r, bool reparation) {
    const int taille = static_cast<int>(r.roue.grilles.size());
    switch (r.issue) {
    case Issue::Trouvee: {
        QString texte =
            reparation ? Textes::tr("Repaired: %n grid(s) added, checked in every case.", nullptr, r.ajoutees)
                       : Textes::tr("Wheel found: %n grid(s), checked in every case.", nullptr, taille);
        if (r.optimale)
            texte += QLatin1Char(' ') + Textes::tr("No smaller wheel exists.");
        return texte;
    }
    case Issue::Arretee:
        if (taille == 0)
            return Textes::tr("Stopped before a first wheel was found.");
        return reparation
                   ? Textes::tr("Stopped: the repair found so far adds %n grid(s), checked in every case.",
                                nullptr, r.ajoutees)
                   : Textes::tr("Stopped: the best wheel found has %n grid(s), checked in every case.",
                                nullptr, taille);
    case Issue::Refusee:
        return texteportee(r.faisabilite, 0, 0, 0);
    case Issue::Echec:
        break;
    }
    return Textes::tr("The time ran out before a first wheel was found: give it more time.");
}

QString textedescription(const TRoue& roue) {
    return Textes::tr("%1 numbers, %2 if %3, %n grid(s)", nullptr, static_cast<int>(roue.grilles.size()))
        .arg(roue.nbnumeros)
        .arg(roue.t)
        .arg(roue.m);
}

QString textepromesse(const TBilan& b) {
    const QString promesse =
        Textes::tr("Promise: %1 numbers in one grid if %2 of the drawn numbers are among your %3,")
            .arg(b.promesse.x)
            .arg(b.promesse.y)
            .arg(b.nbnumeros);
    const std::int64_t cas = combinaisons(b.nbnumeros, b.promesse.y);
    if (b.manques == 0)
        return promesse + QLatin1Char(' ') + Textes::tr("kept in every case (%1 cases).").arg(entier(cas));
    return promesse + QLatin1Char(' ') +
           Textes::tr("kept except in %1 cases out of %2, where the best grid holds only %3.")
               .arg(entier(b.manques), entier(cas))
               .arg(b.pire);
}

QString textelecture(const TLecture& lecture) {
    QString texte;
    switch (lecture.cause) {
    case Lecture::Bonne:
        return {};
    case Lecture::Vide:
        texte = Textes::tr("The file holds no grid.");
        break;
    case Lecture::TropGrand:
        texte = Textes::tr("The file is too large for a wheel (at most 4 MB and 100,000 grids).");
        break;
    case Lecture::Binaire:
        texte = Textes::tr("This is not a text file.");
        break;
    case Lecture::Nombre:
        texte = Textes::tr("A field is not a whole number.");
        break;
    case Lecture::Compte:
        texte = Textes::tr("A grid needs exactly six numbers.");
        break;
    case Lecture::Limites:
        texte = Textes::tr("A number is outside 1 to 49, or above the N of the header.");
        break;
    case Lecture::Repete:
        texte = Textes::tr("The same number is twice in one grid.");
        break;
    case Lecture::EnTete:
        texte = Textes::tr("The header line is malformed or disagrees with the grids.");
        break;
    case Lecture::TropPeu:
        texte = Textes::tr("The file uses fewer than 7 different numbers.");
        break;
    }
    return lecture.ligne > 0 ? Textes::tr("Line %1: %2").arg(lecture.ligne).arg(texte) : texte;
}

QString texteverification(const TControle& c, int t, int m) {
    if (!c.complet)
        return Textes::tr("The check of %1 if %2 could not be made.").arg(t).arg(m);
    if (c.trous == 0)
        return Textes::tr("%1 if %2 is kept in every case (%3 sets of %2 numbers).")
            .arg(t)
            .arg(m)
            .arg(entier(c.nbensembles));
    return Textes::tr("%1 if %2 is not kept: %3 holes out of %4 sets of %2 numbers. The first ones:")
        .arg(t)
        .arg(m)
        .arg(entier(c.trous), entier(c.nbensembles));
}

QString texterangee(const TRoueRangee& r) {
    const QString nom = QString::fromStdString(r.nom);
    if (!r.lisible)
        return Textes::tr("%1 (unreadable)").arg(nom);
    return Textes::tr("%1 (%2 numbers, %3 if %4, %5 grids)")
        .arg(nom)
        .arg(r.nbnumeros)
        .arg(r.t)
        .arg(r.m)
        .arg(r.taille);
}

QString texteoperation(const TOperation& o) {
    switch (o.cause) {
    case CauseBibliotheque::Aucune:
        return {};
    case CauseBibliotheque::Nom:
        return Textes::tr(
            "This name cannot be used: 1 to 80 characters, no / or \\, no dot first and no blank "
            "at either end.");
    case CauseBibliotheque::Roue:
        return Textes::tr("There is no wheel to save.");
    case CauseBibliotheque::Existe:
        return Textes::tr("A wheel of that name is already in the library.");
    case CauseBibliotheque::Absente:
        return Textes::tr("There is no wheel of that name in the library.");
    case CauseBibliotheque::Lecture:
        return Textes::tr("The saved wheel cannot be read. %1")
            .arg(textelecture({o.lecture, o.ligne, {}, false, 0, 0, 0}));
    case CauseBibliotheque::Ecriture:
        return Textes::tr("The library could not be changed: %1").arg(refus(o.refus));
    }
    return {};
}

TRoueJouee rouejouee(const TRoue& roue, const QString& libelle) {
    TRoueJouee jouee;
    jouee.methode.libfr = jouee.methode.libang = libelle.toStdString();
    jouee.methode.nbnumeros = roue.nbnumeros;
    jouee.methode.nbgrilles = static_cast<std::int32_t>(roue.grilles.size());
    jouee.promesse = {roue.t, roue.m};
    jouee.grilles.reserve(roue.grilles.size());
    for (const std::uint64_t grille : roue.grilles) {
        const std::array<int, rouetaillegrille> p = positions(grille);
        jouee.grilles.push_back({p[0], p[1], p[2], p[3], p[4], p[5]});
    }
    return jouee;
}

} // namespace vormigral

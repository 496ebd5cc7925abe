#include "app/reglages.h"

#include "files/parametres.h"
#include "vormigral/projet.h"

#include <QDir>
#include <QFileInfo>

namespace vormigral {

namespace {

bool repertoireinscriptible(const QString& repertoire) {
    const QFileInfo infos(repertoire);
    return infos.isDir() && infos.isWritable();
}

QString nomfichier() {
    return QString::fromLatin1(nomparametres);
}

// An installed program (its desktop entry where the install rules put it, relative to the
// executable) keeps its settings per user: its folder is shared by every user, and even root's
// settings do not belong there.
bool installe(const Systeme& systeme) {
    return QFileInfo::exists(systeme.repertoireexe() + QLatin1String(entreebureauinstallee));
}

} // namespace

QString cheminlecture(const Systeme& systeme) {
    const QString exe = systeme.repertoireexe() + nomfichier();
    const QString utilisateur = systeme.repertoireconfig() + nomfichier();
    if (installe(systeme))
        return utilisateur;
    if (QFileInfo::exists(exe) &&
        (repertoireinscriptible(systeme.repertoireexe()) || !QFileInfo::exists(utilisateur)))
        return exe;
    if (QFileInfo::exists(utilisateur))
        return utilisateur;
    return exe;
}

QString cheminecriture(const Systeme& systeme) {
    if (!installe(systeme) && repertoireinscriptible(systeme.repertoireexe()))
        return systeme.repertoireexe() + nomfichier();
    QDir().mkpath(systeme.repertoireconfig());
    return systeme.repertoireconfig() + nomfichier();
}

bool chargeparametres(TEtat& etat, const Systeme& systeme) {
    const QString chemin = cheminlecture(systeme);
    if (lireparametres(QFile::encodeName(chemin).toStdString(), etat.parametres) ==
        LectureParametres::Absent) {
        etat.parametres.langue = 1;
        etat.parametres.decalh = 0;
        etat.parametres.decalv = 0;
        return false;
    }
    return true;
}

void sauveparametres(const TEtat& etat, const Plateforme& plateforme) {
    const QString chemin = cheminecriture(plateforme.systeme);
    if (ecrireparametres(QFile::encodeName(chemin).toStdString(), etat.parametres))
        return;
    plateforme.messages.bip();
    plateforme.messages.message(QStringLiteral("Il y a eu un problème"),
                                QStringLiteral("Fichier non sauvegardé !!"), Boutons::Ok, Icone::Aucune);
}

} // namespace vormigral

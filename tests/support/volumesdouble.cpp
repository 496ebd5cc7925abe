#include "tests/support/volumesdouble.h"

#include <QDir>
#include <QFile>

#include <filesystem>

namespace vormigral::test {

VolumesDouble::VolumesDouble() {
    for (const char* nom : {"racine", "cle", "lecteur"}) {
        const QString racine = chemin(QString::fromLatin1(nom));
        QDir().mkpath(racine);
        volumes.append({racine, QString::fromLatin1(nom).toUpper()});
    }
    absents.insert(chemin(QStringLiteral("lecteur")));
    depart = chemin(QStringLiteral("racine"));
}

// Qt cannot remove names that are not UTF-8, which some tests make.
VolumesDouble::~VolumesDouble() {
    std::error_code erreur;
    std::filesystem::remove_all(QFile::encodeName(dossier_.path()).toStdString(), erreur);
}

bool VolumesDouble::pret(const QString& racine) const {
    demandes << racine;
    return !absents.contains(racine);
}

} // namespace vormigral::test

#include "tests/support/volumesdouble.h"

#include <QDir>

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

bool VolumesDouble::pret(const QString& racine) const {
    demandes << racine;
    return !absents.contains(racine);
}

} // namespace vormigral::test

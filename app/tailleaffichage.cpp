#include "app/tailleaffichage.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>

namespace vormigral {

namespace {

const char* const variable = "QT_SCALE_FACTOR";

// Empty when the system gives no per-user folder: the size then cannot be kept.
QString chemin(const Systeme& systeme) {
    const QString dossier = systeme.repertoireconfig();
    return dossier.isEmpty() ? QString() : dossier + QStringLiteral("affichage");
}

bool connue(int pourcent) {
    return std::find(taillesaffichage.begin(), taillesaffichage.end(), pourcent) != taillesaffichage.end();
}

} // namespace

int listailleaffichage(const Systeme& systeme) {
    const QString fichier = chemin(systeme);
    if (fichier.isEmpty())
        return 100;
    // A few digits and a line break; anything longer was not written here.
    std::array<std::uint8_t, 16> octets{};
    const Debut debut = lisdebut(QFile::encodeName(fichier).toStdString(), octets.data(), octets.size());
    if (debut.ouverture != Ouverture::Lu || debut.taille > octets.size())
        return 100;
    bool nombre = false;
    const int pourcent =
        QByteArray(reinterpret_cast<const char*>(octets.data()), static_cast<qsizetype>(debut.lus))
            .trimmed()
            .toInt(&nombre);
    return nombre && connue(pourcent) ? pourcent : 100;
}

Ecriture memorisetailleaffichage(const Systeme& systeme, int pourcent) {
    const QString fichier = chemin(systeme);
    if (fichier.isEmpty())
        return {Refus::DossierAbsent};
    if (!connue(pourcent))
        return {Refus::Autre};
    // A folder that cannot be made is reported by the write itself.
    QDir().mkpath(systeme.repertoireconfig());
    const QByteArray ligne = QByteArray::number(pourcent) + '\n';
    return ecrirefichier(QFile::encodeName(fichier).toStdString(),
                         reinterpret_cast<const std::uint8_t*>(ligne.constData()),
                         static_cast<std::size_t>(ligne.size()));
}

QByteArray facteurechelle(int pourcent, const QByteArray& existant) {
    bool nombre = false;
    const double avant = existant.toDouble(&nombre);
    const double base = nombre && std::isfinite(avant) && avant > 0 ? avant : 1.0;
    return QByteArray::number(base * pourcent / 100.0, 'g', 6);
}

EchelleAffichage::EchelleAffichage(int pourcent)
    : avait_(qEnvironmentVariableIsSet(variable)), existant_(qgetenv(variable)) {
    if (pourcent != 100)
        qputenv(variable, facteurechelle(pourcent, existant_));
}

void EchelleAffichage::retablit() {
    if (avait_)
        qputenv(variable, existant_);
    else
        qunsetenv(variable);
}

} // namespace vormigral

#include "app/imprimantechoisie.h"

#include "files/ecriture.h"

#include <QDir>
#include <QFile>

namespace vormigral {

namespace {

// Empty when the system gives no per-user folder: the choice then lasts for the run only.
QString chemin(const Systeme& systeme) {
    const QString dossier = systeme.repertoireconfig();
    return dossier.isEmpty() ? QString() : dossier + QStringLiteral("imprimante");
}

} // namespace

QString imprimantememorisee(const Systeme& systeme) {
    if (chemin(systeme).isEmpty())
        return {};
    QFile fichier(chemin(systeme));
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    // One line; a queue name holds no line break, whatever was edited into the file after it.
    return QString::fromUtf8(fichier.readLine(4096)).trimmed();
}

bool memoriseimprimante(const Systeme& systeme, const QString& file) {
    if (chemin(systeme).isEmpty())
        return false;
    if (file.isEmpty())
        return !QFile::exists(chemin(systeme)) || QFile::remove(chemin(systeme));
    if (!QDir().mkpath(systeme.repertoireconfig()))
        return false;
    const QByteArray ligne = file.toUtf8() + '\n';
    return static_cast<bool>(ecrirefichier(QFile::encodeName(chemin(systeme)).toStdString(),
                                           reinterpret_cast<const std::uint8_t*>(ligne.constData()),
                                           static_cast<std::size_t>(ligne.size())));
}

} // namespace vormigral

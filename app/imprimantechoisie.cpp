#include "app/imprimantechoisie.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>

namespace vormigral {

namespace {

// Empty when the system gives no per-user folder: the choice then lasts for the run only.
QString chemin(const Systeme& systeme) {
    const QString dossier = systeme.repertoireconfig();
    return dossier.isEmpty() ? QString() : dossier + QStringLiteral("imprimante");
}

} // namespace

TImprimanteMemorisee lisimprimantememorisee(const Systeme& systeme) {
    TImprimanteMemorisee lue;
    lue.chemin = chemin(systeme);
    if (lue.chemin.isEmpty())
        return lue;
    // One line; a queue name holds no line break, whatever was edited into the file after it.
    std::array<std::uint8_t, 4096> octets{};
    const Debut debut = lisdebut(QFile::encodeName(lue.chemin).toStdString(), octets.data(), octets.size());
    lue.ouverture = debut.ouverture;
    lue.erreur = debut.erreur;
    if (debut.ouverture != Ouverture::Lu)
        return lue;
    const auto* texte = reinterpret_cast<const char*>(octets.data());
    const auto fin = std::find_if(texte, texte + debut.lus, [](char c) { return c == '\n' || c == '\r'; });
    lue.file = QString::fromUtf8(texte, static_cast<qsizetype>(fin - texte)).trimmed();
    return lue;
}

QString imprimantememorisee(const Systeme& systeme) {
    return lisimprimantememorisee(systeme).file;
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

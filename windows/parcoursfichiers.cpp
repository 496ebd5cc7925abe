#include "windows/parcoursfichiers.h"

#include "files/repertoire.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <cwchar>
#include <optional>

#include <langinfo.h>

namespace vormigral {

namespace {

QByteArray brut(const QString& chemin) {
    return QFile::encodeName(chemin);
}

bool dans(const QByteArray& chemin, const QByteArray& racine) {
    if (chemin == racine)
        return true;
    return chemin.startsWith(racine.endsWith('/') ? racine : racine + '/');
}

QByteArray joint(const QByteArray& repertoire, const QByteArray& nom) {
    return repertoire.endsWith('/') ? repertoire + nom : repertoire + '/' + nom;
}

QByteArray dossierparent(const QByteArray& chemin) {
    const qsizetype barre = chemin.lastIndexOf('/');
    return barre <= 0 ? QByteArray("/") : chemin.left(barre);
}

// "." and ".." resolved, separators single, no final separator but the root's.
QByteArray nettoie(const QByteArray& chemin) {
    QList<QByteArray> parties;
    for (const QByteArray& partie : chemin.split('/')) {
        if (partie.isEmpty() || partie == ".")
            continue;
        if (partie == ".." && !parties.isEmpty())
            parties.removeLast();
        else if (partie != "..")
            parties << partie;
    }
    return '/' + parties.join('/');
}

std::optional<QString> selonlocale(const QByteArray& nom) {
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0)
        return std::nullopt;
    std::mbstate_t etat{};
    QString texte;
    const char* p = nom.constData();
    std::size_t reste = std::size_t(nom.size());
    while (reste > 0) {
        wchar_t c = 0;
        const std::size_t n = std::mbrtowc(&c, p, reste, &etat);
        if (n == 0 || n == std::size_t(-1) || n == std::size_t(-2))
            return std::nullopt;
        const char32_t point = char32_t(c);
        texte += QString::fromUcs4(&point, 1);
        p += n;
        reste -= n;
    }
    return texte;
}

// How a name stored in the file system's bytes reads: UTF-8 as it is; else in the locale's
// character set when that is not UTF-8 (a Latin-1 system, say); else with every byte that is not
// part of a UTF-8 character shown as %XX.
QString lisible(const QByteArray& nom) {
    const auto decode = [](QByteArrayView octets, QString& texte) {
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        texte = utf8.decode(octets);
        return !utf8.hasError();
    };
    QString texte;
    if (decode(nom, texte))
        return texte;
    if (const std::optional<QString> locale = selonlocale(nom))
        return *locale;
    texte.clear();
    for (qsizetype i = 0; i < nom.size();) {
        const auto tete = static_cast<unsigned char>(nom[i]);
        const qsizetype n = tete < 0x80           ? 1
                            : (tete >> 5) == 0x6  ? 2
                            : (tete >> 4) == 0xe  ? 3
                            : (tete >> 3) == 0x1e ? 4
                                                  : 0;
        QString caractere;
        if (n > 0 && i + n <= nom.size() && decode(QByteArrayView(nom).sliced(i, n), caractere)) {
            texte += caractere;
            i += n;
        } else {
            texte += QStringLiteral("%%1").arg(tete, 2, 16, QLatin1Char('0')).toUpper();
            ++i;
        }
    }
    return texte;
}

// Sorted as the user reads them, whatever case.
QList<QByteArray> trie(const std::vector<std::string>& noms) {
    QList<QPair<QString, QByteArray>> paires;
    for (const std::string& nom : noms) {
        const QByteArray octets = QByteArray::fromStdString(nom);
        paires.append({lisible(octets), octets});
    }
    std::sort(paires.begin(), paires.end(), [](const auto& a, const auto& b) {
        const int ordre = a.first.compare(b.first, Qt::CaseInsensitive);
        return ordre != 0 ? ordre < 0 : a.second < b.second;
    });
    QList<QByteArray> resultat;
    for (const auto& paire : paires)
        resultat << paire.second;
    return resultat;
}

// The root of the deepest volume holding `chemin`, else the first one (the root volume).
QString volumecontenant(const QList<TVolume>& volumes, const QString& chemin) {
    if (volumes.isEmpty())
        return {};
    QString meilleure = volumes.first().racine;
    qsizetype longueur = -1;
    for (const TVolume& volume : volumes) {
        if (dans(brut(chemin), brut(volume.racine)) && volume.racine.size() > longueur) {
            meilleure = volume.racine;
            longueur = volume.racine.size();
        }
    }
    return meilleure;
}

} // namespace

ParcoursFichiers::ParcoursFichiers(Volumes& volumes) : volumes_(volumes) {
    const QString depart = QDir::cleanPath(volumes_.courant());
    volume_ = volumecontenant(volumes_.liste(), depart);
    const QByteArray octets = brut(depart);
    const QByteArray racine = brut(volume_);
    repertoire_ = estrepertoire(octets.toStdString()) && dans(octets, racine) ? nettoie(octets) : racine;
}

const QList<TVolume>& ParcoursFichiers::reprend() {
    liste_ = volumes_.liste();
    const bool present =
        std::any_of(liste_.begin(), liste_.end(), [this](const TVolume& v) { return v.racine == volume_; });
    if (!present) {
        volume_ = liste_.isEmpty() ? QString() : liste_.first().racine;
        repertoire_ = brut(volume_);
    }
    const QByteArray racine = brut(volume_);
    QByteArray chemin = repertoire_;
    while (!estrepertoire(chemin.toStdString()) && chemin != racine && dans(chemin, racine))
        chemin = dossierparent(chemin);
    ouvre(estrepertoire(chemin.toStdString()) ? chemin : racine);
    return liste_;
}

int ParcoursFichiers::choisitvolume(int position) {
    if (position < 0 || position >= liste_.size())
        return -1;
    if (!volumes_.pret(liste_[position].racine))
        position = 0;
    const QString& racine = liste_[position].racine;
    if (racine != volume_) {
        volume_ = racine;
        ouvre(brut(racine));
    }
    return position;
}

void ParcoursFichiers::ouvre(const QByteArray& chemin) {
    const QByteArray racine = nettoie(brut(volume_));
    repertoire_ = nettoie(chemin);
    if (!dans(repertoire_, racine))
        repertoire_ = racine;
}

QList<ElementFichier> ParcoursFichiers::chemin() const {
    const QByteArray racine = nettoie(brut(volume_));
    QList<ElementFichier> niveaux{{volume_, racine}};
    QByteArray courant = racine;
    for (const QByteArray& partie : repertoire_.mid(racine.size()).split('/')) {
        if (partie.isEmpty())
            continue;
        courant = joint(courant, partie);
        niveaux.append({lisible(partie), courant});
    }
    return niveaux;
}

QList<ElementFichier> ParcoursFichiers::dossiers() const {
    QList<ElementFichier> resultat;
    for (const QByteArray& nom : trie(contenurepertoire(repertoire_.toStdString()).dossiers))
        resultat.append({lisible(nom), joint(repertoire_, nom)});
    return resultat;
}

QList<ElementFichier> ParcoursFichiers::fichiers() const {
    QList<ElementFichier> resultat;
    for (const QByteArray& nom : trie(contenurepertoire(repertoire_.toStdString()).fichiers))
        resultat.append({lisible(nom), nom});
    return resultat;
}

TChoixFichier ParcoursFichiers::choix(const QString& tape, const ElementFichier* selection) const {
    if (selection && selection->texte == tape)
        return {repertoire_.toStdString(), selection->octets.toStdString(), true};
    return {repertoire_.toStdString(), QFile::encodeName(tape).toStdString(), false};
}

QString ParcoursFichiers::affiche(const QByteArray& nom) {
    return lisible(nom);
}

} // namespace vormigral

#include "windows/choixcolonnes.h"

#include "history/correspondances.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <set>

namespace vormigral {

namespace {

std::string chemin(const QString& fichier) {
    return QFile::encodeName(fichier).toStdString();
}

QString fichierde(const QString& dossierconfig) {
    return dossierconfig.isEmpty() ? QString()
                                   : QDir(dossierconfig).filePath(QLatin1String(TChoixColonnes::nomfichier));
}

// The header and the first `n` lines after it, so that every change of a column reads little. A
// UTF-16 text is kept whole: a cut after a line feed would split its last character.
std::string_view debut(std::string_view contenu, int n) {
    if (contenu.size() >= 2 && (contenu.substr(0, 2) == "\xFF\xFE" || contenu.substr(0, 2) == "\xFE\xFF"))
        return contenu;
    std::size_t fin = 0;
    for (int i = 0; i <= n; ++i) {
        fin = contenu.find('\n', i == 0 ? 0 : fin + 1);
        if (fin == std::string_view::npos)
            return contenu;
    }
    return contenu.substr(0, fin + 1);
}

QString ligne(const TLigneTirage& l) {
    QStringList numeros;
    for (const std::int32_t n : l.tirage.tirage.numeros)
        numeros << QString::number(n);
    return TChoixColonnes::tr("Line %1: %2 — %3 + %4")
        .arg(l.ligne)
        .arg(QString::fromStdString(datecourte(l.tirage.date)), numeros.join(QLatin1Char(' ')))
        .arg(l.tirage.tirage.complementaire);
}

} // namespace

const char* const TChoixColonnes::nomfichier = "correspondances";

TChoixColonnes::TChoixColonnes(std::string_view contenu, const TProjetImport& projet,
                               const QString& dossierconfig)
    : debut_(debut(contenu, lignesapercu)), cle_(projet.cle), colonnes_(projet.colonnes),
      fichier_(fichierde(dossierconfig)) {
    const std::optional<TCorrespondance> gardee = memorisee(dossierconfig, cle_);
    correspondance_ = gardee ? *gardee : projet.reconnues;
    relit();
}

std::optional<TCorrespondance> TChoixColonnes::memorisee(const QString& dossierconfig,
                                                         const std::string& cle) {
    if (dossierconfig.isEmpty() || cle.empty())
        return std::nullopt;
    return correspondancememorisee(liscorrespondances(chemin(fichierde(dossierconfig))), cle);
}

void TChoixColonnes::choisit(TColonneImport champ, int colonne) {
    correspondance_.colonnes[static_cast<std::size_t>(champ)] =
        colonne >= 0 && static_cast<std::size_t>(colonne) < colonnes_.size() ? colonne : -1;
    relit();
}

bool TChoixColonnes::complete() const {
    const std::array<int, 8>& c = correspondance_.colonnes;
    return std::none_of(c.begin(), c.end(), [](int i) { return i < 0; }) &&
           std::set<int>(c.begin(), c.end()).size() == c.size();
}

void TChoixColonnes::relit() {
    apercu_.clear();
    // The day of the file's lines does not matter here: none is refused for being after it.
    const TProjetImport projet = analyseimport(debut_, {}, TDate{derniereannee, 12, 31}, &correspondance_);
    refus_ = projet.refus;
    manque_ = projet.colonnemanquante;
    std::vector<TLigneTirage> lues = projet.aajouter;
    lues.insert(lues.end(), projet.presents.begin(), projet.presents.end());
    std::vector<std::pair<int, QString>> lignes;
    for (const TLigneTirage& l : lues)
        lignes.emplace_back(l.ligne, ligne(l));
    for (const TLigneRejetee& r : projet.rejetees)
        lignes.emplace_back(r.ligne, tr("Line %1: not a draw with these columns").arg(r.ligne));
    std::sort(lignes.begin(), lignes.end());
    for (const auto& [numero, texte] : lignes)
        apercu_ << texte;
}

QString TChoixColonnes::probleme() const {
    const std::array<int, 8>& c = correspondance_.colonnes;
    for (std::size_t f = 0; f < c.size(); ++f) {
        const auto champ = static_cast<TColonneImport>(f);
        if (c[f] < 0)
            return tr("Choose the column of: %1.").arg(nomchamp(champ));
        if (std::count(c.begin(), c.end(), c[f]) > 1)
            return tr("One column cannot hold %1 and another field.").arg(nomchamp(champ));
    }
    if (refus_ == TRefus::aucuntirage)
        return tr("No line reads as a draw with these columns.");
    return {};
}

Refus TChoixColonnes::memorise() const {
    if (fichier_.isEmpty())
        return Refus::DossierAbsent;
    if (!QDir().mkpath(QFileInfo(fichier_).absolutePath()))
        return Refus::DossierProtege;
    return memorisecorrespondance(chemin(fichier_), cle_, correspondance_).refus;
}

QString TChoixColonnes::nomchamp(TColonneImport champ) {
    switch (champ) {
    case TColonneImport::date:
        return tr("Date");
    case TColonneImport::complementaire:
        return tr("Bonus");
    default:
        return tr("Ball %1").arg(static_cast<int>(champ));
    }
}

} // namespace vormigral

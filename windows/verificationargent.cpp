#include "windows/verificationargent.h"

#include "history/prixgrille.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace vormigral {

namespace {

constexpr TClasse classesdecroissantes[] = {TClasse::nb6, TClasse::nb5c, TClasse::nb5, TClasse::nb4c,
                                            TClasse::nb4, TClasse::nb3c, TClasse::nb3};

} // namespace

const char* const TVerificationArgent::nomfichierprix = "prixgrille";

TVerificationArgent::TVerificationArgent(const TStockageTirages& stockage, const QString& dossierconfig)
    : stockage_(stockage) {
    if (dossierconfig.isEmpty())
        return;
    fichierprix_ = QDir(dossierconfig).filePath(QLatin1String(nomfichierprix));
    prix_ = lisprixgrille(QFile::encodeName(fichierprix_).toStdString());
}

Refus TVerificationArgent::changeprix(std::int64_t centimes) {
    prix_ = std::clamp(centimes, prixgrillemin, prixgrillemax);
    bilan_ = bilanargent(verification_, gains_, prix_);
    if (fichierprix_.isEmpty())
        return Refus::DossierAbsent;
    if (!QDir().mkpath(QFileInfo(fichierprix_).absolutePath()))
        return Refus::DossierProtege;
    return memoriseprixgrille(QFile::encodeName(fichierprix_).toStdString(), prix_).refus;
}

bool TVerificationArgent::calcule(const TRecapitulatif& verification, QString* erreur) {
    verification_ = verification;
    std::vector<TTirageDate> tirages;
    tirages.reserve(verification.tirages.size());
    for (const TRecapTirage& t : verification.tirages)
        tirages.push_back(t.tirage);
    gains_.clear();
    const TStockageTirages::TBilan lecture = stockage_.litgains(tirages, gains_);
    const bool lu = lecture.reussi() && gains_.size() == tirages.size();
    if (!lu) {
        verification_ = {};
        gains_.clear();
        if (erreur)
            *erreur = lecture.detail;
    }
    bilan_ = bilanargent(verification_, gains_, prix_);
    return lu;
}

QString TVerificationArgent::montant(std::int64_t centimes) {
    //: The locale whose way of writing amounts in euros the money check follows.
    const QLocale langue(tr("en_IE"));
    // A loss with its minus sign, never in an accountant's brackets.
    const double euros = std::abs(static_cast<double>(centimes)) / 100.0;
    const QString texte = langue.toCurrencyString(euros, QStringLiteral("€"), 2);
    return centimes < 0 ? langue.negativeSign() + texte : texte;
}

QString TVerificationArgent::resume() const {
    return tr("Cost: %1 — Winnings: %2 — Net result: %3")
        .arg(montant(bilan_.cout), montant(bilan_.gagne), montant(bilan_.net));
}

QString TVerificationArgent::omissions() const {
    QStringList phrases;
    if (bilan_.nbinconnus > 0)
        phrases << tr("%n winning grid(s) without a known payout, not counted.", nullptr, bilan_.nbinconnus);
    if (bilan_.tiragessansgains > 0)
        phrases << tr("%n draw(s) without any stored payout.", nullptr, bilan_.tiragessansgains);
    return phrases.join(QLatin1Char(' '));
}

QString TVerificationArgent::nomclasse(TClasse classe) {
    switch (classe) {
    case TClasse::nb3:
        return tr("3 numbers");
    case TClasse::nb3c:
        return tr("3 + Bonus");
    case TClasse::nb4:
        return tr("4 numbers");
    case TClasse::nb4c:
        return tr("4 + Bonus");
    case TClasse::nb5:
        return tr("5 numbers");
    case TClasse::nb5c:
        return tr("5 + Bonus");
    case TClasse::nb6:
        return tr("6 numbers");
    case TClasse::aucune:
        break;
    }
    return {};
}

QString TVerificationArgent::inconnus(const TArgentTirage& tirage) const {
    QStringList classes;
    for (const TClasse k : classesdecroissantes)
        if (const std::int32_t n = tirage.inconnus[static_cast<std::size_t>(k)]; n > 0)
            classes << tr("%1 × %2").arg(nomclasse(k)).arg(n);
    return classes.join(QStringLiteral(", "));
}

QString TVerificationArgent::descriptioncourbe() const {
    const std::vector<TPointArgent>& points = bilan_.cumul;
    if (points.empty())
        return tr("No draw checked.");
    const auto [bas, haut] =
        std::minmax_element(points.begin(), points.end(),
                            [](const TPointArgent& a, const TPointArgent& b) { return a.cumul < b.cumul; });
    const auto jour = [](const TDate& d) { return QString::fromStdString(datecourte(d)); };
    return tr("Cumulative net result over %n draw(s), from %1 to %2: lowest %3 on %4, highest %5 on %6, "
              "at the end %7.",
              nullptr, static_cast<int>(points.size()))
        .arg(jour(points.front().date), jour(points.back().date), montant(bas->cumul), jour(bas->date),
             montant(haut->cumul), jour(haut->date), montant(points.back().cumul));
}

} // namespace vormigral

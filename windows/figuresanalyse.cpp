#include "windows/figuresanalyse.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vormigral {

namespace {

struct Textes {
    Q_DECLARE_TR_FUNCTIONS(vormigral::AnalyseMethode)
};

QString entier(std::int64_t n, const QLocale& locale) {
    return locale.toString(static_cast<qlonglong>(n));
}

// A share as a percentage: one decimal, or three significant digits below 1 %, and more where
// needed so that a share that is not nil never reads 0 and a share short of the whole never
// reads 100.
QString pourcentage(std::int64_t partie, std::int64_t tout, const QLocale& locale) {
    QString nombre;
    if (partie <= 0 || tout <= 0) {
        nombre = QStringLiteral("0");
    } else if (partie >= tout) {
        nombre = QStringLiteral("100");
    } else {
        const double valeur = 100.0 * static_cast<double>(static_cast<long double>(partie) / tout);
        int decimales = valeur < 1.0 ? 2 - static_cast<int>(std::floor(std::log10(valeur))) : 1;
        while (decimales < 12 &&
               (std::round(valeur * std::pow(10.0, decimales)) >= 100 * std::pow(10.0, decimales)))
            ++decimales;
        nombre = locale.toString(valeur, 'f', decimales);
    }
    return Textes::tr("%1%", "a share of the cases or of the draws").arg(nombre);
}

// "x % — 1 in n" for `partie` draws out of `tout`.
QString chance(std::int64_t partie, std::int64_t tout, const QLocale& locale) {
    if (partie <= 0)
        return Textes::tr("never");
    const long double unsur = static_cast<long double>(tout) / partie;
    const QString n = unsur < 10 ? locale.toString(static_cast<double>(unsur), 'f', 1)
                                 : entier(std::llround(unsur), locale);
    return Textes::tr("%1 — 1 in %2").arg(pourcentage(partie, tout, locale), n);
}

// The count of cases whose best grid falls in class c (0: six, 1: five, ... 4: two or fewer).
std::int64_t compteclasse(const TRepartition& r, int c) {
    if (c < nbclasses - 1)
        return r.comptes[static_cast<std::size_t>(6 - c)];
    return r.comptes[0] + r.comptes[1] + r.comptes[2];
}

// The best a grid can do in class c, to tell the classes a set of k cannot reach.
int plushaut(int c) {
    return c < nbclasses - 1 ? 6 - c : 0;
}

QString libelleclasse(int c) {
    return c < nbclasses - 1 ? Textes::tr("%1 numbers").arg(6 - c) : Textes::tr("2 or fewer");
}

QString libellebarre(int k) {
    return Textes::tr("%1 drawn").arg(k);
}

QString promesse(const TBilan& bilan, const QLocale& locale) {
    const TGarantie p = bilan.promesse;
    const std::int64_t cas = combinaisons(bilan.nbnumeros, p.y);
    QString suite;
    if (bilan.manques == 0) {
        suite = Textes::tr("kept in every case (%1 cases).").arg(entier(cas, locale));
    } else {
        // The fewest and the most the best grid holds over the sets short of the promise.
        int plus = bilan.pire;
        for (const TRepartition& r : bilan.repartitions)
            if (r.k == p.y)
                for (int h = bilan.pire; h < p.x; ++h)
                    if (r.comptes[static_cast<std::size_t>(h)] > 0)
                        plus = h;
        const QString tenus =
            plus == bilan.pire ? QString::number(plus) : Textes::tr("%1 to %2").arg(bilan.pire).arg(plus);
        const int nombre = static_cast<int>(std::min<std::int64_t>(bilan.manques, 1'000'000'000));
        suite = Textes::tr("kept except in %1 case(s) out of %2, where the best grid holds only %3.", nullptr,
                           nombre)
                    .arg(entier(bilan.manques, locale), entier(cas, locale), tenus);
    }
    return Textes::tr("Promise: %1 numbers in one grid if %2 of the drawn numbers are among your %3, %4")
        .arg(p.x)
        .arg(p.y)
        .arg(bilan.nbnumeros)
        .arg(suite);
}

TableauAnalyse repartition(const TBilan& bilan, const QLocale& locale) {
    TableauAnalyse t;
    t.colonnes << Textes::tr("Cases");
    for (int c = 0; c < nbclasses; ++c)
        t.colonnes << libelleclasse(c);
    for (const TRepartition& r : bilan.repartitions) {
        t.lignes << libellebarre(r.k);
        std::vector<CelluleAnalyse> rang{{entier(r.nbcas, locale), {}}};
        for (int c = 0; c < nbclasses; ++c) {
            if (plushaut(c) > r.k)
                rang.push_back({QString(), Textes::tr("not possible")});
            else
                rang.push_back(
                    {QStringLiteral("%1 (%2)").arg(entier(compteclasse(r, c), locale),
                                                   pourcentage(compteclasse(r, c), r.nbcas, locale)),
                     {}});
        }
        t.cellules.push_back(std::move(rang));
    }
    return t;
}

TableauAnalyse tirages(const TBilan& bilan, const QLocale& locale) {
    const TChances& c = bilan.chances;
    TableauAnalyse t;
    t.colonnes << Textes::tr("Drawn among your %1\n(exactly)").arg(bilan.nbnumeros)
               << Textes::tr("In one grid\n(at least)");
    for (std::size_t n = 3; n <= 6; ++n) {
        t.lignes << Textes::tr("%1 numbers").arg(n);
        t.cellules.push_back({{chance(c.tombent[n], c.nbtirages, locale), {}},
                              {chance(c.aumoins[n], c.nbtirages, locale), {}}});
    }
    return t;
}

} // namespace

FiguresAnalyse AnalyseMethode::figures(const TBilan& bilan, const QString& libelle, const QLocale& locale) {
    FiguresAnalyse f;
    f.methode = tr("Method %1: %2").arg(bilan.methode).arg(libelle);
    f.grilles = tr("You play %1 grids on your %2 ticked numbers.").arg(bilan.nbgrilles).arg(bilan.nbnumeros);
    f.promesse = promesse(bilan, locale);
    f.tenue = bilan.manques == 0;
    f.titrerepartition =
        tr("&Number of cases by the best result of one grid, for 3 to 6 drawn numbers among your %1:")
            .arg(bilan.nbnumeros);
    f.repartition = repartition(bilan, locale);
    f.titretirages = tr("&Odds per draw of 6 numbers out of 49 (%1 possible draws), playing your %2 grids:")
                         .arg(entier(bilan.chances.nbtirages, locale))
                         .arg(bilan.nbgrilles);
    f.tirages = tirages(bilan, locale);
    QStringList description;
    for (const TRepartition& r : bilan.repartitions) {
        BarreAnalyse b;
        b.libelle = libellebarre(r.k);
        QStringList parts;
        for (int c = 0; c < nbclasses; ++c) {
            const std::int64_t n = compteclasse(r, c);
            const std::size_t i = static_cast<std::size_t>(c);
            b.parts[i] = r.nbcas > 0 ? static_cast<double>(n) / static_cast<double>(r.nbcas) : 0.0;
            b.textes[i] = pourcentage(n, r.nbcas, locale);
            const QString part = QStringLiteral("%1 %2").arg(libelleclasse(c), b.textes[i]);
            b.bulles[i] = tr("%1: %2", "a share of the chart under the pointer").arg(b.libelle, part);
            if (n > 0)
                parts << part;
        }
        description
            << tr("%1: %2.", "a bar of the chart in words").arg(b.libelle, parts.join(QStringLiteral(", ")));
        f.barres.push_back(std::move(b));
    }
    for (int c = 0; c < nbclasses; ++c)
        f.legendes << libelleclasse(c);
    f.description =
        tr("Share of the cases by the best result of one grid. %1").arg(description.join(QLatin1Char(' ')));
    return f;
}

std::array<int, nbclasses> largeurssegments(const std::array<double, nbclasses>& parts, int largeur,
                                            int minimum) {
    std::array<int, nbclasses> largeurs{};
    const double total = std::accumulate(parts.begin(), parts.end(), 0.0);
    const auto nonnuls = std::count_if(parts.begin(), parts.end(), [](double p) { return p > 0; });
    if (total <= 0 || largeur <= 0)
        return largeurs;
    minimum = std::min(minimum, largeur / static_cast<int>(nonnuls));
    // The shares too small for the minimum are held at it; the rest of the bar goes to the others in
    // proportion, which may push another below the minimum: a few rounds settle it.
    std::array<bool, nbclasses> tenus{};
    for (int tour = 0; tour < nbclasses; ++tour) {
        double libre = largeur;
        double reste = 0;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (tenus[i])
                libre -= minimum;
            else
                reste += parts[i];
        }
        bool change = false;
        for (std::size_t i = 0; i < parts.size(); ++i)
            if (!tenus[i] && parts[i] > 0 && (reste <= 0 || parts[i] / reste * libre < minimum)) {
                tenus[i] = true;
                change = true;
            }
        if (!change)
            break;
    }
    // Each free segment ends where the running total of the free shares ends, so the rounding
    // never leaves a gap and the widths add up.
    double reste = 0;
    int libre = largeur;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (tenus[i])
            libre -= minimum;
        else
            reste += parts[i];
    }
    double cumul = 0;
    int fait = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (tenus[i]) {
            largeurs[i] = minimum;
            continue;
        }
        cumul += parts[i];
        const int fin = reste > 0 ? static_cast<int>(std::lround(cumul / reste * libre)) : 0;
        largeurs[i] = fin - fait;
        fait = fin;
    }
    return largeurs;
}

} // namespace vormigral

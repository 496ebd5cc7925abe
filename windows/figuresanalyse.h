#pragma once

#include "analysis/analyse.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace vormigral {

// What the analysis window shows of a method's table, worded in the language installed: the
// window lays it out, this works it out. Each bar of the chart stands for a count of drawn numbers
// among the ticked ones, split into the shares of the cases by how many of them the best grid holds.

inline constexpr int nbclasses = 5; // the best grid holds 6, 5, 4, 3, or 2 and fewer

struct BarreAnalyse {
    QString libelle;
    std::array<double, nbclasses> parts{};   // fractions of the bar, summing to 1
    std::array<QString, nbclasses> textes{}; // the shares as written, shown where they fit
    std::array<QString, nbclasses> bulles{}; // each share with its class, for the pointer
};

struct CelluleAnalyse {
    QString texte;
    QString accessible; // what a screen reader says where the cell shows nothing
};

struct TableauAnalyse {
    QStringList colonnes;
    QStringList lignes;
    std::vector<std::vector<CelluleAnalyse>> cellules; // by row, then column
};

struct FiguresAnalyse {
    QString methode;
    QString grilles;
    QString promesse;
    bool tenue = true; // the promise holds for every set
    QString titrerepartition;
    TableauAnalyse repartition;
    QString titretirages;
    TableauAnalyse tirages;
    std::vector<BarreAnalyse> barres;
    QStringList legendes;
    QString description; // the chart in words, every share that is not nil
};

class AnalyseMethode {
    Q_DECLARE_TR_FUNCTIONS(vormigral::AnalyseMethode)

public:
    // The figures of `bilan` (of a method: its number is not 0) described as `libelle`, its
    // numbers written as `locale` writes them.
    static FiguresAnalyse figures(const TBilan& bilan, const QString& libelle, const QLocale& locale);
};

// The widths of a bar's segments over `largeur` pixels: each share that is not nil gets at least
// `minimum` (less only when the bar cannot give every one of them that much), the others shrink
// in proportion to make room, and the widths add up to `largeur` (0 for an empty bar).
std::array<int, nbclasses> largeurssegments(const std::array<double, nbclasses>& parts, int largeur,
                                            int minimum);

} // namespace vormigral

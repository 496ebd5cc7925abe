#pragma once

#include "engine/comparaison.h"
#include "engine/etat.h"

#include <QStringList>

#include <array>
#include <optional>

namespace vormigral {

// What the comparison window does with a draw, without the window: the draw read from the seven
// selectors, refused when a number is chosen twice, and every grid of the selected method compared
// with it.
class ComparaisonTirage {
public:
    explicit ComparaisonTirage(TEtat& etat) : etat_(etat) {}

    // The draw from the selectors' positions (0 for number 1): six main numbers, then the
    // complementary.
    static TTirage tirage(const std::array<int, 7>& positions);

    struct Resultat {
        QStringList lignes; // one per grid, in grid order
        TCompteurs compteurs;
    };
    // Nothing when a number is chosen twice. Otherwise the run of the selected method is started
    // and walked to its end (the last grid stays in grillecour); without a selected method there
    // is nothing to compare.
    std::optional<Resultat> compare(const TTirage& tirage);

private:
    TEtat& etat_;
};

} // namespace vormigral

#pragma once

#include "engine/calculgrille.h"
#include "engine/etat.h"

#include <vector>

namespace vormigral::test {

// The numbers of grid g of method m over the state's ticked numbers, expanded on a copy so that
// the run under test is left alone.
inline std::vector<int> numeros(TEtat etat, int m, int g) {
    etat.methodecour = m;
    etat.nbgrilles = etat.methodes[m].nbgrilles;
    calculgrille(etat, g);
    std::vector<int> resultat;
    for (int n = 1; n <= 49; ++n)
        if (etat.grillecour[n] == 1)
            resultat.push_back(n);
    return resultat;
}

} // namespace vormigral::test

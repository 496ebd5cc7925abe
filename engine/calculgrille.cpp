#include "engine/calculgrille.h"

#include "engine/tablegrilles.h"

namespace vormigral {

bool developpegrille(TEtat& etat, std::int32_t n) {
    const TTableGrilles table = etat.methodecour == methoderoue
                                    ? TTableGrilles{static_cast<std::int32_t>(etat.rouejouee.grilles.size()),
                                                    etat.rouejouee.grilles.data()}
                                    : tablegrilles(etat.methodecour);
    // nbgrilles is set by the caller from the catalogue; the table's own length also bounds n so that
    // a stale count can never read past the table.
    if (n < 1 || n > etat.nbgrilles || n > table.nbgrilles)
        return false;
    etat.grillecour.fill(0);
    for (const std::int32_t p : table.grilles[n - 1]) {
        if (p < 1 || p >= static_cast<std::int32_t>(etat.numcoch.size()))
            continue;
        const std::int32_t numero = etat.numcoch[static_cast<std::size_t>(p)];
        if (numero >= 1 && numero <= 49)
            etat.grillecour[static_cast<std::size_t>(numero)] = 1;
    }
    return true;
}

void calculgrille(TEtat& etat, std::int32_t n) {
    if (developpegrille(etat, n) && etat.affichegrille)
        etat.affichegrille();
}

} // namespace vormigral

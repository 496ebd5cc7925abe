#include "engine/cases.h"

#include <algorithm>
#include <vector>

namespace vormigral {

std::int32_t comptecoches(const TEtat& etat) {
    return static_cast<std::int32_t>(std::count(etat.casescoch.begin() + 1, etat.casescoch.begin() + 50, 1));
}

void construitnumcoch(TEtat& etat) {
    std::fill(etat.numcoch.begin(), etat.numcoch.end(), 0);
    int k = 1;
    for (int t = 1; t <= 49; ++t) {
        if (etat.casescoch[t] == 1)
            etat.numcoch[k++] = t;
    }
}

void effacecases(TEtat& etat) {
    std::fill(etat.casescoch.begin() + 1, etat.casescoch.begin() + 50, 0);
}

void tirealeatoire(TEtat& etat, std::int32_t n, const std::function<int(int)>& tire) {
    effacecases(etat);
    std::vector<int> candidats(49);
    for (int i = 0; i < 49; ++i)
        candidats[i] = i + 1;
    const int nombre = std::clamp<std::int32_t>(n, 0, 49);
    for (int i = 0; i < nombre; ++i) {
        const int l = static_cast<int>(candidats.size());
        const int p = std::clamp(tire(l), 0, l - 1);
        etat.casescoch[candidats[p]] = 1;
        candidats.erase(candidats.begin() + p);
    }
}

} // namespace vormigral

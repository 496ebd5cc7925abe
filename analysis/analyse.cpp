#include "analysis/analyse.h"

#include "engine/verification.h"

#include <algorithm>

namespace vormigral {

std::int64_t combinaisons(int n, int k) {
    if (k < 0 || n < 0 || k > n)
        return 0;
    k = std::min(k, n - k);
    // Each partial product C(n - k + i, i) is an integer, so the division is exact at every step.
    std::int64_t resultat = 1;
    for (int i = 1; i <= k; ++i)
        resultat = resultat * (n - k + i) / i;
    return resultat;
}

TRepartition repartition(const std::vector<std::uint64_t>& grilles, int nbnumeros, int k) {
    TRepartition r;
    r.k = k;
    if (k < 1 || k > 6 || k > nbnumeros || nbnumeros > 63)
        return r;
    r.nbcas = combinaisons(nbnumeros, k);
    // No grid can hold more than all k, so the search stops at the first grid that does.
    parcourtsousensembles(nbnumeros, k,
                          [&](std::uint64_t s) { ++r.comptes[meilleuregrille(grilles, s, k)]; });
    return r;
}

TChances chances(const std::vector<TRepartition>& parnombre, int nbnumeros, int boules, int tires) {
    TChances c;
    c.nbtirages = combinaisons(boules, tires);
    for (int k = 0; k <= tires && k < static_cast<int>(c.tombent.size()); ++k)
        c.tombent[k] = combinaisons(nbnumeros, k) * combinaisons(boules - nbnumeros, tires - k);
    for (const TRepartition& r : parnombre) {
        if (r.k < 0 || r.k > tires)
            continue;
        const std::int64_t partage = combinaisons(boules - nbnumeros, tires - r.k);
        for (int tenus = 0; tenus < static_cast<int>(r.comptes.size()); ++tenus)
            for (int h = 1; h <= tenus; ++h)
                c.aumoins[h] += r.comptes[tenus] * partage;
    }
    return c;
}

TBilan analysemethode(int m) {
    TBilan a;
    if (m < 1 || m > nbmethodes)
        return a;
    static const TMethodes catalogue = [] {
        TMethodes c;
        initmethodes(c);
        return c;
    }();
    a.methode = m;
    a.nbnumeros = catalogue[m].nbnumeros;
    a.nbgrilles = catalogue[m].nbgrilles;
    a.promesse = garantie(m);
    const std::vector<std::uint64_t> grilles = masquesgrilles(tablegrilles(m), a.nbnumeros);
    for (int k = 3; k <= std::min(6, a.nbnumeros); ++k)
        a.repartitions.push_back(repartition(grilles, a.nbnumeros, k));
    const TGarantie& p = a.promesse;
    a.pire = p.x;
    for (const TRepartition& r : a.repartitions) {
        if (r.k != p.y)
            continue;
        for (int h = 0; h < p.x; ++h)
            if (r.comptes[h] > 0) {
                a.manques += r.comptes[h];
                a.pire = std::min(a.pire, h);
            }
    }
    a.chances = chances(a.repartitions, a.nbnumeros);
    return a;
}

} // namespace vormigral

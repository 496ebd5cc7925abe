#include "analysis/analyse.h"

#include "engine/verification.h"
#include "wheels/controle.h"

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
    // moinsque[h]: the sets whose best grid holds fewer than h of them.
    std::array<std::int64_t, 8> moinsque{};
    for (int h = 1; h <= k; ++h)
        moinsque[static_cast<std::size_t>(h)] = comptetrous(grilles, nbnumeros, h, k);
    moinsque[static_cast<std::size_t>(k) + 1] = r.nbcas;
    for (int h = 0; h <= k; ++h)
        r.comptes[static_cast<std::size_t>(h)] =
            moinsque[static_cast<std::size_t>(h) + 1] - moinsque[static_cast<std::size_t>(h)];
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

TBilan analysetable(int nbnumeros, const std::vector<std::uint64_t>& grilles, TGarantie promesse) {
    TBilan a;
    if (nbnumeros < 1 || nbnumeros > 63)
        return a;
    a.nbnumeros = nbnumeros;
    a.nbgrilles = static_cast<int>(grilles.size());
    a.promesse = promesse;
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

TBilan analyseroue(const TRoue& roue) {
    return analysetable(roue.nbnumeros, roue.grilles, TGarantie{roue.t, roue.m});
}

TBilan analysemethode(int m) {
    if (m < 1 || m > nbmethodes)
        return {};
    static const TMethodes catalogue = [] {
        TMethodes c;
        initmethodes(c);
        return c;
    }();
    const int n = catalogue[m].nbnumeros;
    TBilan a = analysetable(n, masquesgrilles(tablegrilles(m), n), garantie(m));
    a.methode = m;
    a.nbgrilles = catalogue[m].nbgrilles;
    return a;
}

} // namespace vormigral

#include "engine/verification.h"

#include "engine/methodes.h"

#include <algorithm>
#include <bitset>
#include <vector>

namespace vormigral {

namespace {

int compte(std::uint64_t masque) {
    return static_cast<int>(std::bitset<64>(masque).count());
}

// Empty when the table has the expected shape, otherwise what is wrong with it first.
std::string defautforme(const TTableGrilles& table, int nbgrilles, int nbnumeros) {
    if (table.nbgrilles != nbgrilles || (nbgrilles > 0 && table.grilles == nullptr))
        return "table has " + std::to_string(table.nbgrilles) + " grids, expected " +
               std::to_string(nbgrilles);
    std::vector<bool> utilisee(static_cast<std::size_t>(nbnumeros) + 1, false);
    for (int g = 0; g < nbgrilles; ++g) {
        const TGrilleTable& grille = table.grilles[g];
        for (std::size_t k = 0; k < grille.size(); ++k) {
            const std::int32_t p = grille[k];
            if (p < 1 || p > nbnumeros)
                return "grid " + std::to_string(g + 1) + " holds position " + std::to_string(p) +
                       " outside 1.." + std::to_string(nbnumeros);
            if (k > 0 && p <= grille[k - 1])
                return "grid " + std::to_string(g + 1) + " is not strictly ascending";
            utilisee[static_cast<std::size_t>(p)] = true;
        }
    }
    for (int p = 1; p <= nbnumeros; ++p)
        if (!utilisee[static_cast<std::size_t>(p)])
            return "position " + std::to_string(p) + " is in no grid";
    return {};
}

} // namespace

std::vector<std::uint64_t> masquesgrilles(const TTableGrilles& table, int nbnumeros) {
    std::vector<std::uint64_t> grilles;
    grilles.reserve(static_cast<std::size_t>(std::max(table.nbgrilles, 0)));
    for (int g = 0; g < table.nbgrilles && table.grilles != nullptr; ++g) {
        std::uint64_t masque = 0;
        for (const std::int32_t p : table.grilles[g])
            if (p >= 1 && p <= nbnumeros && p <= 64)
                masque |= std::uint64_t{1} << (p - 1);
        grilles.push_back(masque);
    }
    return grilles;
}

int meilleuregrille(const std::vector<std::uint64_t>& grilles, std::uint64_t s, int assez) {
    int meilleur = 0;
    for (const std::uint64_t g : grilles) {
        meilleur = std::max(meilleur, compte(g & s));
        if (meilleur >= assez)
            break;
    }
    return meilleur;
}

TVerification verifie(const TTableGrilles& table, int nbgrilles, int nbnumeros, int x, int y) {
    TVerification v;
    v.defaut = defautforme(table, nbgrilles, nbnumeros);
    if (nbnumeros < 1 || nbnumeros > 32 || y < 1 || y > nbnumeros || x < 1 || x > y) {
        if (v.defaut.empty())
            v.defaut = "guarantee out of range";
        return v;
    }
    const std::vector<std::uint64_t> grilles = masquesgrilles(table, nbnumeros);
    parcourtsousensembles(nbnumeros, y, [&](std::uint64_t s) {
        const int meilleur = meilleuregrille(grilles, s, x);
        ++v.nbsousensembles;
        if (meilleur < x)
            ++v.sousx;
        if (meilleur < x - 1)
            ++v.sousxmoins1;
    });
    return v;
}

TVerification verifiemethode(int m) {
    if (m < 1 || m > nbmethodes) {
        TVerification v;
        v.defaut = "no method " + std::to_string(m);
        return v;
    }
    static const TMethodes catalogue = [] {
        TMethodes c;
        initmethodes(c);
        return c;
    }();
    const TGarantie promesse = garantie(m);
    return verifie(tablegrilles(m), catalogue[m].nbgrilles, catalogue[m].nbnumeros, promesse.x, promesse.y);
}

} // namespace vormigral

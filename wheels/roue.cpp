#include "wheels/roue.h"

#include <algorithm>
#include <bitset>

namespace vormigral {

Demande controledemande(int nbnumeros, int t, int m) {
    if (nbnumeros < roueminnumeros || nbnumeros > rouemaxnumeros)
        return Demande::Numeros;
    if (t < 2 || t > m || m > rouetaillegrille)
        return Demande::Garantie;
    return Demande::Valide;
}

std::array<int, rouetaillegrille> positions(std::uint64_t grille) {
    std::array<int, rouetaillegrille> p{};
    for (std::size_t i = 0; i < p.size() && grille != 0; ++i, grille &= grille - 1)
        p[i] = __builtin_ctzll(grille) + 1;
    return p;
}

bool grillesvalides(const std::vector<std::uint64_t>& grilles, int nbnumeros) {
    const std::uint64_t dehors = ~touteslespositions(nbnumeros);
    for (const std::uint64_t g : grilles)
        if (std::bitset<64>(g).count() != rouetaillegrille || (g & dehors) != 0)
            return false;
    return true;
}

std::int64_t binomial(int n, int k) {
    if (n < 0 || n > 64 || k < 0 || k > n)
        return 0;
    k = std::min(k, n - k);
    // Each partial product is C(n - k + i, i), so every division is exact; C(64, 32) fits.
    __int128 r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return static_cast<std::int64_t>(r);
}

} // namespace vormigral

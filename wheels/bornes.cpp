#include "wheels/bornes.h"

#include <algorithm>
#include <array>

namespace vormigral {

namespace {

std::int64_t plafond(std::int64_t a, std::int64_t b) {
    return (a + b - 1) / b;
}

// Schönheim: L(v, k, t) = ceil(v / k * L(v - 1, k - 1, t - 1)), L(v, k, 0) = 1.
std::int64_t schonheim(int v, int k, int t) {
    if (t == 0)
        return 1;
    if (v <= k)
        return 1;
    return plafond(v * schonheim(v - 1, k - 1, t - 1), k);
}

// The fewest t-subsets of n points such that every m-subset contains one of them.
std::int64_t turan(int n, int t, int m) {
    if (n < m)
        return 0;
    if (t == 2) {
        // The complement of Turán's graph: m - 1 cliques of nearly equal sizes.
        std::int64_t aretes = 0;
        for (int i = 0; i < m - 1; ++i) {
            const std::int64_t taille = n / (m - 1) + (i < n % (m - 1) ? 1 : 0);
            aretes += taille * (taille - 1) / 2;
        }
        return aretes;
    }
    // Averaging over the deletion of one point: every t-subset survives in n - t of the n
    // deletions, and each trace is itself such a system.
    std::int64_t moyenne = 1;
    for (int v = m + 1; v <= n; ++v)
        moyenne = plafond(v * moyenne, v - t);
    // de Caen: T >= (n - m + 1) / (n - t + 1) * C(n, t) / C(m - 1, t - 1).
    const __int128 numerateur = static_cast<__int128>(n - m + 1) * binomial(n, t);
    const __int128 denominateur = static_cast<__int128>(n - t + 1) * binomial(m - 1, t - 1);
    const std::int64_t decaen = static_cast<std::int64_t>((numerateur + denominateur - 1) / denominateur);
    return std::max(moyenne, decaen);
}

// Best known sizes of covering designs C(v, 6, t), v = 7.., 0 where the program knows none. Sources:
// - the La Jolla Covering Repository (ljcr.dmgordon.org, D. M. Gordon), best known sizes:
//   C(13,6,3) = 21, C(14,6,3) = 25, C(16,6,3) = 38, C(19,6,3) = 60, C(20,6,3) = 71, C(22,6,3) = 77,
//   C(10,6,4) = 20, C(12,6,4) = 41, C(15,6,4) = 117, C(17,6,4) = 188, C(20,6,2) = 16, C(11,6,5) = 100,
//   and the optimal C(10,6,3) = 10 and C(9,6,4) = 12;
// - C(12,6,3) = 15: D. M. Gordon, O. Patashnik, J. Petro, "Minimum (12,6,3) covers" (Ars Combin.);
// - C(v,6,5) for v = 7..12 (6, 12, 30, 50, 100, 132): OEIS A066010, covering numbers C(v, k, k - 1);
// - C(7,6,t) = t + 1: the grids on 7 points leave out one point each, and a t-set misses every grid
//   exactly when it holds every point left out, so t + 1 different points must be left out.
// No citable size was found for C(9,6,3), C(15,6,3), C(17,6,3), C(18,6,3), C(21,6,3), C(23,6,3),
// C(24,6,3), C(11,6,4), C(13,6,4), C(14,6,4), C(16,6,4) nor C(v,6,2) for v = 11, 15, 16, 19, 21,
// 23..26, 29, 30: the repository's tables and Mills and Mullin's survey could not be read where
// this table was made, and the papers that could be read give no such cell. Those stay 0 rather
// than a figure from memory.
struct Connue {
    int v, t, taille;
};
constexpr std::array<Connue, 25> connues = {{
    {7, 2, 3},    {7, 3, 4},    {7, 4, 5},   {7, 5, 6},   {8, 5, 12},  {9, 5, 30},  {10, 5, 50},
    {11, 5, 100}, {12, 5, 132}, {10, 3, 10}, {12, 3, 15}, {13, 3, 21}, {14, 3, 25}, {16, 3, 38},
    {19, 3, 60},  {20, 3, 71},  {22, 3, 77}, {9, 4, 12},  {10, 4, 20}, {12, 4, 41}, {15, 4, 117},
    {17, 4, 188}, {20, 2, 16},  {8, 3, 4},   {11, 3, 11},
}};

} // namespace

std::int64_t borneinferieure(int nbnumeros, int t, int m) {
    if (nbnumeros < 1 || nbnumeros > 63 || t < 1 || t > m || m > 6 || m > nbnumeros)
        return 0;
    if (t == m)
        return std::max<std::int64_t>(schonheim(nbnumeros, rouetaillegrille, t), 1);
    const std::int64_t systeme = plafond(turan(nbnumeros, t, m), binomial(rouetaillegrille, t));
    std::int64_t pargrille = 0;
    for (int i = t; i <= std::min(m, rouetaillegrille); ++i)
        pargrille += binomial(rouetaillegrille, i) * binomial(nbnumeros - rouetaillegrille, m - i);
    const std::int64_t comptage = plafond(binomial(nbnumeros, m), std::max<std::int64_t>(pargrille, 1));
    const std::int64_t dehors = plafond(nbnumeros - m + t, rouetaillegrille);
    return std::max({systeme, comptage, dehors, std::int64_t{1}});
}

int meilleureconnue(int nbnumeros, int t, int m) {
    if (t != m)
        return 0;
    if (t == rouetaillegrille)
        return static_cast<int>(binomial(nbnumeros, rouetaillegrille));
    for (const Connue& c : connues)
        if (c.v == nbnumeros && c.t == t)
            return c.taille;
    return 0;
}

TFaisabilite faisabilite(int nbnumeros, int t, int m) {
    TFaisabilite f;
    if (controledemande(nbnumeros, t, m) != Demande::Valide)
        return f;
    f.borne = borneinferieure(nbnumeros, t, m);
    f.connue = meilleureconnue(nbnumeros, t, m);
    f.ensembles = binomial(nbnumeros, m);
    f.mouvement = binomial(rouetaillegrille - 1, t - 1) * binomial(nbnumeros - rouetaillegrille - 1, m - t);
    f.travail = f.borne * f.mouvement * nbnumeros;
    if (f.ensembles > limiteensembles)
        f.portee = Portee::Ensembles;
    else if (f.borne > limitegrilles)
        f.portee = Portee::Grilles;
    else if (f.mouvement > limitemouvement || f.travail > limitetravail)
        f.portee = Portee::Mouvements;
    else
        f.portee = Portee::Possible;
    return f;
}

} // namespace vormigral

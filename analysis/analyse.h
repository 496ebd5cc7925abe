#pragma once

#include "engine/methodes.h"
#include "engine/tablegrilles.h"
#include "wheels/roue.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vormigral {

// C(n, k), exact; 0 outside 0 <= k <= n. Exact as long as the result fits in 64 bits (n <= 62 always).
std::int64_t combinaisons(int n, int k);

// The lottery the odds are worked out for: six numbers drawn out of 49.
constexpr int nbboules = 49;
constexpr int nbtires = 6;

// How the best grid of a table fares against every set of k positions out of 1..N.
struct TRepartition {
    int k = 0;
    std::int64_t nbcas = 0;                // C(N, k)
    std::array<std::int64_t, 7> comptes{}; // comptes[h]: sets whose best grid holds exactly h of them
};

// The chances of one draw of `tires` numbers out of `boules`, as exact counts of draws out of
// `nbtirages` = C(boules, tires): the player ticked N numbers and plays the table's grids on them.
struct TChances {
    std::int64_t nbtirages = 0;
    std::array<std::int64_t, 7> tombent{}; // tombent[k]: draws with exactly k drawn numbers among the N
    std::array<std::int64_t, 7> aumoins{}; // aumoins[h]: draws where one grid holds h drawn numbers or more
};

// Everything the analysis says about one table: a method's, or any wheel's.
struct TBilan {
    int methode = 0; // 0 for a wheel that is not one of the methods
    int nbnumeros = 0;
    int nbgrilles = 0;
    TGarantie promesse;
    std::vector<TRepartition> repartitions; // k = 3 .. min(6, N), in that order
    std::int64_t manques = 0;               // sets of Y positions where no grid holds X of them
    int pire = 0;                           // the fewest the best grid holds over those sets
    TChances chances;
};

// Counts, for every set of k positions out of 1..nbnumeros (1 <= k <= 6, nbnumeros <= 63), how
// many of them the best of `grilles` (bit masks, position p as bit p - 1) holds. The sets whose
// best grid holds fewer than h are the holes of "h if k" (wheels/controle.h), so the counts come
// from k such checks rather than from each set against each grid: all 14 million sets of six out
// of 49 are counted in well under a second.
TRepartition repartition(const std::vector<std::uint64_t>& grilles, int nbnumeros, int k);

// The chances of a draw for a player who ticked nbnumeros numbers. A draw with k numbers among them
// meets the grids as that set of k positions does, and C(boules - N, tires - k) draws share each
// such set; so aumoins[h] is exact for every h at or above the smallest k of `parnombre`, which
// must then hold every k from there up to min(tires, N).
TChances chances(const std::vector<TRepartition>& parnombre, int nbnumeros, int boules = nbboules,
                 int tires = nbtires);

// The whole analysis of a table of grids over positions 1..nbnumeros (at most 63) with its
// promise: the counts for k = 3 .. min(6, N), the sets short of the promise, the odds of a draw.
TBilan analysetable(int nbnumeros, const std::vector<std::uint64_t>& grilles, TGarantie promesse);

// The analysis of a wheel, its promise "t if m".
TBilan analyseroue(const TRoue& roue);

// The whole analysis of method m (1..50) from its wheel table; an empty analysis (methode 0) for
// any other m.
TBilan analysemethode(int m);

} // namespace vormigral

#pragma once

#include "engine/tablegrilles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vormigral {

// What an exhaustive check of one wheel table found.
struct TVerification {
    std::int64_t nbsousensembles = 0; // C(N, Y): every set of Y positions out of 1..N
    std::int64_t sousx = 0;           // of those, how many have no grid holding X of them
    std::int64_t sousxmoins1 = 0;     // ... and no grid holding X - 1 of them
    std::string defaut;               // first broken invariant of the table, empty when none
};

// The grids of a table as bit masks, position p as bit p - 1; positions outside 1..nbnumeros are
// left out (the shape check reports them).
std::vector<std::uint64_t> masquesgrilles(const TTableGrilles& table, int nbnumeros);

// Calls `f(s)` for every set s of k positions out of 1..n (1 <= k <= n <= 63), as masks in
// increasing order; the next mask comes by Gosper's step.
template <class F> void parcourtsousensembles(int n, int k, F&& f) {
    if (k < 1 || k > n || n > 63)
        return;
    const std::uint64_t fin = std::uint64_t{1} << n;
    for (std::uint64_t s = (std::uint64_t{1} << k) - 1; s < fin;) {
        f(s);
        const std::uint64_t bas = s & (~s + 1);
        const std::uint64_t monte = s + bas;
        s = monte | (((s ^ monte) >> 2) / bas);
    }
}

// The most positions of s that one grid holds; stops looking once a grid holds `assez`.
int meilleuregrille(const std::vector<std::uint64_t>& grilles, std::uint64_t s, int assez);

// Checks a table against "X if Y among N in G grids": the table's shape (exactly G rows, six distinct
// ascending positions in 1..N per grid, every position 1..N used) and, for every Y-subset of 1..N,
// the most of it that one grid holds. Needs 1 <= X <= Y <= N <= 32.
TVerification verifie(const TTableGrilles& table, int nbgrilles, int nbnumeros, int x, int y);

// The full guarantee: a sound table and no Y-subset short of X.
inline bool garantiepleine(const TVerification& v) {
    return v.defaut.empty() && v.sousx == 0;
}

// The check of method m (1..50) against its catalogue entry and its promise.
TVerification verifiemethode(int m);

} // namespace vormigral

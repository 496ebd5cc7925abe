#pragma once

#include "engine/tablegrilles.h"

#include <cstdint>
#include <string>

namespace vormigral {

// What an exhaustive check of one wheel table found.
struct TVerification {
    std::int64_t nbsousensembles = 0; // C(N, Y): every set of Y positions out of 1..N
    std::int64_t sousx = 0;           // of those, how many have no grid holding X of them
    std::int64_t sousxmoins1 = 0;     // ... and no grid holding X - 1 of them
    std::string defaut;               // first broken invariant of the table, empty when none
};

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

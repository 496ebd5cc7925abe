#pragma once

#include "wheels/roue.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vormigral {

// What the exhaustive check of a wheel found. A hole is a set of m positions of which no grid
// holds t; the first holes are those that come first when each set is written in ascending order
// and the sets are sorted as words.
struct TControle {
    bool complet = false;                // false when a stop came before the end: counts are partial
    std::int64_t nbensembles = 0;        // C(N, m)
    std::int64_t trous = 0;              // sets of m positions with no grid holding t of them
    std::vector<std::uint64_t> premiers; // the first holes (at most the number asked for), as masks
};

// Checks every set of m positions out of 1..nbnumeros (1 <= t <= m <= 6, m <= nbnumeros <= 63)
// against the grids (any masks; positions beyond nbnumeros are ignored), keeping the first `garde`
// holes. The sets are never listed one by one: a depth-first walk extends only the prefixes that no
// grid already meets in t positions, and a bit mask of the positions that may come next ends each
// branch, so a good wheel is checked in a fraction of the time a listing would take. `fils` threads
// share the walk (0: one per core); `arret`, when set, stops it early (complet then false).
TControle controle(const std::vector<std::uint64_t>& grilles, int nbnumeros, int t, int m,
                   std::size_t garde = 0, int fils = 0, const std::atomic<bool>* arret = nullptr);

// The number of sets of m positions that no grid meets in t or more: the count of controle.
std::int64_t comptetrous(const std::vector<std::uint64_t>& grilles, int nbnumeros, int t, int m,
                         int fils = 0);

// A sound wheel (six positions per grid, all within 1..N, every position in some grid) that keeps
// its guarantee, checked exhaustively.
bool roueverifiee(const TRoue& roue, int fils = 0);

} // namespace vormigral

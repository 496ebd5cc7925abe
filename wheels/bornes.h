#pragma once

#include "wheels/roue.h"

#include <cstdint>

namespace vormigral {

// A sound lower bound on the size of any "t if m" wheel on N numbers (7 <= N <= 63, 2 <= t <= m <= 6).
// For t = m it is the Schönheim bound. For t < m, the t-subsets that lie in some grid must meet
// every set of m positions (a Turán (N, m, t)-system), and a grid holds C(6, t) of them; the bound
// is the largest of: that system's least size divided by C(6, t), the system's size bounded by
// Turán's theorem for t = 2 (exact) and otherwise by the averaging T(n) >= n / (n - t) T(n - 1)
// from T(m) = 1 and by de Caen's bound; the count of m-sets over those a grid meets; and
// (N - m + t) / 6, since at most m - t positions may lie outside every grid.
std::int64_t borneinferieure(int nbnumeros, int t, int m);

// The size of the best wheel known for "t if t" among N (a covering design C(N, 6, t)), 0 when
// the program knows none. Only sizes, never wheels, are taken from outside.
int meilleureconnue(int nbnumeros, int t, int m);

// Whether a build is within reach on this machine, and why not.
enum class Portee {
    Possible,
    Demande,    // the request itself is not valid (controledemande)
    Ensembles,  // too many sets of m positions to keep a counter for each in memory
    Grilles,    // the wheel would need too many grids (its lower bound is beyond the limit)
    Mouvements, // a change of one grid touches too many sets, or a first wheel would take too long
};

// The limits behind Portee, measured on the 2-core development machine (see the README's section
// on building wheels): beyond them a build would take minutes per step or gigabytes of memory.
constexpr std::int64_t limiteensembles = 3'000'000;
constexpr std::int64_t limitegrilles = 20'000;
constexpr std::int64_t limitemouvement = 20'000;
// The greedy first wheel weighs each position for each grid against the sets a swap touches: the
// lower bound times that count times N stays within what this machine does in about 3 seconds.
constexpr std::int64_t limitetravail = 30'000'000;

struct TFaisabilite {
    Portee portee = Portee::Demande;
    std::int64_t borne = 0;     // borneinferieure
    int connue = 0;             // meilleureconnue
    std::int64_t ensembles = 0; // C(N, m)
    std::int64_t mouvement = 0; // sets of m positions one change of a grid's position can touch
    std::int64_t travail = 0;   // borne * mouvement * N: the weight of a first wheel
};

TFaisabilite faisabilite(int nbnumeros, int t, int m);

} // namespace vormigral

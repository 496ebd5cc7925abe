#pragma once

#include "engine/etat.h"

#include <cstdint>
#include <functional>

namespace vormigral {

// How many of the numbers 1..49 are ticked; only a flag of exactly 1 counts (a loaded file may
// hold other values, which show as ticked but do not count).
std::int32_t comptecoches(const TEtat& etat);

// Rebuilds numcoch: the ticked numbers in ascending order, then zeros.
void construitnumcoch(TEtat& etat);

// Unticks 1..49; entry 50 is left alone.
void effacecases(TEtat& etat);

// Clears, then ticks n distinct numbers drawn uniformly from 1..49. `tire(l)` returns a uniform
// position in 0..l-1. n is clamped to 0..49.
void tirealeatoire(TEtat& etat, std::int32_t n, const std::function<int(int)>& tire);

} // namespace vormigral

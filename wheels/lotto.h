#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

namespace vormigral {

// A first wheel for "t if m" among n with t < m, built from partitions of the positions into
// groups: for every way the m drawn positions can fall into the groups, some grid is sure to hold t
// of them whatever positions inside the groups they are (a grid taking r of a group's s positions
// holds at least a - (s - r) of the a drawn there). Every partition shape within a work limit is
// tried and the smallest wheel that passes the exhaustive check is returned, grids as masks; empty
// when no shape gives one, when t >= m, or when `arret` is set meanwhile.
std::vector<std::uint64_t> rouepartition(int n, int t, int m, const std::atomic<bool>* arret = nullptr);

// The same for one shape (group sizes, positions taken in order), before the check: empty when the
// shape cannot guarantee t.
std::vector<std::uint64_t> rouepargroupes(const std::vector<int>& groupes, int t, int m);

} // namespace vormigral

#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vormigral {

// A wheel on N numbers with the guarantee "t if m": six-number grids over positions 1..N (position
// p is bit p - 1 of a grid's mask) such that every set of m positions has t of them in one grid.
constexpr int roueminnumeros = 7;
constexpr int rouemaxnumeros = 49;
constexpr int rouetaillegrille = 6;

struct TRoue {
    int nbnumeros = 0;
    int t = 0;
    int m = 0;
    std::vector<std::uint64_t> grilles;
};

// Why a request for "t if m" among N cannot even be stated.
enum class Demande {
    Valide,
    Numeros,  // N outside 7..49
    Garantie, // not 2 <= t <= m <= 6
};

Demande controledemande(int nbnumeros, int t, int m);

// The mask of positions 1..n.
inline std::uint64_t touteslespositions(int n) {
    return n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
}

// A grid's six positions, ascending; the mask must hold exactly six positions.
std::array<int, rouetaillegrille> positions(std::uint64_t grille);

// Every grid holds exactly six positions within 1..nbnumeros.
bool grillesvalides(const std::vector<std::uint64_t>& grilles, int nbnumeros);

// C(n, k) for 0 <= n <= 64, exactly; 0 outside 0 <= k <= n.
std::int64_t binomial(int n, int k);

} // namespace vormigral

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vormigral {

// A pre-printed lottery slip: where the boxes of its grids lie, in centimetres from the sheet's
// top-left corner.
struct TTypeBulletin {
    std::string nom;
    double xdep = 0;      // column 0 of the first grid
    double ydep = 0;      // row 0 of every grid
    double pascol = 0;    // between two columns of a grid
    double paslig = 0;    // between two rows of a grid
    double pasgrille = 0; // between two grids of a slip
    std::int32_t nbgrillesbull = 0;
};

constexpr int nbtypesbulletin = 2;

// Entries 1 and 2; entry 0 is unused.
using TTypesBulletin = std::array<TTypeBulletin, nbtypesbulletin + 1>;

void initbulletins(TTypesBulletin& typesbulletin);

} // namespace vormigral

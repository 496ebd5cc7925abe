#pragma once

#include <array>
#include <cstdint>

namespace vormigral {

// One grid of a wheel table: six positions (1-based, ascending) into the ascending list of the
// ticked numbers.
using TGrilleTable = std::array<std::int32_t, 6>;

struct TTableGrilles {
    std::int32_t nbgrilles = 0;
    const TGrilleTable* grilles = nullptr; // grilles[g - 1] is grid g
};

// The wheel table of method m (1..50); an empty table ({0, nullptr}) for any other m.
TTableGrilles tablegrilles(int m);

// The tables built by the wheelsearch tool, kept in the generated source: methods 2, 14, 17, 18,
// 20, 21, 30 to 41 and 43 to 50; an empty table for any other m.
TTableGrilles tablecherchee(int m);

} // namespace vormigral

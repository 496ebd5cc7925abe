#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vormigral {

// The one 208-byte record of a grid file.
struct TFichierGrille {
    std::array<std::uint8_t, 4> entete{};   // 03 'G' 'R' 'I'
    std::int32_t posmethode = -1;           // list position, not method number
    std::array<std::int32_t, 51> cochage{}; // entries 1..50 of the ticked flags; 0 unused
};

constexpr std::size_t taillegrille = 208;
constexpr std::array<std::uint8_t, 4> signaturegrille{3, 'G', 'R', 'I'};

} // namespace vormigral

#pragma once

#include <utility>

namespace vormigral {

// Left and top of each number's cell on the picture of the slip's number block, by column (tens
// digit) then row (units digit), over the printed numbers. Column 0 has no number in row 0. Without
// Qt: the program's data tool (tools/programdata) prints them for the artwork that draws the picture.
inline constexpr int placescellules[5][10][2] = {
    {{0, 0}, {23, 41}, {22, 67}, {22, 93}, {22, 120}, {22, 146}, {22, 172}, {22, 199}, {21, 225}, {21, 251}},
    {{43, 14},
     {43, 40},
     {42, 66},
     {42, 93},
     {42, 120},
     {42, 143},
     {42, 172},
     {43, 199},
     {42, 225},
     {42, 251}},
    {{62, 14},
     {62, 40},
     {62, 66},
     {63, 94},
     {61, 120},
     {61, 145},
     {62, 172},
     {62, 199},
     {62, 224},
     {62, 251}},
    {{83, 14},
     {82, 41},
     {81, 67},
     {81, 93},
     {82, 119},
     {81, 146},
     {83, 172},
     {82, 199},
     {82, 224},
     {82, 251}},
    {{103, 15},
     {102, 40},
     {102, 68},
     {102, 94},
     {102, 119},
     {102, 146},
     {103, 172},
     {103, 199},
     {103, 224},
     {103, 250}},
};

// Left and top of number n's cell (1 to 49) on the block's picture.
constexpr std::pair<int, int> placecellule(int numero) {
    const auto& p = placescellules[numero / 10][numero % 10];
    return {p[0], p[1]};
}

} // namespace vormigral

#include "engine/tablegrilles.h"

#include "engine/methodes.h"

#include <cstddef>

namespace vormigral {

namespace {

// The hand-entered tables of the methods with at most 12 grids, grid order included: players who
// saved their ticks get the same grids from them. Those of methods 6, 22 and 23 miss
// the promise of their description, by one number, for a few draws (1, 6 and 4 sets of drawn
// positions); they are kept all the same.
constexpr TGrilleTable methode1[] = {
    {2, 3, 4, 6, 7, 9},   {3, 4, 5, 7, 8, 10}, {4, 5, 6, 8, 9, 11}, {1, 5, 6, 7, 9, 10},
    {2, 6, 7, 8, 10, 11}, {1, 3, 7, 8, 9, 11}, {1, 2, 4, 8, 9, 10}, {2, 3, 5, 9, 10, 11},
    {1, 3, 4, 6, 10, 11}, {1, 2, 4, 5, 7, 11}, {1, 2, 3, 5, 6, 8},
};

constexpr TGrilleTable methode3[] = {
    {1, 2, 3, 4, 5, 10}, {1, 6, 7, 8, 9, 10}, {3, 6, 7, 8, 9, 10}, {2, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 8},
    {5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 9},  {4, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6},  {1, 2, 3, 4, 5, 7},
};

constexpr TGrilleTable methode4[] = {
    {1, 2, 3, 4, 5, 6}, {4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 7, 8}, {1, 2, 3, 5, 7, 9},
    {1, 2, 3, 6, 8, 9}, {1, 2, 4, 5, 8, 9}, {1, 2, 4, 6, 7, 9}, {1, 2, 5, 6, 7, 8},
};

constexpr TGrilleTable methode5[] = {
    {1, 2, 3, 4, 5, 6},
    {5, 6, 7, 8, 9, 10},
    {1, 2, 3, 7, 8, 9},
};

constexpr TGrilleTable methode6[] = {
    {1, 2, 3, 4, 5, 6},   {6, 7, 8, 9, 10, 11}, {1, 2, 3, 7, 8, 9},
    {1, 2, 4, 7, 10, 11}, {1, 3, 5, 8, 10, 11}, {3, 4, 5, 7, 9, 11},
};

constexpr TGrilleTable methode7[] = {
    {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 6, 7}, {1, 2, 3, 5, 6, 7}, {1, 2, 4, 5, 6, 7},
};

constexpr TGrilleTable methode8[] = {
    {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 6, 7},
    {1, 2, 3, 5, 6, 7}, {1, 2, 4, 5, 6, 7}, {1, 3, 4, 5, 6, 7},
};

constexpr TGrilleTable methode9[] = {
    {1, 2, 3, 4, 5, 6},
    {1, 2, 3, 4, 7, 8},
    {1, 2, 5, 6, 7, 8},
    {3, 4, 5, 6, 7, 8},
};

constexpr TGrilleTable methode10[] = {
    {1, 2, 3, 4, 5, 6},  {7, 8, 9, 10, 11, 12}, {1, 2, 3, 7, 8, 9},  {1, 2, 3, 10, 11, 12},
    {1, 4, 5, 7, 8, 10}, {1, 4, 5, 9, 11, 12},  {2, 4, 6, 7, 8, 11}, {2, 4, 6, 9, 10, 12},
    {3, 5, 6, 7, 8, 12}, {3, 5, 6, 9, 10, 11},
};

constexpr TGrilleTable methode11[] = {
    {1, 2, 3, 4, 5, 9}, {1, 2, 3, 6, 7, 11}, {1, 4, 6, 7, 8, 10}, {2, 3, 4, 8, 10, 11}, {5, 6, 8, 9, 10, 11},
};

constexpr TGrilleTable methode12[] = {
    {1, 2, 3, 4, 5, 6},
    {1, 2, 3, 4, 5, 7},
    {1, 2, 3, 4, 6, 7},
    {1, 2, 3, 5, 6, 7},
};

constexpr TGrilleTable methode13[] = {
    {1, 2, 3, 4, 5, 6},    {7, 8, 9, 10, 11, 12},  {1, 2, 7, 8, 13, 14},
    {3, 4, 9, 10, 13, 14}, {5, 6, 11, 12, 13, 14},
};

constexpr TGrilleTable methode15[] = {
    {9, 10, 15, 16, 17, 18},  {2, 3, 4, 5, 6, 19},    {1, 2, 4, 6, 19, 20}, {7, 8, 9, 10, 11, 12},
    {1, 3, 4, 5, 6, 20},      {7, 8, 9, 10, 13, 14},  {1, 2, 3, 5, 19, 20}, {11, 12, 13, 14, 15, 16},
    {11, 12, 13, 14, 17, 18}, {7, 8, 15, 16, 17, 18},
};

constexpr TGrilleTable methode16[] = {
    {1, 2, 3, 4, 5, 6},      {7, 8, 9, 10, 11, 12}, {1, 13, 14, 15, 16, 17},
    {2, 13, 14, 15, 16, 17}, {3, 4, 5, 6, 13, 14},  {3, 4, 5, 15, 16, 17},
};

constexpr TGrilleTable methode19[] = {
    {1, 2, 3, 4, 5, 6},
    {3, 4, 5, 6, 7, 8},
    {1, 2, 3, 4, 7, 8},
    {1, 2, 5, 6, 7, 8},
};

constexpr TGrilleTable methode22[] = {
    {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 5, 8},
    {1, 2, 3, 6, 7, 8}, {1, 4, 5, 6, 7, 8}, {2, 3, 5, 6, 7, 8},
};

constexpr TGrilleTable methode23[] = {
    {1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 9}, {1, 2, 4, 5, 7, 8},
    {1, 3, 4, 6, 7, 8}, {2, 3, 5, 6, 8, 9}, {1, 2, 4, 6, 8, 9}, {1, 3, 5, 6, 7, 8},
    {2, 3, 4, 5, 7, 9}, {1, 2, 5, 6, 7, 9}, {1, 3, 4, 5, 8, 9}, {2, 3, 4, 6, 7, 8},
};

constexpr TGrilleTable methode24[] = {
    {1, 2, 3, 4, 6, 9},
    {2, 3, 4, 5, 7, 8},
    {1, 2, 5, 7, 8, 9},
};

constexpr TGrilleTable methode25[] = {
    {1, 3, 4, 5, 7, 10},
    {2, 6, 7, 8, 9, 10},
    {2, 4, 5, 6, 8, 9},
    {1, 2, 4, 6, 8, 9},
};

constexpr TGrilleTable methode26[] = {
    {1, 2, 4, 5, 6, 7}, {4, 5, 6, 8, 10, 11}, {2, 3, 7, 8, 9, 10}, {1, 3, 4, 5, 6, 9}, {1, 2, 3, 7, 9, 11},
};

constexpr TGrilleTable methode27[] = {
    {4, 6, 7, 9, 10, 11}, {2, 3, 8, 9, 11, 12}, {2, 3, 4, 8, 10, 12},
    {1, 3, 5, 6, 7, 12},  {1, 2, 5, 6, 7, 8},   {1, 4, 5, 9, 10, 11},
};

constexpr TGrilleTable methode28[] = {
    {1, 3, 4, 5, 10, 12}, {6, 7, 8, 9, 10, 11}, {2, 3, 7, 10, 12, 13}, {1, 3, 4, 7, 8, 12},
    {1, 2, 4, 8, 10, 13}, {2, 3, 5, 8, 12, 13}, {5, 6, 7, 9, 11, 13},  {1, 3, 4, 6, 9, 11},
    {1, 4, 6, 9, 11, 12}, {2, 5, 6, 7, 9, 11},
};

constexpr TGrilleTable methode29[] = {
    {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 7, 8}, {1, 2, 5, 6, 7, 8}, {3, 4, 5, 6, 7, 8},
    {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 5, 8}, {1, 2, 3, 4, 6, 7}, {1, 2, 3, 4, 6, 8},
    {1, 3, 5, 6, 7, 8}, {1, 4, 5, 6, 7, 8}, {2, 3, 5, 6, 7, 8}, {2, 4, 5, 6, 7, 8},
};

constexpr TGrilleTable methode42[] = {
    {1, 2, 4, 5, 7, 8},     {1, 3, 4, 6, 7, 8},    {2, 3, 5, 6, 7, 8},     {1, 2, 5, 6, 9, 10},
    {1, 3, 4, 5, 9, 10},    {2, 3, 4, 6, 9, 10},   {1, 2, 11, 12, 13, 14}, {3, 4, 11, 12, 13, 14},
    {5, 6, 11, 12, 13, 14}, {7, 8, 9, 10, 11, 12}, {7, 8, 9, 10, 13, 14},
};

template <std::size_t G> constexpr TTableGrilles table(const TGrilleTable (&grilles)[G]) {
    return TTableGrilles{static_cast<std::int32_t>(G), grilles};
}

} // namespace

TTableGrilles tablegrilles(int m) {
    switch (m) {
    case 1:
        return table(methode1);
    case 3:
        return table(methode3);
    case 4:
        return table(methode4);
    case 5:
        return table(methode5);
    case 6:
        return table(methode6);
    case 7:
        return table(methode7);
    case 8:
        return table(methode8);
    case 9:
        return table(methode9);
    case 10:
        return table(methode10);
    case 11:
        return table(methode11);
    case 12:
        return table(methode12);
    case 13:
        return table(methode13);
    case 15:
        return table(methode15);
    case 16:
        return table(methode16);
    case 19:
        return table(methode19);
    case 22:
        return table(methode22);
    case 23:
        return table(methode23);
    case 24:
        return table(methode24);
    case 25:
        return table(methode25);
    case 26:
        return table(methode26);
    case 27:
        return table(methode27);
    case 28:
        return table(methode28);
    case 29:
        return table(methode29);
    case 42:
        return table(methode42);
    default:
        break;
    }
    if (m < 1 || m > nbmethodes)
        return {};
    return tablecherchee(m);
}

} // namespace vormigral

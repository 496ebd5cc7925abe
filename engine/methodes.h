#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vormigral {

// One grouping method (reduced system). Texts are UTF-8; the only non-ASCII letter is "é".
struct TMethode {
    std::string libfr;
    std::string libang;
    std::int32_t nbgrilles = 0;
    std::int32_t nbnumeros = 0;
};

constexpr int nbmethodes = 50;

// Entries 1..50; entry 0 is unused so that method m is methodes[m].
using TMethodes = std::array<TMethode, nbmethodes + 1>;

// Fills the 50 records; running it again writes the same values.
void initmethodes(TMethodes& methodes);

// What a method's description promises: some grid holds at least x of any y drawn numbers that
// fall among the ticked ones.
struct TGarantie {
    int x = 0;
    int y = 0;
};

// The promise of method m (1..50).
TGarantie garantie(int m);

// The method's description in the language (English for langue 2, French otherwise).
const std::string& libelle(const TMethode& methode, std::int32_t langue);

// The method list's items for a language, already in the list's sorted order: the description
// (English for langue 2, French otherwise), fifty blanks, then the method number.
std::vector<std::string> listemethodes(const TMethodes& methodes, std::int32_t langue);

// The same from descriptions given in any language (UTF-8, entry m for method m): the list's
// order is the descriptions', character by character without regard to case.
std::vector<std::string> listemethodes(const std::array<std::string, nbmethodes + 1>& libelles);

// The method number carried by the last three characters of a list item, or -1 when they do not
// convert (leading blanks, an optional sign, then digits).
std::int32_t methodedutexte(const std::string& item);

// The record of method m, or nullptr when m is not a method number; callers that got -1 from an
// empty list selection must not index the catalogue with it.
const TMethode* methode(const TMethodes& methodes, std::int32_t m);

} // namespace vormigral

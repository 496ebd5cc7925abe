#pragma once

#include "wheels/roue.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vormigral {

// The text form of a wheel: one grid per line, six numbers separated by blanks, tabs, commas or
// semicolons; blank lines and lines starting with '#' are skipped, except the header this program
// writes first, "# VORMIGRAL wheel N=13 t=3 m=3 size=21", which is read back.
enum class Lecture {
    Bonne,
    Vide,      // no grid at all
    TropGrand, // more than limiteoctetsroue bytes, or more than limitelignesroue grids
    Binaire,   // a NUL or another control character: not a text file
    Nombre,    // a field that is not a whole number
    Compte,    // a grid line without exactly six numbers
    Limites,   // a number outside 1..49, or above the header's N
    Repete,    // the same number twice in one grid
    EnTete,    // a header that is malformed or disagrees with the grids that follow
    TropPeu,   // fewer than 7 different numbers in the whole file
};

constexpr std::size_t limiteoctetsroue = 4 * 1024 * 1024;
constexpr std::size_t limitelignesroue = 100'000;

struct TLecture {
    Lecture cause = Lecture::Bonne;
    int ligne = 0;                           // the line at fault, from 1; 0 for the whole file
    std::vector<std::array<int, 6>> grilles; // the numbers as written, each grid ascending
    bool entete = false;                     // the file has this program's header
    int nbnumeros = 0, t = 0, m = 0;         // the header's, when there is one
};

// The header line's fields; false when the line is not a well-formed header of a valid request.
struct TEnTete {
    int nbnumeros = 0, t = 0, m = 0, taille = 0;
};
bool litentete(const std::string& ligne, TEnTete& entete);

// Reads a file's bytes (UTF-8 with or without a byte-order mark, any line ends).
TLecture litroue(const std::string& octets);

// The wheel a reading stands for. With the header, the numbers are positions 1..N of its N.
// Without it, they are the player's own numbers: the different numbers used, ascending, become
// positions 1, 2, ... (so a file already written in positions using each of 1..N is unchanged),
// and `numeros` keeps them. The guarantee is the header's, or t and m as given.
struct TImport {
    TRoue roue;
    std::vector<int> numeros; // numeros[p - 1]: the number written for position p
};
TImport importe(const TLecture& lecture, int t = 0, int m = 0);

// The wheel's text: the header, then one line per grid, its six positions separated by one blank.
std::string ecritroue(const TRoue& roue);

} // namespace vormigral

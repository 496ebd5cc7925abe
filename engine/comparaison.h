#pragma once

#include "engine/etat.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vormigral {

// A draw: six main numbers and the complementary number, each 1..49.
struct TTirage {
    std::array<std::int32_t, 6> numeros{};
    std::int32_t complementaire = 0;
};

// The 49 flags of one grid, indexed by lottery number as grillecour is (entry 0 unused).
using TDrapeaux = std::array<std::int32_t, 50>;

// How one grid fares against a draw.
struct TResultat {
    std::int32_t bons = 0;       // how many of the grid's numbers are among the six main numbers
    bool complementaire = false; // the grid holds the complementary number
};

// Prize classes; a grid falls in at most one. There is no 6 + complementary: the seven numbers of a
// valid draw are distinct.
enum class TClasse { aucune, nb3, nb3c, nb4, nb4c, nb5, nb5c, nb6 };

// Grids counted per prize class.
class TCompteurs {
public:
    void compte(TClasse classe) { ++valeurs_[static_cast<std::size_t>(classe)]; }
    std::int32_t operator[](TClasse classe) const { return valeurs_[static_cast<std::size_t>(classe)]; }

private:
    std::array<std::int32_t, 8> valeurs_{};
};

// True when all seven numbers lie in 1..49 and no number is chosen twice, the complementary
// included.
bool tiragevalide(const TTirage& tirage);

// A grid given by its flags: only numbers whose flag is exactly 1 belong to it.
TResultat comparegrille(const TDrapeaux& grille, const TTirage& tirage);
// A grid given by its six numbers.
TResultat comparegrille(const std::array<std::int32_t, 6>& numeros, const TTirage& tirage);

TClasse classe(const TResultat& resultat);

// The list line of grid g, e.g. "B.:012 :-03-08-19-27-33-45 ->3 + Complémentaire." (UTF-8): the grid
// number on three digits at least, the grid's numbers ascending on two digits each, the hit count,
// and the complementary mention when the grid holds it.
std::string lignecomparaison(std::int32_t g, const TDrapeaux& grille, const TTirage& tirage);

struct TComparaison {
    std::vector<std::string> lignes; // one per grid, in grid order
    TCompteurs compteurs;
};

// Expands grids 1..etat.nbgrilles of etat.methodecour one after another and compares each with the
// draw; the viewer is redrawn once, at the end. Nothing is compared when nbgrilles is 0 or less.
// Afterwards grillecour holds the last grid.
TComparaison comparemethode(TEtat& etat, const TTirage& tirage);

} // namespace vormigral

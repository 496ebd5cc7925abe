#pragma once

#include "engine/etat.h"

#include <cstdint>
#include <functional>

namespace vormigral {

// The record of the method selected in the main window's list (etat.methodechoisie), or nullptr
// when nothing is selected; while a wheel of the player's own is in play, that wheel's record.
const TMethode* methodeselectionnee(const TEtat& etat);

// The record of run m: method m of the catalogue, or the wheel in play for methoderoue; nullptr
// when m names neither.
const TMethode* methodedeserie(const TEtat& etat, std::int32_t m);

// The gate of every command that expands grids: a method is selected and exactly its count of
// numbers to tick is ticked.
bool selectioncorrecte(const TEtat& etat);

// The promise of run m: method m's, or the wheel's in play for methoderoue; none ({0, 0}) when m
// names neither.
TGarantie garantiedeserie(const TEtat& etat, std::int32_t m);

// Starts a run of method m (or of the wheel in play, m being methoderoue): methodecour := m, nbgrilles from
// the catalogue, numgrille := 1. When m names no method, nbgrilles becomes 0 (nothing to expand), methodecour
// keeps its value, and the result is false.
bool commenceserie(TEtat& etat, std::int32_t m);

// Expands grids premier..dernier of the run in order, calling `grille(g)` after each with
// grillecour holding grid g; a false answer stops the run there. The viewer is redrawn once, after
// the last grid expanded, not after each: a run of hundreds of grids never shows them one by one.
void parcourtserie(TEtat& etat, std::int32_t premier, std::int32_t dernier,
                   const std::function<bool(std::int32_t)>& grille);

// A range of grids to print, checked against the run's count.
enum class TPlage {
    correcte,  // 1 <= premier <= dernier <= nbgrilles
    horsserie, // a bound outside 1..nbgrilles
    inversee,  // both bounds inside, but the last before the first
};

TPlage verifieplage(std::int32_t premier, std::int32_t dernier, std::int32_t nbgrilles);

// Puts a wheel of the player's own in play for as long as it lives: every command that starts a
// run from the selection (view, list, print, the history's check) then expands its grids, as a
// method's table (position p: the p-th smallest ticked number). The numbers ticked are read again
// (numcoch) at the start; the selected method and the state's previous wheel come back at the end,
// so the methods' runs never see the wheel.
class JeuRoue {
public:
    JeuRoue(TEtat& etat, TRoueJouee roue);
    ~JeuRoue();
    JeuRoue(const JeuRoue&) = delete;
    JeuRoue& operator=(const JeuRoue&) = delete;

private:
    TEtat& etat_;
    std::int32_t methode_;
    TRoueJouee precedente_;
};

} // namespace vormigral

#pragma once

#include "engine/etat.h"

#include <cstdint>
#include <functional>

namespace vormigral {

// The record of the method selected in the main window's list (etat.methodechoisie), or nullptr
// when nothing is selected.
const TMethode* methodeselectionnee(const TEtat& etat);

// The gate of every command that expands grids: a method is selected and exactly its count of
// numbers to tick is ticked.
bool selectioncorrecte(const TEtat& etat);

// Starts a run of method m: methodecour := m, nbgrilles from the catalogue, numgrille := 1. When m
// names no method, nbgrilles becomes 0 (nothing to expand), methodecour keeps its value, and the
// result is false.
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

} // namespace vormigral

#pragma once

#include "engine/etat.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vormigral {

// The grids of a method (or of any wheel) as a CSV file for a spreadsheet (files/csv.h):
//
//   Méthode;12 : 3 numéros si 3 numéros parmi les 11 en 11 grilles
//   Numéros cochés;2;5;9;14;17;23;28;31;36;40;44
//   Grille;N1;N2;N3;N4;N5;N6
//   1;2;5;9;14;17;23
//   ...

// One grid: its six numbers ascending.
using TGrilleExport = std::array<std::int32_t, 6>;

// The words of an export, in the user's language.
struct TLibellesExport {
    std::string methode;                // "Méthode" / "Method" (or the word for a wheel)
    std::string coches;                 // "Numéros cochés" / "Ticked numbers"
    std::array<std::string, 7> grilles; // the grids' columns: "Grille", "N1" ... "N6"
};

// The whole file, byte-order mark included: `nom` names the method or wheel as the player knows it.
std::string csvgrilles(const std::string& nom, const std::vector<std::int32_t>& coches,
                       const std::vector<TGrilleExport>& grilles, const TLibellesExport& libelles);

// The grids the main window's commands would expand: the selected method over the ticked numbers,
// expanded on a copy so that the shared state and the viewer are left alone. Empty when no method is
// selected; the caller checks the selection first (selectioncorrecte), as every command does.
std::vector<TGrilleExport> grillesmethode(TEtat etat);

// The ticked numbers, ascending.
std::vector<std::int32_t> numeroscoches(const TEtat& etat);

} // namespace vormigral

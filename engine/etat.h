#pragma once

#include "engine/fichegrille.h"
#include "engine/methodes.h"
#include "engine/tablegrilles.h"
#include "engine/typesbulletin.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vormigral {

struct TParametres {
    std::int32_t reserve = 0; // carried from the file back to the file, never read
    std::int32_t langue = 1;  // 2 English; anything else shows French
    std::int32_t decalh = 0;  // printer offsets in millimetres
    std::int32_t decalv = 0;
};

// What methodechoisie holds while a wheel of the player's own is in play: no method has that number.
constexpr std::int32_t methoderoue = 0;

// A wheel of the player's own in play: its record as the run code reads a method's (the
// descriptions, its grids and the numbers to tick) and its grids over positions, as a method's
// table. It lives in the working state only, never in the settings or grid files.
struct TRoueJouee {
    TMethode methode;
    TGarantie promesse;
    std::vector<TGrilleTable> grilles;
};

// The working state every window shares. Arrays are indexed from 1 as the program counts
// numbers, grids and methods; entry 0 is never used.
struct TEtat {
    std::array<std::int32_t, 51> casescoch{};  // 1..49 ticked flags; 50 only set by a loaded file
    std::array<std::int32_t, 50> numcoch{};    // ticked numbers ascending, then zeros
    std::array<std::int32_t, 50> grillecour{}; // flags of the grid last expanded
    // The method selected in the main window's list, -1 when none; written by the main window
    // whenever its list changes, read by every command that starts a run.
    std::int32_t methodechoisie = -1;
    std::int32_t methodecour = 0;
    std::int32_t nbgrilles = 0;
    std::int32_t numgrille = 0;
    TMethodes methodes;
    TTypesBulletin typesbulletin;
    TParametres parametres;
    bool parexiste = false;
    std::string repfichier;
    std::string nomfichier;
    TFichierGrille fichiergrille;
    // Played when methodechoisie is methoderoue and it holds grids (see JeuRoue in serie.h).
    TRoueJouee rouejouee;

    // Redraw of the grid viewer's cells, run after every expansion; installed by the viewer.
    std::function<void()> affichegrille;
};

} // namespace vormigral

#pragma once

#include "engine/tablegrilles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vormigral {

// One search for a table of exactly nbgrilles grids over positions 1..nbnumeros such that every
// y-subset has x of its positions in some grid.
struct TParamRecherche {
    int nbnumeros = 0;
    int nbgrilles = 0;
    int x = 0;
    int y = 0;
    std::uint32_t graine = 1;
    // 0: any table. c > 6: only tables made of whole orbits of the permutation that turns each of
    // the blocks 1..c, c+1..2c, ... one step round; nbnumeros and nbgrilles must be multiples of c.
    int orbite = 0;
    // Failing y-subsets aimed at in each step; the best move over all of them is made.
    int echantillon = 1;
    std::int64_t paslimite = 20'000'000;
    int tabou = 3; // steps during which a point taken out of a grid may not return to it
    // Called every suivipas steps with the step, the current cost and the best cost so far.
    std::int64_t suivipas = 0;
    std::function<void(std::int64_t, std::int64_t, std::int64_t)> suivi;
};

struct TResultatRecherche {
    bool reussi = false;
    std::string erreur;                // parameters refused; nothing was searched
    std::vector<TGrilleTable> grilles; // sorted; meaningful only when reussi
    std::int64_t pas = 0;              // steps taken
    std::int64_t restants = 0;         // failing y-subsets plus unused positions at the end
    double secondes = 0;
};

// Weighted tabu search, deterministic for a given set of parameters (graine included).
TResultatRecherche recherche(const TParamRecherche& param);

// How each searched method of the program is built: the seed and, for method 47, the orbit
// restriction. The generated tables come from exactly these runs.
struct TPlan {
    int methode = 0;
    std::uint32_t graine = 1;
    int orbite = 0;
    int echantillon = 1;
};

const std::vector<TPlan>& planprogramme();

// The parameters of method m under a plan entry, taken from the catalogue.
TParamRecherche paramsmethode(const TPlan& plan);

} // namespace vormigral

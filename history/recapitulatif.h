#pragma once

#include "engine/comparaison.h"
#include "engine/methodes.h"
#include "history/tirage.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vormigral {

// A set of numbers 1..49 as bits: bit n stands for number n.
using TMasque = std::uint64_t;

TMasque masque(const std::array<std::int32_t, 6>& numeros);

// The grids the main window's commands would expand: the selected method over the ticked
// numbers. Works on a copy, so the shared state and the viewer are left alone; empty when no
// method is selected.
std::vector<TMasque> grillesdelaserie(TEtat etat);

// The ticked numbers (the list the expansions read, numcoch).
TMasque masquecoches(const TEtat& etat);

// What the wheel's promise says about one draw.
enum class TPromesse {
    sansobjet, // fewer than Y of the drawn main numbers among the ticked ones: nothing promised
    tenue,     // promised, and some grid holds at least X of them
    manquee,   // promised, and no grid holds X
};

struct TRecapTirage {
    TTirageDate tirage;
    TCompteurs compteurs;                // grids per prize class
    TClasse meilleure = TClasse::aucune; // the best class one grid reaches
    std::int32_t meilleursbons = 0;      // the most main numbers one grid holds
    std::int32_t trouves = 0;            // drawn main numbers among the ticked ones
    TPromesse promesse = TPromesse::sansobjet;
};

struct TRecapitulatif {
    std::vector<TRecapTirage> tirages; // in the order of the draws given
    TCompteurs totaux;                 // grids per class over all the draws
    std::int32_t promises = 0;         // draws where the promise applied
    std::int32_t tenues = 0;           // ... and was kept
};

// Compares every grid with every draw.
TRecapitulatif recapitule(const std::vector<TMasque>& grilles, TMasque coches, TGarantie garantie,
                          const std::vector<TTirageDate>& tirages);

// The draws from `debut` to `fin`, both included, in the order given.
std::vector<TTirageDate> periode(const std::vector<TTirageDate>& tirages, const TDate& debut,
                                 const TDate& fin);
// Their places in `tirages`: what takes along anything kept beside the draws (their payouts).
std::vector<std::size_t> placesperiode(const std::vector<TTirageDate>& tirages, const TDate& debut,
                                       const TDate& fin);

// The columns of the exported table: the date (YYYY-MM-DD), the six main numbers, the
// complementary, the best class, the grids in each class from 6 down to 3, the drawn numbers
// among the ticked ones, the promise.
constexpr std::size_t nbcolonnescsv = 18;

// The words of an export, in the user's language.
struct TLibellesCsv {
    std::array<std::string, nbcolonnescsv> entetes;
    std::array<std::string, 8> classes;   // by TClasse, aucune first
    std::array<std::string, 3> promesses; // by TPromesse
};

// The table as a CSV text written as files/csv.h writes every line (no byte-order mark: the caller
// puts marqueutf8 before it). The rows come in the order given.
std::string csvrecapitulatif(const std::vector<const TRecapTirage*>& lignes, const TLibellesCsv& libelles);

} // namespace vormigral

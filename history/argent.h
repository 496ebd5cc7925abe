#pragma once

#include "engine/comparaison.h"
#include "history/recapitulatif.h"
#include "history/tirage.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vormigral {

// Money, in euro cents as 64-bit integers: sums of payouts stay exact whatever their count.

// What one winning grid of a draw was paid in each prize class, in euro cents, by TClasse (the
// entry of TClasse::aucune is unused). gaininconnu where the draw's record gives no payout for the
// class: the file had no such column, the class had no winner that draw (a payout of 0 in the
// file), or the class cannot be told for certain from the file's ranks. An unknown payout is never
// counted as nothing won.
constexpr std::int64_t gaininconnu = 0;

struct TGains {
    std::array<std::int64_t, 8> centimes{};
    bool connu(TClasse k) const { return centimes[static_cast<std::size_t>(k)] > gaininconnu; }
    bool aucun() const;
};

// The price of one grid for one draw until the player sets theirs: 0.30 €. The French 6/49 with a
// complementary number, whose play slips the program prints, last cost 1.20 € for two grids each
// played in the day's two draws (until October 2008).
constexpr std::int64_t prixgrilleordinaire = 30;
// The prices the player may set: from one cent to 1,000 € a grid, beyond which it is a typing error.
constexpr std::int64_t prixgrillemin = 1;
constexpr std::int64_t prixgrillemax = 100000;

// An amount as lotteries and players write it: "1 234 567,89", "10953,9", "2.20", "7 523 262"
// (blanks, no-break ones included, between groups of three digits; a comma or a point before one
// or two decimals). False for anything else, and for more than a thousand million units.
bool litmontant(std::string_view texte, std::int64_t& centimes);

// Francs (in centimes) in euro cents, at the fixed rate of 6.55957 francs for one euro, to the
// nearest cent.
std::int64_t francsencentimes(std::int64_t centimes);

// The money side of a check of the grids against stored draws (recapitule).
struct TArgentTirage {
    std::int64_t cout = 0;                  // the price of every grid for this draw
    std::int64_t gagne = 0;                 // the payouts of the classes the grids reached, where known
    std::int64_t net = 0;                   // gagne - cout
    std::array<std::int32_t, 8> inconnus{}; // by TClasse: grids that reached a class without payout
    std::int32_t nbinconnus = 0;            // their sum: gagne and net leave them out
};

// The cumulative net after one draw, for the chart; the draws in calendar order.
struct TPointArgent {
    TDate date;
    std::int64_t cumul = 0; // net of this draw and every earlier one of the check
    bool incomplet = false; // some grid up to this draw reached a class without payout
    std::size_t tirage = 0; // the draw's place in the check's list (TRecapitulatif::tirages)
};

struct TBilanArgent {
    std::vector<TArgentTirage> tirages; // in the order of the check's draws
    std::int64_t cout = 0;              // over the period
    std::int64_t gagne = 0;
    std::int64_t net = 0;
    std::array<std::int32_t, 8> inconnus{}; // by TClasse, over the period
    std::int32_t nbinconnus = 0;            // winning grids without payout over the period
    std::int32_t tiragesincomplets = 0;     // draws with at least one of them
    std::int32_t tiragessansgains = 0;      // draws whose record holds no payout at all
    std::vector<TPointArgent> cumul;        // one point a draw, in calendar order
};

// What the grids of a check cost, won and left at each draw and over the period. `gains` holds the
// payouts of the check's draws in the same order (a draw past its end has none); `prixgrille` is the
// price of one grid for one draw, in cents, held within 0..prixgrillemax. Every grid of the check is
// counted in every draw. Sums that would pass the 64-bit range stop at its bound.
TBilanArgent bilanargent(const TRecapitulatif& verification, const std::vector<TGains>& gains,
                         std::int64_t prixgrille);

} // namespace vormigral

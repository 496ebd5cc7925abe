#pragma once

#include "engine/comparaison.h"

#include <cstdint>
#include <string>

namespace vormigral {

// A calendar day.
struct TDate {
    int annee = 0;
    int mois = 0;
    int jour = 0;

    // Days compare in calendar order.
    int cle() const { return (annee * 100 + mois) * 100 + jour; }
    friend bool operator==(const TDate& a, const TDate& b) { return a.cle() == b.cle(); }
    friend bool operator!=(const TDate& a, const TDate& b) { return a.cle() != b.cle(); }
    friend bool operator<(const TDate& a, const TDate& b) { return a.cle() < b.cle(); }
    friend bool operator<=(const TDate& a, const TDate& b) { return a.cle() <= b.cle(); }
};

// Years the history accepts; outside them a date is a typing or reading error. A draw is never
// later than the day it is recorded on: the last year is only the bound of the date fields.
constexpr int premiereannee = 1900;
constexpr int derniereannee = 2199;

// True when the day exists in the Gregorian calendar within the accepted years.
bool datevalide(const TDate& date);

// "2024-03-09": how the database stores a day, so that text order is calendar order.
std::string dateiso(const TDate& date);
// "09/03/2024": how lists and exports show a day.
std::string datecourte(const TDate& date);

// One stored draw: its day and its seven numbers, the six main numbers kept ascending.
struct TTirageDate {
    TDate date;
    TTirage tirage;
};

// Why a draw, typed or read from a file, is not taken.
enum class TMotif {
    aucun,
    champs,          // the line has too few or too many fields
    date,            // the date field is not a date in a known form
    dateinexistante, // a date in a known form, but no such day (31/02, month 13)
    nombre,          // a number field is empty or not a whole number
    horsplage,       // a number outside 1..49
    repete,          // a main number given twice
    complementaire,  // the complementary equal to a main number
    repetition,      // the same draw already given on an earlier line of the file
    contradiction,   // same day and main numbers as a known draw, another complementary
    annee,           // a year before the first accepted (1850, 0021)
    future,          // a day after today
    ordre,           // a day and month that exist only in the other order than the file's dates
};

// The main numbers ascending; the order they were drawn in plays no part in any prize.
void ordonne(TTirageDate& tirage);

// The first fault of a draw, or TMotif::aucun: its date first (year, day, not after `aujourdhui`),
// then its numbers in the order above.
TMotif validetirage(const TTirageDate& tirage, const TDate& aujourdhui);
// The same for a draw as stored, whatever the day: its date within the accepted years.
TMotif validetirage(const TTirageDate& tirage);

// Two records of the same draw: same day, same main numbers (the complementary aside).
bool memetirage(const TTirageDate& a, const TTirageDate& b);

} // namespace vormigral

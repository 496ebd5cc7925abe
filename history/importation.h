#pragma once

#include "history/tirage.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vormigral {

// Draw files as lotteries publish them: one draw per line, fields separated by ";", "," or a tab
// (the one the first line uses most; runs of blanks when it uses none of them).
//
// The first non-blank line is a header when it holds a letter. Its columns are found by name,
// whatever the case, accents, blanks and underscores: the date is the first column whose name
// holds "date" and names the draw ("date_de_tirage", "Draw date") rather than a deadline
// ("date_de_forclusion"), else the first holding "date"; main number k (1..6) is a name ending in k
// after "boule", "ball", "numero", "num", "number", "no", "n" or "b"; the complementary is a name
// holding "compl" or "bonus", or "c". Other columns are ignored. Without a header each line is
// `date n1 n2 n3 n4 n5 n6 c`.
//
// Dates are DD/MM/YYYY, YYYY-MM-DD or YYYYMMDD ("/", "-" or "." between the parts), the day and
// month on one or two digits, and may be followed by a time. A two-digit year YY is 20YY below 70
// and 19YY from 70 on: draws of 6-out-of-49 lotteries start in the 1970s. Whether a file writes
// the day or the month first is decided by its unambiguous dates (one part from 13 to 31, the other
// at most 12): day first, unless at least three read month first and more than twice as many as
// read day first, so that one typing error never turns a whole file around. A date that exists
// only in the other order is a rejected line (TMotif::ordre). No draw is later than today.
//
// The text may be UTF-8 (with or without a byte-order mark), Latin-1/Windows-1252, or UTF-16 with
// its byte-order mark; lines end in LF, CRLF or CR.

// Why a whole file is refused; nothing of it is stored.
enum class TRefus {
    aucun,
    pastexte,       // NUL or other control bytes: not a text file
    troplong,       // larger than tailleimportmax
    enteteinconnue, // a header without one of the columns needed (see colonnemanquante)
    aucuntirage,    // not one line holds a valid draw
};

// A draw file is a few hundred kilobytes; anything far larger is not one.
constexpr std::size_t tailleimportmax = std::size_t{32} * 1024 * 1024;

// The columns a header must name, as reported when one is missing.
enum class TColonneImport { date, boule1, boule2, boule3, boule4, boule5, boule6, complementaire };

struct TLigneTirage {
    int ligne = 0; // 1-based, counting every line of the file, blank ones and the header included
    TTirageDate tirage;
};

struct TLigneRejetee {
    int ligne = 0;
    TMotif motif = TMotif::aucun;
    int autre = 0;     // the earlier line of a repetition or contradiction within the file, else 0
    std::string texte; // the line as read (UTF-8), cut to 120 bytes
};

// How the file's dates are read.
enum class TOrdreDates {
    jourmois, // DD/MM/YYYY
    moisjour, // MM/DD/YYYY
    annee,    // every date starts with its year (YYYY-MM-DD, YYYYMMDD): no order to decide
};

// A date of the file as written, and the day it was read as.
struct TDateExemple {
    int ligne = 0;
    std::string texte; // the field as written (UTF-8), cut to 40 bytes
    TDate date;
};

// How many of the first dates read an import shows, and how many rejected lines it describes one
// by one: the others are only counted, so that a file of rejected lines takes no more memory than
// a file of draws.
constexpr std::size_t nbexemplesdates = 3;
constexpr std::size_t rejetsdetailles = 1000;

struct TProjetImport {
    TRefus refus = TRefus::aucun;
    TColonneImport colonnemanquante = TColonneImport::date;
    bool entete = false;
    TOrdreDates ordre = TOrdreDates::jourmois;
    std::vector<TDateExemple> exemples;  // the first dates read as days, in file order
    std::vector<TLigneTirage> aajouter;  // new draws, in file order
    std::vector<TLigneTirage> presents;  // already stored: skipped
    std::vector<TLigneRejetee> rejetees; // the first rejetsdetailles rejected lines, in file order
    std::size_t nbrejetees = 0;          // every rejected line
};

// Reads a draw file against the draws already stored; stores nothing. A draw dated after
// `aujourdhui` is rejected. The draws to add come out with their main numbers ascending. When the
// file is refused the lists are empty, but for the rejected lines of a file without a single valid
// one, which say why.
TProjetImport analyseimport(std::string_view contenu, const std::vector<TTirageDate>& existants,
                            const TDate& aujourdhui);

} // namespace vormigral

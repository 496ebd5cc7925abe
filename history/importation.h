#pragma once

#include "history/argent.h"
#include "history/tirage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vormigral {

// Draw files as lotteries publish them: one draw per line, fields separated by ";", "," or a tab
// (the one the first line uses most; runs of blanks when it uses none of them).
//
// The first non-blank line is a header when it holds a letter, unless its date field (the first
// one, or the one a mapping names) reads as a date ("3 Oct 2015;..."). Its columns are found by name,
// whatever the case, accents, blanks and underscores: the date is the first column whose name
// holds "date" and names the draw ("date_de_tirage", "Draw date") rather than a deadline
// ("date_de_forclusion"), else the first holding "date"; main number k (1..6) is a name ending in k
// after "boule", "ball", "numero", "num", "number", "drawn", "no", "n" or "b" ("NUMBER DRAWN 1");
// the complementary is a name holding "compl" or "bonus", or "c". Other columns are ignored.
// Without a header each line is `date n1 n2 n3 n4 n5 n6 c`. A header the import does not know can
// be read through a mapping of its columns that the player gives (TCorrespondance).
//
// Dates are DD/MM/YYYY, YYYY-MM-DD or YYYYMMDD ("/", "-" or "." between the parts), the day and
// month on one or two digits, or the day, the month's name and the year ("03-Oct-2015", "3 octobre
// 2015", "Sept. 3, 2015"; English or French names, whole or cut short, any case, with or without
// accents and dots; a weekday's name before them is passed over). Any of them may be followed by a
// time. A two-digit year YY is 20YY below 70
// and 19YY from 70 on: draws of 6-out-of-49 lotteries start in the 1970s. Whether a file writes
// the day or the month first is decided by its unambiguous dates (one part from 13 to 31, the other
// at most 12): day first, unless at least three read month first and more than twice as many as
// read day first, so that one typing error never turns a whole file around. A date that exists
// only in the other order is a rejected line (TMotif::ordre). No draw is later than today.
//
// The text may be UTF-8 (with or without a byte-order mark), Latin-1/Windows-1252, or UTF-16 with
// its byte-order mark; lines end in LF, CRLF or CR.
//
// Payouts: the French lottery's files of its 6/49 with a complementary number (FDJ's history files
// loto_197605 and superloto_199605: `annee_numero_de_tirage;[1er_ou_2eme_tirage;]jour_de_tirage;
// date_de_tirage;date_de_forclusion;boule_1;...;boule_6;boule_complementaire;...;
// nombre_de_gagnant_au_rang1;rapport_du_rang1;...;nombre_de_gagnant_au_rang7;rapport_du_rang7;...;
// devise`) give each draw the winners and the payout of each of seven ranks. Where a draw fills all
// seven, they are the classes 6, 5+C, 5, 4+C, 4, 3+C and 3 in that order; a draw with fewer ranks
// filled (the game had fewer in some years) gets no payout, nor does a rank without a winner. The
// Super Loto's rules put 5+C grids in the first rank when no grid held 6: when the second rank had
// no winner, the first rank's payout is not taken for 6 either. Amounts are in the row's `devise`
// (EUR, or FRF converted at 6.55957 francs for one euro); without one, in francs before 2002 and
// euros from then on. A header with any other set of ranks (the later 5/49 games have nine) gives
// no payouts.

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
    // The payouts the line gives: 1 + their place in TProjetImport::gains, 0 for none (see
    // gainsdelaligne). Kept apart, so that a file without payouts takes no room for them.
    std::uint32_t gains = 0;
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
    lettres,  // every date names its month (03-Oct-2015): no order to decide
};

// Which column of the file holds each field of a draw, by TColonneImport (the date, balls 1 to 6,
// the complementary), counted from 0 in the order of the file's fields; -1 for none. The player's
// answer for a header the import does not know (see analyseimport).
struct TCorrespondance {
    std::array<int, 8> colonnes{-1, -1, -1, -1, -1, -1, -1, -1};
};

// At most this many of a header's columns are reported and may be mapped.
constexpr std::size_t colonnesmax = 256;

// The key a header's mapping is remembered under: its columns' names as the import compares them
// (ASCII letters and digits in lower case, accents folded, blanks and punctuation dropped), joined
// by ";", so that the same layout saved by another spreadsheet (other case, quotes, separator, an
// encoding of its own) finds the same key. A key longer than 240 bytes is cut there and followed
// by "#" and a hash of the whole.
std::string cleentete(const std::vector<std::string>& colonnes);

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
    // The header's columns as written (UTF-8, the first colonnesmax, each cut to 80 bytes), its key
    // (cleentete, of the whole header), the columns the import recognised in it (-1 where it found
    // none) and the fields of the first line below it: what the preview needs to let the player map
    // a header it refused.
    std::vector<std::string> colonnes;
    std::string cle;
    TCorrespondance reconnues;
    std::vector<std::string> exemple; // the first line after the header, field by field, as colonnes
    bool avecgains = false;           // the layout carries payouts
    std::vector<TGains> gains;        // the payouts of the lines that give some, in file order
    TOrdreDates ordre = TOrdreDates::jourmois;
    std::vector<TDateExemple> exemples;  // the first dates read as days, in file order
    std::vector<TLigneTirage> aajouter;  // new draws, in file order
    std::vector<TLigneTirage> presents;  // already stored: skipped
    std::vector<TLigneRejetee> rejetees; // the first rejetsdetailles rejected lines, in file order
    std::size_t nbrejetees = 0;          // every rejected line
};

// The payouts a line of the import gives; none known when it gives none.
TGains gainsdelaligne(const TProjetImport& projet, const TLigneTirage& ligne);

// Reads a draw file against the draws already stored; stores nothing. A draw dated after
// `aujourdhui` is rejected. The draws to add come out with their main numbers ascending. When the
// file is refused the lists are empty, but for the rejected lines of a file without a single valid
// one, which say why.
//
// With a `correspondance`, the fields come from the columns it names instead of the header's names
// (a first line holding a letter is still the header and skipped; payout columns are still found
// by name). A mapping that names a column twice, a column past the header's (or past colonnesmax
// when there is no header) or none for a field refuses the file as TRefus::enteteinconnue, with
// colonnemanquante the first field at fault.
TProjetImport analyseimport(std::string_view contenu, const std::vector<TTirageDate>& existants,
                            const TDate& aujourdhui, const TCorrespondance* correspondance = nullptr);

} // namespace vormigral

#pragma once

#include "files/ecriture.h"
#include "wheels/texte.h"

#include <string>
#include <vector>

namespace vormigral {

// The player's saved wheels: one text file per wheel (ecritroue's form), named after the wheel
// with ".txt" added, in a folder the caller chooses (the windows pass the user's data folder).
enum class CauseBibliotheque {
    Aucune,
    Nom,      // not a usable name (empty, too long, a slash, a control character, a leading dot...)
    Roue,     // nothing worth saving: no grid, a grid not of six positions within 1..N, no guarantee
    Existe,   // a wheel of that name is already there
    Absente,  // no wheel of that name
    Lecture,  // the file is not a readable wheel: lecture and ligne say why
    Ecriture, // the system refused the write, rename or removal: refus says why
};

struct TOperation {
    CauseBibliotheque cause = CauseBibliotheque::Aucune;
    Refus refus = Refus::Aucun;
    Lecture lecture = Lecture::Bonne;
    int ligne = 0;
    explicit operator bool() const { return cause == CauseBibliotheque::Aucune; }
};

struct TRoueRangee {
    std::string nom;
    bool lisible = false; // false when the file does not start with this program's header
    int nbnumeros = 0, t = 0, m = 0, taille = 0;
};

constexpr std::size_t longueurnomroue = 80; // bytes of UTF-8

class Bibliotheque {
public:
    explicit Bibliotheque(std::string dossier);

    // The saved wheels, sorted by name; an absent folder holds none.
    std::vector<TRoueRangee> liste() const;
    // Writes atomically (a failed write leaves any older file whole); the folder is created when
    // missing. An existing wheel of that name is replaced only with `remplace`.
    TOperation enregistre(const std::string& nom, const TRoue& roue, bool remplace = false);
    // Never replaces another wheel.
    TOperation renomme(const std::string& ancien, const std::string& nouveau);
    TOperation supprime(const std::string& nom);
    TOperation ouvre(const std::string& nom, TRoue& roue) const;

    // 1 to longueurnomroue bytes of valid UTF-8, without '/', '\\', control characters, a leading
    // dot or blanks at either end.
    static bool nomvalide(const std::string& nom);

private:
    std::string chemin(const std::string& nom) const;

    std::string dossier_;
};

} // namespace vormigral

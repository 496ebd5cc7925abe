#pragma once

#include <QString>

#include <cstddef>

namespace vormigral {

// One text of a window in both languages. `nom` is the control's object name (an empty name
// stands for the window's own caption), "acc:" and a control's object name for that control's
// accessible name, or the key of a text the window shows otherwise: a message, a status line.
struct Legende {
    const char* nom;
    const char* fr;
    const char* en;
};

// A window's caption table: a static array of Legende.
class TableLegendes {
public:
    template <std::size_t N> constexpr TableLegendes(const Legende (&table)[N]) : debut_(table), taille_(N) {}

    const Legende* begin() const { return debut_; }
    const Legende* end() const { return debut_ + taille_; }

private:
    const Legende* debut_;
    std::size_t taille_;
};

// Texts several windows share.
extern const Legende titreprobleme; // the title of every message about a wrong input

QString texte(const Legende& legende, bool anglais);

// The text of `nom` in the table, in the language asked for; an empty text when the table has no
// such entry (a missing entry is a programming error that the window tests catch).
QString texte(TableLegendes table, const char* nom, bool anglais);

} // namespace vormigral

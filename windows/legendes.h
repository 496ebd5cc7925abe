#pragma once

#include <QString>

#include <cstddef>
#include <initializer_list>

class QWidget;

namespace vormigral {

// One text of a window in both languages. `nom` is the control's object name (an empty name
// stands for the window's own caption), or the key of a text the window shows otherwise: a
// message, a status line, an accessible name.
struct Legende {
    const char* nom;
    const char* fr;
    const char* en;
};

// A window's caption table: a static array of Legende, or a braced list.
class TableLegendes {
public:
    template <std::size_t N> constexpr TableLegendes(const Legende (&table)[N]) : debut_(table), taille_(N) {}
    TableLegendes(std::initializer_list<Legende> table) : debut_(table.begin()), taille_(table.size()) {}

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

// Sets every caption of `fenetre` from its table: the English text when `anglais`, else the
// French. Labels, buttons, group boxes, menus and menu items each take the text the way they show
// it; labels placed without a width follow their text's size. Entries that name no control (the
// texts of messages) are skipped.
void appliquelegendes(QWidget* fenetre, TableLegendes table, bool anglais);

// Sets the tool tips named in the table (French only, the `en` column unused) when `visibles`,
// clears them otherwise.
void appliquebulles(QWidget* fenetre, TableLegendes table, bool visibles);

} // namespace vormigral

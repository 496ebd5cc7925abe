#pragma once

#include <initializer_list>

class QWidget;

namespace vormigral {

// One caption of a window in both languages. `nom` is the control's object name; an empty name
// stands for the window's own caption.
struct Legende {
    const char* nom;
    const char* fr;
    const char* en;
};

// Sets every caption of `fenetre` from its table: the English text when `anglais`, else the
// French. Labels, buttons, group boxes, menus and menu items each take the text the way they show
// it; labels placed without a width follow their text's size.
void appliquelegendes(QWidget* fenetre, std::initializer_list<Legende> table, bool anglais);

// Sets the tool tips named in the table (French only, the `en` column unused) when `visibles`,
// clears them otherwise.
void appliquebulles(QWidget* fenetre, std::initializer_list<Legende> table, bool visibles);

} // namespace vormigral

#pragma once

#include "app/textes.h"

class QWidget;

namespace vormigral {

// Sets every caption of `fenetre` from its table: the English text when `anglais`, else the
// French. Labels, buttons, group boxes, menus and menu items each take the text the way they show
// it; labels placed without a width follow their text's size; a group box is also named by its
// title. An entry named "acc:" followed by a control's name gives that control's accessible name
// (what screen readers say). Entries that name no control (the texts of messages) are skipped.
void appliquelegendes(QWidget* fenetre, TableLegendes table, bool anglais);

// Sets only the accessible names of the table, for a window whose captions stay as first set.
void appliquenoms(QWidget* fenetre, TableLegendes table, bool anglais);

// Sets the tool tips named in the table (French only, the `en` column unused) when `visibles`,
// clears them otherwise.
void appliquebulles(QWidget* fenetre, TableLegendes table, bool visibles);

} // namespace vormigral

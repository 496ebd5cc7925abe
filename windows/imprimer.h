#pragma once

#include "printer/lancement.h"
#include "windows/contexte.h"

#include <QRect>
#include <QString>

#include <functional>

class QToolButton;
class QWidget;

namespace vormigral {

class TableLegendes;

// Runs a print job (see lanceimpression), asking the user through the printer chooser when nobody
// chose a queue, and shows on the main window's status line which printer took how many pages.
TLancement imprime(Contexte& contexte, const std::function<void(SurfaceImpression&)>& travail);

// The queue the user chose in the program; empty when they follow the system's default. When the
// file of the choice cannot be read, the user is told once a run, and printing goes on without it.
QString imprimantechoisie(Contexte& contexte);

// The printer a print would go to without asking, for a window to show: "« PDF »", "« PDF » (par
// défaut du système)", or what happens when none is chosen.
QString imprimanteprevue(Contexte& contexte);

// A small command with its caption under its picture, for a narrow free space of a window.
QToolButton* petitbouton(QWidget* parent, const char* nom, const QRect& geometrie, const char* image);

} // namespace vormigral

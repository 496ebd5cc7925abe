#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"

class QWidget;

namespace vormigral {

class TForm1;
class TForm2;
class Tapropos;
class TForm5;
class TForm8;
class TForm6;
class TForm7;
class TForm9;
class TForm10;
class TChoixImprimante;
class TApercu;
class TCalage;
class TAnalyse;
class THistorique;

// What every window reaches: the one working state, the platform seams and the other windows.
// The windows are created once, in the order below, and live for the whole run.
struct Contexte {
    TEtat etat;
    Plateforme plateforme;
    TForm1* form1 = nullptr;
    TForm2* form2 = nullptr;
    Tapropos* apropos = nullptr;
    TForm5* form5 = nullptr;
    TForm8* form8 = nullptr;
    TForm6* form6 = nullptr;
    TForm7* form7 = nullptr;
    TForm9* form9 = nullptr;
    TForm10* form10 = nullptr;
    // Made on first use and owned by the main window (see surdemande).
    TChoixImprimante* choiximprimante = nullptr;
    TApercu* apercu = nullptr;
    TCalage* calage = nullptr;
    TAnalyse* analyse = nullptr;
    THistorique* historique = nullptr;
    // The user was told that the file of their printer choice cannot be read.
    bool choiximprimantesignale = false;
};

// The window that owns the windows made on first use: the main window.
QWidget* proprietaire(Contexte& contexte);

// A window made the first time it is needed and owned by the main window, so that start-up does
// not pay for it.
template <class T> T& surdemande(Contexte& contexte, T*& place) {
    if (!place)
        place = new T(contexte, proprietaire(contexte));
    return *place;
}

} // namespace vormigral

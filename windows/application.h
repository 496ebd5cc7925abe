#pragma once

#include "app/plateforme.h"
#include "app/reglages.h"
#include "engine/etat.h"
#include "windows/surdemande.h"

#include <memory>

namespace vormigral {

class Impression;
class Langue;
class TAnalyse;
class Tapropos;
class TApercu;
class TCalage;
class TChoixImprimante;
class TForm1;
class TForm10;
class TForm2;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class THistorique;
class TTailleAffichage;
class TMesRoues;

// The program: the working state, its settings, and its windows. The settings are read first and
// their language installed, since the windows take their captions and values from them; the
// dialogs are made at start-up without their controls (see differe.h), the main window last,
// handed the windows it opens. The other windows are made on first use, owned by the main window.
class Application {
public:
    Application(const Plateforme& plateforme, Langue& langue);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    TEtat& etat() { return etat_; }
    TForm1& principale() { return *principale_; }
    TForm2& visionneuse() { return *visionneuse_; }
    Tapropos& apropos() { return *apropos_; }
    TForm5& liste() { return *liste_; }
    TForm8& comparaison() { return *comparaison_; }
    TForm6& choixfichier() { return *choixfichier_; }
    TForm7& impression() { return *dialogueimpression_; }
    TForm9& parametres() { return *parametres_; }
    TForm10& choixlangue() { return *choixlangue_; }
    SurDemande<TApercu>& apercu() { return apercu_; }
    Impression& impressions() { return *imprime_; }

private:
    Plateforme plateforme_;
    TEtat etat_;
    Reglages reglages_;
    SurDemande<TChoixImprimante> choiximprimante_;
    SurDemande<TApercu> apercu_;
    SurDemande<TCalage> calage_;
    SurDemande<TAnalyse> analyse_;
    SurDemande<THistorique> historique_;
    SurDemande<TTailleAffichage> tailleaffichage_;
    SurDemande<TMesRoues> mesroues_;
    std::unique_ptr<Impression> imprime_;
    std::unique_ptr<TForm2> visionneuse_;
    std::unique_ptr<Tapropos> apropos_;
    std::unique_ptr<TForm7> dialogueimpression_;
    std::unique_ptr<TForm5> liste_;
    std::unique_ptr<TForm8> comparaison_;
    std::unique_ptr<TForm6> choixfichier_;
    std::unique_ptr<TForm9> parametres_;
    std::unique_ptr<TForm10> choixlangue_;
    // Last: it owns the windows made on first use, which reach the members above.
    std::unique_ptr<TForm1> principale_;
};

// Process-wide set-up that must precede any window: signals, application name, resources,
// how assistive technologies see the program's controls.
void initialiseapplication();

} // namespace vormigral

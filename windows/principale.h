#pragma once

#include "app/plateforme.h"
#include "app/reglages.h"
#include "engine/etat.h"
#include "windows/blocnumeros.h"
#include "windows/surdemande.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

class QAction;
class QComboBox;
class QDialog;
class QGroupBox;
class QMenu;
class QPushButton;
class QToolButton;

namespace vormigral {

class Langue;
class TAnalyse;
class Tapropos;
class TCalage;
class TChoixImprimante;
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

// The windows the main window opens: those made at start-up, and the holders of those made on
// first use.
struct FenetresPrincipale {
    TForm2& visionneuse;
    TForm5& liste;
    TForm8& comparaison;
    TForm7& impression;
    TForm6& choixfichier;
    TForm9& parametres;
    TForm10& choixlangue;
    Tapropos& apropos;
    SurDemande<TAnalyse>& analyse;
    SurDemande<THistorique>& historique;
    SurDemande<TChoixImprimante>& choiximprimante;
    SurDemande<TCalage>& calage;
    SurDemande<TTailleAffichage>& tailleaffichage;
    SurDemande<TMesRoues>& mesroues;
};

// The main window: the 49-number block, the method list and the commands.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `reglages` were read before: the main window tells the user what was wrong with them and
    // writes them at quit. It switches `langue` when a chooser of the language closes.
    TForm1(TEtat& etat, const Plateforme& plateforme, Reglages& reglages, Langue& langue,
           const FenetresPrincipale& fenetres);
    ~TForm1() override;

    // Number of the method selected in the list, or -1 when nothing is selected.
    std::int32_t methodechoisie() const;
    std::int32_t comptecoches() const;
    void affichenbcoch();
    void construitnumcoch();
    void effacecases();
    void affichecases();
    void tirealeatoire(std::int32_t n);
    void traduitprincipale();
    void initmethodes();

    // Sources of the cell pictures: the tick mark and the empty picture.
    const QPixmap& imagecochee() const { return coche_; }
    QComboBox* methodes() const { return ComboBox1; }

    // The commands; each runs through one action, which its menu entry, its button and its
    // shortcut share.
    void casecoch(int numero);
    void beffacerClick();
    void aleaclick();
    void bvoirbulletinClick();
    void bimplistbullClick();
    void bcomparerClick();
    void bimpbullClick();
    void Paramtres1Click();
    void mImprimante1Click();
    void mCalage1Click();
    void mTailleAffichage1Click();
    // Shows a printer's answer on the status line.
    void annonce(const QString& texte);
    void boutaideClick();
    void SpeedButton2Click();
    void Chargerbulletin1Click();
    void EnregistrerBulletin1Click();
    // Writes the selected method's grids as a CSV file.
    void exportegrillesClick();
    void bquitterClick();
    void mAnalysedelamethode1Click();
    void historiqueClick();
    void mesrouesClick();
    void activate();

protected:
    bool event(QEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void construitactions();
    QAction* action(const char* nom) const;
    void construitfenetre();
    void construitmenus();
    void creat();
    // Whether the ticked count fits the selected method; says why not when it does not.
    bool selectionpermise();
    // Opens a grid window when the selection allows it.
    void commande(QDialog* fenetre);
    void affichestatut();
    void changemethode();
    void traduitbulles();
    void colorie();
    void problemefichier(const QString& texte);

    TEtat& etat_;
    const Plateforme plateforme_;
    Reglages& reglages_;
    Langue& langue_;
    const FenetresPrincipale fenetres_;
    QPixmap coche_;
    std::unique_ptr<BlocNumeros> bloc_;
    QComboBox* ComboBox1 = nullptr;
    QLabel* nbcoch = nullptr;
    QLabel* Label2 = nullptr;
    bool centree_ = false;
};

} // namespace vormigral

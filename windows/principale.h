#pragma once

#include "app/reglages.h"
#include "windows/blocnumeros.h"
#include "windows/contexte.h"

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

// The main window: the 49-number block, the method list and the commands.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Contexte& contexte);
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

    // Handlers; each button and its menu item run the same one.
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
    // Shows a printer's answer on the status line.
    void annonce(const QString& texte);
    void boutaideClick();
    void SpeedButton2Click();
    void Chargerbulletin1Click();
    void EnregistrerBulletin1Click();
    void bquitterClick();
    void mAnalysedelamethode1Click();
    void historiqueClick();
    void activate();

protected:
    bool event(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void construitfenetre();
    void construitmenus();
    void creat();
    // Opens a grid window when the ticked count fits the selected method, else says why not.
    void commande(QDialog* fenetre);
    void affichestatut();
    void changemethode();
    void problemefichier(const char* nom);

    Contexte& contexte_;
    TEtat& etat_;
    QPixmap coche_;
    std::unique_ptr<BlocNumeros> bloc_;
    QComboBox* ComboBox1 = nullptr;
    QLabel* nbcoch = nullptr;
    QLabel* Label2 = nullptr;
    bool centree_ = false;
    Reglages reglages_;
};

} // namespace vormigral

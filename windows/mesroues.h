#pragma once

#include "analysis/analyse.h"
#include "app/plateforme.h"
#include "engine/etat.h"
#include "wheels/atelier.h"
#include "windows/surdemande.h"

#include <QDialog>

#include <optional>
#include <utility>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTimer;

namespace vormigral {

class TForm2;
class TForm5;
class TForm7;
class THistorique;

// The windows a wheel is played through, the same as the methods'.
struct FenetresRoues {
    TForm2& visionneuse;
    TForm5& liste;
    TForm7& impression;
    SurDemande<THistorique>& historique;
};

// The player's own wheels: build one near the best size known, check and repair any wheel, keep
// a library of them, and play one through the grid windows. The work is AtelierRoues's; the window
// polls it on a timer, so a build, a check or an analysis never holds the window up.
class TMesRoues : public QDialog {
    Q_OBJECT
public:
    // `dossier`: the library's folder, in the user's data folder.
    TMesRoues(TEtat& etat, const Plateforme& plateforme, const FenetresRoues& fenetres,
              const QString& dossier, QWidget* parent = nullptr);
    ~TMesRoues() override;

    AtelierRoues& atelier() { return atelier_; }
    // The graine of the next builds and repairs; a test fixes it for a repeatable wheel.
    void graine(std::uint32_t graine) { graine_ = graine; }
    // What the analysis of the current wheel said, once it has come back.
    const std::optional<TBilan>& bilan() const { return bilan_; }
    // The height of the screen's room for windows; a test sets it, the window's screen says it
    // otherwise.
    void hauteurdisponible(int hauteur) {
        hauteurdisponible_ = hauteur;
        ajustehauteur();
    }

protected:
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
    void done(int resultat) override;

private:
    void construitfenetre();
    QWidget* pageconstruction();
    QWidget* pageverification();
    QWidget* pagebibliotheque();
    QWidget* cadreroue();
    void traduitroues();
    void ajustehauteur();
    int placeecran() const;
    void elargistableau();

    void examine();
    void construit();
    void arrete();
    void surveille();
    void finit(const TResultatRoue& resultat);
    void afficheavancement();
    void boutons();
    void signaleabandon(bool verifiait);
    void nouvelleroue();
    void afficheroue();
    void affichebilan();

    void importe();
    bool garantievalide(int t, int m);
    void verifie();
    void finisverification(const TControle& controle);
    void repare();

    void remplisbibliotheque();
    void enregistre();
    void ouvre();
    void renomme();
    void supprime();
    void exporte();
    QString nomchoisi() const;
    void signaleoperation(const TOperation& operation);

    void joue(QDialog& fenetre);
    QString ensemble(std::uint64_t masque) const;
    void probleme(const QString& texte);

    TEtat& etat_;
    const Plateforme plateforme_;
    const FenetresRoues fenetres_;
    AtelierRoues atelier_;
    std::uint32_t graine_ = 1;
    bool reparation_ = false;
    std::pair<int, int> verifiee_; // the guarantee of the last check started
    QString issue_;
    Travail<TBilan> analyse_;
    std::optional<TBilan> bilan_;

    std::optional<int> hauteurdisponible_;
    QTimer* minuterie_ = nullptr;
    QScrollArea* defilement_ = nullptr;
    QWidget* contenu_ = nullptr;
    QTabWidget* onglets_ = nullptr;
    QSpinBox* enumeros_ = nullptr;
    QSpinBox* et_ = nullptr;
    QSpinBox* em_ = nullptr;
    QSpinBox* esecondes_ = nullptr;
    QLabel* lbornes_ = nullptr;
    QPushButton* bconstruire_ = nullptr;
    QPushButton* barreter_ = nullptr;
    QLabel* lavancement_ = nullptr;
    QSpinBox* evt_ = nullptr;
    QSpinBox* evm_ = nullptr;
    QPushButton* bverifier_ = nullptr;
    QLabel* lverification_ = nullptr;
    QListWidget* ltrous_ = nullptr;
    QPushButton* breparer_ = nullptr;
    QListWidget* lbibliotheque_ = nullptr;
    QLineEdit* enom_ = nullptr;
    QLabel* lroue_ = nullptr;
    QTableWidget* tanalyse_ = nullptr;
    QLabel* lpromesse_ = nullptr;
};

} // namespace vormigral

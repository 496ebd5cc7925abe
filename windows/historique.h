#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"
#include "history/importation.h"
#include "history/recapitulatif.h"
#include "storage/stockagetirages.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace vormigral {

class ModeleTirages;
class ModeleRecapitulatif;
class TFenetreArgent;

// The draw history: the stored draws newest first, one draw typed in, draws imported from a file
// after a preview, and the check of the current grids against every stored draw.
class THistorique : public QDialog {
    Q_OBJECT
public:
    THistorique(TEtat& etat, const Plateforme& plateforme, QWidget* parent = nullptr);
    ~THistorique() override;

    void traduithistorique();
    // Opens the database when it is not open yet and lists its draws; says why when it cannot.
    void ouvrebase();

    void ajouteclick();
    void supprimeclick();
    void importeclick();
    void verifieclick();
    void exporteclick();
    // Opens the money check of the check shown.
    void argentclick();

    const std::vector<TTirageDate>& tirages() const { return tirages_; }
    const TRecapitulatif& recapitulatif() const;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construitfenetre();
    QWidget* pagetirages();
    QWidget* pageverification();
    void recharge();
    void affichenombre();
    // Stores the draws in one transaction and lists them; says why when the base refuses.
    bool enregistre(const std::vector<TTirageDate>& nouveaux, const std::vector<TGains>& gains = {});
    void probleme(const char* cle, const QString& premier = QString(), const QString& second = QString());
    QString legende(const char* cle) const;

    TEtat& etat_;
    const Plateforme plateforme_;
    std::unique_ptr<TStockageTirages> base_;
    std::vector<TTirageDate> tirages_;
    QString causeindisponible_;
    QTabWidget* onglets_ = nullptr;
    QTableView* vuetirages_ = nullptr;
    ModeleTirages* modeletirages_ = nullptr;
    QDateEdit* edate_ = nullptr;
    std::array<QSpinBox*, 7> numeros_{};
    QPushButton* bajouter_ = nullptr;
    QPushButton* bsupprimer_ = nullptr;
    QPushButton* bimporter_ = nullptr;
    QLabel* lnombre_ = nullptr;
    QRadioButton* rtous_ = nullptr;
    QRadioButton* rperiode_ = nullptr;
    QDateEdit* edebut_ = nullptr;
    QDateEdit* efin_ = nullptr;
    QPushButton* bverifier_ = nullptr;
    QLabel* lverification_ = nullptr;
    QTableView* vuebilan_ = nullptr;
    ModeleRecapitulatif* modelerecap_ = nullptr;
    QSortFilterProxyModel* tri_ = nullptr;
    QLabel* ltotaux_ = nullptr;
    QPushButton* bexporter_ = nullptr;
    QPushButton* bargent_ = nullptr;
    TFenetreArgent* argent_ = nullptr; // made on first use
    bool centree_ = false;
};

// What an import would do, shown before anything is stored: the counts and every rejected line.
class TApercuImport : public QDialog {
    Q_OBJECT
public:
    TApercuImport(QWidget* parent, const TProjetImport& apercu, const QString& fichier, bool anglais);
    // What exec() returns when the player asks to choose the file's columns again.
    static constexpr int colonnesdemandees = 2;
};

} // namespace vormigral

#pragma once

#include "history/recapitulatif.h"

#include <QDate>
#include <QPointer>
#include <QWidget>

class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QSortFilterProxyModel;
class QTableView;

namespace vormigral {

class ModeleRecapitulatif;
class TFenetreArgent;
class TGestionHistorique;

// The history's second page: the check of the current grids against the stored draws, all of them
// or those of a period, one row per draw, its export and its money check.
class TPageVerification : public QWidget {
    Q_OBJECT
public:
    TPageVerification(TGestionHistorique& gestion, const QDate& aujourdhui, QWidget* parent);

    void traduit();
    // Forgets the check shown, and hides its money: it belongs to the ticks and method of its time.
    void efface();
    const TRecapitulatif& recapitulatif() const;
    QPushButton* boutonverifier() const { return bverifier_; }

    void verifieclick();
    void exporteclick();
    // Opens the money check of the check shown.
    void argentclick();

private:
    void periodecomplete();

    TGestionHistorique& gestion_;
    QRadioButton* rtous_ = nullptr;
    QRadioButton* rperiode_ = nullptr;
    QDateEdit* edebut_ = nullptr;
    QDateEdit* efin_ = nullptr;
    QLabel* lau_ = nullptr;
    QPushButton* bverifier_ = nullptr;
    QLabel* lverification_ = nullptr;
    QTableView* vuebilan_ = nullptr;
    ModeleRecapitulatif* modelerecap_ = nullptr;
    QSortFilterProxyModel* tri_ = nullptr;
    QLabel* ltotaux_ = nullptr;
    QPushButton* bargent_ = nullptr;
    QPushButton* bexporter_ = nullptr;
    QPointer<TFenetreArgent> argent_; // made on first use, for the storage open then
};

} // namespace vormigral

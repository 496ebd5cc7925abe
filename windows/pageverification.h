#pragma once

#include "history/recapitulatif.h"

#include <QDate>
#include <QWidget>

class QDateEdit;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QSortFilterProxyModel;
class QTableView;

namespace vormigral {

class ModeleRecapitulatif;
class TGestionHistorique;

// The history's second page: the check of the current grids against the stored draws, all of them
// or those of a period, one row per draw, and its export.
class TPageVerification : public QWidget {
    Q_OBJECT
public:
    TPageVerification(TGestionHistorique& gestion, const QDate& aujourdhui, QWidget* parent);

    void traduit();
    // Forgets the check shown: it belongs to the ticks and method of its time.
    void efface();
    const TRecapitulatif& recapitulatif() const;
    QPushButton* boutonverifier() const { return bverifier_; }
    // The row under the table, where a command working on the check shown (its money, say) takes
    // its place beside Export.
    QHBoxLayout* commandes() const { return commandes_; }

    void verifieclick();
    void exporteclick();

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
    QHBoxLayout* commandes_ = nullptr;
    QPushButton* bexporter_ = nullptr;
};

} // namespace vormigral

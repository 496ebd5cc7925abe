#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"
#include "history/recapitulatif.h"

#include <QDialog>

#include <vector>

class QTabWidget;

namespace vormigral {

class TGestionHistorique;
class TPageTirages;
class TPageVerification;

// The draw history: the stored draws newest first, one draw typed in, draws imported from a file
// after a preview, and the check of the current grids against every stored draw. Its work is done
// by TGestionHistorique; the window holds the two pages that show it.
class THistorique : public QDialog {
    Q_OBJECT
public:
    THistorique(TEtat& etat, const Plateforme& plateforme, QWidget* parent = nullptr);
    ~THistorique() override;

    void traduithistorique();

    TGestionHistorique& gestion() { return *gestion_; }
    const std::vector<TTirageDate>& tirages() const;
    const TRecapitulatif& recapitulatif() const;
    TPageTirages& pagetirages() { return *pagetirages_; }
    TPageVerification& pageverification() { return *pageverification_; }

protected:
    void showEvent(QShowEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;

private:
    TGestionHistorique* gestion_ = nullptr;
    QTabWidget* onglets_ = nullptr;
    TPageTirages* pagetirages_ = nullptr;
    TPageVerification* pageverification_ = nullptr;
    QPushButton* bfermer_ = nullptr;
    bool centree_ = false;
};

} // namespace vormigral

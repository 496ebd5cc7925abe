#pragma once

#include "windows/contexte.h"
#include "windows/differe.h"

class QLabel;
class QListWidget;

namespace vormigral {

// The list of all the grids of the selected method, with its printing.
class TForm5 : public DialogueDiffere {
    Q_OBJECT
public:
    explicit TForm5(Contexte& contexte);

    void traduitliste();
    void form5show();
    void remplitliste();
    void imprimeliste();
    void bimprimebulletins();
    void bapercuClick();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construitcontroles() override;
    void traduit(bool en);

    Contexte& contexte_;
    QListWidget* listbull = nullptr;
    QLabel* lcompterendu = nullptr;
    const bool anglaiscreation_;
};

} // namespace vormigral

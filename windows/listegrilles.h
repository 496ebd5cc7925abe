#pragma once

#include "engine/etat.h"
#include "windows/differe.h"
#include "windows/surdemande.h"

class QLabel;
class QListWidget;

namespace vormigral {

class Impression;
class TApercu;
class TForm7;

// The list of all the grids of the selected method, with its printing.
class TForm5 : public DialogueDiffere {
    Q_OBJECT
public:
    TForm5(TEtat& etat, Impression& impression, SurDemande<TApercu>& apercu, TForm7& dialogueimpression);

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
    void traduitcontroles() override;
    static std::string titreliste();

    TEtat& etat_;
    Impression& impression_;
    SurDemande<TApercu>& apercu_;
    TForm7& dialogueimpression_;
    QListWidget* listbull = nullptr;
    QLabel* lcompterendu = nullptr;
};

} // namespace vormigral

#pragma once

#include "engine/etat.h"
#include "windows/blocnumeros.h"
#include "windows/differe.h"

#include <memory>

class QLabel;

namespace vormigral {

// The grid viewer: one grid of the selected method at a time, marked on the slip's number block.
class TForm2 : public DialogueDiffere {
    Q_OBJECT
public:
    explicit TForm2(TEtat& etat);
    ~TForm2() override;

    // Redraws the 49 cells from grillecour; every expansion ends with it, whoever asked for it.
    void affichegrille();
    void affichenumero();

    void FormShow();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construitcontroles() override;
    void traduitcontroles() override;
    void construitfenetre();
    // Names the block by the grid it shows, for screen readers.
    void nommegrille();

    TEtat& etat_;
    std::unique_ptr<BlocNumeros> bloc_;
    QPixmap coche_;
    QLabel* ltitmet = nullptr;
    QLabel* lnubul = nullptr;
    QLabel* Lnumax = nullptr;
    QString numeros_; // the numbers of the grid shown, as the block's name reads them
};

} // namespace vormigral

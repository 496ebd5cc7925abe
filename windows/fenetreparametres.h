#pragma once

#include "engine/etat.h"
#include "windows/differe.h"

class QLineEdit;
class QRadioButton;

namespace vormigral {

// The parameters window: printer offsets and language.
class TForm9 : public DialogueDiffere {
    Q_OBJECT
public:
    explicit TForm9(TEtat& etat);

    void traduitparametres();
    void clickfrancais();
    void clickeng();
    void bokClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construitcontroles() override;
    // Shows what `parametres` hold: the settings at the window's creation when it is built, the
    // settings of the moment at every showing (the chooser of the first run may have changed
    // the language since).
    void remplit(const TParametres& parametres);
    void traduit(bool en);

    TEtat& etat_;
    QLineEdit* edech = nullptr;
    QLineEdit* edecv = nullptr;
    QRadioButton* lfrancais = nullptr;
    QRadioButton* langlais = nullptr;
    const TParametres creation_;
    const bool anglaiscreation_;
};

} // namespace vormigral

#pragma once

#include "engine/etat.h"
#include "windows/differe.h"
#include "windows/groupelangue.h"

class QLineEdit;

namespace vormigral {

// The parameters window: printer offsets and language. OK sets them; the program takes the
// language when the window closes.
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
    void traduitcontroles() override;
    // Shows what `parametres` hold: the settings at the window's creation when it is built, the
    // settings of the moment at every showing (the chooser of the first run may have changed
    // the language since).
    void remplit(const TParametres& parametres);

    TEtat& etat_;
    QLineEdit* edech = nullptr;
    QLineEdit* edecv = nullptr;
    ChoixLangue choix_{};
    const TParametres creation_;
};

} // namespace vormigral

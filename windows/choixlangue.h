#pragma once

#include "engine/etat.h"
#include "windows/differe.h"

class QRadioButton;

namespace vormigral {

// The language chooser of the first run. The language changes as soon as a button is checked.
class TForm10 : public DialogueDiffere {
    Q_OBJECT
public:
    explicit TForm10(TEtat& etat);

    void lfrancaisClick();
    void cochanglais();
    void selfran();
    void selang();
    void bokClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construitcontroles() override;

    TEtat& etat_;
    QRadioButton* lfrancais = nullptr;
    QRadioButton* langlais = nullptr;
};

} // namespace vormigral

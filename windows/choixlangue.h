#pragma once

#include "engine/etat.h"
#include "windows/differe.h"
#include "windows/groupelangue.h"

namespace vormigral {

// The language chooser of the first run. The setting changes as soon as a button is checked; the
// program takes the language when the chooser closes.
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
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void construitcontroles() override;
    void traduitcontroles() override;

    TEtat& etat_;
    ChoixLangue choix_{};
};

} // namespace vormigral

#pragma once

#include "app/contexte.h"

#include <QDialog>

namespace vormigral {

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(Contexte& contexte);

    void traduitcomparaison();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    Contexte& contexte_;
};

} // namespace vormigral

#pragma once

#include "app/contexte.h"

#include <QDialog>

namespace vormigral {

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(Contexte& contexte);

    void traduitliste();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    Contexte& contexte_;
};

} // namespace vormigral

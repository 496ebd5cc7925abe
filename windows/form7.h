#pragma once

#include "app/contexte.h"

#include <QDialog>

namespace vormigral {

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(Contexte& contexte);

    void traduitimpression();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    Contexte& contexte_;
};

} // namespace vormigral

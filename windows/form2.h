#pragma once

#include "app/contexte.h"

#include <QDialog>

namespace vormigral {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(Contexte& contexte);

    void traduitvisu();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    Contexte& contexte_;
};

} // namespace vormigral

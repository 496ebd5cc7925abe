#pragma once

#include "windows/contexte.h"

#include <QDialog>

namespace vormigral {

// The about box, shown without blocking the main window.
class Tapropos : public QDialog {
    Q_OBJECT
public:
    explicit Tapropos(Contexte& contexte);

protected:
    void showEvent(QShowEvent* evenement) override;
};

} // namespace vormigral

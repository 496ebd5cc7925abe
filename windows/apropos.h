#pragma once

#include "windows/differe.h"

namespace vormigral {

// The about box, shown without blocking the main window.
class Tapropos : public DialogueDiffere {
    Q_OBJECT
public:
    Tapropos();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construitcontroles() override;
    void traduitcontroles() override;
};

} // namespace vormigral

#pragma once

#include "windows/contexte.h"

#include <QDialog>

class QComboBox;
class QLabel;

namespace vormigral {

// The calibration sheet: printed on plain paper and laid over a real slip, it shows how many
// millimetres the offsets still need.
class TCalage : public QDialog {
    Q_OBJECT
public:
    TCalage(Contexte& contexte, QWidget* parent);

    void traduitcalage();
    void bapercuClick();
    void bimprimerClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    std::int32_t type() const;

    Contexte& contexte_;
    QComboBox* ctype = nullptr;
    QLabel* ldecalages = nullptr;
    QLabel* limprimante = nullptr;
};

} // namespace vormigral

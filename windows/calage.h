#pragma once

#include "engine/etat.h"
#include "printing/calage.h"
#include "windows/surdemande.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;

namespace vormigral {

class Impression;
class TApercu;

// The calibration sheet: printed on plain paper and laid over a real slip, it shows how many
// millimetres the offsets still need.
class TCalage : public QDialog {
    Q_OBJECT
public:
    TCalage(TEtat& etat, Impression& impression, SurDemande<TApercu>& apercu, QWidget* parent);

    void traduitcalage();
    void bapercuClick();
    void bimprimerClick();

protected:
    void changeEvent(QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    std::int32_t type() const;
    void montredecalages();
    // What the sheet of slip type `type` says, in the language of the program.
    TTextesCalage textes(std::int32_t type) const;
    // The printer label, filled once the print service answered.
    void montreimprimante();

    TEtat& etat_;
    Impression& impression_;
    SurDemande<TApercu>& apercu_;
    QComboBox* ctype = nullptr;
    QLabel* ldecalages = nullptr;
    QLabel* limprimante = nullptr;
};

} // namespace vormigral

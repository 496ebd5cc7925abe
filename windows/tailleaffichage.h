#pragma once

#include "app/plateforme.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vormigral {

// Options › Display size: how large the program draws every window, kept per user. Qt fixes the
// scale when the program starts, so the dialog says that the choice shows at the next start.
class TTailleAffichage : public QDialog {
    Q_OBJECT
public:
    TTailleAffichage(const Plateforme& plateforme, QWidget* parent);

    // The size checked, in percent.
    int choisie() const;

    void bokClick();

protected:
    void changeEvent(QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    void construitfenetre();
    void traduit();

    const Plateforme plateforme_;
    QGroupBox* gtaille_ = nullptr;
    std::array<QRadioButton*, 4> tailles_{};
    QLabel* lnote_ = nullptr;
    QPushButton* bok_ = nullptr;
    QPushButton* bannuler_ = nullptr;
};

} // namespace vormigral

#pragma once

#include "windows/contexte.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace vormigral {

// The parameters window: printer offsets and language.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(Contexte& contexte);

    void traduitparametres();
    void clickfrancais();
    void clickeng();
    void bokClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void FormCreate();
    // Shows what the settings hold now; the chooser of the first run may have changed the
    // language since the window was built.
    void remplit();

    TEtat& etat_;
    QLineEdit* edech = nullptr;
    QLineEdit* edecv = nullptr;
    QRadioButton* lfrancais = nullptr;
    QRadioButton* langlais = nullptr;
};

} // namespace vormigral

#pragma once

#include "app/contexte.h"

#include <QDialog>

namespace vormigral {

// The file chooser used by the grid-file commands.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(Contexte& contexte);

    void traduitchoixfichier();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    Contexte& contexte_;
};

// The main window's grid-file commands.
void chargebulletin(Contexte& contexte);
void enregistrebulletin(Contexte& contexte);

} // namespace vormigral

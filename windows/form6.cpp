#include "windows/form6.h"

#include "windows/outils.h"

#include <QPushButton>

namespace vormigral {

TForm6::TForm6(Contexte& contexte) : contexte_(contexte) {
    setObjectName(QStringLiteral("Form6"));
    setFont(policestandard());
    setFixedSize(399, 253);
    setModal(true);
    boutonimage(this, "boutannule", {296, 77, 86, 43}, "annuler");
    traduitchoixfichier();
}

void TForm6::traduitchoixfichier() {
    findChild<QPushButton*>(QStringLiteral("boutannule"))
        ->setText(anglais(contexte_.etat) ? QStringLiteral("Abort") : QStringLiteral("Annule"));
}

void TForm6::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    centreecran(this);
}

void chargebulletin(Contexte&) {}

void enregistrebulletin(Contexte&) {}

} // namespace vormigral

#include "windows/form2.h"

#include "windows/legendes.h"
#include "windows/outils.h"

namespace vormigral {

TForm2::TForm2(Contexte& contexte) : contexte_(contexte) {
    setObjectName(QStringLiteral("Form2"));
    setFont(policestandard());
    setFixedSize(611, 333);
    setModal(true);
    traduitvisu();
}

void TForm2::traduitvisu() {
    appliquelegendes(this, {{"", "Bulletins à cocher", "Grids"}}, anglais(contexte_.etat));
}

void TForm2::showEvent(QShowEvent* evenement) {
    traduitvisu();
    QDialog::showEvent(evenement);
    centreecran(this);
}

} // namespace vormigral

#include "windows/form5.h"

#include "windows/legendes.h"
#include "windows/outils.h"

namespace vormigral {

TForm5::TForm5(Contexte& contexte) : contexte_(contexte) {
    setObjectName(QStringLiteral("Form5"));
    setFont(policestandard());
    setFixedSize(509, 346);
    setModal(true);
    traduitliste();
}

void TForm5::traduitliste() {
    appliquelegendes(this, {{"", "Liste des bulletins à cocher", "List of the grids "}},
                     anglais(contexte_.etat));
}

void TForm5::showEvent(QShowEvent* evenement) {
    traduitliste();
    QDialog::showEvent(evenement);
    centreecran(this);
}

} // namespace vormigral

#include "windows/form7.h"

#include "windows/legendes.h"
#include "windows/outils.h"

namespace vormigral {

TForm7::TForm7(Contexte& contexte) : contexte_(contexte) {
    setObjectName(QStringLiteral("Form7"));
    setFont(policestandard());
    setFixedSize(477, 290);
    setModal(true);
    traduitimpression();
}

void TForm7::traduitimpression() {
    appliquelegendes(this, {{"", "Imprimer les bulletins", "Print"}}, anglais(contexte_.etat));
}

void TForm7::showEvent(QShowEvent* evenement) {
    traduitimpression();
    QDialog::showEvent(evenement);
    centreecran(this);
}

} // namespace vormigral

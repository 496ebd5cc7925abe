#include "windows/form8.h"

#include "windows/legendes.h"
#include "windows/outils.h"

namespace vormigral {

TForm8::TForm8(Contexte& contexte) : contexte_(contexte) {
    setObjectName(QStringLiteral("Form8"));
    setFont(policestandard());
    setFixedSize(606, 413);
    setModal(true);
    traduitcomparaison();
}

void TForm8::traduitcomparaison() {
    appliquelegendes(this, {{"", "Analyser Résultats", "Results Analyst"}}, anglais(contexte_.etat));
}

void TForm8::showEvent(QShowEvent* evenement) {
    traduitcomparaison();
    QDialog::showEvent(evenement);
    centreecran(this);
}

} // namespace vormigral

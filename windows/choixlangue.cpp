#include "windows/choixlangue.h"

#include "windows/groupelangue.h"
#include "windows/legendes.h"
#include "windows/outils.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace vormigral {

namespace {

// The chooser speaks both languages at once: the user has not chosen yet.
const Legende legendeschoixlangue[] = {
    {"", "Langue - Language", "Langue - Language"},
    {"bok", "OK", "OK"},
    {"acc:glangue", "Langue - Language", "Langue - Language"},
    {"acc:Image1", "Drapeau français - French flag", "Drapeau français - French flag"},
    {"acc:Image2", "Drapeau britannique - British flag", "Drapeau britannique - British flag"},
};

} // namespace

TForm10::TForm10(TEtat& etat) : etat_(etat) {
    setObjectName(QStringLiteral("Form10"));
    setFont(policestandard());
    setFixedSize(390, 198);
    setModal(true);
}

void TForm10::construitcontroles() {
    const ChoixLangue choix = creechoixlangue(this, {58, 31});
    lfrancais = choix.lfrancais;
    langlais = choix.langlais;
    // Checking a button, by itself or through its flag, switches the language at once.
    connect(lfrancais, &QRadioButton::toggled, this, &TForm10::lfrancaisClick);
    connect(langlais, &QRadioButton::toggled, this, &TForm10::cochanglais);
    connect(choix.Image1, &ImageCliquable::clique, this, &TForm10::selfran);
    connect(choix.Image2, &ImageCliquable::clique, this, &TForm10::selang);

    QPushButton* ok = boutonimage(this, "bok", {143, 151, 102, 38}, "ok");
    ok->setFont(police("MS Sans Serif", 13, true));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TForm10::bokClick);
    appliquelegendes(this, legendeschoixlangue, false);
}

void TForm10::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    centreecran(this);
}

void TForm10::lfrancaisClick() {
    construit();
    if (lfrancais->isChecked())
        etat_.parametres.langue = 1;
}

void TForm10::cochanglais() {
    construit();
    if (langlais->isChecked())
        etat_.parametres.langue = 2;
}

void TForm10::selfran() {
    construit();
    lfrancais->setChecked(true);
}

void TForm10::selang() {
    construit();
    langlais->setChecked(true);
}

void TForm10::bokClick() {
    accept();
}

} // namespace vormigral

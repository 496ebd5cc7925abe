#include "windows/choixlangue.h"

#include "app/langue.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace vormigral {

TForm10::TForm10(TEtat& etat) : etat_(etat) {
    setObjectName(QStringLiteral("Form10"));
    setFont(policestandard());
    setFixedSize(390, 198);
    setModal(true);
}

void TForm10::construitcontroles() {
    choix_ = creechoixlangue(this, {58, 31});
    // Checking a button, by itself or through its flag, sets the language at once.
    connect(choix_.lfrancais, &QRadioButton::toggled, this, &TForm10::lfrancaisClick);
    connect(choix_.langlais, &QRadioButton::toggled, this, &TForm10::cochanglais);
    connect(choix_.Image1, &ImageCliquable::clique, this, &TForm10::selfran);
    connect(choix_.Image2, &ImageCliquable::clique, this, &TForm10::selang);

    QPushButton* ok = boutonimage(this, "bok", {143, 151, 102, 38}, "ok");
    ok->setFont(police("MS Sans Serif", 13, true));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TForm10::bokClick);
    traduitcontroles();
}

// The chooser speaks both languages at once: the user has not chosen yet.
void TForm10::traduitcontroles() {
    //: Both languages at once: the user has not chosen one yet.
    setWindowTitle(tr("Langue - Language"));
    legende(findChild<QPushButton*>(QStringLiteral("bok")), tr("OK"));
    //: Both languages at once: the user has not chosen one yet.
    choix_.glangue->setAccessibleName(tr("Langue - Language"));
    //: Both languages at once: the user has not chosen one yet.
    choix_.Image1->setAccessibleName(tr("Drapeau français - French flag"));
    //: Both languages at once: the user has not chosen one yet.
    choix_.Image2->setAccessibleName(tr("Drapeau britannique - British flag"));
    choix_.traduit();
}

void TForm10::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    centreecran(this);
}

void TForm10::lfrancaisClick() {
    construit();
    if (choix_.lfrancais->isChecked())
        etat_.parametres.langue = Langue::francais;
}

void TForm10::cochanglais() {
    construit();
    if (choix_.langlais->isChecked())
        etat_.parametres.langue = Langue::anglais;
}

void TForm10::selfran() {
    construit();
    choix_.lfrancais->setChecked(true);
}

void TForm10::selang() {
    construit();
    choix_.langlais->setChecked(true);
}

void TForm10::bokClick() {
    accept();
}

} // namespace vormigral

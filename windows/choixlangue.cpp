#include "windows/choixlangue.h"

#include "app/langue.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QGroupBox>
#include <QKeyEvent>
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
    choix_.lfrancais->installEventFilter(this);
    choix_.langlais->installEventFilter(this);

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

bool TForm10::eventFilter(QObject* objet, QEvent* evenement) {
    // Neither button is checked until the user chooses, and Qt's arrows then only move the focus:
    // the button they reach would look unchosen while Return applied the other language. The
    // arrows check the button they move to, as they do in any group that has a checked button.
    if (evenement->type() != QEvent::KeyPress)
        return DialogueDiffere::eventFilter(objet, evenement);
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    if (touche != Qt::Key_Up && touche != Qt::Key_Down && touche != Qt::Key_Left && touche != Qt::Key_Right)
        return DialogueDiffere::eventFilter(objet, evenement);
    objet->event(evenement);
    auto* arrivee = qobject_cast<QRadioButton*>(focusWidget());
    if (arrivee && arrivee != objet && (arrivee == choix_.lfrancais || arrivee == choix_.langlais))
        arrivee->setChecked(true);
    return true;
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

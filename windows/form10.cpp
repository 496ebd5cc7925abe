#include "windows/form10.h"

#include "windows/outils.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace vormigral {

TForm10::TForm10(Contexte& contexte) : etat_(contexte.etat) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Langue - Language"));
    setFont(policestandard());
    setFixedSize(390, 198);
    setModal(true);

    auto* langue = place<QGroupBox>(this, "glangue", {58, 31, 290, 101});
    lfrancais = place<QRadioButton>(langue, "lfrancais", {18, 18, 61, 17});
    lfrancais->setText(QStringLiteral("Français"));
    auto* france = place<ImageCliquable>(langue, "Image1", {84, 9, 45, 37});
    france->setPixmap(pixmapsvg(QStringLiteral(":/images/france.svg"), {32, 32}));
    france->setAlignment(Qt::AlignCenter);
    langlais = place<QRadioButton>(langue, "langlais", {18, 64, 59, 17});
    langlais->setText(QStringLiteral("English"));
    ajustelargeur(lfrancais);
    ajustelargeur(langlais);
    auto* bretagne = place<ImageCliquable>(langue, "Image2", {84, 54, 45, 37});
    bretagne->setPixmap(pixmapsvg(QStringLiteral(":/images/grandebretagne.svg"), {32, 32}));
    bretagne->setAlignment(Qt::AlignCenter);

    connect(lfrancais, &QRadioButton::toggled, this, &TForm10::lfrancaisClick);
    connect(langlais, &QRadioButton::toggled, this, &TForm10::cochanglais);
    connect(france, &ImageCliquable::clique, this, &TForm10::selfran);
    connect(bretagne, &ImageCliquable::clique, this, &TForm10::selang);

    QPushButton* ok = boutonimage(this, "bok", {143, 151, 102, 38}, "ok");
    ok->setText(QStringLiteral("OK"));
    ok->setFont(police("MS Sans Serif", 13, true));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TForm10::bokClick);
}

void TForm10::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    centreecran(this);
}

void TForm10::lfrancaisClick() {
    if (lfrancais->isChecked())
        etat_.parametres.langue = 1;
}

void TForm10::cochanglais() {
    if (langlais->isChecked())
        etat_.parametres.langue = 2;
}

void TForm10::selfran() {
    lfrancais->setChecked(true);
}

void TForm10::selang() {
    langlais->setChecked(true);
}

void TForm10::bokClick() {
    accept();
}

} // namespace vormigral

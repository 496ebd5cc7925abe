#include "windows/fenetreparametres.h"

#include "app/langue.h"
#include "engine/saisie.h"
#include "windows/filtretouches.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vormigral {

TForm9::TForm9(TEtat& etat) : etat_(etat), creation_(etat.parametres) {
    setObjectName(QStringLiteral("Form9"));
    setFont(policestandard());
    setFixedSize(455, 288);
    setModal(true);
}

void TForm9::construitcontroles() {
    auto* imprimante = place<QGroupBox>(this, "GroupBox1", {82, 14, 290, 115});
    QLabel* horizontal = etiquette(imprimante, "hdec", 17, 30);
    edech = place<QLineEdit>(imprimante, "edech", {130, 26, 67, 21});
    horizontal->setBuddy(edech);
    etiquette(imprimante, "Label4", 205, 30);
    QLabel* vertical = etiquette(imprimante, "ldec", 17, 62);
    edecv = place<QLineEdit>(imprimante, "edecv", {131, 58, 67, 21});
    vertical->setBuddy(edecv);
    etiquette(imprimante, "Label3", 204, 63);
    auto* filtre = new FiltreTouches("-+0123456789", this);
    for (QLineEdit* edit : {edech, edecv}) {
        edit->setMaxLength(5);
        edit->installEventFilter(filtre);
    }

    choix_ = creechoixlangue(this, {83, 136});
    connect(choix_.Image1, &ImageCliquable::clique, this, &TForm9::clickfrancais);
    connect(choix_.Image2, &ImageCliquable::clique, this, &TForm9::clickeng);

    QPushButton* ok = boutonimage(this, "bok", {189, 239, 77, 46}, "ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TForm9::bokClick);

    remplit(creation_);
    traduitcontroles();
}

void TForm9::remplit(const TParametres& parametres) {
    edech->setText(QString::number(parametres.decalh));
    edecv->setText(QString::number(parametres.decalv));
    // Neither button shows checked for a language the program does not know.
    for (QRadioButton* bouton : {choix_.lfrancais, choix_.langlais})
        bouton->setAutoExclusive(false);
    choix_.lfrancais->setChecked(parametres.langue == Langue::francais);
    choix_.langlais->setChecked(parametres.langue == Langue::anglais);
    for (QRadioButton* bouton : {choix_.lfrancais, choix_.langlais})
        bouton->setAutoExclusive(true);
}

void TForm9::traduitparametres() {
    construit();
    traduitcontroles();
}

void TForm9::traduitcontroles() {
    setWindowTitle(tr("Parameters"));
    legende(findChild<QGroupBox*>(QStringLiteral("GroupBox1")), tr("Printer"));
    legende(findChild<QLabel*>(QStringLiteral("hdec")), tr("Horizontal Adjustment"));
    legende(findChild<QLabel*>(QStringLiteral("ldec")), tr("Vertical Adjustment"));
    //: Millimetres, after each offset.
    const QString mm = tr("mm");
    legende(findChild<QLabel*>(QStringLiteral("Label4")), mm);
    legende(findChild<QLabel*>(QStringLiteral("Label3")), mm);
    legende(findChild<QPushButton*>(QStringLiteral("bok")), tr("OK"));
    legende(choix_.glangue, tr("Language"));
    edech->setAccessibleName(tr("Horizontal adjustment in millimetres"));
    edecv->setAccessibleName(tr("Vertical adjustment in millimetres"));
    choix_.Image1->setAccessibleName(tr("French flag"));
    choix_.Image2->setAccessibleName(tr("British flag"));
    choix_.traduit();
}

void TForm9::showEvent(QShowEvent* evenement) {
    remplit(etat_.parametres);
    QDialog::showEvent(evenement);
    centreecran(this);
}

void TForm9::clickfrancais() {
    construit();
    choix_.lfrancais->setChecked(true);
}

void TForm9::clickeng() {
    construit();
    choix_.langlais->setChecked(true);
}

void TForm9::bokClick() {
    construit();
    etat_.parametres.decalh = valeurtexte(edech->text().toStdString());
    etat_.parametres.decalv = valeurtexte(edecv->text().toStdString());
    if (choix_.lfrancais->isChecked())
        etat_.parametres.langue = Langue::francais;
    else if (choix_.langlais->isChecked())
        etat_.parametres.langue = Langue::anglais;
    accept();
}

} // namespace vormigral

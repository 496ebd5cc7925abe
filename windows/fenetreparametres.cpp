#include "windows/fenetreparametres.h"

#include "engine/saisie.h"
#include "windows/filtretouches.h"
#include "windows/groupelangue.h"
#include "windows/legendes.h"
#include "windows/outils.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vormigral {

TForm9::TForm9(TEtat& etat) : etat_(etat), creation_(etat.parametres), anglaiscreation_(anglais(etat)) {
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

    const ChoixLangue choix = creechoixlangue(this, {83, 136});
    lfrancais = choix.lfrancais;
    langlais = choix.langlais;
    connect(choix.Image1, &ImageCliquable::clique, this, &TForm9::clickfrancais);
    connect(choix.Image2, &ImageCliquable::clique, this, &TForm9::clickeng);

    QPushButton* ok = boutonimage(this, "bok", {189, 239, 77, 46}, "ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TForm9::bokClick);

    remplit(creation_);
    traduit(anglaiscreation_);
}

void TForm9::remplit(const TParametres& parametres) {
    edech->setText(QString::number(parametres.decalh));
    edecv->setText(QString::number(parametres.decalv));
    // Neither button shows checked for a language the program does not know.
    lfrancais->setAutoExclusive(false);
    langlais->setAutoExclusive(false);
    lfrancais->setChecked(parametres.langue == 1);
    langlais->setChecked(parametres.langue == 2);
    lfrancais->setAutoExclusive(true);
    langlais->setAutoExclusive(true);
}

namespace {

// Every text the window shows, in both languages.
const Legende legendesparametres[] = {
    {"Label4", "mm", "mm"},
    {"Label3", "mm", "mm"},
    {"bok", "OK", "OK"},
    {"", "Paramètres", "Parameters"},
    {"GroupBox1", "Imprimante", "Printer"},
    {"hdec", "Décalage horizontal", "Horizontal Adjustment"},
    {"ldec", "Décalage vertical", "Vertical Adjustment"},
    {"glangue", "Langue", "Language"},
    {"acc:edech", "Décalage horizontal en millimètres", "Horizontal adjustment in millimetres"},
    {"acc:edecv", "Décalage vertical en millimètres", "Vertical adjustment in millimetres"},
    {"acc:Image1", "Drapeau français", "French flag"},
    {"acc:Image2", "Drapeau britannique", "British flag"},
};

} // namespace

void TForm9::traduitparametres() {
    construit();
    traduit(anglais(etat_));
}

void TForm9::traduit(bool en) {
    appliquelegendes(this, legendesparametres, en);
}

void TForm9::showEvent(QShowEvent* evenement) {
    remplit(etat_.parametres);
    traduitparametres();
    QDialog::showEvent(evenement);
    centreecran(this);
}

void TForm9::clickfrancais() {
    construit();
    lfrancais->setChecked(true);
}

void TForm9::clickeng() {
    construit();
    langlais->setChecked(true);
}

void TForm9::bokClick() {
    construit();
    etat_.parametres.decalh = valeurtexte(edech->text().toStdString());
    etat_.parametres.decalv = valeurtexte(edecv->text().toStdString());
    if (lfrancais->isChecked())
        etat_.parametres.langue = 1;
    else if (langlais->isChecked())
        etat_.parametres.langue = 2;
    accept();
}

} // namespace vormigral

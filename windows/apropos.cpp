#include "windows/apropos.h"

#include "windows/legendes.h"
#include "windows/outils.h"

#include "vormigral/projet.h"

#include <QFrame>
#include <QPushButton>

namespace vormigral {

namespace {

// The about box says the same in both languages.
const Legende legendesapropos[] = {
    {"", "A propos", "A propos"},
    {"ProductName", "VORMIGRAL", "VORMIGRAL"},
    {"OKButton", "OK", "OK"},
    {"lversion", "V %1", "V %1"},
};

} // namespace

Tapropos::Tapropos() {
    setObjectName(QStringLiteral("apropos"));
    setFont(policestandard());
    setFixedSize(422, 279);
    setModal(false);
}

void Tapropos::construitcontroles() {
    auto* panneau = place<QFrame>(this, "Panel1", {9, 8, 405, 210});
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Raised);
    panneau->setLineWidth(2);
    auto* icone = place<QLabel>(panneau, "ProgramIcon", {18, 20, 32, 32});
    icone->setPixmap(pixmapsvg(QStringLiteral(":/images/icone.svg"), {32, 32}));
    QLabel* produit = etiquette(panneau, "ProductName", 87, 16);
    produit->setFont(police("MS Sans Serif", 16, true));
    produit->adjustSize();
    QLabel* version = etiquette(panneau, "lversion", 88, 40);
    version->setFont(policestandard(true));

    QPushButton* ok = boutonimage(this, "OKButton", {181, 227, 77, 46}, "ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    appliquelegendes(this, legendesapropos, false);
    produit->adjustSize();
}

void Tapropos::showEvent(QShowEvent* evenement) {
    auto* version = findChild<QLabel*>(QStringLiteral("lversion"));
    version->setText(texte(legendesapropos, "lversion", false).arg(QLatin1String(versionprogramme)));
    version->adjustSize();
    QDialog::showEvent(evenement);
    centreecran(this);
}

} // namespace vormigral

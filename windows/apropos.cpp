#include "windows/apropos.h"

#include "windows/outils.h"
#include "windows/traduction.h"

#include "vormigral/projet.h"

#include <QFrame>
#include <QPushButton>

namespace vormigral {

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
    traduitcontroles();
}

// The about box says the same in both languages.
void Tapropos::traduitcontroles() {
    //: The about box says the same in both languages.
    setWindowTitle(tr("A propos"));
    //: The program's name, the same in every language.
    legende(findChild<QLabel*>(QStringLiteral("ProductName")), tr("VORMIGRAL"));
    legende(findChild<QPushButton*>(QStringLiteral("OKButton")), tr("OK"));
    //: The program's version number.
    legende(findChild<QLabel*>(QStringLiteral("lversion")), tr("V %1").arg(QLatin1String(versionprogramme)));
}

void Tapropos::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    centreecran(this);
}

} // namespace vormigral

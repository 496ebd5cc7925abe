#include "windows/visionneuse.h"

#include "engine/calculgrille.h"
#include "engine/serie.h"
#include "windows/libelles.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>

namespace vormigral {

TForm2::TForm2(TEtat& etat) : etat_(etat) {
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(policestandard());
    setFixedSize(611, 333);
    setModal(true);
    etat_.affichegrille = [this] { affichegrille(); };
}

void TForm2::construitcontroles() {
    construitfenetre();
    traduitcontroles();
}

TForm2::~TForm2() {
    etat_.affichegrille = nullptr;
}

void TForm2::construitfenetre() {
    // The cells only show the grid here; nothing listens to their clicks.
    bloc_ = std::make_unique<BlocNumeros>(this, QPoint(67, 28), false);
    // The tick the main window shows, from the same picture cache.
    coche_ = pixmapsvg(QStringLiteral(":/images/coche.svg"), {14, 20});

    auto* methode = place<QGroupBox>(this, "GroupBox2", {327, 23, 274, 38});
    ltitmet = place<QLabel>(methode, "ltitmet", {4, 16, 266, 18});
    ltitmet->setFont(police("Times New Roman", 12));
    // The method stands out in the colour of links, which every palette keeps readable on its
    // windows: blue on a light one, a light blue on a dark one.
    ltitmet->setForegroundRole(QPalette::Link);

    // The counter and the arrows sit inside the frame; their places are given in window coordinates.
    const QPoint cadre(329, 65);
    auto* compteur = place<QGroupBox>(this, "GroupBox1", QRect(cadre, QSize(228, 119)));
    auto* panneau = place<QFrame>(compteur, "Panel1", QRect(QPoint(357, 88) - cadre, QSize(163, 41)));
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Raised);
    place<QLabel>(panneau, "ltitre", {2, 3, 159, 16})->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    lnubul = place<QLabel>(panneau, "lnubul", {45, 21, 32, 16});
    lnubul->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* barre = place<QLabel>(panneau, "Label2", {78, 21, 7, 16});
    barre->setAlignment(Qt::AlignCenter);
    barre->setText(QStringLiteral("/"));
    Lnumax = place<QLabel>(panneau, "Lnumax", {86, 21, 43, 16});
    Lnumax->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    QPushButton* precedent =
        boutonimage(compteur, "BitBtn3", QRect(QPoint(335, 144) - cadre, QSize(104, 29)), "precedent");
    precedent->setText(QStringLiteral("<"));
    connect(precedent, &QPushButton::clicked, this, &TForm2::BitBtn3Click);
    QPushButton* suivant =
        boutonimage(compteur, "BitBtn4", QRect(QPoint(444, 144) - cadre, QSize(104, 29)), "suivant");
    suivant->setText(QStringLiteral("> "));
    connect(suivant, &QPushButton::clicked, this, &TForm2::BitBtn4Click);

    QPushButton* retour = boutonimage(this, "BitBtn1", {333, 266, 270, 34}, "retour");
    connect(retour, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
}

void TForm2::traduitcontroles() {
    setWindowTitle(tr("Grids", "the viewer's title"));
    legende(findChild<QGroupBox*>(QStringLiteral("GroupBox2")), tr("Method selected"));
    legende(findChild<QLabel*>(QStringLiteral("ltitre")), tr("Grids", "the counter's caption"));
    const auto bouton = [this](const char* nom) { return findChild<QPushButton*>(QString::fromLatin1(nom)); };
    legende(bouton("BitBtn1"), tr("Return"));
    bouton("BitBtn3")->setAccessibleName(tr("Previous grid"));
    bouton("BitBtn4")->setAccessibleName(tr("Next grid"));
    //: A hint, French in both languages.
    bouton("BitBtn3")->setToolTip(tr("View the previous slip"));
    //: A hint, French in both languages.
    bouton("BitBtn4")->setToolTip(tr("View the next slip"));
    //: A hint, French in both languages.
    bouton("BitBtn1")->setToolTip(tr("Back to the previous screen"));
    if (etat_.numgrille > 0)
        nommegrille();
}

void TForm2::affichegrille() {
    // Every expansion redraws the viewer, shown or not: a print run may be the first.
    construit();
    QStringList numeros;
    for (int numero = 1; numero <= 49; ++numero) {
        const bool cochee = etat_.grillecour[static_cast<std::size_t>(numero)] != 0;
        bloc_->marque(numero, cochee, coche_);
        if (cochee)
            numeros << QString::number(numero);
    }
    numeros_ = numeros.join(QStringLiteral(", "));
    nommegrille();
}

void TForm2::nommegrille() {
    //: The block read as the grid it shows, e.g. "Grid 3: 4, 11, 19, 27, 33, 45".
    bloc_->pgrille()->setAccessibleName(tr("Grid %1: %2").arg(etat_.numgrille).arg(numeros_));
}

void TForm2::affichenumero() {
    construit();
    lnubul->setText(QString::number(etat_.numgrille));
    Lnumax->setText(QString::number(etat_.nbgrilles));
}

void TForm2::FormShow() {
    construit();
    // Without a selected method there is nothing to step through: both arrows stay inert and the
    // counter, description and cells keep what they showed.
    if (!commenceserie(etat_, etat_.methodechoisie))
        return;
    ltitmet->setText(libellemethode(etat_.methodes, etat_.methodecour));
    affichenumero();
    calculgrille(etat_, etat_.numgrille);
}

void TForm2::BitBtn4Click() {
    if (etat_.numgrille >= etat_.nbgrilles)
        return;
    ++etat_.numgrille;
    affichenumero();
    calculgrille(etat_, etat_.numgrille);
}

void TForm2::BitBtn3Click() {
    if (etat_.numgrille <= 1)
        return;
    --etat_.numgrille;
    affichenumero();
    calculgrille(etat_, etat_.numgrille);
}

void TForm2::BitBtn1Click() {
    close();
}

void TForm2::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    // The platform's own show events (a window restored from the task bar, say) are not a new
    // showing: the window keeps its grid and its place.
    if (evenement->spontaneous())
        return;
    FormShow();
    // Stepping forward is what the viewer is opened for.
    findChild<QWidget*>(QStringLiteral("BitBtn4"))->setFocus();
    centreecran(this);
}

} // namespace vormigral

#include "windows/dialogueimpression.h"

#include "printer/surface_qt.h"
#include "windows/apercu.h"
#include "windows/choiximprimante.h"
#include "windows/filtretouches.h"
#include "windows/imprimer.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace vormigral {

TForm7::TForm7(TEtat& etat, Messages& messages, Impression& impression, SurDemande<TApercu>& apercu,
               SurDemande<TChoixImprimante>& choiximprimante)
    : impression_(impression), apercu_(apercu), choiximprimante_(choiximprimante),
      bulletins_(etat, messages, impression) {
    setObjectName(QStringLiteral("Form7"));
    setFont(policestandard());
    setFixedSize(477, 290);
    setModal(true);
}

void TForm7::construitcontroles() {
    QLabel* type = etiquette(this, "Label3", 16, 12);
    ComboBox1 = place<QComboBox>(this, "ComboBox1", {16, 30, 445, 22});
    ComboBox1->setEditable(false);
    type->setBuddy(ComboBox1);

    auto* grilles = place<QGroupBox>(this, "GroupBox3", {16, 68, 181, 125});
    QLabel* premiere = etiquette(grilles, "Label1", 16, 38);
    Gpremier = place<QLineEdit>(grilles, "Gpremier", {96, 34, 65, 22});
    premiere->setBuddy(Gpremier);
    QLabel* derniere = etiquette(grilles, "Label2", 16, 82);
    gdernier = place<QLineEdit>(grilles, "gdernier", {96, 78, 65, 22});
    derniere->setBuddy(gdernier);
    auto* testcar = new FiltreTouches("0123456789", this);
    testcar->setObjectName(QStringLiteral("testcar"));
    for (QLineEdit* champ : {Gpremier, gdernier}) {
        champ->setMaxLength(4);
        champ->installEventFilter(testcar);
    }

    auto* mode = place<QGroupBox>(this, "GroupBox2", {209, 68, 252, 125});
    bimptsbull = place<QRadioButton>(mode, "bimptsbull", {14, 36, 232, 20});
    bimpunbull = place<QRadioButton>(mode, "bimpunbull", {14, 80, 232, 20});
    bimptsbull->setChecked(true);

    QPushButton* annule = boutonimage(this, "boutannule", {88, 212, 137, 52}, "annuler");
    QPushButton* lance = boutonimage(this, "boutlancer", {252, 212, 137, 52}, "imprimer");
    lance->setDefault(true);
    connect(annule, &QPushButton::clicked, this, &TForm7::boutannuleClick);
    connect(lance, &QPushButton::clicked, this, &TForm7::boutlancerClick);

    // In the free space beside and below the two buttons, so that nothing else moves.
    QToolButton* apercu = petitbouton(this, "bapercu", {16, 212, 64, 52}, "voir");
    QToolButton* imprimante = petitbouton(this, "bimprimante", {397, 212, 64, 52}, "imprimer");
    connect(apercu, &QToolButton::clicked, this, &TForm7::bapercuClick);
    connect(imprimante, &QToolButton::clicked, this, &TForm7::bimprimanteClick);
    limprimante = place<QLabel>(this, "limprimante", {16, 268, 445, 16});
    // Nothing else starts while printing waits for the print service.
    connect(&impression_, &Impression::occupe, this, [lance, apercu, imprimante](bool oui) {
        for (QWidget* bouton :
             {static_cast<QWidget*>(lance), static_cast<QWidget*>(apercu), static_cast<QWidget*>(imprimante)})
            bouton->setEnabled(!oui);
    });

    traduitcontroles();
}

void TForm7::traduitcontroles() {
    setWindowTitle(tr("Print", "the window's title"));
    legende(findChild<QLabel*>(QStringLiteral("Label3")), tr("TICKET TYPE"));
    legende(findChild<QGroupBox*>(QStringLiteral("GroupBox3")), tr("Grids to print"));
    legende(findChild<QLabel*>(QStringLiteral("Label1")), tr("First"));
    legende(findChild<QLabel*>(QStringLiteral("Label2")), tr("Last"));
    legende(findChild<QGroupBox*>(QStringLiteral("GroupBox2")), tr("Print Type"));
    legende(bimptsbull, tr("Print all the tickets"));
    legende(bimpunbull, tr("Stop after each tickets"));
    legende(findChild<QPushButton*>(QStringLiteral("boutannule")), tr("Cancel"));
    legende(findChild<QPushButton*>(QStringLiteral("boutlancer")), tr("Print", "the button"));
    auto* apercu = findChild<QToolButton*>(QStringLiteral("bapercu"));
    auto* imprimante = findChild<QToolButton*>(QStringLiteral("bimprimante"));
    legende(apercu, tr("Preview"));
    legende(imprimante, tr("Printer"));
    apercu->setAccessibleName(tr("Print preview"));
    imprimante->setAccessibleName(tr("Choose the printer"));
    ComboBox1->setAccessibleName(tr("Ticket type"));
    Gpremier->setAccessibleName(tr("First grid to print"));
    gdernier->setAccessibleName(tr("Last grid to print"));
    //: A hint, French in both languages.
    Gpremier->setToolTip(tr("Enter the number of the first grid to print"));
    //: A hint, French in both languages.
    gdernier->setToolTip(tr("Enter the number of the last grid to print"));
}

void TForm7::showEvent(QShowEvent* evenement) {
    formshow();
    activate();
    QDialog::showEvent(evenement);
    centreecran(this);
}

void TForm7::formshow() {
    construit();
    ComboBox1->clear();
    ComboBox1->addItems(bulletins_.types());
    ComboBox1->setCurrentIndex(0);
}

void TForm7::activate() {
    construit();
    Gpremier->setText(QStringLiteral("1"));
    gdernier->setText(QString::number(bulletins_.grilles()));
    montreimprimante();
}

void TForm7::montreimprimante() {
    impression_.imprimanteprevue(limprimante, [this](const QString& texte) { limprimante->setText(texte); });
}

void TForm7::boutannuleClick() {
    reject();
}

std::optional<RequeteBulletins> TForm7::requete() const {
    return bulletins_.requete(ComboBox1->currentIndex(), bimpunbull->isChecked(), Gpremier->text(),
                              gdernier->text());
}

void TForm7::boutlancerClick() {
    construit();
    const std::optional<RequeteBulletins> r = requete();
    if (!r)
        return;
    // The program may be quit or started afresh while the run waits: this window may be gone then.
    const QPointer<TForm7> vivant(this);
    const TLancement fait = bulletins_.imprime(*r);
    if (!vivant)
        return;
    // A failed run leaves the dialog open, with the request as it was.
    if (fait.fait)
        accept();
    else
        montreimprimante();
}

void TForm7::bapercuClick() {
    construit();
    const std::optional<RequeteBulletins> r = requete();
    if (!r)
        return;
    const QPointer<TForm7> vivant(this);
    const std::string file = impression_.imprimanteapercu();
    if (!vivant)
        return;
    const PagesBulletins pages = bulletins_.apercu(*r, file);
    apercu_().montre(*pages.marques, pages.bulletin.get(), GenreApercu::Bulletins, file);
}

void TForm7::bimprimanteClick() {
    construit();
    const QPointer<TForm7> vivant(this);
    choiximprimante_().choisit();
    if (vivant)
        montreimprimante();
}

} // namespace vormigral

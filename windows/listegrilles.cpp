#include "windows/listegrilles.h"

#include "engine/methodes.h"
#include "engine/serie.h"
#include "printer/surface_qt.h"
#include "printing/liste.h"
#include "windows/apercu.h"
#include "windows/dialogueimpression.h"
#include "windows/imprimer.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vormigral {

namespace {

// A command button whose caption wraps onto a second line when one is too narrow for it, as the
// long French captions of this window need with the faces found here.
class BoutonLignes final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter peintre(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        option.icon = QIcon();
        peintre.drawControl(QStyle::CE_PushButton, option);
        constexpr int ecart = 4;
        const QRect zone = rect().adjusted(6, 3, -6, -3);
        const QSize icone = iconSize();
        const int drapeaux = Qt::TextWordWrap | Qt::AlignCenter;
        const QRect bloc = fontMetrics().boundingRect(
            QRect(0, 0, zone.width() - icone.width() - ecart, zone.height()), drapeaux, text());
        int x = zone.left() + (zone.width() - icone.width() - ecart - bloc.width()) / 2;
        icon().paint(&peintre, QRect(QPoint(x, zone.center().y() - icone.height() / 2), icone));
        x += icone.width() + ecart;
        peintre.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        peintre.drawText(QRect(x, zone.top(), bloc.width(), zone.height()), drapeaux, text());
    }
};

QPushButton* bouton(QWidget* parent, const char* nom, const QRect& geometrie, const char* image) {
    auto* resultat = place<BoutonLignes>(parent, nom, geometrie);
    resultat->setIcon(
        QIcon(pixmapsvg(QStringLiteral(":/images/boutons/%1.svg").arg(QLatin1String(image)), {16, 16})));
    resultat->setIconSize({16, 16});
    return resultat;
}

} // namespace

TForm5::TForm5(TEtat& etat, Impression& impression, SurDemande<TApercu>& apercu, TForm7& dialogueimpression)
    : etat_(etat), impression_(impression), apercu_(apercu), dialogueimpression_(dialogueimpression) {
    setObjectName(QStringLiteral("Form5"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(policestandard());
    setFixedSize(509, 346);
    setModal(true);
}

void TForm5::construitcontroles() {
    listbull = place<QListWidget>(this, "listbull", {24, 16, 466, 228});
    QFont fixe = police("Courier", 13);
    fixe.setStyleHint(QFont::TypeWriter);
    fixe.setFixedPitch(true);
    listbull->setFont(fixe);
    listbull->setUniformItemSizes(true);

    QPushButton* liste = bouton(this, "BitBtn6", {23, 271, 147, 56}, "liste");
    QPushButton* bulletins = bouton(this, "BitBtn2", {183, 271, 147, 56}, "imprimer");
    QPushButton* retour = bouton(this, "BitBtn1", {341, 271, 147, 56}, "retour");
    connect(liste, &QPushButton::clicked, this, &TForm5::imprimeliste);
    connect(bulletins, &QPushButton::clicked, this, &TForm5::bimprimebulletins);
    connect(retour, &QPushButton::clicked, this, &TForm5::BitBtn1Click);

    // Between the list and the buttons, and under the buttons: nothing else moves.
    QPushButton* apercu = boutonimage(this, "bapercu", {23, 247, 147, 21}, "voir");
    connect(apercu, &QPushButton::clicked, this, &TForm5::bapercuClick);
    lcompterendu = place<QLabel>(this, "lcompterendu", {24, 329, 466, 15});

    traduitcontroles();
}

void TForm5::traduitcontroles() {
    setWindowTitle(tr("List of the grids "));
    const auto bouton = [this](const char* nom) { return findChild<QPushButton*>(QString::fromLatin1(nom)); };
    legende(bouton("BitBtn6"), tr("Print the list of grids"));
    legende(bouton("BitBtn2"), tr("Print the grids"));
    legende(bouton("BitBtn1"), tr("Return"));
    legende(bouton("bapercu"), tr("Preview the list"));
    listbull->setAccessibleName(tr("Grids of the method"));
    lcompterendu->setAccessibleName(tr("The printer's answer"));
}

void TForm5::showEvent(QShowEvent* evenement) {
    form5show();
    QDialog::showEvent(evenement);
    centreecran(this);
}

void TForm5::form5show() {
    construit();
    remplitliste();
    lcompterendu->clear();
}

void TForm5::remplitliste() {
    construit();
    TEtat& etat = etat_;
    listbull->clear();
    // Without a selected method there is nothing to expand; the list stays empty.
    if (!commenceserie(etat, etat.methodechoisie))
        return;
    QStringList lignes;
    parcourtserie(etat, 1, etat.nbgrilles, [&](std::int32_t g) {
        lignes << QString::fromStdString(lignebulletin(g, etat.grillecour));
        return true;
    });
    listbull->addItems(lignes);
}

void TForm5::imprimeliste() {
    construit();
    const std::int32_t methode = etat_.methodechoisie;
    const std::string titre = titreliste();
    // The program may be quit or started afresh while the run waits: this window may be gone then.
    const QPointer<TForm5> vivant(this);
    const QString annonce = impression_
                                .imprime([&](SurfaceImpression& surface) {
                                    vormigral::imprimeliste(etat_, surface, methode, titre);
                                })
                                .annonce;
    // The window stays open over the main window's status line: the answer shows here too.
    if (vivant)
        lcompterendu->setText(annonce);
}

void TForm5::bapercuClick() {
    const QPointer<TForm5> vivant(this);
    const std::string file = impression_.imprimanteapercu();
    if (!vivant)
        return;
    SurfaceQt pages(SurfaceQt::Sortie::Apercu, QString::fromStdString(file));
    vormigral::imprimeliste(etat_, pages, etat_.methodechoisie, titreliste());
    apercu_().montre(pages, nullptr, GenreApercu::Liste, file);
}

std::string TForm5::titreliste() {
    //: The title printed at the top of the list of grids.
    return tr("GRID S LIST").toStdString();
}

void TForm5::bimprimebulletins() {
    dialogueimpression_.exec();
}

void TForm5::BitBtn1Click() {
    reject();
}

} // namespace vormigral

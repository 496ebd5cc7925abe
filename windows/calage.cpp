#include "windows/calage.h"

#include "printer/surface_qt.h"
#include "printing/calage.h"
#include "windows/apercu.h"
#include "windows/imprimer.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace vormigral {

TCalage::TCalage(TEtat& etat, Impression& impression, SurDemande<TApercu>& apercu, QWidget* parent)
    : QDialog(parent), etat_(etat), impression_(impression), apercu_(apercu) {
    setObjectName(QStringLiteral("calage"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(policestandard());
    setFixedSize(460, 270);
    setModal(true);

    auto* libelle = etiquette(this, "ltype", 16, 12);
    ctype = place<QComboBox>(this, "ctype", {16, 30, 428, 22});
    libelle->setBuddy(ctype);
    auto* explication = place<QLabel>(this, "lexplication", {16, 62, 428, 86});
    explication->setWordWrap(true);
    explication->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ldecalages = place<QLabel>(this, "ldecalages", {16, 152, 428, 18});
    limprimante = place<QLabel>(this, "limprimante", {16, 172, 428, 18});
    QPushButton* voir = boutonimage(this, "bapercu", {16, 208, 134, 46}, "voir");
    QPushButton* imprimer = boutonimage(this, "bimprimer", {163, 208, 134, 46}, "imprimer");
    QPushButton* fermer = boutonimage(this, "bfermer", {310, 208, 134, 46}, "retour");
    imprimer->setDefault(true);
    connect(voir, &QPushButton::clicked, this, &TCalage::bapercuClick);
    connect(imprimer, &QPushButton::clicked, this, &TCalage::bimprimerClick);
    // Nothing else starts while printing waits for the print service.
    connect(&impression_, &Impression::occupe, this, [voir, imprimer](bool oui) {
        voir->setEnabled(!oui);
        imprimer->setEnabled(!oui);
    });
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    traduitcalage();
}

void TCalage::traduitcalage() {
    setWindowTitle(tr("Calibration sheet"));
    legende(findChild<QLabel*>(QStringLiteral("ltype")), tr("&Ticket type"));
    legende(
        findChild<QLabel*>(QStringLiteral("lexplication")),
        tr("The calibration sheet prints on plain paper: a frame where each cross would go, with the current "
           "offsets, and two millimetre scales. Laid on a real slip, it shows how much to correct the "
           "offsets (Options › Parameters). The sheet itself explains how to read it."));
    const auto bouton = [this](const char* nom) { return findChild<QPushButton*>(QString::fromLatin1(nom)); };
    legende(bouton("bapercu"), tr("&Preview"));
    legende(bouton("bimprimer"), tr("P&rint"));
    legende(bouton("bfermer"), tr("&Close"));
    ctype->setAccessibleName(tr("Ticket type"));
}

void TCalage::changeEvent(QEvent* evenement) {
    if (evenement->type() == QEvent::LanguageChange)
        traduitcalage();
    QDialog::changeEvent(evenement);
}

// The offsets may have changed since the window was last shown.
void TCalage::montredecalages() {
    const TParametres& p = etat_.parametres;
    ldecalages->setText(tr("Current offsets: horizontal %1 mm, vertical %2 mm.").arg(p.decalh).arg(p.decalv));
    montreimprimante();
}

namespace {

std::string nombulletin(const TEtat& etat, std::int32_t type) {
    return type >= 1 && type <= nbtypesbulletin ? etat.typesbulletin[type].nom : std::string();
}

// An offset as the sheet prints it: signed unless zero, so that a shift's direction is plain.
QString decalage(std::int32_t mm) {
    return mm > 0 ? QStringLiteral("+%1").arg(mm) : QString::number(mm);
}

} // namespace

TTextesCalage TCalage::textes(std::int32_t type) const {
    const QString explication =
        tr("Each frame shows where the printer will put the cross of a number. Lay this sheet on a play "
           "slip, top and left edges together as they go into the printer, and look through it against "
           "the "
           "light. On the scale above box 10, read in millimetres where the middle of the slip's box "
           "falls "
           "and add that number to the horizontal offset. On the scale to the right of box 40 of the last "
           "grid, read the middle of the box the same way and add that number to the vertical offset. Set "
           "the offsets in Options › Parameters, then print a new sheet: each frame should sit in the "
           "middle of its box.");
    const TParametres& p = etat_.parametres;
    return {tr("CALIBRATION SHEET: %1").arg(QString::fromStdString(nombulletin(etat_, type))).toStdString(),
            tr("Offsets applied: horizontal %1 mm, vertical %2 mm")
                .arg(decalage(p.decalh), decalage(p.decalv))
                .toStdString(),
            explication.toStdString()};
}

void TCalage::showEvent(QShowEvent* evenement) {
    const int avant = ctype->currentIndex();
    ctype->clear();
    for (int t = 1; t <= nbtypesbulletin; ++t)
        ctype->addItem(QString::fromStdString(etat_.typesbulletin[t].nom));
    ctype->setCurrentIndex(avant > 0 ? avant : 0);
    montredecalages();
    QDialog::showEvent(evenement);
    centreecran(this);
    ctype->setFocus();
}

void TCalage::montreimprimante() {
    impression_.imprimanteprevue(limprimante, [this](const QString& texte) { limprimante->setText(texte); });
}

std::int32_t TCalage::type() const {
    return ctype->currentIndex() + 1;
}

void TCalage::bapercuClick() {
    const QPointer<TCalage> vivant(this);
    const std::string file = impression_.imprimanteapercu();
    if (!vivant)
        return;
    SurfaceQt apercu(SurfaceQt::Sortie::Apercu, QString::fromStdString(file));
    imprimecalage(etat_, apercu, type(), textes(type()));
    apercu_().montre(apercu, nullptr, GenreApercu::Calage, file);
}

void TCalage::bimprimerClick() {
    const std::int32_t t = type();
    const TTextesCalage texte = textes(t);
    // The program may be quit or started afresh while the run waits: this window may be gone then.
    const QPointer<TCalage> vivant(this);
    const bool fait =
        impression_.imprime([&](SurfaceImpression& surface) { imprimecalage(etat_, surface, t, texte); })
            .fait;
    if (!vivant)
        return;
    if (fait)
        accept();
    else
        montreimprimante();
}

} // namespace vormigral

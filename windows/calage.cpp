#include "windows/calage.h"

#include "printer/surface_qt.h"
#include "printing/calage.h"
#include "windows/apercu.h"
#include "windows/imprimer.h"
#include "windows/legendes.h"
#include "windows/outils.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace vormigral {

namespace {

// Every text the window shows, in both languages.
const Legende legendescalage[] = {
    {"", "Feuille de calage", "Calibration sheet"},
    {"ltype", "&Type de bulletin", "&Ticket type"},
    {"lexplication",
     "La feuille de calage s'imprime sur du papier ordinaire : un cadre à la place de chaque croix, avec les "
     "décalages actuels, et deux échelles en millimètres. Posée sur un vrai bulletin, elle montre de combien "
     "corriger les décalages (Options › Paramètres). La feuille elle-même explique comment la lire.",
     "The calibration sheet prints on plain paper: a frame where each cross would go, with the current "
     "offsets, and two millimetre scales. Laid on a real slip, it shows how much to correct the offsets "
     "(Options › Parameters). The sheet itself explains how to read it."},
    {"decalages", "Décalages actuels : horizontal %1 mm, vertical %2 mm.",
     "Current offsets: horizontal %1 mm, vertical %2 mm."},
    {"bapercu", "&Aperçu", "&Preview"},
    {"bimprimer", "&Imprimer", "P&rint"},
    {"bfermer", "&Fermer", "&Close"},
    {"acc:ctype", "Type de bulletin", "Ticket type"},
};

} // namespace

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
    const bool en = anglais(etat_);
    appliquelegendes(this, legendescalage, en);
    const TParametres& p = etat_.parametres;
    ldecalages->setText(texte(legendescalage, "decalages", en).arg(p.decalh).arg(p.decalv));
    montreimprimante();
}

void TCalage::showEvent(QShowEvent* evenement) {
    const int avant = ctype->currentIndex();
    ctype->clear();
    for (int t = 1; t <= nbtypesbulletin; ++t)
        ctype->addItem(QString::fromStdString(etat_.typesbulletin[t].nom));
    ctype->setCurrentIndex(avant > 0 ? avant : 0);
    traduitcalage();
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
    imprimecalage(etat_, apercu, type());
    apercu_().montre(apercu, nullptr, GenreApercu::Calage, file);
}

void TCalage::bimprimerClick() {
    const std::int32_t t = type();
    // The program may be quit or started afresh while the run waits: this window may be gone then.
    const QPointer<TCalage> vivant(this);
    const bool fait =
        impression_.imprime([&](SurfaceImpression& surface) { imprimecalage(etat_, surface, t); }).fait;
    if (!vivant)
        return;
    if (fait)
        accept();
    else
        montreimprimante();
}

} // namespace vormigral

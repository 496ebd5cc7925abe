#include "windows/tailleaffichage.h"

#include "app/reglages.h"
#include "app/tailleaffichage.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vormigral {

namespace {

// Why the size could not be written, in the words the settings file's own failures use.
Reglages::Cause cause(Refus refus, bool sansdossier) {
    switch (refus) {
    case Refus::PasFichier:
        return Reglages::Cause::PasFichier;
    case Refus::Protege:
        return Reglages::Cause::Protege;
    case Refus::DossierProtege:
        return Reglages::Cause::DossierProtege;
    case Refus::DossierAbsent:
        return sansdossier ? Reglages::Cause::SansDossier : Reglages::Cause::DossierAbsent;
    case Refus::Plein:
        return Reglages::Cause::Plein;
    case Refus::Aucun:
    case Refus::Autre:
        break;
    }
    return Reglages::Cause::Autre;
}

} // namespace

TTailleAffichage::TTailleAffichage(const Plateforme& plateforme, QWidget* parent)
    : QDialog(parent), plateforme_(plateforme) {
    setObjectName(QStringLiteral("TailleAffichage"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(policestandard());
    setModal(true);
    construitfenetre();
    traduit();
}

void TTailleAffichage::construitfenetre() {
    auto* disposition = new QVBoxLayout(this);
    gtaille_ = new QGroupBox(this);
    gtaille_->setObjectName(QStringLiteral("gtaille"));
    auto* colonne = new QVBoxLayout(gtaille_);
    // One group: the arrows move through the sizes and check the one they reach, Tab leaves.
    auto* groupe = new QButtonGroup(this);
    for (std::size_t i = 0; i < tailles_.size(); ++i) {
        tailles_[i] = new QRadioButton(gtaille_);
        tailles_[i]->setObjectName(QStringLiteral("taille%1").arg(taillesaffichage[i]));
        groupe->addButton(tailles_[i], taillesaffichage[i]);
        colonne->addWidget(tailles_[i]);
    }
    disposition->addWidget(gtaille_);
    lnote_ = new QLabel(this);
    lnote_->setObjectName(QStringLiteral("lnote"));
    lnote_->setWordWrap(true);
    lnote_->setMinimumWidth(260);
    disposition->addWidget(lnote_);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    bok_ = boutonimage(this, "bok", {}, "ok");
    bok_->setDefault(true);
    bannuler_ = boutonimage(this, "bannuler", {}, "annuler");
    boutons->addWidget(bok_);
    boutons->addWidget(bannuler_);
    disposition->addLayout(boutons);
    connect(bok_, &QPushButton::clicked, this, &TTailleAffichage::bokClick);
    connect(bannuler_, &QPushButton::clicked, this, &QDialog::reject);
}

void TTailleAffichage::traduit() {
    setWindowTitle(tr("Display size"));
    legende(gtaille_, tr("Size of the windows"));
    for (std::size_t i = 0; i < tailles_.size(); ++i)
        legende(tailles_[i], tr("%1%", "a display size").arg(taillesaffichage[i]));
    lnote_->setText(tr("The new size shows at the next start of the program."));
    legende(bok_, tr("OK"));
    legende(bannuler_, tr("Cancel"));
}

void TTailleAffichage::changeEvent(QEvent* evenement) {
    if (evenement->type() == QEvent::LanguageChange)
        traduit();
    QDialog::changeEvent(evenement);
}

void TTailleAffichage::showEvent(QShowEvent* evenement) {
    if (!evenement->spontaneous()) {
        // The size kept, whatever was checked before a cancel.
        const int gardee = listailleaffichage(plateforme_.systeme);
        for (std::size_t i = 0; i < tailles_.size(); ++i)
            if (taillesaffichage[i] == gardee) {
                tailles_[i]->setChecked(true);
                tailles_[i]->setFocus();
            }
        adjustSize();
    }
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        centreecran(this);
}

int TTailleAffichage::choisie() const {
    for (std::size_t i = 0; i < tailles_.size(); ++i)
        if (tailles_[i]->isChecked())
            return taillesaffichage[i];
    return 100;
}

void TTailleAffichage::bokClick() {
    const Systeme& systeme = plateforme_.systeme;
    if (const Ecriture ecrite = memorisetailleaffichage(systeme, choisie()); !ecrite) {
        const QString dossier = systeme.repertoireconfig();
        const QString pourquoi = Reglages::texte(cause(ecrite.refus, dossier.isEmpty()));
        plateforme_.messages.bip();
        plateforme_.messages.message(
            dossier.isEmpty() ? tr("The display size cannot be kept: %1.").arg(pourquoi)
                              : tr("The display size cannot be kept in %1: %2.").arg(dossier, pourquoi),
            tr("Problem !!"), Boutons::Ok, Icone::Exclamation);
        return;
    }
    accept();
}

} // namespace vormigral

#include "windows/historique.h"

#include "windows/controleshistorique.h"
#include "windows/gestionhistorique.h"
#include "windows/outils.h"
#include "windows/pagetirages.h"
#include "windows/pageverification.h"
#include "windows/traduction.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vormigral {

THistorique::THistorique(TEtat& etat, const Plateforme& plateforme, QWidget* parent)
    : QDialog(parent), gestion_(new TGestionHistorique(etat, plateforme, this)) {
    setObjectName(QStringLiteral("Historique"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(policestandard());
    auto* disposition = new QVBoxLayout(this);
    onglets_ = nomme(new QTabWidget(this), "onglets");
    // Made apart, then handed to the tabs, which own them: their tables' headings take the
    // platform's font rather than the window's smaller one.
    pagetirages_ = new TPageTirages(*gestion_, plateforme.horloge.aujourdhui(), nullptr);
    pageverification_ = new TPageVerification(*gestion_, plateforme.horloge.aujourdhui(), nullptr);
    onglets_->addTab(pagetirages_, QString());
    onglets_->addTab(pageverification_, QString());
    // Enter runs the command of the page in view.
    connect(onglets_, &QTabWidget::currentChanged, this, [this](int page) {
        (page == 0 ? pagetirages_->boutonajouter() : pageverification_->boutonverifier())->setDefault(true);
    });
    disposition->addWidget(onglets_);
    bfermer_ = nomme(new QPushButton(this), "bfermer");
    bfermer_->setAutoDefault(false);
    connect(bfermer_, &QPushButton::clicked, this, &QDialog::reject);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(bfermer_);
    disposition->addLayout(bas);
    resize(860, 560);
    traduithistorique();
}

THistorique::~THistorique() = default;

const std::vector<TTirageDate>& THistorique::tirages() const {
    return gestion_->tirages();
}

const TRecapitulatif& THistorique::recapitulatif() const {
    return pageverification_->recapitulatif();
}

void THistorique::traduithistorique() {
    setWindowTitle(tr("Draw history"));
    onglets_->setTabText(0, tr("&Stored draws"));
    onglets_->setTabText(1, tr("&Grid check"));
    onglets_->setAccessibleName(tr("History pages"));
    onglets_->tabBar()->setAccessibleName(onglets_->accessibleName());
    legende(bfermer_, tr("&Close"));
    pagetirages_->traduit();
    pageverification_->traduit();
    nommeboutons(this);
}

void THistorique::changeEvent(QEvent* evenement) {
    QDialog::changeEvent(evenement);
    if (evenement->type() == QEvent::LanguageChange && onglets_)
        traduithistorique();
}

void THistorique::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    // A check belongs to the ticks and method of its time, which may have changed since.
    pageverification_->efface();
    if (!centree_) {
        centree_ = true;
        centreecran(this);
    }
    gestion_->ouvre();
    pagetirages_->miseajour();
}

} // namespace vormigral

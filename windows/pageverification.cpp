#include "windows/pageverification.h"

#include "windows/bilanargent.h"
#include "windows/controleshistorique.h"
#include "windows/gestionhistorique.h"
#include "windows/modeleshistorique.h"
#include "windows/texteshistorique.h"
#include "windows/traduction.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

namespace vormigral {

TPageVerification::TPageVerification(TGestionHistorique& gestion, const QDate& aujourdhui, QWidget* parent)
    : QWidget(parent), gestion_(gestion) {
    auto* disposition = new QVBoxLayout(this);

    auto* choix = new QHBoxLayout;
    rtous_ = nomme(new QRadioButton(this), "rtous");
    rtous_->setChecked(true);
    rperiode_ = nomme(new QRadioButton(this), "rperiode");
    edebut_ = champdate(this, "edebut", aujourdhui);
    efin_ = champdate(this, "efin", aujourdhui);
    lau_ = etiquettepour(this, "lau", efin_);
    choix->addWidget(rtous_);
    choix->addSpacing(16);
    choix->addWidget(rperiode_);
    choix->addWidget(edebut_);
    choix->addWidget(lau_);
    choix->addWidget(efin_);
    choix->addStretch();
    bverifier_ = boutonhistorique(this, "bverifier");
    connect(bverifier_, &QPushButton::clicked, this, &TPageVerification::verifieclick);
    choix->addWidget(bverifier_);
    disposition->addLayout(choix);
    // Picking a date means the period is wanted.
    for (QDateEdit* d : {edebut_, efin_})
        connect(d, &QDateEdit::dateChanged, rperiode_, [this] { rperiode_->setChecked(true); });

    lverification_ = nomme(new QLabel(this), "lverification");
    lverification_->setWordWrap(true);
    disposition->addWidget(lverification_);

    vuebilan_ = nomme(new QTableView(this), "vuebilan");
    modelerecap_ = new ModeleRecapitulatif(this);
    tri_ = new QSortFilterProxyModel(this);
    tri_->setSourceModel(modelerecap_);
    tri_->setSortRole(Qt::UserRole);
    vuebilan_->setModel(tri_);
    reglevue(vuebilan_);
    vuebilan_->setSelectionMode(QAbstractItemView::SingleSelection);
    vuebilan_->setSortingEnabled(true);
    vuebilan_->sortByColumn(0, Qt::DescendingOrder);
    auto* entete = vuebilan_->horizontalHeader();
    entete->setSectionResizeMode(QHeaderView::ResizeToContents);
    entete->setStretchLastSection(true);
    disposition->addWidget(vuebilan_, 1);

    ltotaux_ = nomme(new QLabel(this), "ltotaux");
    ltotaux_->setWordWrap(true);
    ltotaux_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    disposition->addWidget(ltotaux_);

    auto* commandes = new QHBoxLayout;
    commandes->addStretch();
    bargent_ = boutonhistorique(this, "bargent");
    bargent_->setEnabled(false);
    connect(bargent_, &QPushButton::clicked, this, &TPageVerification::argentclick);
    commandes->addWidget(bargent_);
    bexporter_ = boutonhistorique(this, "bexporter");
    bexporter_->setEnabled(false);
    connect(bexporter_, &QPushButton::clicked, this, &TPageVerification::exporteclick);
    commandes->addWidget(bexporter_);
    disposition->addLayout(commandes);

    connect(&gestion_, &TGestionHistorique::change, this, &TPageVerification::periodecomplete);
    // The money window reads the storage it was made with: it goes with it.
    connect(&gestion_, &TGestionHistorique::nouveaustockage, this, [this] { delete argent_; });
}

void TPageVerification::traduit() {
    legende(rtous_, tr("A&ll draws"));
    legende(rperiode_, tr("&From"));
    legende(lau_, tr("&to"));
    legende(bverifier_, tr("Check &my grids"));
    legende(bargent_, TFenetreArgent::libellebouton());
    legende(bexporter_, tr("&Export as CSV…"));
    edebut_->setAccessibleName(tr("Start of the period"));
    efin_->setAccessibleName(tr("End of the period"));
    vuebilan_->setAccessibleName(tr("Result per draw"));
    modelerecap_->traduit();
}

// The period offered is the whole history, the user narrowing it.
void TPageVerification::periodecomplete() {
    const std::vector<TTirageDate>& tirages = gestion_.tirages();
    if (tirages.empty())
        return;
    const QSignalBlocker a(edebut_);
    const QSignalBlocker b(efin_);
    edebut_->setDate(versqdate(tirages.back().date));
    efin_->setDate(versqdate(tirages.front().date));
}

void TPageVerification::efface() {
    modelerecap_->montre(TRecapitulatif{});
    lverification_->clear();
    ltotaux_->clear();
    bexporter_->setEnabled(false);
    bargent_->setEnabled(false);
    if (argent_)
        argent_->hide();
}

const TRecapitulatif& TPageVerification::recapitulatif() const {
    return modelerecap_->recapitulatif();
}

void TPageVerification::verifieclick() {
    std::optional<std::pair<TDate, TDate>> periode;
    if (rperiode_->isChecked())
        periode = std::make_pair(depuisqdate(edebut_->date()), depuisqdate(efin_->date()));
    std::optional<TGestionHistorique::TVerification> v = gestion_.verifie(periode);
    if (!v)
        return;
    modelerecap_->montre(std::move(v->recapitulatif));
    lverification_->setText(v->resume);
    ltotaux_->setText(v->totaux);
    bexporter_->setEnabled(true);
    bargent_->setEnabled(true);
    if (argent_ && argent_->isVisible())
        argent_->montre(modelerecap_->recapitulatif());
}

void TPageVerification::argentclick() {
    const TStockageTirages* stockage = gestion_.stockage();
    if (!stockage)
        return;
    if (!argent_)
        argent_ = new TFenetreArgent(*stockage, gestion_.dossierconfig(), window());
    argent_->montre(modelerecap_->recapitulatif());
    argent_->show();
    argent_->raise();
    argent_->activateWindow();
}

void TPageVerification::exporteclick() {
    // The rows in the order the table shows them.
    std::vector<const TRecapTirage*> lignes;
    const TRecapitulatif& b = modelerecap_->recapitulatif();
    for (int r = 0; r < tri_->rowCount(); ++r)
        lignes.push_back(&b.tirages[static_cast<std::size_t>(tri_->mapToSource(tri_->index(r, 0)).row())]);
    gestion_.exporte(lignes);
}

} // namespace vormigral

#include "windows/pagetirages.h"

#include "windows/apercuimport.h"
#include "windows/colonnes.h"
#include "windows/controleshistorique.h"
#include "windows/gestionhistorique.h"
#include "windows/modeleshistorique.h"
#include "windows/outils.h"
#include "windows/texteshistorique.h"
#include "windows/traduction.h"

#include <QAction>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QSpinBox>
#include <QVBoxLayout>

#include <set>

namespace vormigral {

TPageTirages::TPageTirages(TGestionHistorique& gestion, const QDate& aujourdhui, QWidget* parent)
    : QWidget(parent), gestion_(gestion) {
    auto* disposition = new QVBoxLayout(this);

    vuetirages_ = nomme(new QTableView(this), "vuetirages");
    modeletirages_ = new ModeleTirages(this);
    modeletirages_->montre(&gestion_.tirages());
    vuetirages_->setModel(modeletirages_);
    reglevue(vuetirages_);
    vuetirages_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    vuetirages_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    disposition->addWidget(vuetirages_, 1);

    lnombre_ = nomme(new QLabel(this), "lnombre");
    lnombre_->setWordWrap(true);
    disposition->addWidget(lnombre_);

    gajout_ = nomme(new QGroupBox(this), "gajout");
    auto* grille = new QGridLayout(gajout_);
    edate_ = champdate(gajout_, "edate", aujourdhui);
    ldate_ = etiquettepour(gajout_, "ldate", edate_);
    grille->addWidget(ldate_, 0, 0);
    grille->addWidget(edate_, 1, 0);
    const char* noms[7][2] = {{"lnum1", "enum1"}, {"lnum2", "enum2"}, {"lnum3", "enum3"}, {"lnum4", "enum4"},
                              {"lnum5", "enum5"}, {"lnum6", "enum6"}, {"lnumc", "enumc"}};
    for (std::size_t i = 0; i < numeros_.size(); ++i) {
        auto* numero = nomme(new QSpinBox(gajout_), noms[i][1]);
        // 0 is "not chosen yet", shown as a dash, so a forgotten number is never taken for a 1.
        numero->setRange(0, 49);
        numero->setSpecialValueText(QStringLiteral("–"));
        numero->setAlignment(Qt::AlignCenter);
        numeros_[i] = numero;
        const int colonne = static_cast<int>(i) + 1 + (i == 6 ? 1 : 0);
        QLabel* etiquette = etiquettepour(gajout_, noms[i][0], numero);
        if (i < 6)
            etiquette->setText(QStringLiteral("&%1").arg(i + 1));
        else
            lnumc_ = etiquette;
        grille->addWidget(etiquette, 0, colonne, Qt::AlignHCenter);
        grille->addWidget(numero, 1, colonne);
    }
    grille->setColumnMinimumWidth(7, 12);
    bajouter_ = boutonhistorique(gajout_, "bajouter");
    bajouter_->setDefault(true);
    connect(bajouter_, &QPushButton::clicked, this, &TPageTirages::ajouteclick);
    grille->addWidget(bajouter_, 1, 9);
    grille->setColumnStretch(10, 1);
    disposition->addWidget(gajout_);

    auto* actions = new QHBoxLayout;
    supprimer_ = new QAction(this);
    supprimer_->setObjectName(QStringLiteral("asupprimer"));
    supprimer_->setShortcut(QKeySequence::Delete);
    supprimer_->setShortcutContext(Qt::WidgetShortcut);
    vuetirages_->addAction(supprimer_);
    connect(supprimer_, &QAction::triggered, this, &TPageTirages::supprimeclick);
    bsupprimer_ = boutonhistorique(this, "bsupprimer");
    lieaction(bsupprimer_, supprimer_);
    bimporter_ = boutonhistorique(this, "bimporter");
    connect(bimporter_, &QPushButton::clicked, this, &TPageTirages::importeclick);
    actions->addWidget(bsupprimer_);
    actions->addStretch();
    actions->addWidget(bimporter_);
    disposition->addLayout(actions);

    connect(&gestion_, &TGestionHistorique::change, this, [this] {
        modeletirages_->montre(&gestion_.tirages());
        miseajour();
    });
    connect(&gestion_, &TGestionHistorique::progression, this, &TPageTirages::progression);
    connect(&gestion_, &TGestionHistorique::importtermine, this, &TPageTirages::importtermine);
    connect(&gestion_, &TGestionHistorique::etatchange, this, &TPageTirages::miseajour);
    connect(&gestion_, &TGestionHistorique::ajoutfini, this, &TPageTirages::ajoutfini);
    connect(&gestion_, &TGestionHistorique::retraitfini, this, [this](bool retires) {
        if (retires)
            vuetirages_->clearSelection();
        miseajour();
        rendfocus();
    });
}

void TPageTirages::traduit() {
    legende(gajout_, tr("Add a draw"));
    legende(ldate_, tr("&Date:"));
    legende(lnumc_, tr("&Bonus"));
    legende(bajouter_, tr("&Add"));
    legende(bsupprimer_, tr("De&lete…"));
    supprimer_->setText(tr("Delete the chosen draws"));
    legende(bimporter_, tr("&Import a file…"));
    vuetirages_->setAccessibleName(tr("List of the stored draws"));
    edate_->setAccessibleName(tr("Date of the draw to add"));
    for (std::size_t i = 0; i < 6; ++i)
        numeros_[i]->setAccessibleName(tr("Number %1 of the draw to add").arg(i + 1));
    numeros_[6]->setAccessibleName(tr("Bonus number of the draw to add"));
    modeletirages_->traduit();
    if (progression_)
        progression_->setCancelButtonText(tr("Cancel"));
    miseajour();
}

void TPageTirages::miseajour() {
    lnombre_->setText(gestion_.resume());
    // A read-only history is still listed and checked; nothing can be typed into it.
    const bool modifiable = gestion_.modifiable();
    for (QWidget* w : std::initializer_list<QWidget*>{bajouter_, bimporter_, edate_})
        w->setEnabled(modifiable);
    for (QSpinBox* s : numeros_)
        s->setEnabled(modifiable);
    supprimer_->setEnabled(modifiable);
}

void TPageTirages::ajouteclick() {
    std::array<int, 7> valeurs{};
    for (std::size_t i = 0; i < valeurs.size(); ++i)
        valeurs[i] = numeros_[i]->value();
    focus_ = focusWidget();
    gestion_.ajoute(depuisqdate(edate_->date()), valeurs);
}

// The draw typed in stays in the fields until the storing ends: they take nothing meanwhile.
void TPageTirages::ajoutfini(bool stocke) {
    miseajour();
    if (!stocke)
        return rendfocus();
    std::array<int, 7> valeurs{};
    for (std::size_t i = 0; i < valeurs.size(); ++i)
        valeurs[i] = numeros_[i]->value();
    const TDate date = depuisqdate(edate_->date());
    for (QSpinBox* s : numeros_)
        s->setValue(0);
    // Shows the new draw where the list keeps it.
    const std::vector<TTirageDate>& tirages = gestion_.tirages();
    std::array<std::int32_t, 6> six{};
    std::copy_n(valeurs.begin(), 6, six.begin());
    std::sort(six.begin(), six.end());
    for (std::size_t i = 0; i < tirages.size(); ++i) {
        if (tirages[i].date == date && tirages[i].tirage.numeros == six) {
            vuetirages_->selectRow(static_cast<int>(i));
            break;
        }
    }
    numeros_[0]->setFocus();
}

void TPageTirages::supprimeclick() {
    std::set<int> lignes;
    for (const QModelIndex& i : vuetirages_->selectionModel()->selectedRows())
        lignes.insert(i.row());
    std::vector<TTirageDate> choisis;
    for (const int l : lignes)
        choisis.push_back(gestion_.tirages()[static_cast<std::size_t>(l)]);
    focus_ = focusWidget();
    gestion_.supprime(choisis);
}

void TPageTirages::rendfocus() {
    if (focus_ && focus_->isEnabled())
        focus_->setFocus();
    focus_ = nullptr;
}

void TPageTirages::importeclick() {
    std::optional<TGestionHistorique::TApercu> apercu = gestion_.prepareimport();
    if (!apercu)
        return;
    // Reads the file again with the columns the player chooses; false when they give up or the
    // file so read is refused (said).
    const auto choisitcolonnes = [&] {
        TFenetreColonnes colonnes(apercu->contenu, apercu->projet, gestion_.dossierconfig(), window());
        if (colonnes.exec() != QDialog::Accepted)
            return false;
        if (!colonnes.refus().isEmpty())
            gestion_.probleme(colonnes.refus());
        return gestion_.relit(*apercu, colonnes.choix().correspondance());
    };
    if (TGestionHistorique::colonnesachoisir(*apercu) && !choisitcolonnes())
        return;
    // The preview comes back after the columns are chosen again from it.
    int reponse = TApercuImport::colonnesdemandees;
    while (reponse == TApercuImport::colonnesdemandees) {
        TApercuImport dialogue(window(), apercu->projet, apercu->fichier);
        reponse = dialogue.exec();
        if (reponse == TApercuImport::colonnesdemandees && !choisitcolonnes())
            return;
    }
    if (reponse != QDialog::Accepted || !gestion_.lanceimport(apercu->projet))
        return;
    const auto total = static_cast<qint64>(apercu->projet.aajouter.size());
    progression_ = new QProgressDialog(window());
    progression_->setObjectName(QStringLiteral("progressionimport"));
    progression_->setWindowModality(Qt::WindowModal);
    progression_->setWindowTitle(window()->windowTitle());
    progression_->setAutoClose(false);
    progression_->setAutoReset(false);
    // A short import ends before anything would show; a long one says where it is.
    progression_->setMinimumDuration(300);
    progression_->setCancelButtonText(tr("Cancel"));
    progression_->setRange(0, 1000);
    connect(progression_, &QProgressDialog::canceled, this, [this] {
        if (gestion_.encours())
            gestion_.annuleimport();
    });
    progression(0, total);
    miseajour();
}

QString TPageTirages::texteprogression(qint64 fait, qint64 total) const {
    return tr("Storing the draws… %1 of %2").arg(fait).arg(total);
}

void TPageTirages::progression(qint64 fait, qint64 total) {
    if (!progression_)
        return;
    const QString texte = texteprogression(fait, total);
    progression_->setLabelText(texte);
    progression_->setAccessibleName(texte);
    progression_->setValue(total > 0 ? static_cast<int>(fait * 1000 / total) : 0);
}

void TPageTirages::importtermine() {
    if (progression_) {
        progression_->disconnect(this);
        progression_->hide();
        progression_->deleteLater();
    }
    miseajour();
}

} // namespace vormigral

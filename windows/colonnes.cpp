#include "windows/colonnes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vormigral {

TFenetreColonnes::TFenetreColonnes(std::string_view contenu, const TProjetImport& projet,
                                   const QString& dossierconfig, QWidget* parent)
    : QDialog(parent), choix_(contenu, projet, dossierconfig) {
    setObjectName(QStringLiteral("fenetrecolonnes"));
    setModal(true);
    resize(560, 520);
    auto* disposition = new QVBoxLayout(this);
    lexplication_ = new QLabel(this);
    lexplication_->setWordWrap(true);
    disposition->addWidget(lexplication_);
    auto* formulaire = new QFormLayout;
    for (std::size_t f = 0; f < listes_.size(); ++f) {
        etiquettes_[f] = new QLabel(this);
        listes_[f] = new QComboBox(this);
        listes_[f]->setObjectName(QStringLiteral("colonne%1").arg(f));
        etiquettes_[f]->setBuddy(listes_[f]);
        formulaire->addRow(etiquettes_[f], listes_[f]);
        connect(listes_[f], &QComboBox::currentIndexChanged, this, [this, f](int i) {
            choix_.choisit(static_cast<TColonneImport>(f), i - 1);
            affiche();
        });
    }
    disposition->addLayout(formulaire);
    lapercu_ = new QLabel(this);
    apercu_ = new QListWidget(this);
    apercu_->setObjectName(QStringLiteral("apercucolonnes"));
    lapercu_->setBuddy(apercu_);
    disposition->addWidget(lapercu_);
    disposition->addWidget(apercu_, 1);
    lprobleme_ = new QLabel(this);
    lprobleme_->setObjectName(QStringLiteral("lprobleme"));
    lprobleme_->setWordWrap(true);
    disposition->addWidget(lprobleme_);
    lnote_ = new QLabel(this);
    lnote_->setWordWrap(true);
    disposition->addWidget(lnote_);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    bok_ = boutons->button(QDialogButtonBox::Ok);
    bok_->setObjectName(QStringLiteral("bok"));
    bannuler_ = boutons->button(QDialogButtonBox::Cancel);
    bannuler_->setObjectName(QStringLiteral("bannuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &TFenetreColonnes::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    disposition->addWidget(boutons);
    traduit();
    listes_[0]->setFocus();
}

void TFenetreColonnes::changeEvent(QEvent* evenement) {
    QDialog::changeEvent(evenement);
    if (evenement->type() == QEvent::LanguageChange)
        traduit();
}

void TFenetreColonnes::traduit() {
    setWindowTitle(tr("File columns"));
    lexplication_->setText(tr("Choose the column of the file that holds each part of a draw."));
    for (std::size_t f = 0; f < listes_.size(); ++f) {
        const QString nom = TChoixColonnes::nomchamp(static_cast<TColonneImport>(f));
        etiquettes_[f]->setText(tr("%1:").arg(nom));
        listes_[f]->setAccessibleName(nom);
    }
    lapercu_->setText(tr("&First lines as read:"));
    apercu_->setAccessibleName(tr("First lines as read"));
    lnote_->setText(tr("This mapping will be remembered for files with the same header."));
    bok_->setText(tr("OK"));
    bannuler_->setText(tr("Cancel"));
    remplit();
}

// Each list: none, then the file's columns by number and name.
void TFenetreColonnes::remplit() {
    for (std::size_t f = 0; f < listes_.size(); ++f) {
        const QSignalBlocker bloque(listes_[f]);
        listes_[f]->clear();
        listes_[f]->addItem(tr("(none)"));
        const std::vector<std::string>& colonnes = choix_.colonnes();
        for (std::size_t c = 0; c < colonnes.size(); ++c)
            listes_[f]->addItem(tr("%1: %2").arg(c + 1).arg(QString::fromStdString(colonnes[c])));
        listes_[f]->setCurrentIndex(choix_.correspondance().colonnes[f] + 1);
    }
    affiche();
}

void TFenetreColonnes::affiche() {
    apercu_->clear();
    apercu_->addItems(choix_.apercu());
    const QString probleme = choix_.probleme();
    lprobleme_->setText(probleme);
    lprobleme_->setVisible(!probleme.isEmpty());
    bok_->setEnabled(probleme.isEmpty());
}

void TFenetreColonnes::accept() {
    if (!choix_.probleme().isEmpty())
        return;
    refus_.clear();
    if (choix_.memorise() != Refus::Aucun)
        refus_ = tr("The choice of columns could not be remembered in your configuration folder.");
    QDialog::accept();
}

} // namespace vormigral

#include "windows/apercuimport.h"

#include "windows/colonnes.h"
#include "windows/controleshistorique.h"
#include "windows/texteshistorique.h"

#include <QDialogButtonBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vormigral {

TApercuImport::TApercuImport(QWidget* parent, const TProjetImport& apercu, const QString& fichier)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ApercuImport"));
    setWindowTitle(tr("Import preview"));
    setModal(true);
    resize(760, 440);
    auto* disposition = new QVBoxLayout(this);
    auto* nom = nomme(new QLabel(this), "lfichier");
    nom->setText(tr("File: %1").arg(fichier));
    disposition->addWidget(nom);
    auto* resume = nomme(new QLabel(this), "lresume");
    resume->setText(tr("To add: %1 · Already stored (skipped): %2 · Rejected lines: %3")
                        .arg(apercu.aajouter.size())
                        .arg(apercu.presents.size())
                        .arg(apercu.nbrejetees));
    QFont gras = resume->font();
    gras.setBold(true);
    resume->setFont(gras);
    disposition->addWidget(resume);
    auto* ordre = nomme(new QLabel(this), "lordre");
    ordre->setText(textedates(apercu));
    ordre->setWordWrap(true);
    disposition->addWidget(ordre);

    auto* rejets = nomme(new QTableWidget(static_cast<int>(apercu.rejetees.size()), 3, this), "listerejets");
    rejets->setHorizontalHeaderLabels({tr("Line"), tr("Reason"), tr("Content")});
    rejets->setAccessibleName(tr("Rejected lines"));
    reglevue(rejets);
    rejets->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t i = 0; i < apercu.rejetees.size(); ++i) {
        const TLigneRejetee& r = apercu.rejetees[i];
        const int ligne = static_cast<int>(i);
        auto* numero = new QTableWidgetItem;
        numero->setData(Qt::DisplayRole, r.ligne);
        numero->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rejets->setItem(ligne, 0, numero);
        rejets->setItem(ligne, 1, new QTableWidgetItem(motif(r, apercu.ordre)));
        rejets->setItem(ligne, 2, new QTableWidgetItem(QString::fromStdString(r.texte)));
    }
    // The whole line shows, scrolling sideways when it is long: it is how the user finds it.
    rejets->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    rejets->horizontalHeader()->setStretchLastSection(true);
    auto* titrerejets = etiquettepour(this, "lrejets", rejets);
    titrerejets->setText(apercu.rejetees.empty() ? tr("No line rejected.") : tr("&Rejected lines:"));
    disposition->addWidget(titrerejets);
    disposition->addWidget(rejets, 1);
    rejets->setVisible(!apercu.rejetees.empty());
    if (const std::size_t autres = apercu.nbrejetees - apercu.rejetees.size(); autres > 0) {
        auto* plus = nomme(new QLabel(this), "lplusrejets");
        plus->setText(tr("… and %n more rejected line(s), not listed.", nullptr, static_cast<int>(autres)));
        disposition->addWidget(plus);
    }

    auto* boutons = new QDialogButtonBox(this);
    const std::size_t n = apercu.aajouter.size();
    auto* stocker = boutonhistorique(this, "bstocker");
    stocker->setText(n == 0   ? tr("Nothing to store")
                     : n == 1 ? tr("&Store the draw")
                              : tr("&Store the %1 draws").arg(n));
    stocker->setEnabled(n > 0);
    stocker->setDefault(n > 0);
    auto* annuler = boutonhistorique(this, "bannuler");
    annuler->setText(tr("Cancel"));
    boutons->addButton(stocker, QDialogButtonBox::AcceptRole);
    boutons->addButton(annuler, QDialogButtonBox::RejectRole);
    if (apercu.entete) {
        auto* colonnes = boutonhistorique(this, "bcolonnes");
        colonnes->setText(TFenetreColonnes::libellebouton());
        boutons->addButton(colonnes, QDialogButtonBox::ActionRole);
        connect(colonnes, &QPushButton::clicked, this, [this] { done(colonnesdemandees); });
    }
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    disposition->addWidget(boutons);
    nommeboutons(this);
    (n > 0 ? static_cast<QWidget*>(stocker) : annuler)->setFocus();
}

} // namespace vormigral

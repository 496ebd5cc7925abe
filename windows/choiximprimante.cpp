#include "windows/choiximprimante.h"

#include "app/imprimantechoisie.h"
#include "windows/imprimer.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace vormigral {

namespace {

constexpr int rolesuitdefaut = Qt::UserRole + 1;

} // namespace

TChoixImprimante::TChoixImprimante(const Plateforme& plateforme, Impression& impression, QWidget* parent)
    : QDialog(parent), plateforme_(plateforme), impression_(impression) {
    setObjectName(QStringLiteral("choiximprimante"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(policestandard());
    setFixedSize(440, 300);
    setModal(true);

    lraison = place<QLabel>(this, "lraison", {12, 10, 416, 44});
    lraison->setWordWrap(true);
    listeimprimantes = place<QListWidget>(this, "listeimprimantes", {12, 60, 416, 180});
    lraison->setBuddy(listeimprimantes);
    QPushButton* ok = boutonimage(this, "bok", {232, 252, 94, 36}, "ok");
    QPushButton* annule = boutonimage(this, "bannuler", {334, 252, 94, 36}, "annuler");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annule, &QPushButton::clicked, this, &QDialog::reject);
    connect(listeimprimantes, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(listeimprimantes, &QListWidget::currentRowChanged, ok,
            [ok](int rang) { ok->setEnabled(rang >= 0); });
    traduitchoiximprimante();
}

void TChoixImprimante::traduitchoiximprimante() {
    setWindowTitle(tr("Printer"));
    legende(findChild<QPushButton*>(QStringLiteral("bok")), tr("OK"));
    legende(findChild<QPushButton*>(QStringLiteral("bannuler")), tr("Cancel"));
    listeimprimantes->setAccessibleName(tr("Printers"));
}

void TChoixImprimante::changeEvent(QEvent* evenement) {
    if (evenement->type() == QEvent::LanguageChange)
        traduitchoiximprimante();
    QDialog::changeEvent(evenement);
}

QString TChoixImprimante::description(const TFile& file, bool suitdefaut) const {
    const QString nom = QString::fromStdString(file.nom);
    const QString message =
        file.message.empty() ? QString() : QStringLiteral(" (%1)").arg(QString::fromStdString(file.message));
    if (file.arretee)
        return tr("%1 — stopped%2").arg(nom, message);
    if (!file.accepte)
        return tr("%1 — refuses jobs%2").arg(nom, message);
    if (file.defaut && !suitdefaut)
        return tr("%1 — system default").arg(nom);
    return nom;
}

void TChoixImprimante::choisit() {
    TCodeCups code = TCodeCups::ok;
    const std::vector<TFile> files = impression_.listefiles(code);
    // A print service that did not answer was said already; its silence is not "no printer".
    if (code == TCodeCups::ok || code == TCodeCups::sansimprimante)
        execute(files,
                files.empty()
                    ? tr("No printer is installed on this computer.")
                    : tr("Choose the printer for your slips and lists. The choice is kept for you on "
                         "this computer."),
                true);
}

std::string TChoixImprimante::demande(const std::vector<TFile>& files, bool disparue) {
    const QString raison =
        disparue ? tr("The printer you had chosen no longer exists: choose the one that should print.")
                 : tr("No default printer is set on this computer: choose the one that should print. The "
                      "choice will be kept for the next prints.");
    return execute(files, raison, false).value_or(std::string());
}

std::optional<std::string> TChoixImprimante::execute(const std::vector<TFile>& files, const QString& raison,
                                                     bool suitdefaut) {
    lraison->setText(raison);
    listeimprimantes->clear();
    const auto defaut = std::find_if(files.begin(), files.end(), [](const TFile& f) { return f.defaut; });
    // The system's default is named once: the first row follows it wherever it goes, and the
    // queue's own row below is that queue alone.
    const bool lignesuivre = suitdefaut && defaut != files.end();
    if (lignesuivre) {
        auto* suivre = new QListWidgetItem(
            tr("The system's default printer (%1)").arg(QString::fromStdString(defaut->nom)),
            listeimprimantes);
        suivre->setData(rolesuitdefaut, true);
    }
    const QString memorisee = impression_.imprimantechoisie();
    int choisie = 0;
    for (const TFile& file : files) {
        const QString nom = QString::fromStdString(file.nom);
        auto* element = new QListWidgetItem(description(file, lignesuivre), listeimprimantes);
        element->setData(Qt::UserRole, nom);
        if (nom == memorisee)
            choisie = listeimprimantes->count() - 1;
    }
    listeimprimantes->setCurrentRow(listeimprimantes->count() > 0 ? choisie : -1);
    findChild<QPushButton*>(QStringLiteral("bok"))->setEnabled(listeimprimantes->count() > 0);
    listeimprimantes->setFocus();
    if (exec() != QDialog::Accepted || !listeimprimantes->currentItem())
        return std::nullopt;
    const QListWidgetItem* element = listeimprimantes->currentItem();
    const std::string file = element->data(rolesuitdefaut).toBool()
                                 ? std::string()
                                 : element->data(Qt::UserRole).toString().toStdString();
    garde(file);
    return file;
}

void TChoixImprimante::garde(const std::string& file) {
    if (memoriseimprimante(plateforme_.systeme, QString::fromStdString(file)))
        return;
    plateforme_.messages.message(
        tr("The choice of printer could not be saved in %1: it holds for this time only.")
            .arg(plateforme_.systeme.repertoireconfig()),
        tr("Problem !!"), Boutons::Ok, Icone::Exclamation);
}

} // namespace vormigral

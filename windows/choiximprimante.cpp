#include "windows/choiximprimante.h"

#include "app/imprimantechoisie.h"
#include "windows/imprimer.h"
#include "windows/legendes.h"
#include "windows/outils.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace vormigral {

namespace {

// Every text the window shows, in both languages.
const Legende legendeschoiximprimante[] = {
    {"", "Imprimante", "Printer"},
    {"bok", "OK", "OK"},
    {"bannuler", "Annuler", "Cancel"},
    {"acc:listeimprimantes", "Imprimantes", "Printers"},
    {"raisonmenu",
     "Choisissez l'imprimante de vos bulletins et de vos listes. Ce choix est gardé pour vous sur cet "
     "ordinateur.",
     "Choose the printer for your slips and lists. The choice is kept for you on this computer."},
    {"raisonsansdefaut",
     "Aucune imprimante par défaut n'est réglée sur cet ordinateur : choisissez celle qui doit imprimer. Ce "
     "choix sera gardé pour les impressions suivantes.",
     "No default printer is set on this computer: choose the one that should print. The choice will be kept "
     "for the next prints."},
    {"raisondisparue",
     "L'imprimante que vous aviez choisie n'existe plus : choisissez celle qui doit imprimer.",
     "The printer you had chosen no longer exists: choose the one that should print."},
    {"raisonaucune", "Aucune imprimante n'est installée sur cet ordinateur.",
     "No printer is installed on this computer."},
    {"suitdefaut", "Imprimante par défaut du système (%1)", "The system's default printer (%1)"},
    {"defaut", "%1 — par défaut du système", "%1 — system default"},
    {"refuse", "%1 — refuse les travaux%2", "%1 — refuses jobs%2"},
    {"arretee", "%1 — arrêtée%2", "%1 — stopped%2"},
    {"nonretenu", "Le choix de l'imprimante n'a pas pu être enregistré dans %1 : il vaut pour cette fois.",
     "The choice of printer could not be saved in %1: it holds for this time only."},
};

constexpr int rolesuitdefaut = Qt::UserRole + 1;

QString description(const TFile& file, bool en, bool suitdefaut) {
    const QString nom = QString::fromStdString(file.nom);
    const QString message =
        file.message.empty() ? QString() : QStringLiteral(" (%1)").arg(QString::fromStdString(file.message));
    if (file.arretee)
        return texte(legendeschoiximprimante, "arretee", en).arg(nom, message);
    if (!file.accepte)
        return texte(legendeschoiximprimante, "refuse", en).arg(nom, message);
    if (file.defaut && !suitdefaut)
        return texte(legendeschoiximprimante, "defaut", en).arg(nom);
    return nom;
}

} // namespace

TChoixImprimante::TChoixImprimante(const TEtat& etat, const Plateforme& plateforme, Impression& impression,
                                   QWidget* parent)
    : QDialog(parent), etat_(etat), plateforme_(plateforme), impression_(impression) {
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
    const bool en = anglais(etat_);
    appliquelegendes(this, legendeschoiximprimante, en);
}

void TChoixImprimante::choisit() {
    TCodeCups code = TCodeCups::ok;
    const std::vector<TFile> files = impression_.listefiles(code);
    // A print service that did not answer was said already; its silence is not "no printer".
    if (code == TCodeCups::ok || code == TCodeCups::sansimprimante)
        execute(files, files.empty() ? "raisonaucune" : "raisonmenu", true);
}

std::string TChoixImprimante::demande(const std::vector<TFile>& files, bool disparue) {
    return execute(files, disparue ? "raisondisparue" : "raisonsansdefaut", false).value_or(std::string());
}

std::optional<std::string> TChoixImprimante::execute(const std::vector<TFile>& files, const char* raison,
                                                     bool suitdefaut) {
    traduitchoiximprimante();
    const bool en = anglais(etat_);
    lraison->setText(texte(legendeschoiximprimante, raison, en));
    listeimprimantes->clear();
    const auto defaut = std::find_if(files.begin(), files.end(), [](const TFile& f) { return f.defaut; });
    // The system's default is named once: the first row follows it wherever it goes, and the
    // queue's own row below is that queue alone.
    const bool lignesuivre = suitdefaut && defaut != files.end();
    if (lignesuivre) {
        auto* suivre = new QListWidgetItem(
            texte(legendeschoiximprimante, "suitdefaut", en).arg(QString::fromStdString(defaut->nom)),
            listeimprimantes);
        suivre->setData(rolesuitdefaut, true);
    }
    const QString memorisee = impression_.imprimantechoisie();
    int choisie = 0;
    for (const TFile& file : files) {
        const QString nom = QString::fromStdString(file.nom);
        auto* element = new QListWidgetItem(description(file, en, lignesuivre), listeimprimantes);
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
    const bool en = anglais(etat_);
    plateforme_.messages.message(
        texte(legendeschoiximprimante, "nonretenu", en).arg(plateforme_.systeme.repertoireconfig()),
        texte(titreprobleme, en), Boutons::Ok, Icone::Exclamation);
}

} // namespace vormigral

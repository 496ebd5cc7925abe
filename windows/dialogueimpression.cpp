#include "windows/dialogueimpression.h"

#include "engine/methodes.h"
#include "engine/saisie.h"
#include "engine/serie.h"
#include "printer/surface_qt.h"
#include "printing/calage.h"
#include "printing/impression.h"
#include "windows/apercu.h"
#include "windows/choiximprimante.h"
#include "windows/filtretouches.h"
#include "windows/imprimer.h"
#include "windows/legendes.h"
#include "windows/outils.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace vormigral {

TForm7::TForm7(TEtat& etat, Messages& messages, Impression& impression, SurDemande<TApercu>& apercu,
               SurDemande<TChoixImprimante>& choiximprimante)
    : etat_(etat), messages_(messages), impression_(impression), apercu_(apercu),
      choiximprimante_(choiximprimante), anglaiscreation_(anglais(etat)) {
    setObjectName(QStringLiteral("Form7"));
    setFont(policestandard());
    setFixedSize(477, 290);
    setModal(true);
}

void TForm7::construitcontroles() {
    QLabel* type = etiquette(this, "Label3", 16, 12);
    ComboBox1 = place<QComboBox>(this, "ComboBox1", {16, 30, 445, 22});
    ComboBox1->setEditable(false);
    type->setBuddy(ComboBox1);

    auto* grilles = place<QGroupBox>(this, "GroupBox3", {16, 68, 181, 125});
    QLabel* premiere = etiquette(grilles, "Label1", 16, 38);
    Gpremier = place<QLineEdit>(grilles, "Gpremier", {96, 34, 65, 22});
    premiere->setBuddy(Gpremier);
    QLabel* derniere = etiquette(grilles, "Label2", 16, 82);
    gdernier = place<QLineEdit>(grilles, "gdernier", {96, 78, 65, 22});
    derniere->setBuddy(gdernier);
    auto* testcar = new FiltreTouches("0123456789", this);
    testcar->setObjectName(QStringLiteral("testcar"));
    for (QLineEdit* champ : {Gpremier, gdernier}) {
        champ->setMaxLength(4);
        champ->installEventFilter(testcar);
    }

    auto* mode = place<QGroupBox>(this, "GroupBox2", {209, 68, 252, 125});
    bimptsbull = place<QRadioButton>(mode, "bimptsbull", {14, 36, 232, 20});
    bimpunbull = place<QRadioButton>(mode, "bimpunbull", {14, 80, 232, 20});
    bimptsbull->setChecked(true);

    QPushButton* annule = boutonimage(this, "boutannule", {88, 212, 137, 52}, "annuler");
    QPushButton* lance = boutonimage(this, "boutlancer", {252, 212, 137, 52}, "imprimer");
    lance->setDefault(true);
    connect(annule, &QPushButton::clicked, this, &TForm7::boutannuleClick);
    connect(lance, &QPushButton::clicked, this, &TForm7::boutlancerClick);

    // In the free space beside and below the two buttons, so that nothing else moves.
    QToolButton* apercu = petitbouton(this, "bapercu", {16, 212, 64, 52}, "voir");
    QToolButton* imprimante = petitbouton(this, "bimprimante", {397, 212, 64, 52}, "imprimer");
    connect(apercu, &QToolButton::clicked, this, &TForm7::bapercuClick);
    connect(imprimante, &QToolButton::clicked, this, &TForm7::bimprimanteClick);
    limprimante = place<QLabel>(this, "limprimante", {16, 268, 445, 16});
    // Nothing else starts while printing waits for the print service.
    connect(&impression_, &Impression::occupe, this, [lance, apercu, imprimante](bool oui) {
        for (QWidget* bouton :
             {static_cast<QWidget*>(lance), static_cast<QWidget*>(apercu), static_cast<QWidget*>(imprimante)})
            bouton->setEnabled(!oui);
    });

    traduit(anglaiscreation_);
}

namespace {

// The hints, French only and always shown.
const Legende bullesimpression[] = {
    {"Gpremier", "Entrez le numero de la première grille à imprimer", nullptr},
    {"gdernier", "Entrez le numero de la dernière grille à imprimer", nullptr},
};

// Every text the window shows, in both languages.
const Legende legendesimpression[] = {
    {"", "Imprimer les bulletins", "Print"},
    {"Label3", "TYPE DE BULLETIN", "TICKET TYPE"},
    {"GroupBox3", "Grilles à imprimer", "Grids to print"},
    {"Label1", "Première", "First"},
    {"Label2", "Dernière", "Last"},
    {"GroupBox2", "Type d impression", "Print Type"},
    {"bimptsbull", "Imprimer tous les bulletins à la fois", "Print all the tickets"},
    {"bimpunbull", "Imprimer un bulletin à la fois", "Stop after each tickets"},
    {"boutannule", "Annuler", "Cancel"},
    {"boutlancer", "Imprimer", "Print"},
    {"plageincorrecte", "Numéros des grilles à imprimer incorrect", "Incorrect grid numbers to print"},
    {"bapercu", "Aperçu", "Preview"},
    {"bimprimante", "Imprimante", "Printer"},
    {"acc:bapercu", "Aperçu avant impression", "Print preview"},
    {"acc:bimprimante", "Choisir l'imprimante", "Choose the printer"},
    // The next-slip prompt, French whatever the language.
    {"bulletinsuivant", "Insérez le prochain bulletin et appuyer sur OK",
     "Insérez le prochain bulletin et appuyer sur OK"},
    {"titrebulletinsuivant", "Impression bulletin", "Impression bulletin"},
    {"acc:ComboBox1", "Type de bulletin", "Ticket type"},
    {"acc:Gpremier", "Première grille à imprimer", "First grid to print"},
    {"acc:gdernier", "Dernière grille à imprimer", "Last grid to print"},
};

} // namespace

void TForm7::traduitimpression() {
    construit();
    traduit(anglais(etat_));
}

void TForm7::traduit(bool en) {
    appliquelegendes(this, legendesimpression, en);
    appliquebulles(this, bullesimpression, true);
}

void TForm7::showEvent(QShowEvent* evenement) {
    formshow();
    activate();
    QDialog::showEvent(evenement);
    centreecran(this);
}

void TForm7::formshow() {
    construit();
    traduitimpression();
    ComboBox1->clear();
    for (int type = 1; type <= nbtypesbulletin; ++type)
        ComboBox1->addItem(QString::fromStdString(etat_.typesbulletin[type].nom));
    ComboBox1->setCurrentIndex(0);
}

void TForm7::activate() {
    construit();
    Gpremier->setText(QStringLiteral("1"));
    gdernier->setText(QString::number(grillesmethode()));
    montreimprimante();
}

void TForm7::montreimprimante() {
    impression_.imprimanteprevue(limprimante, [this](const QString& texte) { limprimante->setText(texte); });
}

std::int32_t TForm7::grillesmethode() const {
    const TMethode* m = methodeselectionnee(etat_);
    return m ? m->nbgrilles : 0;
}

void TForm7::boutannuleClick() {
    reject();
}

std::optional<TForm7::Requete> TForm7::requete() const {
    if (ComboBox1->currentIndex() < 0)
        return std::nullopt;
    const std::int32_t mode = bimptsbull->isChecked() ? 1 : 2;
    const std::int32_t premier = valeurtexte(Gpremier->text().toStdString());
    const std::int32_t dernier = valeurtexte(gdernier->text().toStdString());
    // No selected method counts as no grid at all, so every range is refused.
    if (verifieplage(premier, dernier, grillesmethode()) != TPlage::correcte) {
        const bool en = anglais(etat_);
        messages_.message(texte(legendesimpression, "plageincorrecte", en), texte(titreprobleme, en),
                          Boutons::Ok, Icone::Exclamation);
        return std::nullopt;
    }
    return Requete{ComboBox1->currentIndex() + 1, mode, premier, dernier};
}

void TForm7::boutlancerClick() {
    construit();
    const std::optional<Requete> r = requete();
    if (!r)
        return;
    const std::int32_t methode = etat_.methodechoisie;
    const auto suivant = [this] {
        return messages_.message(texte(legendesimpression, "bulletinsuivant", false),
                                 texte(legendesimpression, "titrebulletinsuivant", false), Boutons::OkAnnuler,
                                 Icone::Question) == Reponse::Ok;
    };
    // The program may be quit or started afresh while the run waits: this window may be gone then.
    const QPointer<TForm7> vivant(this);
    const TLancement fait = impression_.imprime([&](SurfaceImpression& surface) {
        imprimebulletins(etat_, surface, methode, r->type, r->mode, r->premier, r->dernier, suivant);
    });
    if (!vivant)
        return;
    // A failed run leaves the dialog open, with the request as it was.
    if (fait.fait)
        accept();
    else
        montreimprimante();
}

void TForm7::bapercuClick() {
    construit();
    const std::optional<Requete> r = requete();
    if (!r)
        return;
    const QPointer<TForm7> vivant(this);
    const std::string file = impression_.imprimanteapercu();
    if (!vivant)
        return;
    const QString nom = QString::fromStdString(file);
    SurfaceQt pages(SurfaceQt::Sortie::Apercu, nom);
    imprimebulletins(etat_, pages, etat_.methodechoisie, r->type, r->mode, r->premier, r->dernier, {});
    SurfaceQt bulletin(SurfaceQt::Sortie::Apercu, nom);
    bulletin.ouvre(documentbulletins);
    dessinebulletin(bulletin, etat_.parametres, etat_.typesbulletin[r->type]);
    bulletin.ferme();
    apercu_().montre(pages, &bulletin, GenreApercu::Bulletins, file);
}

void TForm7::bimprimanteClick() {
    construit();
    const QPointer<TForm7> vivant(this);
    choiximprimante_().choisit();
    if (vivant)
        montreimprimante();
}

} // namespace vormigral

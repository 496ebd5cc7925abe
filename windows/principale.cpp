#include "windows/principale.h"

#include "app/reglages.h"
#include "engine/cases.h"
#include "engine/methodes.h"
#include "engine/serie.h"
#include "files/bulletin.h"
#include "windows/analyse.h"
#include "windows/application.h"
#include "windows/apropos.h"
#include "windows/calage.h"
#include "windows/choixfichier.h"
#include "windows/choiximprimante.h"
#include "windows/choixlangue.h"
#include "windows/comparaison.h"
#include "windows/dialogueimpression.h"
#include "windows/fenetreparametres.h"
#include "windows/historique.h"
#include "windows/imprimer.h"
#include "windows/legendes.h"
#include "windows/listegrilles.h"
#include "windows/visionneuse.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include <cstring>

namespace vormigral {

TForm1::TForm1(TEtat& etat, const Plateforme& plateforme, Reglages& reglages,
               const FenetresPrincipale& fenetres)
    : etat_(etat), plateforme_(plateforme), reglages_(reglages), fenetres_(fenetres) {
    setObjectName(QStringLiteral("Form1"));
    construitactions();
    construitfenetre();
    construitmenus();
    creat();
}

TForm1::~TForm1() = default;

void TForm1::construitactions() {
    struct Commande {
        const char* nom;
        void (TForm1::*execute)();
        QKeySequence raccourci;
    };
    // Named as their menu entries; the two that no menu holds after their buttons' commands.
    const Commande commandes[] = {
        {"Chargerbulletin1", &TForm1::Chargerbulletin1Click, QKeySequence::Open},
        {"EnregistrerBulletin1", &TForm1::EnregistrerBulletin1Click, QKeySequence::Save},
        {"mQuitter1", &TForm1::bquitterClick, QKeySequence::Quit},
        {"mVoirlesbulletins1", &TForm1::bvoirbulletinClick, {}},
        {"mVoirlalistedesbulletins1", &TForm1::bimplistbullClick, {}},
        {"mCompareraveclesrsultats1", &TForm1::bcomparerClick, {}},
        {"Imprimerlesbulletins1", &TForm1::bimpbullClick, QKeySequence::Print},
        {"mAnalysedelamethode1", &TForm1::mAnalysedelamethode1Click, QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"mHistorique1", &TForm1::historiqueClick, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"Paramtres1", &TForm1::Paramtres1Click, {}},
        {"mImprimante1", &TForm1::mImprimante1Click, {}},
        {"mCalage1", &TForm1::mCalage1Click, {}},
        {"Aideenligne1", &TForm1::boutaideClick, QKeySequence::HelpContents},
        {"Infos1", &TForm1::SpeedButton2Click, {}},
        {"effacer", &TForm1::beffacerClick, {}},
        {"aleatoire", &TForm1::aleaclick, {}},
    };
    for (const Commande& c : commandes) {
        auto* commande = new QAction(this);
        commande->setObjectName(QString::fromLatin1(c.nom));
        commande->setShortcut(c.raccourci);
        connect(commande, &QAction::triggered, this, c.execute);
    }
}

QAction* TForm1::action(const char* nom) const {
    return findChild<QAction*>(QString::fromLatin1(nom), Qt::FindDirectChildrenOnly);
}

void TForm1::construitfenetre() {
    setWindowTitle(QStringLiteral("VORMIGRAL"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(policestandard(true));

    auto* zone = new QWidget(this);
    zone->setObjectName(QStringLiteral("zone"));
    zone->setFixedSize(619, 375);
    setCentralWidget(zone);

    auto* banniere = place<QLabel>(zone, "Image3", {2, 5, 610, 50});
    banniere->setPixmap(pixmapsvg(QStringLiteral(":/images/banniere.svg"), {610, 50}));
    banniere->setScaledContents(true);

    auto* infos = place<QToolButton>(zone, "SpeedButton2", {16, 13, 28, 29});
    infos->setIcon(QIcon(pixmapsvg(QStringLiteral(":/images/boutons/infos.svg"), {16, 16})));
    infos->setAutoRaise(true);
    lieaction(infos, action("Infos1"));

    auto* aide = place<QToolButton>(zone, "boutaide", {573, 13, 28, 29});
    aide->setIcon(QIcon(pixmapsvg(QStringLiteral(":/images/boutons/aide.svg"), {16, 16})));
    aide->setAutoRaise(true);
    lieaction(aide, action("Aideenligne1"));

    coche_ = pixmapsvg(QStringLiteral(":/images/coche.svg"), {14, 20});
    bloc_ = std::make_unique<BlocNumeros>(zone, QPoint(30, 59), true);
    for (int numero = 1; numero <= 49; ++numero) {
        ImageCliquable* cellule = bloc_->cellule(numero);
        cellule->setCursor(Qt::PointingHandCursor);
        connect(cellule, &ImageCliquable::clique, this, [this, cellule] { casecoch(cellule->tag()); });
    }

    QLabel* titrechoix = etiquette(zone, "ltitrechoix", 218, 63);
    ComboBox1 = place<QComboBox>(zone, "ComboBox1", {218, 81, 394, 21});
    titrechoix->setBuddy(ComboBox1);
    ComboBox1->setEditable(false);
    ComboBox1->setFont(policestandard(false));
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm1::changemethode);

    struct Bouton {
        const char* nom;
        QRect geometrie;
        const char* image;
        const char* commande;
    };
    const Bouton boutons[] = {
        {"bvoirbulletin", {293, 106, 292, 31}, "voir", "mVoirlesbulletins1"},
        {"bimplistbull", {293, 141, 145, 31}, "liste", "mVoirlalistedesbulletins1"},
        {"bimpbull", {441, 140, 144, 32}, "imprimer", "Imprimerlesbulletins1"},
        {"bcomparer", {293, 176, 292, 31}, "comparer", "mCompareraveclesrsultats1"},
        {"beffacer", {293, 210, 292, 31}, "effacer", "effacer"},
        {"bnaleat", {294, 244, 292, 33}, "hasard", "aleatoire"},
        {"bquitter", {453, 282, 132, 69}, "quitter", "mQuitter1"},
    };
    for (const Bouton& b : boutons) {
        QPushButton* bouton = boutonimage(zone, b.nom, b.geometrie, b.image);
        bouton->setFont(policestandard(std::strcmp(b.nom, "bquitter") == 0));
        lieaction(bouton, action(b.commande));
    }

    auto* cadre = place<QGroupBox>(zone, "GroupBox1", {293, 279, 133, 69});
    nbcoch = etiquette(cadre, "nbcoch", 53, 35);
    nbcoch->setFont(police("MS Sans Serif", 16, true));
    QPalette couleurs = nbcoch->palette();
    couleurs.setColor(QPalette::WindowText, QColor(0, 0, 128));
    nbcoch->setPalette(couleurs);
    nbcoch->setText(QStringLiteral("0"));
    nbcoch->adjustSize();

    auto* statut = place<QFrame>(zone, "Panel1", {0, 354, 638, 18});
    statut->setFrameShape(QFrame::Panel);
    statut->setFrameShadow(QFrame::Sunken);
    Label2 = place<QLabel>(statut, "Label2", {10, 4, 547, 13});
    Label2->setFont(policestandard(false));

    auto* vide = place<QLabel>(zone, "imagevide", {11, 123, 14, 20});
    vide->setAlignment(Qt::AlignCenter);
    auto* cochee = place<QLabel>(zone, "imagecochee", {11, 65, 14, 20});
    cochee->setPixmap(coche_);
    cochee->hide();

    // The cells come first, then the list and the commands in their reading order; the two
    // picture buttons, whose commands the menus also hold, close the round.
    const auto bouton = [zone](const char* nom) {
        return zone->findChild<QWidget*>(QString::fromLatin1(nom));
    };
    bloc_->ordretabulation({ComboBox1, bouton("bvoirbulletin"), bouton("bimplistbull"), bouton("bimpbull"),
                            bouton("bcomparer"), bouton("beffacer"), bouton("bquitter"), bouton("bnaleat"),
                            infos, aide});
    ComboBox1->setFocus();
}

void TForm1::construitmenus() {
    const auto menu = [this](const char* nom, std::initializer_list<const char*> commandes) {
        QMenu* m = menuBar()->addMenu(QString());
        m->setObjectName(QString::fromLatin1(nom));
        for (const char* commande : commandes)
            m->addAction(action(commande));
    };
    menuBar()->setFont(policestandard(false));
    menu("Fichier1", {"Chargerbulletin1", "EnregistrerBulletin1", "mQuitter1"});
    menu("Utilisation1", {"mVoirlesbulletins1", "mVoirlalistedesbulletins1", "mCompareraveclesrsultats1",
                          "Imprimerlesbulletins1", "mAnalysedelamethode1", "mHistorique1"});
    menu("Options1", {"Paramtres1", "mImprimante1", "mCalage1"});
    menu("Aide1", {"Aideenligne1", "Infos1"});
}

void TForm1::creat() {
    initmethodes();
    effacecases();
    traduitprincipale();
    initbulletins(etat_.typesbulletin);
}

void TForm1::activate() {
    if (!etat_.parexiste) {
        etat_.parexiste = true;
        fenetres_.choixlangue.exec();
        traduitprincipale();
        initmethodes();
    }
    // After the language is known, so that the message about the settings file speaks it.
    reglages_.signale(etat_, plateforme_.messages);
}

void TForm1::keyPressEvent(QKeyEvent* evenement) {
    // Outside a dialog a button leaves Return and Enter to its window: here they press it.
    const int touche = evenement->key();
    if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) && evenement->modifiers() == Qt::NoModifier) {
        if (auto* bouton = qobject_cast<QAbstractButton*>(focusWidget())) {
            bouton->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(evenement);
}

bool TForm1::event(QEvent* evenement) {
    const bool resultat = QMainWindow::event(evenement);
    if (evenement->type() == QEvent::WindowActivate)
        activate();
    return resultat;
}

void TForm1::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    if (!centree_) {
        centree_ = true;
        adjustSize();
        setFixedSize(size());
        centreecran(this);
    }
}

std::int32_t TForm1::methodechoisie() const {
    return etat_.methodechoisie;
}

void TForm1::changemethode() {
    // The list item carries the method number in its last characters; this is the one place that
    // reads it back, so every other window asks the working state.
    etat_.methodechoisie =
        ComboBox1->currentIndex() < 0 ? -1 : methodedutexte(ComboBox1->currentText().toStdString());
    affichestatut();
}

std::int32_t TForm1::comptecoches() const {
    return vormigral::comptecoches(etat_);
}

void TForm1::affichenbcoch() {
    nbcoch->setText(QString::number(comptecoches()));
    nbcoch->adjustSize();
    affichestatut();
}

void TForm1::construitnumcoch() {
    vormigral::construitnumcoch(etat_);
    affichenbcoch();
}

void TForm1::effacecases() {
    vormigral::effacecases(etat_);
    affichecases();
}

void TForm1::affichecases() {
    for (int numero = 1; numero <= 49; ++numero)
        bloc_->marque(numero, etat_.casescoch[numero] != 0, coche_);
}

void TForm1::tirealeatoire(std::int32_t n) {
    Hasard& hasard = plateforme_.hasard;
    hasard.initialise();
    vormigral::tirealeatoire(etat_, n, [&hasard](int l) { return hasard.tire(l); });
    affichecases();
}

namespace {

// Every text the main window shows, in both languages.
const Legende legendesprincipale[] = {
    {"ltitrechoix", "Choix de la méthode", "Choose the method"},
    {"bvoirbulletin", "Voir les grilles", "View the grids"},
    {"bimplistbull", "Voir la liste des grilles", "View the list of the grids"},
    {"bimpbull", "Imprimer les grilles", "Print the grids"},
    {"bcomparer", "Comparer avec les résultats", "Compare with the results"},
    {"beffacer", "Effacer la grille", "Clear the bill"},
    {"bnaleat", "Numéros aléatoires", "Random numbers"},
    {"bquitter", "Quitter", "Quit"},
    {"GroupBox1", "Cases cochées", "numbers selected"},
    // Menus and their items: "&" marks the letter that opens them with Alt (underlined on screen).
    {"Fichier1", "&Fichiers", "&Files"},
    {"Chargerbulletin1", "&Charger bulletin", "&Load Bill"},
    {"EnregistrerBulletin1", "&Enregistrer bulletin", "&Save Bill"},
    {"mQuitter1", "&Quitter", "&Quit"},
    {"Utilisation1", "&Utilisation", "&Utilize"},
    {"mVoirlesbulletins1", "&Voir les bulletins", "&View the grids"},
    {"mVoirlalistedesbulletins1", "Voir la &liste des bulletins", "View the &list of the grids"},
    {"mCompareraveclesrsultats1", "&Comparer avec les resultats", "&Compare with the results"},
    {"Imprimerlesbulletins1", "&Imprimer les grilles", "&Print the grids"},
    {"mAnalysedelamethode1", "&Analyse de la méthode", "Method &analysis"},
    {"mHistorique1", "&Historique des tirages", "Draw &history"},
    {"Options1", "&Options", "&Options"},
    {"Paramtres1", "&Paramètres", "&Parameters"},
    {"mImprimante1", "&Imprimante…", "P&rinter…"},
    {"mCalage1", "&Feuille de calage…", "&Calibration sheet…"},
    {"Aide1", "&Aide", "&Help"},
    {"Aideenligne1", "&Aide en ligne", "&Help"},
    {"Infos1", "&Infos", "&Infos"},
    // What screen readers call the controls that show no text of their own.
    {"acc:SpeedButton2", "Informations", "Information"},
    {"acc:boutaide", "Aide", "Help"},
    {"acc:pgrille", "Numéros à cocher", "Numbers to tick"},
    {"acc:ComboBox1", "Choix de la méthode", "Choose the method"},
    {"bulleaide", "Aide", "Help"},
    {"bulleinfos", "Informations", "Informations"},
    {"statut", "Méthode %1 : %2 numéros à cocher, %3 cochés.", "Method %1: tick %2 numbers, %3 ticked."},
    {"selectionincorrecte", "Sélection incorrecte", "Incorrect Selection"},
    // The grid-file messages, French in both languages.
    {"fichierinexistant", "Fichier inexistant", "Fichier inexistant"},
    {"erreurlecture", "Erreur à la lecture du fichier", "Erreur à la lecture du fichier"},
    {"pasgrille", "Ce n'est pas un fichier grille", "Ce n'est pas un fichier grille"},
    {"continuer", "Continuer quand même ?", "Continuer quand même ?"},
    {"fichierexistant", "Fichier existant !!", "Fichier existant !!"},
    {"probleme", "Il y a eu un problème", "Il y a eu un problème"},
    {"nonsauvegarde", "Fichier non sauvegardé !!", "Fichier non sauvegardé !!"},
    {"nomcache",
     "Un nom qui commence par un point désigne un fichier caché, que la liste des fichiers ne montre pas : "
     "le fichier n'a pas été enregistré. Choisissez un autre nom.",
     "A name that starts with a dot makes a hidden file, which the file list does not show: the file was "
     "not saved. Choose another name."},
};

// The hints, shown in French only.
const Legende bullesprincipale[] = {
    {"bvoirbulletin", "Visualiser les bulletins à cocher", nullptr},
    {"bimplistbull", "Visualiser la liste des bulletins", nullptr},
    {"bimpbull", "Effectuer l'impression des bulletins", nullptr},
    {"bcomparer", "Comparer la grille et la méthode choisies avec les résultats", nullptr},
    {"beffacer", "Effacer la grille", nullptr},
    {"bquitter", "Quitter le logiciel", nullptr},
};

} // namespace

void TForm1::traduitprincipale() {
    const bool en = anglais(etat_);
    traduitqt(en);
    appliquelegendes(this, legendesprincipale, en);
    findChild<QWidget*>(QStringLiteral("boutaide"))->setToolTip(texte(legendesprincipale, "bulleaide", en));
    findChild<QWidget*>(QStringLiteral("SpeedButton2"))
        ->setToolTip(texte(legendesprincipale, "bulleinfos", en));
    appliquebulles(this, bullesprincipale, !en);
    affichestatut();
}

void TForm1::initmethodes() {
    vormigral::initmethodes(etat_.methodes);
    QSignalBlocker bloqueur(ComboBox1);
    ComboBox1->clear();
    for (const std::string& item : listemethodes(etat_.methodes, etat_.parametres.langue)) {
        ComboBox1->addItem(QString::fromStdString(item));
        // Screen readers read the description alone, without the blanks and the number that
        // follow it for the list's order.
        if (const TMethode* m = methode(etat_.methodes, methodedutexte(item)))
            ComboBox1->setItemData(ComboBox1->count() - 1,
                                   QString::fromStdString(libelle(*m, etat_.parametres.langue)),
                                   Qt::AccessibleTextRole);
    }
    ComboBox1->setCurrentIndex(0);
    bloqueur.unblock();
    changemethode();
}

void TForm1::affichestatut() {
    if (!Label2)
        return;
    const TMethode* m = methodeselectionnee(etat_);
    if (!m) {
        Label2->clear();
        return;
    }
    const int coches = comptecoches();
    Label2->setText(texte(legendesprincipale, "statut", anglais(etat_))
                        .arg(methodechoisie())
                        .arg(m->nbnumeros)
                        .arg(coches));
}

void TForm1::casecoch(int numero) {
    if (numero < 1 || numero > 49)
        return;
    const bool cochee = etat_.casescoch[numero] == 0;
    etat_.casescoch[numero] = cochee ? 1 : 0;
    bloc_->marque(numero, cochee, coche_);
    affichenbcoch();
}

void TForm1::beffacerClick() {
    effacecases();
    affichenbcoch();
}

void TForm1::aleaclick() {
    const TMethode* m = methodeselectionnee(etat_);
    if (!m || m->nbnumeros <= 0)
        return;
    tirealeatoire(m->nbnumeros);
    affichenbcoch();
}

void TForm1::commande(QDialog* fenetre) {
    if (selectioncorrecte(etat_)) {
        construitnumcoch();
        fenetre->exec();
        return;
    }
    const bool en = anglais(etat_);
    plateforme_.messages.message(texte(legendesprincipale, "selectionincorrecte", en),
                                 texte(titreprobleme, en), Boutons::Ok, Icone::Exclamation);
}

void TForm1::bvoirbulletinClick() {
    commande(&fenetres_.visionneuse);
}

void TForm1::bimplistbullClick() {
    commande(&fenetres_.liste);
}

void TForm1::bcomparerClick() {
    commande(&fenetres_.comparaison);
}

void TForm1::bimpbullClick() {
    commande(&fenetres_.impression);
}

void TForm1::mAnalysedelamethode1Click() {
    fenetres_.analyse().exec();
}

void TForm1::historiqueClick() {
    fenetres_.historique().exec();
}

void TForm1::Paramtres1Click() {
    const std::int32_t avant = etat_.parametres.langue;
    fenetres_.parametres.exec();
    if (etat_.parametres.langue != avant) {
        traduitprincipale();
        initmethodes();
    }
}

void TForm1::mImprimante1Click() {
    fenetres_.choiximprimante().choisit();
}

void TForm1::mCalage1Click() {
    fenetres_.calage().exec();
}

void TForm1::annonce(const QString& texte) {
    // Until the next change of method or ticks, which brings the usual line back.
    Label2->setText(texte);
}

void TForm1::boutaideClick() {
    plateforme_.aide.contenu(QStringLiteral("vormigral.hlp"));
}

void TForm1::SpeedButton2Click() {
    fenetres_.apropos.show();
    fenetres_.apropos.raise();
    fenetres_.apropos.activateWindow();
}

void TForm1::problemefichier(const char* nom) {
    // The grid-file messages are French whatever the language.
    plateforme_.messages.message(texte(legendesprincipale, nom, false), texte(titreprobleme, false),
                                 Boutons::Ok, Icone::Aucune);
}

void TForm1::Chargerbulletin1Click() {
    const std::optional<TChoixFichier> choix = fenetres_.choixfichier.demandechargement();
    if (!choix)
        return;
    switch (chargebulletin(etat_, choix->repertoire, choix->nom, choix->liste)) {
    case LectureGrille::Inexistant:
        return problemefichier("fichierinexistant");
    case LectureGrille::Illisible:
        return problemefichier("erreurlecture");
    case LectureGrille::PasGrille:
        return problemefichier("pasgrille");
    case LectureGrille::Lu:
        break;
    }
    const std::int32_t position = etat_.fichiergrille.posmethode;
    // A position the list does not have (a damaged or hand-edited file) would leave it without a
    // selection: the current one stays, and the ticks are loaded all the same.
    if (position >= 0 && position < ComboBox1->count())
        ComboBox1->setCurrentIndex(position);
    affichecases();
    affichenbcoch();
}

void TForm1::EnregistrerBulletin1Click() {
    const std::optional<TChoixFichier> choix = fenetres_.choixfichier.demandeenregistrement();
    if (!choix)
        return;
    Messages& messages = plateforme_.messages;
    const AvantEnregistrement avant = preparebulletin(etat_, choix->repertoire, choix->nom, choix->liste);
    if (avant == AvantEnregistrement::Cache) {
        const bool en = anglais(etat_);
        // Like every other message about grid files, it carries no icon.
        messages.message(texte(legendesprincipale, "nomcache", en), texte(titreprobleme, en), Boutons::Ok,
                         Icone::Aucune);
        return;
    }
    if (avant == AvantEnregistrement::Existant &&
        messages.message(texte(legendesprincipale, "continuer", false),
                         texte(legendesprincipale, "fichierexistant", false), Boutons::OuiNon,
                         Icone::Aucune) != Reponse::Oui)
        return;
    if (enregistrebulletin(etat_, ComboBox1->currentIndex(), choix->liste))
        return;
    messages.bip();
    messages.message(texte(legendesprincipale, "probleme", false),
                     texte(legendesprincipale, "nonsauvegarde", false), Boutons::Ok, Icone::Aucune);
}

void TForm1::bquitterClick() {
    reglages_.sauve(etat_, plateforme_);
    close();
}

void TForm1::closeEvent(QCloseEvent* evenement) {
    QMainWindow::closeEvent(evenement);
    // Closing the main window ends the run even while the about box or the help is open.
    if (evenement->isAccepted())
        QCoreApplication::quit();
}

} // namespace vormigral

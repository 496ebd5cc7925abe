#include "windows/principale.h"

#include "app/langue.h"
#include "app/reglages.h"
#include "engine/cases.h"
#include "engine/methodes.h"
#include "engine/serie.h"
#include "files/bulletin.h"
#include "windows/analyse.h"
#include "windows/apropos.h"
#include "windows/calage.h"
#include "windows/choixfichier.h"
#include "windows/choiximprimante.h"
#include "windows/choixlangue.h"
#include "windows/comparaison.h"
#include "windows/couleurs.h"
#include "windows/dialogueimpression.h"
#include "windows/exportation.h"
#include "windows/fenetreparametres.h"
#include "windows/historique.h"
#include "windows/imprimer.h"
#include "windows/libelles.h"
#include "windows/listegrilles.h"
#include "windows/mesroues.h"
#include "windows/tailleaffichage.h"
#include "windows/traduction.h"
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

TForm1::TForm1(TEtat& etat, const Plateforme& plateforme, Reglages& reglages, Langue& langue,
               const FenetresPrincipale& fenetres)
    : etat_(etat), plateforme_(plateforme), reglages_(reglages), langue_(langue), fenetres_(fenetres) {
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
        {"Exportergrilles1", &TForm1::exportegrillesClick, {}},
        {"mQuitter1", &TForm1::bquitterClick, QKeySequence::Quit},
        {"mVoirlesbulletins1", &TForm1::bvoirbulletinClick, {}},
        {"mVoirlalistedesbulletins1", &TForm1::bimplistbullClick, {}},
        {"mCompareraveclesrsultats1", &TForm1::bcomparerClick, {}},
        {"Imprimerlesbulletins1", &TForm1::bimpbullClick, QKeySequence::Print},
        {"mAnalysedelamethode1", &TForm1::mAnalysedelamethode1Click, QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"mHistorique1", &TForm1::historiqueClick, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"mMesroues1", &TForm1::mesrouesClick, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"Paramtres1", &TForm1::Paramtres1Click, {}},
        {"mImprimante1", &TForm1::mImprimante1Click, {}},
        {"mCalage1", &TForm1::mCalage1Click, {}},
        {"mTailleAffichage1", &TForm1::mTailleAffichage1Click, {}},
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
    colorie();
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
    menu("Fichier1", {"Chargerbulletin1", "EnregistrerBulletin1", "Exportergrilles1", "mQuitter1"});
    menu("Utilisation1", {"mVoirlesbulletins1", "mVoirlalistedesbulletins1", "mCompareraveclesrsultats1",
                          "Imprimerlesbulletins1", "mAnalysedelamethode1", "mHistorique1", "mMesroues1"});
    menu("Options1", {"Paramtres1", "mImprimante1", "mCalage1", "mTailleAffichage1"});
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
        // The language's own change re-lists the methods; the same language, too.
        if (!langue_.applique(etat_.parametres.langue))
            initmethodes();
    }
    // After the language is known, so that the message about the settings file speaks it.
    reglages_.signale(plateforme_.messages);
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

void TForm1::traduitprincipale() {
    //: The program's name, the same in every language.
    setWindowTitle(tr("VORMIGRAL"));
    const auto etiquette = [this](const char* nom) { return findChild<QLabel*>(QString::fromLatin1(nom)); };
    const auto bouton = [this](const char* nom) {
        return findChild<QAbstractButton*>(QString::fromLatin1(nom));
    };
    const auto menu = [this](const char* nom) { return findChild<QMenu*>(QString::fromLatin1(nom)); };
    legende(etiquette("ltitrechoix"), tr("Choose the method"));
    legende(bouton("bvoirbulletin"), tr("View the grids"));
    legende(bouton("bimplistbull"), tr("View the list of the grids"));
    legende(bouton("bimpbull"), tr("Print the grids"));
    legende(bouton("bcomparer"), tr("Compare with the results"));
    legende(bouton("beffacer"), tr("Clear the bill"));
    legende(bouton("bnaleat"), tr("Random numbers"));
    legende(bouton("bquitter"), tr("Quit"));
    legende(findChild<QGroupBox*>(QStringLiteral("GroupBox1")), tr("numbers selected"));
    // Menus and their entries: "&" marks the letter that opens them with Alt (underlined on screen).
    legende(menu("Fichier1"), tr("&Files"));
    legende(action("Chargerbulletin1"), tr("&Load Bill"));
    legende(action("EnregistrerBulletin1"), tr("&Save Bill"));
    legende(action("Exportergrilles1"), tr("&Export grids…"));
    legende(action("mQuitter1"), tr("&Quit"));
    legende(menu("Utilisation1"), tr("&Utilize"));
    legende(action("mVoirlesbulletins1"), tr("&View the grids"));
    legende(action("mVoirlalistedesbulletins1"), tr("View the &list of the grids"));
    legende(action("mCompareraveclesrsultats1"), tr("&Compare with the results"));
    legende(action("Imprimerlesbulletins1"), tr("&Print the grids"));
    legende(action("mAnalysedelamethode1"), tr("Method &analysis"));
    legende(action("mHistorique1"), tr("Draw &history"));
    legende(action("mMesroues1"), tr("My &wheels…"));
    legende(menu("Options1"), tr("&Options"));
    legende(action("Paramtres1"), tr("&Parameters"));
    legende(action("mImprimante1"), tr("P&rinter…"));
    legende(action("mCalage1"), tr("&Calibration sheet…"));
    legende(action("mTailleAffichage1"), tr("&Display size…"));
    legende(menu("Aide1"), tr("&Help", "the menu"));
    legende(action("Aideenligne1"), tr("&Help", "the menu entry that opens the help"));
    legende(action("Infos1"), tr("&Infos"));
    // What screen readers call the controls that show no text of their own.
    bouton("SpeedButton2")->setAccessibleName(tr("Information"));
    bouton("boutaide")->setAccessibleName(tr("Help"));
    bloc_->pgrille()->setAccessibleName(tr("Numbers to tick"));
    ComboBox1->setAccessibleName(tr("Choose the method"));
    bouton("boutaide")->setToolTip(tr("Help"));
    bouton("SpeedButton2")->setToolTip(tr("Informations"));
    traduitbulles();
    affichestatut();
}

void TForm1::traduitbulles() {
    // The buttons' hints are French, and shown only when the program speaks French.
    const bool visibles = langue_.courante() != Langue::anglais;
    const std::pair<const char*, QString> bulles[] = {
        //: A hint, French in both languages.
        {"bvoirbulletin", tr("View the slips to tick")},
        //: A hint, French in both languages.
        {"bimplistbull", tr("View the list of the slips")},
        //: A hint, French in both languages.
        {"bimpbull", tr("Print the slips")},
        //: A hint, French in both languages.
        {"bcomparer", tr("Compare the chosen grid and method with the results")},
        //: A hint, French in both languages.
        {"beffacer", tr("Clear the grid")},
        //: A hint, French in both languages.
        {"bquitter", tr("Quit the program")},
    };
    for (const auto& [nom, bulle] : bulles)
        findChild<QWidget*>(QString::fromLatin1(nom))->setToolTip(visibles ? bulle : QString());
}

void TForm1::changeEvent(QEvent* evenement) {
    // The method list speaks the language too: it is made again, its first entry selected.
    if (evenement->type() == QEvent::LanguageChange) {
        traduitprincipale();
        initmethodes();
    } else if (evenement->type() == QEvent::PaletteChange) {
        colorie();
    }
    QMainWindow::changeEvent(evenement);
}

void TForm1::initmethodes() {
    vormigral::initmethodes(etat_.methodes);
    QSignalBlocker bloqueur(ComboBox1);
    ComboBox1->clear();
    for (const std::string& item : listemethodes(libellesmethodes(etat_.methodes))) {
        ComboBox1->addItem(QString::fromStdString(item));
        // Screen readers read the description alone, without the blanks and the number that
        // follow it for the list's order.
        if (const std::int32_t m = methodedutexte(item); methode(etat_.methodes, m))
            ComboBox1->setItemData(ComboBox1->count() - 1, libellemethode(etat_.methodes, m),
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
    Label2->setText(
        tr("Method %1: tick %2 numbers, %3 ticked.").arg(methodechoisie()).arg(m->nbnumeros).arg(coches));
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

bool TForm1::selectionpermise() {
    if (selectioncorrecte(etat_))
        return true;
    plateforme_.messages.message(tr("Incorrect Selection"), tr("Problem !!"), Boutons::Ok,
                                 Icone::Exclamation);
    return false;
}

void TForm1::commande(QDialog* fenetre) {
    if (!selectionpermise())
        return;
    construitnumcoch();
    fenetre->exec();
}

void TForm1::exportegrillesClick() {
    if (selectionpermise())
        ExportGrilles(plateforme_.fichiers, plateforme_.messages).exportemethode(etat_);
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

void TForm1::mesrouesClick() {
    // Not modal: a build runs while the player ticks numbers in this window.
    TMesRoues& roues = fenetres_.mesroues();
    roues.show();
    roues.raise();
    roues.activateWindow();
}

void TForm1::Paramtres1Click() {
    const std::int32_t avant = etat_.parametres.langue;
    fenetres_.parametres.exec();
    // A new setting that names the language already shown (French, after a value the program does
    // not know) re-lists the methods all the same.
    if (!langue_.applique(etat_.parametres.langue) && etat_.parametres.langue != avant)
        initmethodes();
}

void TForm1::mImprimante1Click() {
    fenetres_.choiximprimante().choisit();
}

void TForm1::mCalage1Click() {
    fenetres_.calage().exec();
}

void TForm1::mTailleAffichage1Click() {
    fenetres_.tailleaffichage().exec();
}

// The ticked count in navy where the desktop's palette is light, in a lighter blue where it is dark.
void TForm1::colorie() {
    if (nbcoch)
        vormigral::colorie(nbcoch, QColor(0, 0, 128));
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

void TForm1::problemefichier(const QString& texte) {
    //: The title of the grid-file messages, French in both languages.
    plateforme_.messages.message(texte, tr("Problem !!", "grid-file message"), Boutons::Ok, Icone::Aucune);
}

void TForm1::Chargerbulletin1Click() {
    const std::optional<TChoixFichier> choix = fenetres_.choixfichier.demandechargement();
    if (!choix)
        return;
    // The grid-file messages are French in both languages.
    switch (chargebulletin(etat_, choix->repertoire, choix->nom, choix->liste)) {
    case LectureGrille::Inexistant:
        //: A grid-file message, French in both languages.
        return problemefichier(tr("File not found"));
    case LectureGrille::Illisible:
        //: A grid-file message, French in both languages.
        return problemefichier(tr("Error reading the file"));
    case LectureGrille::PasGrille:
        //: A grid-file message, French in both languages.
        return problemefichier(tr("This is not a grid file"));
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
        // Like every other message about grid files, it carries no icon.
        messages.message(tr("A name that starts with a dot makes a hidden file, which the file list does not "
                            "show: the file was not saved. Choose another name."),
                         tr("Problem !!"), Boutons::Ok, Icone::Aucune);
        return;
    }
    if (avant == AvantEnregistrement::Existant &&
        //: A grid-file message, French in both languages.
        messages.message(tr("Continue anyway?"),
                         //: A grid-file message, French in both languages.
                         tr("File already exists !!"), Boutons::OuiNon, Icone::Aucune) != Reponse::Oui)
        return;
    if (enregistrebulletin(etat_, ComboBox1->currentIndex(), choix->liste))
        return;
    messages.bip();
    //: A grid-file message, French in both languages.
    messages.message(tr("There was a problem"),
                     //: A grid-file message, French in both languages.
                     tr("File not saved !!"), Boutons::Ok, Icone::Aucune);
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

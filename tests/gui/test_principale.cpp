#include "tests/support/doubles.h"

#include "engine/cases.h"
#include "files/parametres.h"
#include "windows/apropos.h"
#include "windows/fenetreparametres.h"
#include "windows/principale.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace vormigral;
using namespace vormigral::test;

namespace {

// Selects the list entry of method m.
void cochenumeros(TForm1& f, std::initializer_list<int> numeros) {
    for (int n : numeros)
        cliquecase(&f, n);
}

} // namespace

class TestPrincipale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void cocheetdecoche();
    void effacer();
    void hasard();
    void porte_data();
    void porte();
    void porteselectionvide();
    void uneactionparcommande_data();
    void uneactionparcommande();
    void valeurautrequeun();
    void premierlancement();
    void changementdelangue_data();
    void changementdelangue();
    void quitterecrit16octets();
    void fermerparlecadre();
    void echecdesauvegarde();
    void filtredesdecalages();
    void decalagesconvertis_data();
    void decalagesconvertis();
    void langueinconnue();
    void demarrageenanglais();
    void aideetapropos();
};

void TestPrincipale::cocheetdecoche() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    auto* compte = controle<QLabel>(&f, "nbcoch");
    QCOMPARE(compte->text(), QStringLiteral("0"));
    cochenumeros(f, {1, 10, 49});
    QCOMPARE(compte->text(), QStringLiteral("3"));
    QCOMPARE(banc.etat().casescoch[10], 1);
    QVERIFY(!controle<QLabel>(&f, "Image43")->pixmap().isNull() == false); // number 2 untouched
    QVERIFY(!controle<QLabel>(&f, "Image51")->pixmap().isNull());          // number 10 ticked
    cliquecase(&f, 10);
    QCOMPARE(compte->text(), QStringLiteral("2"));
    QCOMPARE(banc.etat().casescoch[10], 0);
    QVERIFY(controle<QLabel>(&f, "Image51")->pixmap().isNull());
    // Ticking never rebuilds the list the expansions read.
    QCOMPARE(banc.etat().numcoch[1], 0);
}

void TestPrincipale::effacer() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    cochenumeros(f, {5, 6, 7});
    QTest::mouseClick(controle<QPushButton>(&f, "beffacer"), Qt::LeftButton);
    QCOMPARE(controle<QLabel>(&f, "nbcoch")->text(), QStringLiteral("0"));
    for (int t = 1; t <= 49; ++t) {
        QCOMPARE(banc.etat().casescoch[t], 0);
        QVERIFY(controle<QLabel>(&f, BlocNumeros::nomcellule(t).toLatin1().constData())->pixmap().isNull());
    }
}

void TestPrincipale::hasard() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    choisismethode(f, 10);
    cochenumeros(f, {1, 2, 3});
    auto* bouton = controle<QPushButton>(&f, "bnaleat");
    QTest::mouseClick(bouton, Qt::LeftButton);
    QCOMPARE(comptecoches(banc.etat()), 12);
    QCOMPARE(controle<QLabel>(&f, "nbcoch")->text(), QStringLiteral("12"));
    int marquees = 0;
    for (int t = 1; t <= 49; ++t)
        marquees += controle<QLabel>(&f, BlocNumeros::nomcellule(t).toLatin1().constData())->pixmap().isNull()
                        ? 0
                        : 1;
    QCOMPARE(marquees, 12);
    const auto premier = banc.etat().casescoch;
    QTest::mouseClick(bouton, Qt::LeftButton);
    QCOMPARE(comptecoches(banc.etat()), 12);
    QVERIFY(banc.etat().casescoch != premier);
    QCOMPARE(banc.hasard.graines, 2u);
}

void TestPrincipale::porte_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<int>("langue");
    const char* commandes[][2] = {{"bvoirbulletin", "Form2"}, {"mVoirlesbulletins1", "Form2"},
                                  {"bimplistbull", "Form5"},  {"mVoirlalistedesbulletins1", "Form5"},
                                  {"bcomparer", "Form8"},     {"mCompareraveclesrsultats1", "Form8"},
                                  {"bimpbull", "Form7"},      {"Imprimerlesbulletins1", "Form7"}};
    for (int langue : {1, 2})
        for (const auto& c : commandes)
            QTest::addRow("%s %s", c[0], langue == 2 ? "en" : "fr")
                << QString::fromLatin1(c[0]) << QString::fromLatin1(c[1]) << langue;
}

// Every command opens its window only when the ticked count equals the method's, and says why not
// otherwise, whichever side the count misses on.
void TestPrincipale::porte() {
    QFETCH(QString, commande);
    QFETCH(QString, fenetre);
    QFETCH(int, langue);
    Banc banc;
    ecrisparametres(banc, langue);
    banc.demarre();
    TForm1& f = banc.principale();
    choisismethode(f, 3); // ten numbers
    QObject* objet = f.findChild<QObject*>(commande);
    QVERIFY(objet);
    const auto declenche = [objet] {
        if (auto* bouton = qobject_cast<QPushButton*>(objet))
            QTest::mouseClick(bouton, Qt::LeftButton);
        else
            qobject_cast<QAction*>(objet)->trigger();
    };
    QString ouverte;
    for (int n : {0, 9, 11}) {
        banc.etat().casescoch.fill(0);
        for (int t = 1; t <= n; ++t)
            banc.etat().casescoch[t] = 1;
        banc.messages.messages.clear();
        declenche();
        QCOMPARE(banc.messages.messages.size(), 1);
        const MessageEnregistre& m = banc.messages.messages.first();
        QCOMPARE(m.texte, langue == 2 ? QStringLiteral("Incorrect Selection")
                                      : QStringLiteral("Sélection incorrecte"));
        QCOMPARE(m.titre, langue == 2 ? QStringLiteral("Problem !!") : QStringLiteral("Problème !!"));
        QCOMPARE(m.icone, Icone::Exclamation);
        QCOMPARE(m.boutons, Boutons::Ok);
        QCOMPARE(banc.etat().numcoch[1], 0);
    }
    banc.etat().casescoch.fill(0);
    for (int t = 11; t <= 20; ++t)
        banc.etat().casescoch[t] = 1;
    banc.messages.messages.clear();
    pendantmodal([&ouverte](QWidget* w) { ouverte = w->objectName(); });
    declenche();
    QCOMPARE(banc.messages.messages.size(), 0);
    QCOMPARE(ouverte, fenetre);
    // The list of ticked numbers is rebuilt just before the window opens.
    QCOMPARE(banc.etat().numcoch[1], 11);
    QCOMPARE(banc.etat().numcoch[10], 20);
    QCOMPARE(banc.etat().numcoch[11], 0);
}

// A list without a selection (a damaged grid file can cause one): the commands refuse, random
// numbers do nothing, and nothing indexes the catalogue with -1.
void TestPrincipale::porteselectionvide() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    f.methodes()->setCurrentIndex(-1);
    QCOMPARE(f.methodechoisie(), -1);
    QTest::mouseClick(controle<QPushButton>(&f, "bvoirbulletin"), Qt::LeftButton);
    QCOMPARE(banc.messages.messages.size(), 1);
    QCOMPARE(banc.messages.messages.first().texte, QStringLiteral("Sélection incorrecte"));
    QTest::mouseClick(controle<QPushButton>(&f, "bnaleat"), Qt::LeftButton);
    QCOMPARE(comptecoches(banc.etat()), 0);
    QCOMPARE(banc.hasard.graines, 0u);
}

void TestPrincipale::uneactionparcommande_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("menu"); // the menu holding the command, if any
    const char* lignes[][3] = {{"bvoirbulletin", "mVoirlesbulletins1", "Utilisation1"},
                               {"bimplistbull", "mVoirlalistedesbulletins1", "Utilisation1"},
                               {"bimpbull", "Imprimerlesbulletins1", "Utilisation1"},
                               {"bcomparer", "mCompareraveclesrsultats1", "Utilisation1"},
                               {"beffacer", "effacer", ""},
                               {"bnaleat", "aleatoire", ""},
                               {"bquitter", "mQuitter1", "Fichier1"},
                               {"boutaide", "Aideenligne1", "Aide1"},
                               {"SpeedButton2", "Infos1", "Aide1"}};
    for (const auto& l : lignes)
        QTest::newRow(l[0]) << QString::fromLatin1(l[0]) << QString::fromLatin1(l[1])
                            << QString::fromLatin1(l[2]);
}

// A button and the menu entry of its command are one action: a click triggers it, and the button
// is enabled and shown as the action is.
void TestPrincipale::uneactionparcommande() {
    QFETCH(QString, bouton);
    QFETCH(QString, commande);
    QFETCH(QString, menu);
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    auto* b = controle<QAbstractButton>(&f, qPrintable(bouton));
    auto* a = controle<QAction>(&f, qPrintable(commande));
    if (!menu.isEmpty())
        QVERIFY(controle<QMenu>(&f, qPrintable(menu))->actions().contains(a));
    QSignalSpy declenchements(a, &QAction::triggered);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(declenchements.size(), 1);
    a->setEnabled(false);
    QVERIFY(!b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(declenchements.size(), 1);
    a->setVisible(false);
    QVERIFY(b->isHidden());
    a->setEnabled(true);
    a->setVisible(true);
    QVERIFY(b->isEnabled() && !b->isHidden());
}

void TestPrincipale::valeurautrequeun() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    banc.etat().casescoch[8] = 2;
    banc.etat().casescoch[9] = 1;
    f.affichecases();
    f.affichenbcoch();
    QVERIFY(!controle<QLabel>(&f, "Image49")->pixmap().isNull());
    QCOMPARE(controle<QLabel>(&f, "nbcoch")->text(), QStringLiteral("1"));
    cliquecase(&f, 8);
    QCOMPARE(banc.etat().casescoch[8], 0);
    QVERIFY(controle<QLabel>(&f, "Image49")->pixmap().isNull());
}

void TestPrincipale::premierlancement() {
    Banc banc;
    banc.demarre();
    TForm1& f = banc.principale();
    QVERIFY(!banc.etat().parexiste);
    QCOMPARE(banc.etat().parametres.langue, 1);
    QCOMPARE(texte(&f, "bquitter"), QStringLiteral("Quitter"));
    choisismethode(f, 10);
    int choix = 0;
    pendantmodal([&choix](QWidget* w) {
        ++choix;
        QCOMPARE(w->windowTitle(), QStringLiteral("Langue - Language"));
        QVERIFY(!controle<QAbstractButton>(w, "lfrancais")->isChecked());
        QVERIFY(!controle<QAbstractButton>(w, "langlais")->isChecked());
        QTest::mouseClick(controle<QWidget>(w, "Image2"), Qt::LeftButton);
        QVERIFY(controle<QAbstractButton>(w, "langlais")->isChecked());
        QTest::mouseClick(controle<QPushButton>(w, "bok"), Qt::LeftButton);
    });
    f.show();
    f.activateWindow();
    QTRY_COMPARE(choix, 1);
    QCOMPARE(banc.etat().parametres.langue, 2);
    QCOMPARE(texte(&f, "bquitter"), QStringLiteral("Quit"));
    QCOMPARE(f.methodechoisie(), 12);
    QVERIFY(f.methodes()->currentText().startsWith(QStringLiteral("3 numbers if 3")));
    // Nothing reaches the disk before a quit.
    QVERIFY(!QFile::exists(banc.systeme.repertoireexe() + nomparametres));
    // Later activations never show the chooser again.
    f.activate();
    QApplication::setActiveWindow(nullptr);
    f.activateWindow();
    QTest::qWait(20);
    QCOMPARE(choix, 1);
    f.close();
}

void TestPrincipale::changementdelangue_data() {
    QTest::addColumn<bool>("versanglais");
    QTest::newRow("francais vers anglais") << true;
    QTest::newRow("meme langue") << false;
}

void TestPrincipale::changementdelangue() {
    QFETCH(bool, versanglais);
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    choisismethode(f, 47);
    cochenumeros(f, {4, 5});
    pendantmodal([versanglais](QWidget* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Paramètres"));
        QVERIFY(controle<QAbstractButton>(w, "lfrancais")->isChecked());
        if (versanglais)
            QTest::mouseClick(controle<QWidget>(w, "Image2"), Qt::LeftButton);
        QTest::mouseClick(controle<QPushButton>(w, "bok"), Qt::LeftButton);
    });
    controle<QAction>(&f, "Paramtres1")->trigger();
    QCOMPARE(banc.etat().parametres.langue, versanglais ? 2 : 1);
    QCOMPARE(f.methodechoisie(), versanglais ? 12 : 47);
    QCOMPARE(comptecoches(banc.etat()), 2);
    struct Attendu {
        const char* nom;
        const char* fr;
        const char* en;
    };
    const Attendu attendus[] = {
        {"ltitrechoix", "Choix de la méthode", "Choose the method"},
        {"beffacer", "Effacer la grille", "Clear the bill"},
        {"GroupBox1", "Cases cochées", "numbers selected"},
        {"Fichier1", "Fichiers", "Files"},
        {"mCompareraveclesrsultats1", "Comparer avec les resultats", "Compare with the results"},
        {"Options1", "Options", "Options"},
        {"Aideenligne1", "Aide en ligne", "Help"}};
    for (const Attendu& a : attendus)
        QCOMPARE(texte(&f, a.nom), QString::fromUtf8(versanglais ? a.en : a.fr));
    QCOMPARE(controle<QWidget>(&f, "bquitter")->toolTip(),
             versanglais ? QString() : QStringLiteral("Quitter le logiciel"));
    QCOMPARE(controle<QWidget>(&f, "boutaide")->toolTip(),
             versanglais ? QStringLiteral("Help") : QStringLiteral("Aide"));
    QCOMPARE(controle<QWidget>(&f, "SpeedButton2")->toolTip(), QStringLiteral("Informations"));
    QCOMPARE(f.windowTitle(), QStringLiteral("VORMIGRAL"));
}

void TestPrincipale::quitterecrit16octets() {
    for (const char* commande : {"bquitter", "mQuitter1"}) {
        Banc banc;
        banc.demarre();
        banc.etat().parexiste = true;
        banc.etat().parametres.langue = 2;
        TForm1& f = banc.principale();
        f.show();
        if (auto* b = f.findChild<QPushButton*>(QString::fromLatin1(commande)))
            QTest::mouseClick(b, Qt::LeftButton);
        else
            controle<QAction>(&f, commande)->trigger();
        QFile fichier(banc.systeme.repertoireexe() + nomparametres);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), QByteArray::fromHex("00000000020000000000000000000000"));
        QVERIFY(!f.isVisible());
        QCOMPARE(banc.messages.messages.size(), 0);
    }
}

void TestPrincipale::fermerparlecadre() {
    Banc banc;
    banc.demarre();
    banc.etat().parexiste = true;
    TForm1& f = banc.principale();
    f.show();
    QVERIFY(f.close());
    QVERIFY(!QFile::exists(banc.systeme.repertoireexe() + nomparametres));
    QVERIFY(!QFile::exists(banc.systeme.repertoireconfig() + nomparametres));
}

// The executable's directory cannot take the file any more (a directory in its place here): the
// settings go to the per-user folder, and the program quits.
void TestPrincipale::echecdesauvegarde() {
    Banc banc;
    ecrisparametres(banc, 2);
    banc.demarre();
    QFile::remove(banc.systeme.repertoireexe() + nomparametres);
    QVERIFY(QDir().mkdir(banc.systeme.repertoireexe() + nomparametres));
    TForm1& f = banc.principale();
    f.show();
    QTest::mouseClick(controle<QPushButton>(&f, "bquitter"), Qt::LeftButton);
    QVERIFY(banc.messages.journal.isEmpty());
    QCOMPARE(QFileInfo(banc.systeme.repertoireconfig() + nomparametres).size(), 16);
    QVERIFY(QFileInfo(banc.systeme.repertoireexe() + nomparametres).isDir());
    QVERIFY(!f.isVisible());
}

void TestPrincipale::filtredesdecalages() {
    Banc banc;
    ecrisparametres(banc, 1, 12, -3);
    banc.demarre();
    pendantmodal([](QWidget* w) {
        auto* edit = controle<QLineEdit>(w, "edech");
        QCOMPARE(edit->text(), QStringLiteral("12"));
        QCOMPARE(controle<QLineEdit>(w, "edecv")->text(), QStringLiteral("-3"));
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, "a+b-");
        QCOMPARE(edit->text(), QStringLiteral("12+-"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("12+-"));
        QTest::keyClicks(edit, "789");
        QCOMPARE(edit->text(), QStringLiteral("12+-7"));
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QStringLiteral("2+-7"));
        edit->selectAll();
        QTest::keyClicks(edit, "-40");
        QCOMPARE(edit->text(), QStringLiteral("-40"));
        QTest::mouseClick(controle<QPushButton>(w, "bok"), Qt::LeftButton);
    });
    controle<QAction>(&banc.principale(), "Paramtres1")->trigger();
    QCOMPARE(banc.etat().parametres.decalh, -40);
    QCOMPARE(banc.etat().parametres.decalv, -3);
}

void TestPrincipale::decalagesconvertis_data() {
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<int>("valeur");
    QTest::newRow("vide") << "" << 0;
    QTest::newRow("12-") << "12-" << 12;
    QTest::newRow("-5+") << "-5+" << 5;
    QTest::newRow("signe seul") << "+" << 0;
    QTest::newRow("negatif") << "-0012" << -12;
}

void TestPrincipale::decalagesconvertis() {
    QFETCH(QString, saisie);
    QFETCH(int, valeur);
    Banc banc;
    ecrisparametres(banc, 1, 5, 5);
    banc.demarre();
    pendantmodal([saisie](QWidget* w) {
        controle<QLineEdit>(w, "edecv")->setText(saisie);
        QTest::mouseClick(controle<QPushButton>(w, "bok"), Qt::LeftButton);
    });
    controle<QAction>(&banc.principale(), "Paramtres1")->trigger();
    QCOMPARE(banc.etat().parametres.decalv, valeur);
    QCOMPARE(banc.etat().parametres.decalh, 5);
    // Closing by the frame changes nothing.
    pendantmodal([](QWidget* w) {
        controle<QLineEdit>(w, "edecv")->setText(QStringLiteral("77"));
        w->close();
    });
    controle<QAction>(&banc.principale(), "Paramtres1")->trigger();
    QCOMPARE(banc.etat().parametres.decalv, valeur);
}

// A language the program does not know shows French everywhere; the parameters window shows
// neither language checked, and OK without a choice keeps the value. Choosing French then is a
// new setting: the method list is made again.
void TestPrincipale::langueinconnue() {
    Banc banc;
    ecrisparametres(banc, 3);
    banc.demarre();
    TForm1& f = banc.principale();
    QCOMPARE(f.methodes()->count(), 50);
    QVERIFY(f.methodes()->currentText().startsWith(QStringLiteral("3 numéros si 3")));
    QCOMPARE(texte(&f, "bquitter"), QStringLiteral("Quitter"));
    pendantmodal([](QWidget* w) {
        QVERIFY(!controle<QAbstractButton>(w, "lfrancais")->isChecked());
        QVERIFY(!controle<QAbstractButton>(w, "langlais")->isChecked());
        QTest::mouseClick(controle<QPushButton>(w, "bok"), Qt::LeftButton);
    });
    choisismethode(f, 10);
    controle<QAction>(&f, "Paramtres1")->trigger();
    QCOMPARE(banc.etat().parametres.langue, 3);
    QCOMPARE(f.methodechoisie(), 10);
    pendantmodal([](QWidget* w) {
        QTest::mouseClick(controle<QWidget>(w, "Image1"), Qt::LeftButton);
        QTest::mouseClick(controle<QPushButton>(w, "bok"), Qt::LeftButton);
    });
    controle<QAction>(&f, "Paramtres1")->trigger();
    QCOMPARE(banc.etat().parametres.langue, 1);
    QCOMPARE(f.methodechoisie(), 12);
}

// The chooser of a first run may pick another language after the parameters window was built:
// the window must show the language in force when it opens, or OK would switch back.
void TestPrincipale::demarrageenanglais() {
    Banc banc;
    ecrisparametres(banc, 2, -3, 4);
    banc.demarre();
    TForm1& f = banc.principale();
    QVERIFY(banc.etat().parexiste);
    QCOMPARE(texte(&f, "bvoirbulletin"), QStringLiteral("View the grids"));
    QVERIFY(f.methodes()->currentText().startsWith(QStringLiteral("3 numbers if 3 numbers in the 07")));
    construit(&banc.application().parametres());
    banc.changelangue(1);
    pendantmodal([](QWidget* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Paramètres"));
        QVERIFY(controle<QAbstractButton>(w, "lfrancais")->isChecked());
        QCOMPARE(controle<QLineEdit>(w, "edech")->text(), QStringLiteral("-3"));
        QCOMPARE(controle<QLineEdit>(w, "edecv")->text(), QStringLiteral("4"));
    });
    controle<QAction>(&f, "Paramtres1")->trigger();
    QCOMPARE(banc.etat().parametres.langue, 1);
}

void TestPrincipale::aideetapropos() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    QTest::mouseClick(controle<QToolButton>(&f, "boutaide"), Qt::LeftButton);
    controle<QAction>(&f, "Aideenligne1")->trigger();
    QCOMPARE(banc.aide.fichiers,
             QStringList({QStringLiteral("vormigral.hlp"), QStringLiteral("vormigral.hlp")}));
    f.show();
    QTest::mouseClick(controle<QToolButton>(&f, "SpeedButton2"), Qt::LeftButton);
    Tapropos* apropos = &banc.application().apropos();
    QVERIFY(apropos->isVisible());
    QVERIFY(!apropos->isModal());
    QCOMPARE(controle<QLabel>(apropos, "lversion")->text(), QStringLiteral("V 3.08"));
    QCOMPARE(apropos->windowTitle(), QStringLiteral("A propos"));
    // The main window stays usable while the box is open.
    cliquecase(&f, 30);
    QCOMPARE(banc.etat().casescoch[30], 1);
    controle<QAction>(&f, "Infos1")->trigger();
    QVERIFY(apropos->isVisible());
    QTest::mouseClick(controle<QPushButton>(apropos, "OKButton"), Qt::LeftButton);
    QVERIFY(!apropos->isVisible());
    f.close();
}

QTEST_MAIN(TestPrincipale)
#include "test_principale.moc"

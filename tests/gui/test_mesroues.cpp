// The wheels window on the recording doubles: a build of a small cell, a refusal, the import of good
// and bad files, the library's round trip, and a wheel played on the ticked numbers.
#include "tests/support/doubles.h"

#include "wheels/controle.h"
#include "windows/mesroues.h"
#include "windows/principale.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

namespace {

// The program started in `langue` (English unless said), its wheels window open.
TMesRoues& ouvre(Banc& banc, int langue = 2) {
    ecrisparametres(banc, langue);
    banc.demarre();
    controle<QAction>(&banc.principale(), "mMesroues1")->trigger();
    auto* roues = banc.principale().findChild<TMesRoues*>();
    if (!roues)
        absent("window", "mesroues");
    roues->graine(7);
    return *roues;
}

void clique(QWidget* fenetre, const char* nom) {
    QTest::mouseClick(controle<QPushButton>(fenetre, nom), Qt::LeftButton);
}

// A file in the test's folder, handed to the next file-open dialog.
void importe(Banc& banc, TMesRoues& roues, const QByteArray& octets) {
    const QString chemin = banc.systeme.exe + QStringLiteral("roue.txt");
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size());
    fichier.close();
    banc.fichiers.lectures.push_back(chemin);
    clique(&roues, "bimporter");
}

} // namespace

class TestMesRoues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void construction_data();
    void construction();
    void importation_data();
    void importation();
    void bibliotheque();
    void jeu_data();
    void jeu();
    void verification_data();
    void verification();
    void tableau_data();
    void tableau();
    void ecran_data();
    void ecran();
};

void TestMesRoues::construction_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("m");
    QTest::addColumn<QString>("refus"); // the start of the refusal, empty when it builds
    QTest::newRow("3 if 3 among 9") << 9 << 3 << 3 << QString();
    QTest::newRow("2 if 3 among 12") << 12 << 2 << 3 << QString();
    QTest::newRow("5 if 5 among 40") << 40 << 5 << 5 << QStringLiteral("Beyond reach on this computer");
    QTest::newRow("4 if 3") << 12 << 4 << 3 << QStringLiteral("A wheel needs t at most m");
}

// A build runs off the window's thread, ends with a wheel checked in every case, and its analysis
// says the promise is kept; a request beyond reach is refused before anything starts.
void TestMesRoues::construction() {
    QFETCH(int, n);
    QFETCH(int, t);
    QFETCH(int, m);
    QFETCH(QString, refus);
    Banc banc;
    TMesRoues& roues = ouvre(banc);
    controle<QSpinBox>(&roues, "enumeros")->setValue(n);
    controle<QSpinBox>(&roues, "em")->setValue(m);
    controle<QSpinBox>(&roues, "et")->setValue(t);
    controle<QSpinBox>(&roues, "esecondes")->setValue(2);
    clique(&roues, "bconstruire");
    if (!refus.isEmpty()) {
        QCOMPARE(banc.messages.messages.size(), 1);
        QVERIFY2(banc.messages.messages[0].texte.startsWith(refus),
                 qPrintable(banc.messages.messages[0].texte));
        QVERIFY(!roues.atelier().encours() && !roues.atelier().aroue());
        return;
    }
    QVERIFY(controle<QPushButton>(&roues, "barreter")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(roues.bilan().has_value(), 15000);
    const TRoue& roue = roues.atelier().roue();
    QCOMPARE(roue.nbnumeros, n);
    QVERIFY(roueverifiee(roue));
    QCOMPARE(roues.bilan()->manques, 0);
    QVERIFY2(
        texte(&roues, "lpromesse")
            .endsWith(QStringLiteral("kept in every case (%1 cases).")
                          .arg(QLocale(QLocale::English, QLocale::UnitedStates).toString(binomial(n, m)))),
        qPrintable(texte(&roues, "lpromesse")));
    QVERIFY(texte(&roues, "lavancement").startsWith(QStringLiteral("Wheel found: ")));
    // One row per count of drawn numbers, 3 to 6, each row's cases all counted.
    auto* table = controle<QTableWidget>(&roues, "tanalyse");
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->item(3, 0)->text(),
             QLocale(QLocale::English, QLocale::UnitedStates).toString(binomial(n, 6)));
    QVERIFY(banc.messages.messages.isEmpty());
}

void TestMesRoues::importation_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("verification"); // what the check page says
    QTest::addColumn<QString>("trou");         // the first hole, in the file's own numbers
    QTest::newRow("player's numbers")
        << QByteArray("3 8 19 27 33 40\n3;8;19;27;33;45\n") << "Imported: 2 grids."
        << "3 8 40 45";
    QTest::newRow("five numbers") << QByteArray("1 2 3 4 5 6\n1 2 3 4 5\n")
                                  << "Line 2: A grid needs exactly six numbers." << QString();
    QTest::newRow("repeated") << QByteArray("# comment\n\n1 2 3 4 5 5\n")
                              << "Line 3: The same number is twice in one grid." << QString();
}

// A file read into the current wheel, or its fault said with its line; then checked for 4 if 4,
// its holes in the numbers the file used, and repaired.
void TestMesRoues::importation() {
    QFETCH(QByteArray, octets);
    QFETCH(QString, verification);
    QFETCH(QString, trou);
    Banc banc;
    TMesRoues& roues = ouvre(banc);
    importe(banc, roues, octets);
    QCOMPARE(texte(&roues, "lverification"), verification);
    QCOMPARE(banc.messages.messages.size(), trou.isEmpty() ? 1 : 0);
    if (trou.isEmpty())
        return;
    controle<QSpinBox>(&roues, "evt")->setValue(4);
    controle<QSpinBox>(&roues, "evm")->setValue(4);
    clique(&roues, "bverifier");
    QTRY_VERIFY(texte(&roues, "lverification").startsWith(QStringLiteral("4 if 4 is not kept: ")));
    QCOMPARE(controle<QListWidget>(&roues, "ltrous")->item(0)->text(), trou);
    clique(&roues, "breparer");
    QTRY_VERIFY_WITH_TIMEOUT(!roues.atelier().encours(), 15000);
    QVERIFY2(texte(&roues, "lverification").startsWith(QStringLiteral("Repaired: ")),
             qPrintable(texte(&roues, "lverification")));
    QVERIFY(roueverifiee(roues.atelier().roue()));
}

// Saved, listed, renamed, opened back and deleted, in the user's data folder.
void TestMesRoues::bibliotheque() {
    Banc banc;
    TMesRoues& roues = ouvre(banc);
    importe(banc, roues, "# VORMIGRAL wheel N=7 t=2 m=3 size=2\n1 2 3 4 5 6\n2 3 4 5 6 7\n");
    auto* nom = controle<QLineEdit>(&roues, "enom");
    auto* liste = controle<QListWidget>(&roues, "lbibliotheque");
    nom->setText(QStringLiteral("sept"));
    clique(&roues, "benregistrer");
    QCOMPARE(liste->count(), 1);
    QCOMPARE(liste->item(0)->text(), QStringLiteral("sept (7 numbers, 2 if 3, 2 grids)"));
    QVERIFY(QFile::exists(banc.systeme.repertoiredonnees() + QStringLiteral("roues/sept.txt")));
    liste->setCurrentRow(0);
    nom->setText(QStringLiteral("seven"));
    clique(&roues, "brenommer");
    QCOMPARE(liste->item(0)->text(), QStringLiteral("seven (7 numbers, 2 if 3, 2 grids)"));
    importe(banc, roues, "1 2 3 4 5 6 \n 1 2 3 4 5 7\n 1 2 3 4 5 8\n");
    clique(&roues, "bouvrir");
    QCOMPARE(roues.atelier().roue().grilles.size(), std::size_t{2});
    // A name already taken is replaced only once the user agrees.
    banc.messages.reponses.push_back(Reponse::Non);
    clique(&roues, "benregistrer");
    QCOMPARE(banc.messages.messages.size(), 1);
    banc.messages.reponses.push_back(Reponse::Oui);
    clique(&roues, "bsupprimer");
    QCOMPARE(liste->count(), 0);
    clique(&roues, "bouvrir");
    QCOMPARE(banc.messages.messages.last().texte,
             QStringLiteral("There is no wheel of that name in the library."));
}

void TestMesRoues::jeu_data() {
    QTest::addColumn<QList<int>>("cochees");
    QTest::newRow("seven ticked") << QList<int>{45, 3, 8, 19, 27, 33, 40};
    QTest::newRow("six ticked") << QList<int>{3, 8, 19, 27, 33, 40};
}

// The wheel's positions pick the ticked numbers out in ascending order, in the methods' own list
// window; the method selected before plays as it did once the list is closed.
void TestMesRoues::jeu() {
    QFETCH(QList<int>, cochees);
    Banc banc;
    TMesRoues& roues = ouvre(banc);
    choisismethode(banc.principale(), 12);
    for (int n : cochees)
        cliquecase(&banc.principale(), n);
    importe(banc, roues, "# VORMIGRAL wheel N=7 t=2 m=3 size=2\n1 2 3 4 5 6\n2 3 4 5 6 7\n");
    QStringList vues;
    if (cochees.size() == 7)
        pendantmodal([&vues](QWidget* liste) {
            auto* lignes = controle<QListWidget>(liste, "listbull");
            for (int i = 0; i < lignes->count(); ++i)
                vues << lignes->item(i)->text().simplified();
        });
    clique(&roues, "bliste");
    if (cochees.size() != 7) {
        QCOMPARE(banc.messages.messages.size(), 1);
        QVERIFY(banc.messages.messages[0].texte.startsWith(QStringLiteral(
            "This wheel is played on 7 numbers: tick exactly 7 numbers in the main window (6 ticked")));
        return;
    }
    QCOMPARE(vues.size(), 2);
    QVERIFY2(vues[0].endsWith(QStringLiteral("03-08-19-27-33-40")), qPrintable(vues[0]));
    QVERIFY2(vues[1].endsWith(QStringLiteral("08-19-27-33-40-45")), qPrintable(vues[1]));
    QCOMPARE(banc.etat().methodechoisie, 12);
    QVERIFY(banc.etat().rouejouee.grilles.empty());
}

void TestMesRoues::verification_data() {
    QTest::addColumn<QString>("suite"); // the control used while the check runs, if any
    QTest::addColumn<QString>("dit");   // what the check page says at the end
    QTest::addColumn<int>("trous");     // the holes listed then
    QTest::newRow("left to end") << QString() << "4 if 4 is not kept: 10 holes" << 10;
    QTest::newRow("window closed") << "bfermer"
                                   << "The check of 4 if 4 was stopped." << 0;
    QTest::newRow("stopped") << "barreter"
                             << "The check of 4 if 4 was stopped." << 0;
}

// A check runs off the window's thread with Build, Check and Repair disabled meanwhile; its result
// lands once it has ended; a check stopped or whose window closed says so and lists nothing.
void TestMesRoues::verification() {
    QFETCH(QString, suite);
    QFETCH(QString, dit);
    QFETCH(int, trous);
    Banc banc;
    TMesRoues& roues = ouvre(banc);
    importe(banc, roues, "3 8 19 27 33 40\n3 8 19 27 33 45\n");
    controle<QSpinBox>(&roues, "evt")->setValue(4);
    controle<QSpinBox>(&roues, "evm")->setValue(4);
    clique(&roues, "bverifier");
    QCOMPARE(texte(&roues, "lverification"), QStringLiteral("Checking 4 if 4…"));
    for (const char* bouton : {"bconstruire", "bverifier", "breparer"})
        QVERIFY(!controle<QPushButton>(&roues, bouton)->isEnabled());
    if (!suite.isEmpty())
        clique(&roues, qPrintable(suite));
    QTRY_VERIFY(roues.bilan().has_value() && !roues.atelier().verifieencours());
    QTest::qWait(300);
    QVERIFY2(texte(&roues, "lverification").startsWith(dit), qPrintable(texte(&roues, "lverification")));
    QCOMPARE(controle<QListWidget>(&roues, "ltrous")->count(), trous);
    for (const char* bouton : {"bconstruire", "bverifier", "breparer"})
        QVERIFY(controle<QPushButton>(&roues, bouton)->isEnabled());
    QVERIFY(!controle<QPushButton>(&roues, "barreter")->isEnabled());
}

void TestMesRoues::tableau_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<double>("taille"); // the application's font, times its size
    for (const auto& [langue, nom] : {std::pair{1, "French"}, std::pair{2, "English"}})
        for (const double taille : {1.0, 1.6})
            QTest::addRow("%s, font x%.1f", nom, taille) << langue << taille;
}

// The analysis of a wheel is shown whole in either language and a large font: every header text
// within its column's margins, every row above the table's edge, the promise below the table.
void TestMesRoues::tableau() {
    QFETCH(int, langue);
    QFETCH(double, taille);
    const struct Police {
        QFont avant = QApplication::font();
        ~Police() { QApplication::setFont(avant); }
    } police;
    QFont grande = police.avant;
    grande.setPointSizeF(grande.pointSizeF() * taille);
    QApplication::setFont(grande);
    Banc banc;
    TMesRoues* roues = &ouvre(banc, langue);
    importe(banc, *roues, "3 8 19 27 33 40\n3 8 19 27 33 45\n");
    QTRY_VERIFY(roues->bilan().has_value());
    QTest::qWait(50);
    auto* table = controle<QTableWidget>(roues, "tanalyse");
    const QHeaderView* tete = table->horizontalHeader();
    const int marges = 2 * tete->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, tete);
    for (int c = 0; c < table->columnCount(); ++c) {
        const QString texte = table->horizontalHeaderItem(c)->text();
        QVERIFY2(tete->fontMetrics().horizontalAdvance(texte) + marges <= tete->sectionSize(c),
                 qPrintable(texte));
    }
    QVERIFY(table->visualItemRect(table->item(table->rowCount() - 1, 0)).bottom() <
            table->viewport()->height());
    QVERIFY(table->geometry().bottom() < controle<QLabel>(roues, "lpromesse")->geometry().top());
}

void TestMesRoues::ecran_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<int>("hauteur"); // the screen's room for windows
    for (const auto& [langue, nom] : {std::pair{1, "French"}, std::pair{2, "English"}})
        for (const int hauteur : {600, 768})
            QTest::addRow("%s, %d px", nom, hauteur) << langue << hauteur;
}

// With a wheel's analysis shown, the window and a title bar fit on a short screen, and every play
// button comes into sight whole when it takes the focus.
void TestMesRoues::ecran() {
    QFETCH(int, langue);
    QFETCH(int, hauteur);
    Banc banc;
    TMesRoues* roues = &ouvre(banc, langue);
    roues->hauteurdisponible(hauteur);
    importe(banc, *roues, "3 8 19 27 33 40\n3 8 19 27 33 45\n");
    QTRY_VERIFY(roues->bilan().has_value());
    roues->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(roues));
    const int titre = roues->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, roues);
    QVERIFY2(roues->frameGeometry().height() + titre <= hauteur,
             qPrintable(QString::number(roues->frameGeometry().height())));
    for (const char* nom : {"bvoir", "bliste", "bimprimer", "bhistorique"}) {
        auto* bouton = controle<QPushButton>(roues, nom);
        bouton->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(bouton->visibleRegion().boundingRect(), bouton->rect());
    }
}

QTEST_MAIN(TestMesRoues)
#include "test_mesroues.moc"

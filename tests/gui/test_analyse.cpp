#include "tests/support/doubles.h"

#include "windows/principale.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

namespace {

QWidget* fenetreanalyse() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Analyse"))
            return w;
    return nullptr;
}

QString cellule(QWidget* w, const char* table, int rang, int colonne) {
    const QTableWidgetItem* item = controle<QTableWidget>(w, table)->item(rang, colonne);
    return item ? item->text() : QStringLiteral("<vide>");
}

// Opens the analysis through the menu and runs `action` on it while it is shown.
void ouvre(TForm1& f, std::function<void(QWidget*)> action) {
    bool vue = false;
    pendantmodal([&vue, action = std::move(action)](QWidget* w) {
        vue = true;
        QCOMPARE(w->objectName(), QStringLiteral("Analyse"));
        action(w);
    });
    controle<QAction>(&f, "mAnalysedelamethode1")->trigger();
    QVERIFY(vue);
}

} // namespace

class TestAnalyseFenetre : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void montrelamethode_data();
    void montrelamethode();
    void sansmethodechoisie();
    void clavieretlecteurdecran();
};

void TestAnalyseFenetre::montrelamethode_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<int>("tenus"); // the column of the sets of six that the best grid holds so many of
    QTest::addColumn<QString>("promesse");
    QTest::addColumn<QString>("cas");    // (figures found by hand from the tables)
    QTest::addColumn<QString>("tirage"); // six drawn among the N: C(N, 6) draws out of C(49, 6)
    QTest::newRow("22 fr") << 22 << 1 << "Méthode 22 : 4 numéros si 4 numéros parmi les 08 en 6 grilles" << 5
                           << "tenue sauf dans 6 cas sur 70, où la meilleure grille n'en contient que 3."
                           << "22 (78,6\u00a0%)"
                           << "0,000200\u00a0% — 1 sur 499\u202f422";
    QTest::newRow("22 en") << 22 << 2 << "Method 22: 4 numbers if 4 numbers in the 08 in 6 grids" << 5
                           << "kept except in 6 cases out of 70, where the best grid holds only 3."
                           << "22 (78.6%)"
                           << "0.000200% — 1 in 499,422";
    QTest::newRow("47 fr") << 47 << 1 << "Méthode 47 : 5 numéros si 5 numéros parmi les 14 en 371 grilles"
                           << 5 << "tenue dans tous les cas (2\u202f002 cas)."
                           << "2\u202f632 (87,6\u00a0%)"
                           << "0,0215\u00a0% — 1 sur 4\u202f657";
    QTest::newRow("47 en") << 47 << 2 << "Method 47: 5 numbers if 5 numbers in the 14 in 371 grids" << 5
                           << "kept in every case (2,002 cases)."
                           << "2,632 (87.6%)"
                           << "0.0215% — 1 in 4,657";
    QTest::newRow("6 en") << 6 << 2 << "Method 6: 4 numbers if 6 numbers in the 11 in 6 grids" << 3
                          << "kept except in 1 case out of 462, where the best grid holds only 3."
                          << "1 (0.216%)"
                          << "0.00330% — 1 in 30,268";
}

void TestAnalyseFenetre::montrelamethode() {
    QFETCH(int, methode);
    QFETCH(int, langue);
    QFETCH(QString, titre);
    QFETCH(QString, promesse);
    QFETCH(int, tenus);
    QFETCH(QString, cas);
    QFETCH(QString, tirage);
    Banc banc;
    ecrisparametres(banc, langue);
    banc.demarre();
    TForm1& f = banc.principale();
    // Start-up does not build the window.
    QVERIFY(!fenetreanalyse());
    choisismethode(f, methode);
    ouvre(f, [&](QWidget* w) {
        QCOMPARE(w->windowTitle(),
                 langue == 2 ? QStringLiteral("Method analysis") : QStringLiteral("Analyse de la méthode"));
        QCOMPARE(texte(w, "lmethode"), titre);
        QVERIFY2(texte(w, "lpromesse").endsWith(promesse), qPrintable(texte(w, "lpromesse")));
        QCOMPARE(cellule(w, "trepartition", 3, 7 - tenus), cas);
        QCOMPARE(cellule(w, "ttirages", 3, 0), tirage);
        QVERIFY(!controle<QLabel>(w, "laucune")->isVisible());
    });
}

// No method in the list: the window says so and shows no figures, not even those of the method it
// showed before.
void TestAnalyseFenetre::sansmethodechoisie() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    choisismethode(f, 22);
    ouvre(f, [](QWidget* w) { QVERIFY(controle<QWidget>(w, "trepartition")->isVisible()); });
    f.methodes()->setCurrentIndex(-1);
    ouvre(f, [](QWidget* w) {
        QVERIFY(controle<QLabel>(w, "laucune")->isVisible());
        QVERIFY(texte(w, "laucune").startsWith(QStringLiteral("Aucune méthode n'est choisie")));
        for (const char* nom : {"lmethode", "lpromesse", "trepartition", "ggraphique", "ttirages"})
            QVERIFY2(!controle<QWidget>(w, nom)->isVisible(), nom);
    });
}

// The command has its shortcut; every control has its own name for a screen reader, in the
// language in force when the window opens; Tab walks the tables, then the button; Escape closes.
void TestAnalyseFenetre::clavieretlecteurdecran() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    auto* action = controle<QAction>(&f, "mAnalysedelamethode1");
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    QCOMPARE(texte(&f, "mAnalysedelamethode1"), QStringLiteral("Analyse de la méthode"));
    choisismethode(f, 47);
    QWidget* premiere = nullptr;
    for (const int langue : {1, 2}) {
        banc.etat().parametres.langue = langue;
        ouvre(f, [&](QWidget* w) {
            premiere = premiere ? premiere : w;
            QCOMPARE(w, premiere); // built once, then reused
            QSet<QString> noms;
            for (const char* nom : {"trepartition", "ggraphique", "ttirages", "bfermer"}) {
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(controle<QWidget>(w, nom));
                const QString n = a->text(QAccessible::Name);
                QVERIFY2(!n.isEmpty() && !noms.contains(n), nom);
                noms << n;
            }
            QVERIFY(noms.contains(langue == 2 ? QStringLiteral("Odds per draw")
                                              : QStringLiteral("Chances par tirage")));
            const QString description = controle<QWidget>(w, "ggraphique")->accessibleDescription();
            QVERIFY2(description.contains(
                         langue == 2
                             ? QStringLiteral("6 drawn: 6 numbers 12.4%, 5 numbers 87.6%.")
                             : QStringLiteral("6 tirés : 6 numéros 12,4\u00a0%, 5 numéros 87,6\u00a0%.")),
                     qPrintable(description));
            // The window's own focus: the test may run while another program holds the screen's.
            QCOMPARE(w->focusWidget(), controle<QWidget>(w, "trepartition"));
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            QCOMPARE(w->focusWidget(), controle<QWidget>(w, "ttirages"));
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            QCOMPARE(w->focusWidget(), controle<QWidget>(w, "bfermer"));
            QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        });
    }
}

QTEST_MAIN(TestAnalyseFenetre)
#include "test_analyse.moc"

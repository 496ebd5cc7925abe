#include "tests/support/doubles.h"

#include "windows/analyse.h"
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

// The window shows the use case's figures for the method selected when it opens, in the
// language installed.
void TestAnalyseFenetre::montrelamethode_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<int>("colonne");
    QTest::addColumn<QString>("cas");
    QTest::newRow("22 fr") << 22 << 1 << "Méthode 22 : 4 numéros si 4 numéros parmi les 08 en 6 grilles" << 2
                           << "22 (78,6\u00a0%)";
    QTest::newRow("6 en") << 6 << 2 << "Method 6: 4 numbers if 6 numbers in the 11 in 6 grids" << 4
                          << "1 (0.216%)";
}

void TestAnalyseFenetre::montrelamethode() {
    QFETCH(int, methode);
    QFETCH(int, langue);
    QFETCH(QString, titre);
    QFETCH(int, colonne);
    QFETCH(QString, cas);
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
        QCOMPARE(cellule(w, "trepartition", 3, colonne), cas);
        QVERIFY(!controle<QLabel>(w, "laucune")->isVisible());
        // Every share that is not nil, however small, has room on its bar under the pointer.
        auto* graphique = controle<TGraphiqueAnalyse>(w, "ggraphique");
        const int y = 6 + 3 * 26 + 10;
        QSet<int> trouvees;
        for (int x = 0; x < graphique->width(); ++x)
            if (const auto [rang, classe] = graphique->segment({x, y}); rang == 3)
                trouvees << classe;
        QSet<int> nonnulles;
        for (int c = 0; c < 5; ++c)
            if (!cellule(w, "trepartition", 3, 1 + c).startsWith(QLatin1String("0 ")))
                nonnulles << c;
        QCOMPARE(trouvees, nonnulles);
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
        banc.changelangue(langue);
        choisismethode(f, 47);
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

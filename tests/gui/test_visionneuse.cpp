#include "tests/support/doubles.h"

#include "engine/calculgrille.h"
#include "files/parametres.h"
#include "windows/blocnumeros.h"
#include "windows/comparaison.h"
#include "windows/principale.h"
#include "windows/visionneuse.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <set>

using namespace vormigral;
using namespace vormigral::test;

namespace {

using Numeros = std::set<int>;

// A started program in the given language with method m selected and the numbers ticked.
void prepare(Banc& banc, int langue, int m, const Numeros& coches) {
    ecrisparametres(banc, langue);
    banc.demarre();
    choisismethode(banc.principale(), m);
    for (int n : coches)
        cliquecase(&banc.principale(), n);
}

Numeros consecutifs(int premier, int combien) {
    Numeros n;
    for (int i = 0; i < combien; ++i)
        n.insert(premier + i);
    return n;
}

// The numbers whose cell shows the tick mark.
Numeros marquees(QWidget* w) {
    Numeros resultat;
    for (int t = 1; t <= 49; ++t)
        if (!w->findChild<QLabel*>(BlocNumeros::nomcellule(t))->pixmap().isNull())
            resultat.insert(t);
    return resultat;
}

Numeros grille(const TEtat& etat) {
    Numeros resultat;
    for (int t = 1; t <= 49; ++t)
        if (etat.grillecour[static_cast<std::size_t>(t)] != 0)
            resultat.insert(t);
    return resultat;
}

void clique(QWidget* w, const char* bouton) {
    QTest::mouseClick(controle<QPushButton>(w, bouton), Qt::LeftButton);
}

// Opens the viewer through the main window's command and runs `action` on it while it is open.
void ouvre(Banc& banc, const std::function<void(TForm2*)>& action) {
    TForm2* viewer = &banc.application().visionneuse();
    bool vu = false;
    pendantmodal([&](QWidget* w) {
        vu = true;
        QCOMPARE(w, static_cast<QWidget*>(viewer));
        action(viewer);
    });
    QTest::mouseClick(controle<QPushButton>(&banc.principale(), "bvoirbulletin"), Qt::LeftButton);
    QVERIFY(vu);
    QVERIFY(!viewer->isVisible());
}

} // namespace

class TestVisionneuse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void ouverture_data();
    void ouverture();
    void defilement();
    void reouverture();
    void troischiffres();
    void redessin();
    void casesinertes();
    void sansmethode();
    void disposition();
    void descriptionslisibles();
};

void TestVisionneuse::ouverture_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("cadre");
    QTest::addColumn<QString>("compteur");
    QTest::addColumn<QString>("retour");
    QTest::addColumn<QString>("description");
    QTest::newRow("francais") << 1 << "Bulletins à cocher"
                              << "Methode Sélectionnée"
                              << "Bulletin"
                              << "Retour"
                              << "4 numéros si 6 numéros parmi les 10 en 3 grilles";
    QTest::newRow("anglais") << 2 << "Grids"
                             << "Method selected"
                             << "Grids"
                             << "Return"
                             << "4 numbers if 6 numbers in the 10 in 3 grids";
    QTest::newRow("langue inconnue") << 3 << "Bulletins à cocher"
                                     << "Methode Sélectionnée"
                                     << "Bulletin"
                                     << "Retour"
                                     << "4 numéros si 6 numéros parmi les 10 en 3 grilles";
}

// Method 5 with 3 7 12 18 21 25 33 38 41 47 ticked: grid 1 is 3 7 12 18 21 25.
void TestVisionneuse::ouverture() {
    QFETCH(int, langue);
    QFETCH(QString, titre);
    QFETCH(QString, cadre);
    QFETCH(QString, compteur);
    QFETCH(QString, retour);
    QFETCH(QString, description);
    Banc banc;
    prepare(banc, langue, 5, {3, 7, 12, 18, 21, 25, 33, 38, 41, 47});
    ouvre(banc, [&](TForm2* w) {
        QCOMPARE(w->windowTitle(), titre);
        QCOMPARE(controle<QGroupBox>(w, "GroupBox2")->title(), cadre);
        QCOMPARE(texte(w, "ltitre"), compteur);
        QCOMPARE(controle<QPushButton>(w, "BitBtn1")->text(), retour);
        QCOMPARE(texte(w, "ltitmet"), description);
        QCOMPARE(texte(w, "lnubul"), QStringLiteral("1"));
        QCOMPARE(texte(w, "Label2"), QStringLiteral("/"));
        QCOMPARE(texte(w, "Lnumax"), QStringLiteral("3"));
        QCOMPARE(controle<QPushButton>(w, "BitBtn3")->text(), QStringLiteral("<"));
        QCOMPARE(controle<QPushButton>(w, "BitBtn4")->text(), QStringLiteral("> "));
        // The hints stay French whatever the language.
        QCOMPARE(controle<QWidget>(w, "BitBtn3")->toolTip(), QStringLiteral("voir bulletin précédent"));
        QCOMPARE(controle<QWidget>(w, "BitBtn4")->toolTip(), QStringLiteral("voir bulletin suivant"));
        QCOMPARE(controle<QWidget>(w, "BitBtn1")->toolTip(), QStringLiteral("Revenir à l'ecran précédent"));
        QCOMPARE(marquees(w), Numeros({3, 7, 12, 18, 21, 25}));
        QCOMPARE(grille(banc.etat()), Numeros({3, 7, 12, 18, 21, 25}));
        QCOMPARE(banc.etat().methodecour, 5);
        QCOMPARE(banc.etat().nbgrilles, 3);
        QCOMPARE(banc.etat().numgrille, 1);
    });
}

// Stepping never wraps, and a click at either end neither moves nor expands anything.
void TestVisionneuse::defilement() {
    Banc banc;
    prepare(banc, 1, 5, {3, 7, 12, 18, 21, 25, 33, 38, 41, 47});
    ouvre(banc, [&](TForm2* w) {
        int redessins = 0;
        const auto redessine = banc.etat().affichegrille;
        banc.etat().affichegrille = [&] {
            ++redessins;
            redessine();
        };
        const Numeros grilles[] = {{3, 7, 12, 18, 21, 25}, {21, 25, 33, 38, 41, 47}, {3, 7, 12, 33, 38, 41}};
        const auto verifie = [&](int g, int attendus) {
            QCOMPARE(texte(w, "lnubul"), QString::number(g));
            QCOMPARE(texte(w, "Lnumax"), QStringLiteral("3"));
            QCOMPARE(banc.etat().numgrille, g);
            QCOMPARE(marquees(w), grilles[g - 1]);
            QCOMPARE(grille(banc.etat()), grilles[g - 1]);
            QCOMPARE(redessins, attendus);
        };
        clique(w, "BitBtn3");
        verifie(1, 0);
        clique(w, "BitBtn4");
        verifie(2, 1);
        clique(w, "BitBtn4");
        verifie(3, 2);
        clique(w, "BitBtn4");
        verifie(3, 2);
        clique(w, "BitBtn3");
        verifie(2, 3);
        clique(w, "BitBtn3");
        verifie(1, 4);
        clique(w, "BitBtn3");
        verifie(1, 4);
        banc.etat().affichegrille = redessine;
    });
}

// Every showing starts again at grid 1, whatever grid was on screen when the viewer closed.
void TestVisionneuse::reouverture() {
    Banc banc;
    prepare(banc, 1, 1, consecutifs(20, 11));
    Numeros premiere;
    ouvre(banc, [&](TForm2* w) {
        premiere = marquees(w);
        QCOMPARE(premiere.size(), std::size_t{6});
        for (int i = 0; i < 6; ++i)
            clique(w, "BitBtn4");
        QCOMPARE(texte(w, "lnubul"), QStringLiteral("7"));
        QVERIFY(marquees(w) != premiere);
        clique(w, "BitBtn1");
        QVERIFY(!w->isVisible());
    });
    QCOMPARE(banc.etat().numgrille, 7);
    ouvre(banc, [&](TForm2* w) {
        QCOMPARE(texte(w, "lnubul"), QStringLiteral("1"));
        QCOMPARE(texte(w, "Lnumax"), QStringLiteral("11"));
        QCOMPARE(banc.etat().numgrille, 1);
        QCOMPARE(marquees(w), premiere);
    });
}

// The 371 grids of method 47: the counter's three digits fit, right-aligned against the slash,
// and the cells follow grillecour all the way to the last grid.
void TestVisionneuse::troischiffres() {
    Banc banc;
    prepare(banc, 1, 47, consecutifs(30, 14));
    ouvre(banc, [&](TForm2* w) {
        auto* numero = controle<QLabel>(w, "lnubul");
        auto* barre = controle<QLabel>(w, "Label2");
        auto* maximum = controle<QLabel>(w, "Lnumax");
        QCOMPARE(maximum->text(), QStringLiteral("371"));
        for (int g = 2; g <= 371; ++g) {
            clique(w, "BitBtn4");
            if (g % 37 == 0 || g == 371) {
                QCOMPARE(numero->text(), QString::number(g));
                QCOMPARE(marquees(w), grille(banc.etat()));
                QCOMPARE(marquees(w).size(), std::size_t{6});
            }
        }
        QCOMPARE(numero->text(), QStringLiteral("371"));
        clique(w, "BitBtn4");
        QCOMPARE(numero->text(), QStringLiteral("371"));
        QVERIFY(numero->alignment() & Qt::AlignRight);
        QCOMPARE(numero->width(), 32);
        QCOMPARE(maximum->width(), 43);
        QVERIFY(numero->geometry().right() < barre->geometry().left());
        QVERIFY(barre->geometry().right() < maximum->geometry().left());
        QVERIFY(barre->geometry().left() - numero->geometry().right() <= 3);
        QVERIFY(QFontMetrics(numero->font()).horizontalAdvance(QStringLiteral("371")) <=
                numero->contentsRect().width());
        QVERIFY(QFontMetrics(maximum->font()).horizontalAdvance(QStringLiteral("371")) <=
                maximum->contentsRect().width());
        auto* panneau = controle<QWidget>(w, "Panel1");
        QVERIFY(panneau->rect().contains(maximum->geometry()));
        QVERIFY(panneau->rect().contains(numero->geometry()));
    });
}

// calculgrille redraws the viewer's cells whoever expands: here the comparison, while the viewer
// is hidden, and then a direct expansion.
void TestVisionneuse::redessin() {
    Banc banc;
    prepare(banc, 1, 12, {3, 8, 19, 27, 33, 40, 45});
    TForm2* viewer = &banc.application().visionneuse();
    ouvre(banc, [](TForm2*) {});
    QCOMPARE(marquees(viewer), Numeros({3, 8, 19, 27, 33, 40}));
    pendantmodal([](QWidget* w) {
        const std::pair<const char*, int> tirage[] = {{"ComboBox1", 1}, {"ComboBox2", 2}, {"ComboBox3", 3},
                                                      {"ComboBox4", 4}, {"ComboBox5", 5}, {"ComboBox6", 6},
                                                      {"ComboBox7", 7}};
        for (const auto& [nom, n] : tirage)
            controle<QComboBox>(w, nom)->setCurrentIndex(n - 1);
        clique(w, "Button1");
    });
    QTest::mouseClick(controle<QPushButton>(&banc.principale(), "bcomparer"), Qt::LeftButton);
    QVERIFY(!viewer->isVisible());
    // The last grid of method 12 is positions 1 2 3 5 6 7.
    QCOMPARE(grille(banc.etat()), Numeros({3, 8, 19, 33, 40, 45}));
    QCOMPARE(marquees(viewer), Numeros({3, 8, 19, 33, 40, 45}));
    banc.etat().methodecour = 12;
    banc.etat().nbgrilles = 4;
    calculgrille(banc.etat(), 2);
    QCOMPARE(marquees(viewer), Numeros({3, 8, 19, 27, 33, 45}));
    // A grid number past the end expands nothing, so the cells stay.
    calculgrille(banc.etat(), 5);
    QCOMPARE(marquees(viewer), Numeros({3, 8, 19, 27, 33, 45}));
}

// The viewer's cells only show the grid: clicking them ticks nothing.
void TestVisionneuse::casesinertes() {
    Banc banc;
    prepare(banc, 1, 12, {3, 8, 19, 27, 33, 40, 45});
    const auto coches = banc.etat().casescoch;
    ouvre(banc, [&](TForm2* w) {
        cliquecase(w, 3);
        cliquecase(w, 4);
        QCOMPARE(marquees(w), Numeros({3, 8, 19, 27, 33, 40}));
        QCOMPARE(grille(banc.etat()), Numeros({3, 8, 19, 27, 33, 40}));
    });
    QVERIFY(banc.etat().casescoch == coches);
    QCOMPARE(controle<QLabel>(&banc.principale(), "nbcoch")->text(), QStringLiteral("7"));
}

// A list without a selection cannot pass the main window's gate, but the viewer must survive
// being shown then: nothing is expanded, the display keeps what it showed and the arrows do nothing.
void TestVisionneuse::sansmethode() {
    Banc banc;
    prepare(banc, 1, 5, {3, 7, 12, 18, 21, 25, 33, 38, 41, 47});
    ouvre(banc, [](TForm2* w) { clique(w, "BitBtn4"); });
    TForm2* w = &banc.application().visionneuse();
    banc.principale().methodes()->setCurrentIndex(-1);
    int redessins = 0;
    const auto redessine = banc.etat().affichegrille;
    banc.etat().affichegrille = [&] {
        ++redessins;
        redessine();
    };
    w->show();
    QCOMPARE(banc.etat().methodecour, 5);
    QCOMPARE(banc.etat().numgrille, 1);
    QCOMPARE(texte(w, "lnubul"), QStringLiteral("2"));
    QCOMPARE(texte(w, "Lnumax"), QStringLiteral("3"));
    QCOMPARE(marquees(w), Numeros({21, 25, 33, 38, 41, 47}));
    clique(w, "BitBtn4");
    clique(w, "BitBtn3");
    QCOMPARE(redessins, 0);
    QCOMPARE(texte(w, "lnubul"), QStringLiteral("2"));
    w->close();
    banc.etat().affichegrille = redessine;
}

void TestVisionneuse::disposition() {
    Banc banc;
    prepare(banc, 1, 12, {3, 8, 19, 27, 33, 40, 45});
    ouvre(banc, [](TForm2* w) {
        QCOMPARE(w->size(), QSize(611, 333));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        const auto dans = [w](const char* nom) {
            auto* c = controle<QWidget>(w, nom);
            return QRect(c->mapTo(w, QPoint(0, 0)), c->size());
        };
        QCOMPARE(dans("pgrille"), QRect(67, 28, 139, 284));
        QCOMPARE(dans("GroupBox2"), QRect(327, 23, 274, 38));
        QCOMPARE(dans("GroupBox1"), QRect(329, 65, 228, 119));
        QCOMPARE(dans("Panel1"), QRect(357, 88, 163, 41));
        QCOMPARE(dans("BitBtn3"), QRect(335, 144, 104, 29));
        QCOMPARE(dans("BitBtn4"), QRect(444, 144, 104, 29));
        QCOMPARE(dans("BitBtn1"), QRect(333, 266, 270, 34));
        QCOMPARE(controle<QWidget>(w, "ltitmet")->width(), 266);
        QCOMPARE(controle<QGroupBox>(w, "GroupBox1")->title(), QString());
        // Cells sit over their printed numbers, found by their number.
        for (int t : {1, 10, 49})
            QCOMPARE(controle<QWidget>(w, BlocNumeros::nomcellule(t).toLatin1().constData())->pos(),
                     BlocNumeros::positioncellule(t));
    });
}

// Every method's description fits its label in both languages.
void TestVisionneuse::descriptionslisibles() {
    Banc banc;
    prepare(banc, 1, 12, {});
    auto* etiquette = controle<QLabel>(&banc.application().visionneuse(), "ltitmet");
    QCOMPARE(etiquette->font().pixelSize(), 12);
    const QFontMetrics mesure(etiquette->font());
    for (int m = 1; m <= 50; ++m)
        for (const std::string& texte : {banc.etat().methodes[m].libfr, banc.etat().methodes[m].libang})
            QVERIFY2(mesure.horizontalAdvance(QString::fromStdString(texte)) <=
                         etiquette->contentsRect().width(),
                     texte.c_str());
}

QTEST_MAIN(TestVisionneuse)
#include "test_visionneuse.moc"

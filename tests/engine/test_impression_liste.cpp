#include "engine/calculgrille.h"
#include "engine/etat.h"
#include "printing/liste.h"
#include "tests/commun/grilles.h"
#include "tests/support/surfacedouble.h"

#include <QTest>

#include <algorithm>
#include <vector>

using namespace vormigral;
using vormigral::test::numeros;
using vormigral::test::SurfaceDouble;
using vormigral::test::TexteImprime;
using vormigral::test::TraceImpression;

namespace {

using Genre = TraceImpression::Genre;

TEtat etatpour(int m) {
    TEtat etat;
    initmethodes(etat.methodes);
    const int nb = etat.methodes[m].nbnumeros;
    for (int k = 1; k <= nb; ++k)
        etat.numcoch[k] = 2 + (k - 1) * 47 / std::max(1, nb - 1);
    return etat;
}

// The lines of a page: each grid number drawn at x 10 with the texts on its y.
std::vector<std::vector<TexteImprime>> lignes(const std::vector<TexteImprime>& page) {
    std::vector<std::vector<TexteImprime>> resultat;
    for (const TexteImprime& t : page) {
        if (t.points != 10)
            continue;
        if (resultat.empty() || resultat.back().front().y != t.y)
            resultat.emplace_back();
        resultat.back().push_back(t);
    }
    return resultat;
}

} // namespace

class TestImpressionListe : public QObject {
    Q_OBJECT

private slots:
    void titre_data();
    void titre();
    void colonnes();
    void pagination_data();
    void pagination();
    void unegrille();
    void etat();
    void sansmethode();
    void erreurs_data();
    void erreurs();
};

void TestImpressionListe::titre_data() {
    QTest::addColumn<int>("largeur");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("x");
    // A character of 24 points is 60 dots wide on the 300 dpi double.
    QTest::newRow("French") << 2400 << QStringLiteral("LISTE DES BULLETINS") << 630;
    QTest::newRow("French, odd margin truncated") << 2401 << QStringLiteral("LISTE DES BULLETINS") << 630;
    QTest::newRow("English") << 2400 << QStringLiteral("GRID S LIST") << 870;
    QTest::newRow("English, A4 at 1200 dpi") << 9583 << QStringLiteral("GRID S LIST") << 4461;
    QTest::newRow("title wider than the page, toward zero")
        << 1001 << QStringLiteral("LISTE DES BULLETINS") << -69;
}

// The title is centred on the page in 24-point Times New Roman at y 50, on the first page only.
void TestImpressionListe::titre() {
    QFETCH(int, largeur);
    QFETCH(QString, texte);
    QFETCH(int, x);
    TEtat e = etatpour(1);
    SurfaceDouble surface;
    surface.largeur = largeur;
    imprimeliste(e, surface, 1, texte.toStdString());
    const TexteImprime titre = surface.pages().at(0).at(0);
    QCOMPARE(QString::fromStdString(titre.texte), texte);
    QCOMPARE(titre.x, x);
    QCOMPARE(titre.y, 50);
    QCOMPARE(titre.police, std::string("Times New Roman"));
    QCOMPARE(titre.points, 24);
    QVERIFY(!titre.gras);
    QCOMPARE(surface.traces.front().texte, std::string(documentliste));
}

// With 10-point characters 25 dots wide and lines 50 high: L = 60, W = 25; the first line comes
// at 50 + 120 + 2L = 290, the grid number at x 10 and the six numbers at 4kW + W + 10.
void TestImpressionListe::colonnes() {
    TEtat e = etatpour(1);
    SurfaceDouble surface;
    imprimeliste(e, surface, 1, "LISTE DES BULLETINS");
    const auto page = lignes(surface.pages().at(0));
    QCOMPARE(int(page.size()), 11);
    for (int g = 1; g <= 11; ++g) {
        const std::vector<TexteImprime>& ligne = page[g - 1];
        QCOMPARE(int(ligne.size()), 7);
        QCOMPARE(ligne[0].y, 290 + (g - 1) * 120);
        QCOMPARE(ligne[0].x, 10);
        QCOMPARE(ligne[0].texte, std::to_string(g));
        const std::vector<int> attendus = numeros(e, 1, g);
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(ligne[k].x, 100 * k + 35);
            QCOMPARE(ligne[k].y, ligne[0].y);
            // On paper, no leading zero.
            QCOMPARE(ligne[k].texte, std::to_string(attendus[k - 1]));
        }
    }
}

void TestImpressionListe::pagination_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<QList<int>>("parpage");
    // PH 1000: a new page once y passes 820; the first page holds 290..770, the next 240..720.
    QTest::newRow("11 grids, 5 lines a page") << 1 << 1000 << QList<int>{5, 5, 1};
    QTest::newRow("last page filled exactly, no blank sheet after it") << 3 << 1000 << QList<int>{5, 5};
    // PH 1031: the limit is 851; 890 is past it on the first page, 840 is not on the next.
    QTest::newRow("later pages one line longer") << 1 << 1031 << QList<int>{5, 6};
    QTest::newRow("y equal to PH - 3L stays on the page") << 1 << 1070 << QList<int>{6, 5};
    QTest::newRow("371 grids on tall pages")
        << 47 << 3300 << QList<int>{24, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 22};
}

// A line goes at the current y; when the next y would pass PH - 3L a new page begins and the
// next line goes at 4L, with no title and in the same 10-point font.
void TestImpressionListe::pagination() {
    QFETCH(int, methode);
    QFETCH(int, hauteur);
    QFETCH(QList<int>, parpage);
    TEtat e = etatpour(methode);
    SurfaceDouble surface;
    surface.hauteur = hauteur;
    const TBilanImpression bilan = imprimeliste(e, surface, methode, "LISTE DES BULLETINS");
    const auto pages = surface.pages();
    QCOMPARE(int(pages.size()), int(parpage.size()));
    QCOMPARE(bilan.pages, int(parpage.size()));
    QCOMPARE(bilan.grilles, e.methodes[methode].nbgrilles);
    int g = 0;
    for (int i = 0; i < int(pages.size()); ++i) {
        const auto page = lignes(pages[i]);
        QCOMPARE(int(page.size()), parpage[i]);
        QCOMPARE(page.front()[0].y, i == 0 ? 290 : 240);
        const int titres = int(std::count_if(pages[i].begin(), pages[i].end(),
                                             [](const TexteImprime& t) { return t.points == 24; }));
        QCOMPARE(titres, i == 0 ? 1 : 0);
        for (const auto& ligne : page) {
            QCOMPARE(ligne[0].texte, std::to_string(++g));
            QVERIFY(ligne[0].y <= hauteur - 180 || ligne[0].y == page.front()[0].y);
        }
    }
    QCOMPARE(g, e.methodes[methode].nbgrilles);
}

// A method of a single grid prints one title and one line on one page.
void TestImpressionListe::unegrille() {
    TEtat e = etatpour(5);
    e.methodes[5].nbgrilles = 1;
    SurfaceDouble surface;
    imprimeliste(e, surface, 5, "GRID S LIST");
    const auto pages = surface.pages();
    QCOMPARE(int(pages.size()), 1);
    QCOMPARE(int(pages[0].size()), 1 + 7);
    QCOMPARE(surface.compte(Genre::Ouvre), 1);
    QCOMPARE(surface.compte(Genre::Page), 0);
    QCOMPARE(surface.compte(Genre::Ferme), 1);
}

void TestImpressionListe::etat() {
    TEtat e = etatpour(2);
    e.numgrille = 9;
    SurfaceDouble surface;
    imprimeliste(e, surface, 2, "LISTE DES BULLETINS");
    QCOMPARE(e.numgrille, 1);
    QCOMPARE(e.methodecour, 2);
    QCOMPARE(e.nbgrilles, 20);
    for (int n : numeros(etatpour(2), 2, 20))
        QCOMPARE(e.grillecour[n], 1);
}

void TestImpressionListe::sansmethode() {
    TEtat e = etatpour(1);
    SurfaceDouble surface;
    QVERIFY(!imprimeliste(e, surface, -1, "LISTE DES BULLETINS").travail);
    QVERIFY(surface.traces.empty());
}

void TestImpressionListe::erreurs_data() {
    QTest::addColumn<int>("ou");
    QTest::newRow("at the opening") << 0;
    QTest::newRow("at the second page") << 1;
    QTest::newRow("at the closing") << 3;
}

void TestImpressionListe::erreurs() {
    QFETCH(int, ou);
    TEtat e = etatpour(1);
    SurfaceDouble surface;
    surface.hauteur = 1000;
    surface.echoueouverture = ou == 0;
    surface.echouepage = ou == 1 ? 1 : 0;
    surface.echouefermeture = ou == 3;
    QVERIFY_THROWS_EXCEPTION(ErreurImpression, imprimeliste(e, surface, 1, "LISTE DES BULLETINS"));
    QCOMPARE(surface.compte(Genre::Ferme), 0);
    QCOMPARE(surface.compte(Genre::Abandon), ou == 0 ? 0 : 1);
}

QTEST_APPLESS_MAIN(TestImpressionListe)
#include "test_impression_liste.moc"

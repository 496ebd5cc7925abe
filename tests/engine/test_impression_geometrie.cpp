#include "engine/etat.h"
#include "printing/geometrie.h"
#include "printing/liste.h"
#include "tests/support/surfacedouble.h"

#include <QTest>

#include <limits>

using namespace vormigral;
using vormigral::test::SurfaceDouble;

namespace {

TTypesBulletin types() {
    TTypesBulletin t;
    initbulletins(t);
    return t;
}

} // namespace

class TestImpressionGeometrie : public QObject {
    Q_OBJECT

private slots:
    void typesbulletin();
    void positioncase_data();
    void positioncase();
    void convposition_data();
    void convposition();
    void arrondipair_data();
    void arrondipair();
    void demiesetrequetes();
    void lignebulletin_data();
    void lignebulletin();
};

void TestImpressionGeometrie::typesbulletin() {
    const TTypesBulletin t = types();
    QCOMPARE(t[1].nom, std::string("LOTO FRANCAIS MERCREDI/SAMEDI 8 GRILLES"));
    QCOMPARE(t[1].nbgrillesbull, 8);
    QCOMPARE(t[2].nom, std::string("LOTTO QUEBEC 6/49 6 grilles"));
    QCOMPARE(t[2].nbgrillesbull, 6);
}

void TestImpressionGeometrie::positioncase_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("type 1, number 1 one row below 10") << 1 << 1 << 1 << 0.52 << 3.86;
    QTest::newRow("type 1, number 10 at the top") << 1 << 1 << 10 << 0.90 << 3.36;
    QTest::newRow("type 1, number 49") << 1 << 1 << 49 << 2.04 << 7.86;
    QTest::newRow("type 1, number 49 at position 8") << 1 << 8 << 49 << 15.34 << 7.86;
    QTest::newRow("type 1, number 9 in column 0 row 9") << 1 << 1 << 9 << 0.52 << 7.86;
    QTest::newRow("type 1, number 40 in row 0") << 1 << 3 << 40 << 5.84 << 3.36;
    QTest::newRow("type 1, number 30 at position 2") << 1 << 2 << 30 << 3.56 << 3.36;
    QTest::newRow("type 1, number 29") << 1 << 1 << 29 << 1.28 << 7.86;
    QTest::newRow("type 2, number 1") << 2 << 1 << 1 << 1.10 << 1.63;
    QTest::newRow("type 2, number 49") << 2 << 1 << 49 << 2.70 << 6.67;
    QTest::newRow("type 2, number 20 at position 6") << 2 << 6 << 20 << 12.90 << 1.00;
}

void TestImpressionGeometrie::positioncase() {
    QFETCH(int, type);
    QFETCH(int, p);
    QFETCH(int, n);
    QFETCH(double, x);
    QFETCH(double, y);
    const TPositionCase position = vormigral::positioncase(types()[type], p, n);
    QVERIFY2(std::abs(position.x - x) < 1e-9, qPrintable(QString::number(position.x, 'g', 17)));
    QVERIFY2(std::abs(position.y - y) < 1e-9, qPrintable(QString::number(position.y, 'g', 17)));
}

void TestImpressionGeometrie::convposition_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("resx");
    QTest::addColumn<int>("resy");
    QTest::addColumn<int>("decx");
    QTest::addColumn<int>("decy");
    QTest::addColumn<int>("decalh");
    QTest::addColumn<int>("decalv");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("300 dpi, number 1") << 1 << 1 << 1 << 300 << 300 << 0 << 0 << 0 << 0 << 61 << 456;
    QTest::newRow("300 dpi, number 10") << 1 << 1 << 10 << 300 << 300 << 0 << 0 << 0 << 0 << 106 << 397;
    QTest::newRow("300 dpi, number 49") << 1 << 1 << 49 << 300 << 300 << 0 << 0 << 0 << 0 << 241 << 928;
    QTest::newRow("300 dpi, number 49 at position 8")
        << 1 << 8 << 49 << 300 << 300 << 0 << 0 << 0 << 0 << 1812 << 928;
    QTest::newRow("type 2, number 1") << 2 << 1 << 1 << 300 << 300 << 0 << 0 << 0 << 0 << 130 << 193;
    QTest::newRow("type 2, number 49") << 2 << 1 << 49 << 300 << 300 << 0 << 0 << 0 << 0 << 319 << 788;
    QTest::newRow("printing offset and user offsets")
        << 1 << 1 << 1 << 300 << 300 << 50 << 40 << 2 << -1 << 35 << 404;
    QTest::newRow("600 x 300 dpi, each axis its own")
        << 1 << 1 << 1 << 600 << 300 << 0 << 0 << 0 << 0 << 123 << 456;
    QTest::newRow("300 x 600 dpi") << 1 << 1 << 1 << 300 << 600 << 0 << 0 << 0 << 0 << 61 << 912;
    QTest::newRow("negative user offset kept")
        << 1 << 1 << 1 << 300 << 300 << 0 << 0 << -10 << -50 << -57 << -135;
    QTest::newRow("printing offset past the box kept")
        << 1 << 1 << 1 << 300 << 300 << 100 << 500 << 0 << 0 << -39 << -44;
    QTest::newRow("1200 dpi, printable area at 167")
        << 1 << 1 << 1 << 1200 << 1200 << 167 << 167 << 3 << -2 << 220 << 1562;
}

void TestImpressionGeometrie::convposition() {
    QFETCH(int, type);
    QFETCH(int, p);
    QFETCH(int, n);
    QFETCH(int, resx);
    QFETCH(int, resy);
    QFETCH(int, decx);
    QFETCH(int, decy);
    QFETCH(int, decalh);
    QFETCH(int, decalv);
    QFETCH(int, x);
    QFETCH(int, y);
    SurfaceDouble surface;
    surface.resx = resx;
    surface.resy = resy;
    surface.decx = decx;
    surface.decy = decy;
    TParametres parametres;
    parametres.decalh = decalh;
    parametres.decalv = decalv;
    const TPositionCase position = vormigral::positioncase(types()[type], p, n);
    QCOMPARE(vormigral::convposition(surface, parametres, 1, position.x), x);
    QCOMPARE(vormigral::convposition(surface, parametres, 2, position.y), y);
    // Every axis other than 1 is the vertical one.
    QCOMPARE(vormigral::convposition(surface, parametres, 0, position.y), y);
    QCOMPARE(vormigral::convposition(surface, parametres, 7, position.y), y);
}

void TestImpressionGeometrie::arrondipair_data() {
    QTest::addColumn<double>("valeur");
    QTest::addColumn<int>("attendu");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("190.5") << 190.5 << 190;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("just below a half") << 2.4999999999 << 2;
    QTest::newRow("just above a half") << 2.5000000001 << 3;
    QTest::newRow("-2.7") << -2.7 << -3;
    QTest::newRow("beyond 32 bits") << 1e12 << std::numeric_limits<std::int32_t>::max();
    QTest::newRow("beyond 32 bits, negative") << -1e12 << std::numeric_limits<std::int32_t>::min();
}

void TestImpressionGeometrie::arrondipair() {
    QFETCH(double, valeur);
    QFETCH(int, attendu);
    QCOMPARE(vormigral::arrondipair(valeur), attendu);
}

// Exact halves reach convposition too: 1.27 cm is half an inch, and 3.81 cm one and a half.
void TestImpressionGeometrie::demiesetrequetes() {
    SurfaceDouble surface;
    const TParametres parametres;
    const struct {
        int resolution;
        int decalage;
        double cm;
        int attendu;
    } cas[] = {{1, 0, 1.27, 0}, {3, 0, 1.27, 2},  {5, 0, 1.27, 2},   {7, 0, 1.27, 4},    {9, 0, 1.27, 4},
               {5, 3, 1.27, 0}, {3, 3, 1.27, -2}, {7, 10, 1.27, -6}, {127, 0, 3.81, 190}};
    for (const auto& c : cas) {
        // The resolution and offset change between calls: nothing may be kept from the last one.
        surface.resx = c.resolution;
        surface.resy = c.resolution;
        surface.decx = c.decalage;
        surface.decy = c.decalage;
        const int avant = surface.requetes;
        QCOMPARE(vormigral::convposition(surface, parametres, 1, c.cm), c.attendu);
        QCOMPARE(vormigral::convposition(surface, parametres, 2, c.cm), c.attendu);
        QCOMPARE(surface.requetes - avant, 4);
    }
}

void TestImpressionGeometrie::lignebulletin_data() {
    QTest::addColumn<int>("g");
    QTest::addColumn<QList<int>>("numeros");
    QTest::addColumn<QString>("ligne");
    QTest::newRow("example") << 1 << QList<int>{3, 8, 19, 27, 33, 45}
                             << QStringLiteral("Bull.: 001 :-03-08-19-27-33-45");
    QTest::newRow("two digits") << 42 << QList<int>{1, 2, 10, 20, 30, 49}
                                << QStringLiteral("Bull.: 042 :-01-02-10-20-30-49");
    QTest::newRow("three digits") << 371 << QList<int>{44, 45, 46, 47, 48, 49}
                                  << QStringLiteral("Bull.: 371 :-44-45-46-47-48-49");
    QTest::newRow("grid 9") << 9 << QList<int>{5, 6, 7, 8, 9, 11}
                            << QStringLiteral("Bull.: 009 :-05-06-07-08-09-11");
    QTest::newRow("grid 100") << 100 << QList<int>{7, 14, 21, 28, 35, 42}
                              << QStringLiteral("Bull.: 100 :-07-14-21-28-35-42");
}

void TestImpressionGeometrie::lignebulletin() {
    QFETCH(int, g);
    QFETCH(QList<int>, numeros);
    QFETCH(QString, ligne);
    std::array<std::int32_t, 50> grille{};
    for (int n : numeros)
        grille[n] = 1;
    // Only flags of exactly 1 count, as everywhere a grid is read.
    grille[25] = 2;
    const std::string resultat = vormigral::lignebulletin(g, grille);
    QCOMPARE(QString::fromStdString(resultat), ligne);
    QCOMPARE(resultat.substr(10, 2), std::string(" :"));
}

QTEST_APPLESS_MAIN(TestImpressionGeometrie)
#include "test_impression_geometrie.moc"

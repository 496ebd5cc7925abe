#include "engine/cases.h"
#include "engine/serie.h"

#include <QTest>

using namespace vormigral;

class TestSerie : public QObject {
    Q_OBJECT
private slots:
    void plage_data();
    void plage();
    void porte_data();
    void porte();
    void parcours();
    void roue();
};

void TestSerie::plage_data() {
    QTest::addColumn<int>("premier");
    QTest::addColumn<int>("dernier");
    QTest::addColumn<int>("attendu");
    const int correcte = int(TPlage::correcte), hors = int(TPlage::horsserie),
              inversee = int(TPlage::inversee);
    QTest::newRow("whole series") << 1 << 20 << correcte;
    QTest::newRow("one grid") << 7 << 7 << correcte;
    QTest::newRow("first below 1") << 0 << 5 << hors;
    QTest::newRow("last beyond the count") << 3 << 21 << hors;
    QTest::newRow("reversed") << 9 << 4 << inversee;
    QTest::newRow("no method: no grid at all") << 1 << 5 << hors;
}

// The dialog refuses every range but a correct one; a run prints the whole series for a bound
// outside it, nothing for a reversed one. Both read this one rule.
void TestSerie::plage() {
    QFETCH(int, premier);
    QFETCH(int, dernier);
    QFETCH(int, attendu);
    const int nbgrilles = QByteArray(QTest::currentDataTag()).startsWith("no method") ? 0 : 20;
    QCOMPARE(int(verifieplage(premier, dernier, nbgrilles)), attendu);
}

void TestSerie::porte_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("coches");
    QTest::addColumn<bool>("ouverte");
    QTest::newRow("method 12, 7 ticked") << 12 << 7 << true;
    QTest::newRow("method 12, 6 ticked") << 12 << 6 << false;
    QTest::newRow("method 12, 8 ticked") << 12 << 8 << false;
    QTest::newRow("nothing selected") << -1 << 7 << false;
    QTest::newRow("method 0") << 0 << 0 << false;
}

void TestSerie::porte() {
    QFETCH(int, methode);
    QFETCH(int, coches);
    QFETCH(bool, ouverte);
    TEtat etat;
    initmethodes(etat.methodes);
    etat.methodechoisie = methode;
    for (int n = 1; n <= coches; ++n)
        etat.casescoch[n] = 1;
    QCOMPARE(selectioncorrecte(etat), ouverte);
    etat.numgrille = 5;
    etat.methodecour = 3;
    QCOMPARE(commenceserie(etat, methode), methode >= 1);
    QCOMPARE(etat.numgrille, 1);
    QCOMPARE(etat.methodecour, methode >= 1 ? methode : 3);
    QCOMPARE(etat.nbgrilles, methode >= 1 ? etat.methodes[methode].nbgrilles : 0);
}

// A run visits its grids in order, stops where asked, and redraws the viewer once, at the end.
void TestSerie::parcours() {
    TEtat etat;
    initmethodes(etat.methodes);
    tirealeatoire(etat, 14, [](int l) { return l - 1; });
    construitnumcoch(etat);
    commenceserie(etat, 47);
    int redessins = 0;
    etat.affichegrille = [&redessins] { ++redessins; };
    QList<int> vues;
    parcourtserie(etat, 369, 400, [&vues](std::int32_t g) {
        vues << g;
        return true;
    });
    QCOMPARE(vues, QList<int>({369, 370, 371}));
    QCOMPARE(redessins, 1);
    vues.clear();
    parcourtserie(etat, 1, 371, [&vues](std::int32_t g) {
        vues << g;
        return g < 3;
    });
    QCOMPARE(vues, QList<int>({1, 2, 3}));
    QCOMPARE(redessins, 2);
    parcourtserie(etat, 372, 380, [](std::int32_t) { return true; });
    QCOMPARE(redessins, 2);
}

// A wheel in play is gated and expanded as a method is, on its own count of numbers; the method
// selected before, and no wheel, come back at the end.
void TestSerie::roue() {
    TEtat etat;
    initmethodes(etat.methodes);
    etat.methodechoisie = 12;
    for (int n : {2, 4, 6, 8, 10, 12, 14, 16})
        etat.casescoch[n] = 1;
    {
        TRoueJouee roue;
        roue.methode.nbnumeros = 8;
        roue.grilles = {{1, 2, 3, 4, 5, 6}, {3, 4, 5, 6, 7, 8}};
        roue.promesse = {2, 4};
        const JeuRoue jeu(etat, roue);
        QVERIFY(selectioncorrecte(etat));
        QVERIFY(commenceserie(etat, etat.methodechoisie));
        QCOMPARE(etat.nbgrilles, 2);
        QCOMPARE(garantiedeserie(etat, etat.methodechoisie).y, 4);
        QList<int> derniere;
        parcourtserie(etat, 1, 2, [](std::int32_t) { return true; });
        for (int n = 1; n <= 49; ++n)
            if (etat.grillecour[static_cast<std::size_t>(n)])
                derniere << n;
        QCOMPARE(derniere, QList<int>({6, 8, 10, 12, 14, 16}));
    }
    QCOMPARE(etat.methodechoisie, 12);
    QVERIFY(etat.rouejouee.grilles.empty());
    QVERIFY(!commenceserie(etat, methoderoue));
}

QTEST_APPLESS_MAIN(TestSerie)
#include "test_serie.moc"

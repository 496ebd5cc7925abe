#include "engine/methodes.h"

#include <QTest>

using namespace vormigral;

class TestMethodes : public QObject {
    Q_OBJECT

    TMethodes methodes;

private slots:
    void initTestCase() { initmethodes(methodes); }

    void catalogue_data();
    void catalogue();
    void ordredelaliste_data();
    void ordredelaliste();
    void formatdesitems();
    void methodedutexte_data();
    void methodedutexte();
    void methodehorsplage();
    void langueinconnueenfrancais();
};

void TestMethodes::catalogue_data() {
    QTest::addColumn<int>("m");
    QTest::addColumn<QString>("fr");
    QTest::addColumn<QString>("en");
    QTest::addColumn<int>("grilles");
    QTest::addColumn<int>("numeros");
    struct Ligne {
        int m;
        const char* fr;
        const char* en;
        int g;
        int n;
    };
    const Ligne lignes[] = {
        {1, "3 numéros si 3 numéros parmi les 11 en 11 grilles",
         "3 numbers if 3 numbers in the 11 in 11 grids", 11, 11},
        {2, "4 numéros si 5 numéros parmi les 12 en 20 grilles",
         "4 numbers if 5 numbers in the 12 in 20 grids", 20, 12},
        {4, "5 numéros si 6 numéros parmi les 09 en 8 grilles", "5 numbers if 6 numbers in the 09 in 8 grids",
         8, 9},
        {5, "4 numéros si 6 numéros parmi les 10 en 3 grilles", "4 numbers if 6 numbers in the 10 in 3 grids",
         3, 10},
        {10, "4 numéros si 6 numéros parmi les 12 en 10 grilles",
         "4 numbers if 6 numbers in the 12 in 10 grids", 10, 12},
        {12, "3 numéros si 3 numéros parmi les 07 en 4 grilles",
         "3 numbers if 3 numbers in the 07 in 4 grids", 4, 7},
        {15, "3 numéros si 6 numéros parmi les 20 en 10 grilles",
         "3 numbers if 6 numbers in the 20 in 10 grids", 10, 20},
        {23, "4 numéros si 4 numéros parmi les 09 en 12 grilles",
         "4 numbers if 4 numbers in the 09 in 12 grilles", 12, 9},
        {32, "5 numéros si 5 numéros parmi les 11 en 100 grilles",
         "5 numbers if 5 numbers in the 11 in 100 grids", 100, 11},
        {42, "3 numéros si 4 numéros parmi les 14 en 11 grilles",
         "3 numbers if 4 numbers in the 14 in 11 grids", 11, 14},
        {45, "5 numéros si 6 numéros parmi les 14 en 98 grilles",
         "5 numbers if 6 numbers in the 14 in 98 grids", 98, 14},
        {47, "5 numéros si 5 numéros parmi les 14 en 371 grilles",
         "5 numbers if 5 numbers in the 14 in 371 grids", 371, 14},
        {50, "3 numéros si 3 numéros parmi les 20 en 72 grilles",
         "3 numbers if 3 numbers in the 20 in 72 grids", 72, 20},
    };
    for (const Ligne& l : lignes)
        QTest::addRow("methode %d", l.m)
            << l.m << QString::fromUtf8(l.fr) << QString::fromUtf8(l.en) << l.g << l.n;
}

void TestMethodes::catalogue() {
    QFETCH(int, m);
    QFETCH(QString, fr);
    QCOMPARE(QString::fromStdString(methodes[m].libfr), fr);
    QFETCH(QString, en);
    QCOMPARE(QString::fromStdString(methodes[m].libang), en);
    QFETCH(int, grilles);
    QCOMPARE(methodes[m].nbgrilles, grilles);
    QFETCH(int, numeros);
    QCOMPARE(methodes[m].nbnumeros, numeros);
}

void TestMethodes::ordredelaliste_data() {
    QTest::addColumn<int>("langue");
    QTest::newRow("francais") << 1;
    QTest::newRow("anglais") << 2;
}

// A grid file stores the list position, so this order is part of the file format.
void TestMethodes::ordredelaliste() {
    QFETCH(int, langue);
    const std::vector<int> attendu = {12, 9,  3, 1,  21, 33, 34, 39, 40, 49, 50, 24, 25, 26, 27, 42, 13,
                                      16, 15, 7, 22, 23, 14, 31, 35, 36, 41, 48, 2,  5,  11, 6,  10, 28,
                                      17, 18, 8, 29, 30, 38, 32, 37, 46, 47, 19, 4,  43, 20, 44, 45};
    const std::vector<std::string> items = listemethodes(methodes, langue);
    QCOMPARE(items.size(), std::size_t(50));
    std::vector<int> obtenu;
    for (const std::string& item : items)
        obtenu.push_back(vormigral::methodedutexte(item));
    QCOMPARE(obtenu, attendu);
    // Totals the catalogue promises.
    int total = 0, mini = 1000, maxi = 0, nmini = 100, nmaxi = 0;
    for (int m = 1; m <= nbmethodes; ++m) {
        total += methodes[m].nbgrilles;
        mini = std::min(mini, methodes[m].nbgrilles);
        maxi = std::max(maxi, methodes[m].nbgrilles);
        nmini = std::min(nmini, methodes[m].nbnumeros);
        nmaxi = std::max(nmaxi, methodes[m].nbnumeros);
    }
    QCOMPARE(total, 2122);
    QCOMPARE(mini, 3);
    QCOMPARE(maxi, 371);
    QCOMPARE(nmini, 7);
    QCOMPARE(nmaxi, 20);
}

void TestMethodes::formatdesitems() {
    const std::vector<std::string> fr = listemethodes(methodes, 1);
    const QString premier = QString::fromStdString(fr[3]);
    QCOMPARE(premier,
             QString::fromUtf8("3 numéros si 3 numéros parmi les 11 en 11 grilles") + QString(50, ' ') + "1");
    QCOMPARE(premier.size(), 100);
    const std::vector<std::string> en = listemethodes(methodes, 2);
    QCOMPARE(QString::fromStdString(en[10]),
             QStringLiteral("3 numbers if 3 numbers in the 20 in 72 grids") + QString(50, ' ') + "50");
    QCOMPARE(QString::fromStdString(en[21]).left(46),
             QStringLiteral("4 numbers if 4 numbers in the 09 in 12 grilles"));
    int plusLongFr = 0, plusLongEn = 0;
    for (int m = 1; m <= nbmethodes; ++m) {
        plusLongFr = std::max<int>(plusLongFr, QString::fromStdString(methodes[m].libfr).size());
        plusLongEn = std::max<int>(plusLongEn, QString::fromStdString(methodes[m].libang).size());
    }
    QCOMPARE(plusLongFr, 50);
    QCOMPARE(plusLongEn, 46);
}

void TestMethodes::methodedutexte_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("attendu");
    QTest::newRow("deux blancs") << "abc  7" << 7;
    QTest::newRow("un blanc") << "abc 45" << 45;
    QTest::newRow("trois chiffres") << "x371" << 371;
    QTest::newRow("signe") << "abc -5" << -5;
    QTest::newRow("lettre") << "abc x1" << -1;
    QTest::newRow("blancs seuls") << "abc   " << -1;
    QTest::newRow("signe seul") << "abc  +" << -1;
    QTest::newRow("trop court") << "12" << -1;
    QTest::newRow("vide") << "" << -1;
}

void TestMethodes::methodedutexte() {
    QFETCH(QString, texte);
    QFETCH(int, attendu);
    QCOMPARE(vormigral::methodedutexte(texte.toStdString()), attendu);
}

void TestMethodes::methodehorsplage() {
    QVERIFY(methode(methodes, -1) == nullptr);
    QVERIFY(methode(methodes, 0) == nullptr);
    QVERIFY(methode(methodes, 51) == nullptr);
    QCOMPARE(methode(methodes, 45)->nbgrilles, 98);
    QCOMPARE(methode(methodes, 45)->nbnumeros, 14);
}

// A settings file may hold a language the program does not know; the list must not come out empty.
void TestMethodes::langueinconnueenfrancais() {
    QCOMPARE(listemethodes(methodes, 7), listemethodes(methodes, 1));
    QCOMPARE(listemethodes(methodes, 0).size(), std::size_t(50));
}

QTEST_APPLESS_MAIN(TestMethodes)
#include "test_methodes.moc"

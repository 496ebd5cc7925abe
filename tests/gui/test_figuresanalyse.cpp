// The analysis's figures, worded without a window, and the widths of the chart's segments.
#include "app/langue.h"
#include "windows/figuresanalyse.h"

#include <QApplication>
#include <QTest>

#include <numeric>

using namespace vormigral;

using Parts = std::array<double, nbclasses>;
using Largeurs = std::array<int, nbclasses>;

class TestFiguresAnalyse : public QObject {
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void segments_data();
    void segments();
};

void TestFiguresAnalyse::figures_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("langue");
    QTest::addColumn<int>("tenus"); // the column of the sets of six that the best grid holds so many of
    QTest::addColumn<QString>("promesse");
    QTest::addColumn<QString>("cas");    // (figures found by hand from the tables)
    QTest::addColumn<QString>("tirage"); // six drawn among the N: C(N, 6) draws out of C(49, 6)
    QTest::addColumn<QString>("barre");  // the bar of six drawn, in words
    QTest::newRow("22 fr") << 22 << 1 << 5
                           << "tenue sauf dans 6 cas sur 70, où la meilleure grille n'en contient que 3."
                           << "22 (78,6\u00a0%)"
                           << "0,000200\u00a0% — 1 sur 499\u202f422"
                           << "6 tirés : 6 numéros 21,4\u00a0%, 5 numéros 78,6\u00a0%.";
    QTest::newRow("22 en") << 22 << 2 << 5
                           << "kept except in 6 cases out of 70, where the best grid holds only 3."
                           << "22 (78.6%)"
                           << "0.000200% — 1 in 499,422"
                           << "6 drawn: 6 numbers 21.4%, 5 numbers 78.6%.";
    QTest::newRow("47 fr") << 47 << 1 << 5 << "tenue dans tous les cas (2\u202f002 cas)."
                           << "2\u202f632 (87,6\u00a0%)"
                           << "0,0215\u00a0% — 1 sur 4\u202f657"
                           << "6 tirés : 6 numéros 12,4\u00a0%, 5 numéros 87,6\u00a0%.";
    QTest::newRow("6 en") << 6 << 2 << 3
                          << "kept except in 1 case out of 462, where the best grid holds only 3."
                          << "1 (0.216%)"
                          << "0.00330% — 1 in 30,268"
                          << "6 drawn: ";
}

void TestFiguresAnalyse::figures() {
    QFETCH(int, methode);
    QFETCH(int, langue);
    QFETCH(int, tenus);
    QFETCH(QString, promesse);
    QFETCH(QString, cas);
    QFETCH(QString, tirage);
    QFETCH(QString, barre);
    Langue traductions;
    traductions.applique(langue);
    const QLocale locale = langue == 2 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                       : QLocale(QLocale::French, QLocale::France);
    const FiguresAnalyse f = AnalyseMethode::figures(analysemethode(methode), QStringLiteral("x"), locale);
    QVERIFY2(f.promesse.endsWith(promesse), qPrintable(f.promesse));
    QCOMPARE(f.tenue, promesse.contains(QLatin1String("every")) || promesse.contains(QLatin1String("tous")));
    QCOMPARE(f.repartition.cellules[3][static_cast<std::size_t>(7 - tenus)].texte, cas);
    QCOMPARE(f.tirages.cellules[3][0].texte, tirage);
    QVERIFY2(f.description.contains(barre), qPrintable(f.description));
    // Each bar's shares make its whole, and the classes a set cannot reach say so to a screen reader.
    for (const BarreAnalyse& b : f.barres)
        QCOMPARE(std::accumulate(b.parts.begin(), b.parts.end(), 0.0), 1.0);
    QCOMPARE(f.repartition.cellules[0][1].accessible, langue == 2 ? "not possible" : "sans objet");
}

void TestFiguresAnalyse::segments_data() {
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<int>("largeur");
    QTest::addColumn<Largeurs>("attendues");
    QTest::newRow("all wide enough") << Parts{0.5, 0.25, 0.25, 0, 0} << 400 << Largeurs{200, 100, 100, 0, 0};
    QTest::newRow("a tiny share keeps 4 px")
        << Parts{0.0001, 0.4999, 0.5, 0, 0} << 400 << Largeurs{4, 198, 198, 0, 0};
    QTest::newRow("two tiny shares") << Parts{0.001, 0, 0.998, 0, 0.001} << 100 << Largeurs{4, 0, 92, 0, 4};
    QTest::newRow("one that the others push under")
        << Parts{0.01, 0.01, 0.01, 0.105, 0.865} << 40 << Largeurs{4, 4, 4, 4, 24};
    QTest::newRow("no room for every minimum")
        << Parts{0.2, 0.2, 0.2, 0.2, 0.2} << 10 << Largeurs{2, 2, 2, 2, 2};
    QTest::newRow("a whole") << Parts{0, 0, 0, 1, 0} << 7 << Largeurs{0, 0, 0, 7, 0};
    QTest::newRow("empty bar") << Parts{} << 100 << Largeurs{};
}

void TestFiguresAnalyse::segments() {
    QFETCH(Parts, parts);
    QFETCH(int, largeur);
    QFETCH(Largeurs, attendues);
    QCOMPARE(largeurssegments(parts, largeur, 4), attendues);
}

QTEST_MAIN(TestFiguresAnalyse)
#include "test_figuresanalyse.moc"

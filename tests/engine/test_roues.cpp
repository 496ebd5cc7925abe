#include "analysis/analyse.h"
#include "engine/methodes.h"
#include "engine/tablegrilles.h"
#include "engine/verification.h"
#include "wheels/bornes.h"
#include "wheels/construction.h"
#include "wheels/controle.h"
#include "wheels/lotto.h"

#include <QtTest>

#include <bitset>
#include <functional>
#include <random>
#include <thread>

using namespace vormigral;

Q_DECLARE_METATYPE(Portee)
Q_DECLARE_METATYPE(std::vector<std::uint64_t>)

namespace {

int compte(std::uint64_t m) {
    return static_cast<int>(std::bitset<64>(m).count());
}

// Every set of m positions against every grid, in increasing order of the sets as words.
std::vector<std::uint64_t> trousabrutes(const std::vector<std::uint64_t>& grilles, int n, int t, int m) {
    std::vector<std::uint64_t> trous;
    std::vector<int> p(static_cast<std::size_t>(m));
    const std::function<void(int, int)> suite = [&](int j, int depuis) {
        if (j == m) {
            std::uint64_t s = 0;
            for (const int x : p)
                s |= std::uint64_t{1} << x;
            if (std::none_of(grilles.begin(), grilles.end(),
                             [&](std::uint64_t g) { return compte(g & s) >= t; }))
                trous.push_back(s);
            return;
        }
        for (int x = depuis; x < n; ++x) {
            p[static_cast<std::size_t>(j)] = x;
            suite(j + 1, x + 1);
        }
    };
    suite(0, 0);
    return trous;
}

std::vector<std::uint64_t> auhasard(int n, int nombre, std::uint32_t graine) {
    std::mt19937 gen(graine);
    std::vector<std::uint64_t> grilles;
    while (static_cast<int>(grilles.size()) < nombre) {
        std::uint64_t g = 0;
        while (compte(g) < 6)
            g |= std::uint64_t{1} << (gen() % static_cast<unsigned>(n));
        grilles.push_back(g);
    }
    return grilles;
}

TDemandeRoue demande(int n, int t, int m, int fils = 1) {
    TDemandeRoue d = demanderoue(n, t, m, 50, 1, fils);
    d.paslimite = 2'000'000;
    return d;
}

TRoue tabledemethode(int methode, int n) {
    TRoue roue;
    roue.nbnumeros = n;
    roue.t = garantie(methode).x;
    roue.m = garantie(methode).y;
    roue.grilles = masquesgrilles(tablegrilles(methode), n);
    return roue;
}

} // namespace

class TestRoues : public QObject {
    Q_OBJECT

private slots:
    void controlecommelabrute_data();
    void controlecommelabrute();
    void bornessaines();
    void construitaloptimum_data();
    void construitaloptimum();
    void partitionpetite_data();
    void partitionpetite();
    void reparebouchetouslestrous();
    void refusedavance_data();
    void refusedavance();
    void arretrenddelaverifiee();
    void analysetouteroue();
};

void TestRoues::controlecommelabrute_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("m");
    QTest::addColumn<std::vector<std::uint64_t>>("grilles");
    for (const auto& [n, t, m, nombre] : std::vector<std::tuple<int, int, int, int>>{{10, 3, 3, 8},
                                                                                     {12, 4, 4, 20},
                                                                                     {14, 3, 6, 3},
                                                                                     {13, 2, 5, 2},
                                                                                     {11, 5, 6, 12},
                                                                                     {9, 1, 2, 1},
                                                                                     {16, 4, 5, 15}})
        QTest::addRow("%d if %d among %d, %d random grids", t, m, n, nombre)
            << n << t << m << auhasard(n, nombre, 7);
    // Holes planted in wheels that keep their guarantee: one grid left out of a method's table.
    for (const int methode : {3, 24, 35}) {
        const TMethodes c = [] {
            TMethodes x;
            initmethodes(x);
            return x;
        }();
        const int n = c[static_cast<std::size_t>(methode)].nbnumeros;
        std::vector<std::uint64_t> grilles = masquesgrilles(tablegrilles(methode), n);
        grilles.erase(grilles.begin() + 1);
        QTest::addRow("method %d less its second grid", methode)
            << n << garantie(methode).x << garantie(methode).y << grilles;
    }
}

// The count and the first holes agree with every set checked against every grid, on one thread
// and on several.
void TestRoues::controlecommelabrute() {
    QFETCH(int, n);
    QFETCH(int, t);
    QFETCH(int, m);
    QFETCH(std::vector<std::uint64_t>, grilles);
    const std::vector<std::uint64_t> attendus = trousabrutes(grilles, n, t, m);
    for (const int fils : {1, 3}) {
        const TControle c = controle(grilles, n, t, m, 25, fils);
        QVERIFY(c.complet);
        QCOMPARE(c.nbensembles, binomial(n, m));
        QCOMPARE(c.trous, static_cast<std::int64_t>(attendus.size()));
        const std::vector<std::uint64_t> premiers(
            attendus.begin(), attendus.begin() + std::min<std::ptrdiff_t>(25, attendus.size()));
        QCOMPARE(c.premiers, premiers);
    }
    QVERIFY(!attendus.empty());
}

// No lower bound exceeds a size that exists: the best known ones, and every method's table that
// keeps its promise.
void TestRoues::bornessaines() {
    TMethodes c;
    initmethodes(c);
    for (int methode = 1; methode <= nbmethodes; ++methode) {
        const TGarantie g = garantie(methode);
        const std::int64_t borne = borneinferieure(c[static_cast<std::size_t>(methode)].nbnumeros, g.x, g.y);
        QVERIFY(borne >= 1);
        if (garantiepleine(verifiemethode(methode)))
            QVERIFY2(borne <= c[static_cast<std::size_t>(methode)].nbgrilles,
                     qPrintable(QString::number(methode)));
    }
    for (int t = 2; t <= 6; ++t)
        for (int n = 7; n <= 49; ++n)
            if (const int connue = meilleureconnue(n, t, t))
                QVERIFY2(borneinferieure(n, t, t) <= connue,
                         qPrintable(QStringLiteral("%1 %2").arg(n).arg(t)));
    QCOMPARE(borneinferieure(12, 5, 5), 132); // the Steiner system S(5, 6, 12) meets it
    QCOMPARE(borneinferieure(10, 3, 3), 7);
}

void TestRoues::construitaloptimum_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("taille");
    QTest::newRow("3 if 3 among 10") << 10 << 3 << 3 << 10;
    QTest::newRow("4 if 4 among 9") << 9 << 4 << 4 << 12;
    QTest::newRow("3 if 3 among 7") << 7 << 3 << 3 << 4;
    QTest::newRow("5 if 5 among 12") << 12 << 5 << 5 << 132;
}

// A fixed seed on one thread reaches the best known size, the same wheel every time.
void TestRoues::construitaloptimum() {
    QFETCH(int, n);
    QFETCH(int, t);
    QFETCH(int, m);
    QFETCH(int, taille);
    const TResultatRoue r = construitroue(demande(n, t, m));
    QCOMPARE(r.issue, Issue::Trouvee);
    QCOMPARE(static_cast<int>(r.roue.grilles.size()), taille);
    QVERIFY(roueverifiee(r.roue));
    QCOMPARE(construitroue(demande(n, t, m)).roue.grilles, r.roue.grilles);
}

void TestRoues::partitionpetite_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("taille");
    // Groups A, B, C of 3: grids A+B and B+C both hold fewer than two of three drawn only when B
    // holds none and A and C one each at most.
    QTest::newRow("2 if 3 among 9") << 9 << 2 << 3 << 2;
    // Groups of 2: three grids, each leaving out one of the last three groups; four drawn fill at
    // most two of those, so one grid leaves out at most one drawn.
    QTest::newRow("3 if 4 among 8") << 8 << 3 << 4 << 3;
    // Groups 6+6+4: one grid per group; four drawn put two in one group.
    QTest::newRow("2 if 4 among 16") << 16 << 2 << 4 << 3;
    // Groups 6+4+3+2+1+1 give six grids, which the search on its own did not reach in 30 s.
    QTest::newRow("3 if 6 among 17") << 17 << 3 << 6 << 6;
}

// The partition wheel passes the exhaustive check, is no larger than the partition shown, and a
// search of a few steps starts from it.
void TestRoues::partitionpetite() {
    QFETCH(int, n);
    QFETCH(int, t);
    QFETCH(int, m);
    QFETCH(int, taille);
    const std::vector<std::uint64_t> grilles = rouepartition(n, t, m);
    QVERIFY(!grilles.empty() && static_cast<int>(grilles.size()) <= taille);
    QVERIFY(roueverifiee(TRoue{n, t, m, grilles}));
    TDemandeRoue d = demande(n, t, m);
    d.paslimite = 200;
    const TResultatRoue r = construitroue(d);
    QVERIFY(roueverifiee(r.roue));
    QVERIFY(static_cast<int>(r.roue.grilles.size()) <= taille);
}

// Method 22's table misses six sets of four: the repair keeps its grids first and plugs them all.
void TestRoues::reparebouchetouslestrous() {
    const TRoue roue = tabledemethode(22, 8);
    QCOMPARE(comptetrous(roue.grilles, 8, 4, 4), std::int64_t{6});
    TDemandeRoue d = demandereparation(roue, 50);
    d.fils = 1;
    d.paslimite = 2'000'000;
    const TResultatRoue r = construitroue(d);
    QCOMPARE(r.issue, Issue::Trouvee);
    QVERIFY(r.ajoutees >= 1 && r.ajoutees <= 6);
    QCOMPARE(std::vector<std::uint64_t>(r.roue.grilles.begin(), r.roue.grilles.begin() + 6), roue.grilles);
    QCOMPARE(comptetrous(r.roue.grilles, 8, 4, 4), std::int64_t{0});
}

void TestRoues::refusedavance_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("m");
    QTest::addColumn<Portee>("portee");
    QTest::newRow("5 if 5 among 40: over 100,000 grids") << 40 << 5 << 5 << Portee::Grilles;
    QTest::newRow("3 if 6 among 49: 14 million sets") << 49 << 3 << 6 << Portee::Ensembles;
    QTest::newRow("3 if 5 among 49: 8,610 sets per swap, 147 grids at least")
        << 49 << 3 << 5 << Portee::Mouvements;
    QTest::newRow("6 numbers") << 6 << 2 << 2 << Portee::Demande;
    QTest::newRow("t above m") << 10 << 4 << 3 << Portee::Demande;
}

// Beyond reach: nothing runs, and the reason comes with the bounds.
void TestRoues::refusedavance() {
    QFETCH(int, n);
    QFETCH(int, t);
    QFETCH(int, m);
    QFETCH(Portee, portee);
    Construction c(demande(n, t, m));
    QVERIFY(!c.lance());
    QVERIFY(c.finie());
    const TResultatRoue r = c.resultat();
    QCOMPARE(r.issue, Issue::Refusee);
    QCOMPARE(r.faisabilite.portee, portee);
    QVERIFY(r.roue.grilles.empty());
    if (portee != Portee::Demande)
        QVERIFY(r.faisabilite.borne > 0);
}

// A stop at once, or while a long build runs on several threads, ends it quickly with nothing or
// with a wheel that passes the exhaustive check; the progress shows the bounds meanwhile.
void TestRoues::arretrenddelaverifiee() {
    for (const bool attend : {false, true}) {
        Construction c(demande(16, 4, 4, 2));
        QVERIFY(c.lance());
        if (attend) {
            QTRY_VERIFY_WITH_TIMEOUT(c.avancement().meilleure > 0, 20000);
            const TAvancement a = c.avancement();
            QCOMPARE(a.borne, borneinferieure(16, 4, 4));
            QVERIFY(a.meilleure >= a.borne);
        }
        c.arrete();
        const TResultatRoue r = c.resultat();
        QCOMPARE(r.issue, Issue::Arretee);
        QVERIFY(r.roue.grilles.empty() ? !attend : roueverifiee(r.roue));
    }
}

// The analysis of any wheel says whether it keeps its promise, as the check does.
void TestRoues::analysetouteroue() {
    const TRoue roue = tabledemethode(23, 9);
    const TBilan bilan = analyseroue(roue);
    QCOMPARE(bilan.methode, 0);
    QCOMPARE(bilan.nbgrilles, 12);
    QCOMPARE(bilan.manques, comptetrous(roue.grilles, 9, 4, 4));
    QCOMPARE(bilan.manques, analysemethode(23).manques);
}

QTEST_APPLESS_MAIN(TestRoues)
#include "test_roues.moc"

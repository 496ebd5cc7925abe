#include "analysis/analyse.h"
#include "engine/methodes.h"
#include "engine/tablegrilles.h"
#include "engine/verification.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <bitset>
#include <set>
#include <vector>

using namespace vormigral;

using Comptes = std::array<qint64, 7>; // c6 first, as the coverage lines print them

Q_DECLARE_METATYPE(Comptes)

class TestAnalyse : public QObject {
    Q_OBJECT

private slots:
    void comptesamain_data();
    void comptesamain();
    void touteslesmethodes_data();
    void touteslesmethodes();
    void chancesdunegrille();
    void chancescompteesdirectement_data();
    void chancescompteesdirectement();
};

void TestAnalyse::comptesamain_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("k");
    QTest::addColumn<Comptes>("attendus");
    // Method 12: each grid leaves out one of 4..7, so a set falls one short only when it holds
    // all of 4, 5, 6 and 7.
    QTest::newRow("12 k=3") << 12 << 3 << Comptes{0, 0, 0, 35, 0, 0, 0};
    QTest::newRow("12 k=4") << 12 << 4 << Comptes{0, 0, 34, 1, 0, 0, 0};
    QTest::newRow("12 k=5") << 12 << 5 << Comptes{0, 18, 3, 0, 0, 0, 0};
    QTest::newRow("12 k=6") << 12 << 6 << Comptes{4, 3, 0, 0, 0, 0, 0};
    // Method 9: each grid leaves out one of the pairs 1-2, 3-4, 5-6, 7-8; a set's best grid
    // misses the pair the set meets least.
    QTest::newRow("9 k=4") << 9 << 4 << Comptes{0, 0, 54, 16, 0, 0, 0};
    QTest::newRow("9 k=5") << 9 << 5 << Comptes{0, 24, 32, 0, 0, 0, 0};
    QTest::newRow("9 k=6") << 9 << 6 << Comptes{4, 24, 0, 0, 0, 0, 0};
    // Two of the tables that fall short of their promise, and by how much.
    QTest::newRow("22 k=4") << 22 << 4 << Comptes{0, 0, 64, 6, 0, 0, 0};
    QTest::newRow("23 k=4") << 23 << 4 << Comptes{0, 0, 122, 4, 0, 0, 0};
}

void TestAnalyse::comptesamain() {
    QFETCH(int, methode);
    QFETCH(int, k);
    QFETCH(Comptes, attendus);
    const TBilan bilan = analysemethode(methode);
    const auto r = std::find_if(bilan.repartitions.begin(), bilan.repartitions.end(),
                                [k](const TRepartition& x) { return x.k == k; });
    QVERIFY(r != bilan.repartitions.end());
    Comptes obtenus;
    for (int h = 0; h <= 6; ++h)
        obtenus[static_cast<std::size_t>(6 - h)] = r->comptes[static_cast<std::size_t>(h)];
    QCOMPARE(obtenus, attendus);
}

void TestAnalyse::touteslesmethodes_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<qint64>("manques");
    for (int m = 1; m <= nbmethodes; ++m)
        QTest::addRow("%d", m) << m << qint64(m == 6 ? 1 : m == 22 ? 6 : m == 23 ? 4 : 0);
}

// The counts cover every set once, never credit a grid with more than the set holds, find a set of
// six whole in one grid only when it is a grid, and agree with the table check on the promise.
void TestAnalyse::touteslesmethodes() {
    QFETCH(int, methode);
    QFETCH(qint64, manques);
    const TBilan bilan = analysemethode(methode);
    QCOMPARE(static_cast<int>(bilan.repartitions.size()), std::min(6, bilan.nbnumeros) - 2);
    for (const TRepartition& r : bilan.repartitions) {
        qint64 somme = 0;
        for (int h = 0; h <= r.k; ++h)
            somme += r.comptes[static_cast<std::size_t>(h)];
        QCOMPARE(somme, combinaisons(bilan.nbnumeros, r.k));
        QCOMPARE(r.nbcas, somme);
    }
    const TTableGrilles table = tablegrilles(methode);
    const std::set<TGrilleTable> distinctes(table.grilles, table.grilles + table.nbgrilles);
    QCOMPARE(bilan.repartitions.back().comptes[6], static_cast<std::int64_t>(distinctes.size()));
    QCOMPARE(bilan.manques, manques);
    QCOMPARE(bilan.manques, verifiemethode(methode).sousx);
    QCOMPARE(bilan.pire, bilan.promesse.x - (manques > 0 ? 1 : 0));
    QCOMPARE(bilan.chances.nbtirages, 13983816);
}

// One grid on six ticked numbers: the well-known odds of a single ticket.
void TestAnalyse::chancesdunegrille() {
    const std::vector<std::uint64_t> grille = {0x3f};
    std::vector<TRepartition> parnombre;
    for (int k = 1; k <= 6; ++k)
        parnombre.push_back(repartition(grille, 6, k));
    const TChances c = chances(parnombre, 6);
    QCOMPARE(c.nbtirages, 13983816);
    QCOMPARE(c.aumoins[6], 1);
    QCOMPARE(c.aumoins[5], 1 + 258);
    QCOMPARE(c.aumoins[4], 1 + 258 + 13545);
    QCOMPARE(c.aumoins[3], 1 + 258 + 13545 + 246820);
}

void TestAnalyse::chancescompteesdirectement_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("boules");
    for (const int m : {12, 22, 23})
        for (const int boules : {15, 18})
            QTest::addRow("%d de %d", m, boules) << m << boules;
}

// A smaller lottery (six numbers out of 15 or 18) where every draw can be looked at: the odds from
// the counts of sets must be those found draw by draw.
void TestAnalyse::chancescompteesdirectement() {
    QFETCH(int, methode);
    QFETCH(int, boules);
    const TBilan bilan = analysemethode(methode);
    const std::vector<std::uint64_t> grilles = masquesgrilles(tablegrilles(methode), bilan.nbnumeros);
    const std::uint64_t cochees = (std::uint64_t{1} << bilan.nbnumeros) - 1;
    TChances directes;
    parcourtsousensembles(boules, 6, [&](std::uint64_t tirage) {
        ++directes.nbtirages;
        ++directes.tombent[std::bitset<64>(tirage & cochees).count()];
        int meilleur = 0;
        for (const std::uint64_t g : grilles)
            meilleur = std::max(meilleur, static_cast<int>(std::bitset<64>(g & tirage).count()));
        for (int h = 1; h <= meilleur; ++h)
            ++directes.aumoins[static_cast<std::size_t>(h)];
    });
    const TChances calculees = chances(bilan.repartitions, bilan.nbnumeros, boules, 6);
    QCOMPARE(calculees.nbtirages, directes.nbtirages);
    QCOMPARE(calculees.tombent, directes.tombent);
    for (int h = 3; h <= 6; ++h)
        QCOMPARE(calculees.aumoins[static_cast<std::size_t>(h)],
                 directes.aumoins[static_cast<std::size_t>(h)]);
}

QTEST_APPLESS_MAIN(TestAnalyse)
#include "test_analyse.moc"

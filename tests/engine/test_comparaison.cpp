#include "engine/comparaison.h"

#include "engine/cases.h"
#include "engine/tablegrilles.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <set>
#include <string>
#include <vector>

using namespace vormigral;

using Six = std::array<std::int32_t, 6>;
Q_DECLARE_METATYPE(Six)
Q_DECLARE_METATYPE(TClasse)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

TTirage tirage(Six numeros, std::int32_t c) {
    TTirage t;
    t.numeros = numeros;
    t.complementaire = c;
    return t;
}

TDrapeaux drapeaux(const Six& numeros) {
    TDrapeaux d{};
    for (const std::int32_t n : numeros)
        d[static_cast<std::size_t>(n)] = 1;
    return d;
}

} // namespace

class TestComparaison : public QObject {
    Q_OBJECT

private slots:
    void unegrille_data();
    void unegrille();
    void prefixes_data();
    void prefixes();
    void drapeauxautresqueun();
    void validite_data();
    void validite();
    void compteurs();
    void methodeentiere_data();
    void methodeentiere();
    void aucunegrille();
};

void TestComparaison::unegrille_data() {
    QTest::addColumn<Six>("grille");
    QTest::addColumn<Six>("tirage");
    QTest::addColumn<int>("complementaire");
    QTest::addColumn<int>("bons");
    QTest::addColumn<bool>("avecc");
    QTest::addColumn<TClasse>("classe");
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<int>("g");

    const Six un6{1, 2, 3, 4, 5, 6};
    QTest::newRow("6 numeros") << un6 << un6 << 7 << 6 << false << TClasse::nb6
                               << "B.:001 :-01-02-03-04-05-06 ->6" << 1;
    QTest::newRow("3 + complementaire")
        << Six{45, 3, 33, 8, 27, 19} << Six{3, 8, 19, 40, 41, 42} << 45 << 3 << true << TClasse::nb3c
        << "B.:012 :-03-08-19-27-33-45 ->3 + Complémentaire." << 12;
    QTest::newRow("5 + complementaire") << Six{1, 2, 3, 4, 5, 7} << un6 << 7 << 5 << true << TClasse::nb5c
                                        << "B.:002 :-01-02-03-04-05-07 ->5 + Complémentaire." << 2;
    QTest::newRow("5 numeros") << Six{1, 2, 3, 4, 5, 49} << un6 << 7 << 5 << false << TClasse::nb5
                               << "B.:003 :-01-02-03-04-05-49 ->5" << 3;
    QTest::newRow("4 + complementaire")
        << Six{9, 11, 21, 31, 41, 48} << Six{11, 21, 31, 41, 1, 2} << 9 << 4 << true << TClasse::nb4c
        << "B.:004 :-09-11-21-31-41-48 ->4 + Complémentaire." << 4;
    QTest::newRow("4 numeros") << Six{10, 20, 30, 40, 45, 46} << Six{46, 45, 40, 30, 1, 2} << 3 << 4 << false
                               << TClasse::nb4 << "B.:005 :-10-20-30-40-45-46 ->4" << 5;
    QTest::newRow("3 numeros") << Six{10, 20, 30, 40, 45, 46} << Six{10, 20, 30, 1, 2, 3} << 4 << 3 << false
                               << TClasse::nb3 << "B.:006 :-10-20-30-40-45-46 ->3" << 6;
    QTest::newRow("complementaire et 2 bons")
        << Six{1, 2, 7, 10, 11, 12} << un6 << 7 << 2 << true << TClasse::aucune
        << "B.:007 :-01-02-07-10-11-12 ->2 + Complémentaire." << 7;
    QTest::newRow("complementaire seul")
        << Six{7, 10, 11, 12, 13, 14} << un6 << 7 << 0 << true << TClasse::aucune
        << "B.:008 :-07-10-11-12-13-14 ->0 + Complémentaire." << 8;
    QTest::newRow("1 bon") << Six{6, 10, 11, 12, 13, 14} << un6 << 7 << 1 << false << TClasse::aucune
                           << "B.:009 :-06-10-11-12-13-14 ->1" << 9;
    QTest::newRow("rien") << Six{20, 21, 22, 23, 24, 25} << un6 << 7 << 0 << false << TClasse::aucune
                          << "B.:010 :-20-21-22-23-24-25 ->0" << 10;
}

// The flags and the six-number forms agree, and the class follows the hits and the complementary.
void TestComparaison::unegrille() {
    QFETCH(Six, grille);
    QFETCH(Six, tirage);
    QFETCH(int, complementaire);
    QFETCH(int, bons);
    QFETCH(bool, avecc);
    QFETCH(TClasse, classe);
    QFETCH(QString, ligne);
    QFETCH(int, g);
    const TTirage t = ::tirage(tirage, complementaire);
    QVERIFY(tiragevalide(t));
    const TResultat parnumeros = comparegrille(grille, t);
    const TResultat pardrapeaux = comparegrille(drapeaux(grille), t);
    QCOMPARE(parnumeros.bons, bons);
    QCOMPARE(parnumeros.complementaire, avecc);
    QCOMPARE(pardrapeaux.bons, bons);
    QCOMPARE(pardrapeaux.complementaire, avecc);
    QCOMPARE(vormigral::classe(parnumeros), classe);
    QCOMPARE(QString::fromStdString(lignecomparaison(g, drapeaux(grille), t)), ligne);
}

void TestComparaison::prefixes_data() {
    QTest::addColumn<int>("g");
    QTest::addColumn<QString>("debut");
    QTest::newRow("1") << 1 << "B.:001 :";
    QTest::newRow("9") << 9 << "B.:009 :";
    QTest::newRow("10") << 10 << "B.:010 :";
    QTest::newRow("99") << 99 << "B.:099 :";
    QTest::newRow("100") << 100 << "B.:100 :";
    QTest::newRow("371") << 371 << "B.:371 :";
    QTest::newRow("1000") << 1000 << "B.:1000 :";
}

// The grid number always shows three digits, so the lines of one comparison line up.
void TestComparaison::prefixes() {
    QFETCH(int, g);
    QFETCH(QString, debut);
    const TTirage t = tirage({1, 2, 3, 4, 5, 6}, 7);
    const QString ligne = QString::fromStdString(lignecomparaison(g, drapeaux({3, 9, 10, 27, 33, 49}), t));
    QCOMPARE(ligne, debut + QStringLiteral("-03-09-10-27-33-49 ->1"));
}

// Only a flag of exactly 1 puts a number in the grid.
void TestComparaison::drapeauxautresqueun() {
    TDrapeaux d = drapeaux({1, 2, 3, 4, 5, 6});
    d[7] = 2;
    d[8] = -1;
    const TTirage t = tirage({1, 2, 3, 7, 8, 9}, 10);
    QCOMPARE(QString::fromStdString(lignecomparaison(1, d, t)),
             QStringLiteral("B.:001 :-01-02-03-04-05-06 ->3"));
    QCOMPARE(comparegrille(d, t).bons, 3);
}

void TestComparaison::validite_data() {
    QTest::addColumn<Six>("numeros");
    QTest::addColumn<int>("complementaire");
    QTest::addColumn<bool>("valide");
    QTest::newRow("distincts") << Six{3, 8, 19, 40, 41, 42} << 45 << true;
    QTest::newRow("bornes") << Six{1, 2, 3, 47, 48, 49} << 25 << true;
    QTest::newRow("tout a 1") << Six{1, 1, 1, 1, 1, 1} << 1 << false;
    QTest::newRow("principal deux fois") << Six{3, 8, 19, 40, 3, 42} << 45 << false;
    QTest::newRow("principal deux fois aux bouts") << Six{49, 8, 19, 40, 41, 49} << 45 << false;
    QTest::newRow("complementaire egal au premier") << Six{3, 8, 19, 40, 41, 42} << 3 << false;
    QTest::newRow("complementaire egal au dernier") << Six{3, 8, 19, 40, 41, 42} << 42 << false;
    QTest::newRow("hors limites bas") << Six{0, 8, 19, 40, 41, 42} << 45 << false;
    QTest::newRow("hors limites haut") << Six{3, 8, 19, 40, 41, 42} << 50 << false;
}

void TestComparaison::validite() {
    QFETCH(Six, numeros);
    QFETCH(int, complementaire);
    QFETCH(bool, valide);
    QCOMPARE(vormigral::tiragevalide(tirage(numeros, complementaire)), valide);
}

void TestComparaison::compteurs() {
    TCompteurs c;
    for (TClasse k : {TClasse::nb3, TClasse::nb3, TClasse::nb5c, TClasse::aucune, TClasse::nb6})
        c.compte(k);
    QCOMPARE(c[TClasse::nb3], 2);
    QCOMPARE(c[TClasse::nb5c], 1);
    QCOMPARE(c[TClasse::nb6], 1);
    QCOMPARE(c[TClasse::nb5], 0);
    QCOMPARE(c[TClasse::nb3c], 0);
}

void TestComparaison::methodeentiere_data() {
    QTest::addColumn<int>("m");
    QTest::addColumn<std::vector<int>>("coches");
    QTest::addColumn<Six>("principaux");
    QTest::addColumn<int>("complementaire");
    const std::vector<int> quatorze = {2, 5, 9, 14, 17, 23, 26, 30, 34, 39, 41, 44, 46, 48};
    QTest::newRow("47, six parmi les coches") << 47 << quatorze << Six{5, 14, 23, 30, 41, 46} << 9;
    QTest::newRow("47, cinq parmi les coches") << 47 << quatorze << Six{2, 9, 17, 26, 39, 1} << 48;
    QTest::newRow("47, trois parmi les coches") << 47 << quatorze << Six{44, 46, 48, 1, 3, 4} << 2;
    QTest::newRow("47, complementaire seul") << 47 << quatorze << Six{1, 3, 4, 6, 7, 8} << 30;
    QTest::newRow("41, quatre parmi les coches")
        << 41 << std::vector<int>{1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34, 37, 40, 43}
        << Six{4, 10, 16, 43, 2, 3} << 22;
    QTest::newRow("12") << 12 << std::vector<int>{3, 8, 19, 27, 33, 40, 45} << Six{3, 8, 19, 40, 41, 42}
                        << 45;
}

// A whole method against a draw, checked against a count made straight from the wheel table.
void TestComparaison::methodeentiere() {
    QFETCH(int, m);
    QFETCH(std::vector<int>, coches);
    QFETCH(Six, principaux);
    QFETCH(int, complementaire);
    TEtat etat;
    initmethodes(etat.methodes);
    for (int n : coches)
        etat.casescoch[static_cast<std::size_t>(n)] = 1;
    construitnumcoch(etat);
    etat.methodecour = m;
    etat.nbgrilles = etat.methodes[m].nbgrilles;
    int redessins = 0;
    etat.affichegrille = [&redessins] { ++redessins; };
    const TTirage t = tirage(principaux, complementaire);
    QVERIFY(tiragevalide(t));

    const TComparaison resultat = comparemethode(etat, t);

    const TTableGrilles table = tablegrilles(m);
    QCOMPARE(table.nbgrilles, etat.nbgrilles);
    std::vector<int> tries = coches;
    std::sort(tries.begin(), tries.end());
    const std::set<int> tires(principaux.begin(), principaux.end());
    // 6, 5+C, 5, 4+C, 4, 3+C, 3, nothing
    std::array<int, 8> attendus{};
    std::set<int> derniere;
    QCOMPARE(static_cast<int>(resultat.lignes.size()), table.nbgrilles);
    for (int g = 1; g <= table.nbgrilles; ++g) {
        std::set<int> numeros;
        for (const std::int32_t p : table.grilles[g - 1])
            numeros.insert(tries.at(static_cast<std::size_t>(p - 1)));
        std::vector<int> communs;
        std::set_intersection(numeros.begin(), numeros.end(), tires.begin(), tires.end(),
                              std::back_inserter(communs));
        const int bons = static_cast<int>(communs.size());
        const bool c = numeros.count(complementaire) > 0;
        const int rang = bons == 6   ? 0
                         : bons == 5 ? (c ? 1 : 2)
                         : bons == 4 ? (c ? 3 : 4)
                         : bons == 3 ? (c ? 5 : 6)
                                     : 7;
        ++attendus[static_cast<std::size_t>(rang)];

        char texte[80];
        auto it = numeros.begin();
        const int a = *it++, b = *it++, cc = *it++, d = *it++, e = *it++, f = *it;
        std::snprintf(texte, sizeof texte, "B.:%03d :-%02d-%02d-%02d-%02d-%02d-%02d ->%d%s", g, a, b, cc, d,
                      e, f, bons, c ? " + Compl\xC3\xA9mentaire." : "");
        QCOMPARE(QString::fromStdString(resultat.lignes[static_cast<std::size_t>(g - 1)]),
                 QString::fromUtf8(texte));
        derniere = numeros;
    }
    const TCompteurs& n = resultat.compteurs;
    const std::array<int, 7> obtenus = {n[TClasse::nb6], n[TClasse::nb5c], n[TClasse::nb5], n[TClasse::nb4c],
                                        n[TClasse::nb4], n[TClasse::nb3c], n[TClasse::nb3]};
    for (std::size_t k = 0; k < obtenus.size(); ++k)
        QCOMPARE(obtenus[k], attendus[k]);
    QCOMPARE(redessins, 1); // once for the whole run, not once per grid
    std::set<int> finale;
    for (int x = 1; x <= 49; ++x)
        if (etat.grillecour[static_cast<std::size_t>(x)] == 1)
            finale.insert(x);
    QCOMPARE(finale, derniere);
}

// No grids, nothing compared, nothing redrawn.
void TestComparaison::aucunegrille() {
    TEtat etat;
    initmethodes(etat.methodes);
    etat.methodecour = 12;
    etat.nbgrilles = 0;
    etat.grillecour[7] = 1;
    int redessins = 0;
    etat.affichegrille = [&redessins] { ++redessins; };
    const TComparaison resultat = comparemethode(etat, tirage({1, 2, 3, 4, 5, 6}, 7));
    QVERIFY(resultat.lignes.empty());
    QCOMPARE(resultat.compteurs[TClasse::nb3], 0);
    QCOMPARE(redessins, 0);
    QCOMPARE(etat.grillecour[7], 1);
}

QTEST_APPLESS_MAIN(TestComparaison)
#include "test_comparaison.moc"

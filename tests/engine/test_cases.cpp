#include "engine/cases.h"
#include "engine/saisie.h"

#include <QTest>

#include <random>
#include <set>

using namespace vormigral;

class TestCases : public QObject {
    Q_OBJECT

private slots:
    void compteetnumcoch();
    void tirageadistincts_data();
    void tirageadistincts();
    void tiragecouvre();
    void valeurtexte_data();
    void valeurtexte();
    void filtre_data();
    void filtre();
};

// A flag other than 0 or 1 (only a loaded file can hold one) is neither counted nor expanded.
void TestCases::compteetnumcoch() {
    TEtat etat;
    etat.casescoch[49] = 1;
    etat.casescoch[3] = 1;
    etat.casescoch[17] = 2;
    etat.casescoch[50] = 1;
    etat.numcoch.fill(7);
    QCOMPARE(comptecoches(etat), 2);
    construitnumcoch(etat);
    QCOMPARE(etat.numcoch[1], 3);
    QCOMPARE(etat.numcoch[2], 49);
    for (int k = 3; k <= 49; ++k)
        QCOMPARE(etat.numcoch[k], 0);
    effacecases(etat);
    QCOMPARE(comptecoches(etat), 0);
    QCOMPARE(etat.casescoch[17], 0);
    QCOMPARE(etat.casescoch[50], 1);
}

void TestCases::tirageadistincts_data() {
    QTest::addColumn<int>("n");
    for (int n : {0, 1, 7, 12, 20, 49})
        QTest::addRow("%d", n) << n;
    QTest::newRow("au-dela de 49") << 60;
}

void TestCases::tirageadistincts() {
    QFETCH(int, n);
    TEtat etat;
    etat.casescoch.fill(1);
    etat.casescoch[50] = 0;
    std::mt19937 g(n);
    tirealeatoire(etat, n, [&g](int l) { return std::uniform_int_distribution<int>(0, l - 1)(g); });
    QCOMPARE(comptecoches(etat), std::min(n, 49));
    for (int t = 1; t <= 49; ++t)
        QVERIFY(etat.casescoch[t] == 0 || etat.casescoch[t] == 1);
    QCOMPARE(etat.casescoch[50], 0);
}

// Every number can come out, and the last candidate position is reachable.
void TestCases::tiragecouvre() {
    std::set<int> vus;
    TEtat etat;
    tirealeatoire(etat, 49, [](int l) { return l - 1; });
    QCOMPARE(comptecoches(etat), 49);
    std::mt19937 g(1);
    for (int essai = 0; essai < 200; ++essai) {
        tirealeatoire(etat, 7, [&g](int l) { return std::uniform_int_distribution<int>(0, l - 1)(g); });
        for (int t = 1; t <= 49; ++t)
            if (etat.casescoch[t])
                vus.insert(t);
    }
    QCOMPARE(vus.size(), std::size_t(49));
}

void TestCases::valeurtexte_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("valeur");
    QTest::newRow("vide") << "" << 0;
    QTest::newRow("positif") << "12" << 12;
    QTest::newRow("negatif") << "-3" << -3;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("blancs devant") << "  -40" << -40;
    QTest::newRow("signe apres") << "12-" << 12;
    QTest::newRow("signe perdu") << "-5+" << 5;
    QTest::newRow("signe seul") << "-" << 0;
    QTest::newRow("deux signes") << "+-" << 0;
    QTest::newRow("zeros") << "007" << 7;
    QTest::newRow("enorme") << "99999999999" << 2147483647;
}

void TestCases::valeurtexte() {
    QFETCH(QString, texte);
    QFETCH(int, valeur);
    QCOMPARE(vormigral::valeurtexte(texte.toStdString()), valeur);
}

void TestCases::filtre_data() {
    QTest::addColumn<uint>("caractere");
    QTest::addColumn<bool>("decalage");
    QTest::addColumn<bool>("plage");
    QTest::newRow("chiffre") << uint('5') << true << true;
    QTest::newRow("moins") << uint('-') << true << false;
    QTest::newRow("plus") << uint('+') << true << false;
    QTest::newRow("lettre") << uint('a') << false << false;
    QTest::newRow("retour arriere") << uint('\b') << false << false;
    QTest::newRow("blanc") << uint(' ') << false << false;
    QTest::newRow("accent") << uint(0xe9) << false << false;
}

void TestCases::filtre() {
    QFETCH(uint, caractere);
    QFETCH(bool, decalage);
    QCOMPARE(caracterepermis(caractere, "-+0123456789"), decalage);
    QFETCH(bool, plage);
    QCOMPARE(caracterepermis(caractere, "0123456789"), plage);
}

QTEST_APPLESS_MAIN(TestCases)
#include "test_cases.moc"

#include "tests/support/doubles.h"

#include "engine/serie.h"
#include "windows/impressionbulletins.h"

#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

class TestImpressionBulletins : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void requetes_data();
    void requetes();
};

void TestImpressionBulletins::requetes_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<int>("jeu"); // a method, methoderoue for a wheel of 2 grids, -1 for none
    QTest::addColumn<QString>("de");
    QTest::addColumn<QString>("a");
    QTest::addColumn<int>("grilles");         // the last grid proposed
    QTest::addColumn<QList<int>>("attendue"); // type, mode, first, last; empty when refused
    QTest::newRow("good") << 1 << 1 << "007"
                          << "11" << 11 << QList<int>{2, 2, 7, 11};
    QTest::newRow("reversed") << 1 << 1 << "5"
                              << "4" << 11 << QList<int>{};
    QTest::newRow("out of range, en") << 2 << 1 << "1"
                                      << "12" << 11 << QList<int>{};
    QTest::newRow("zero") << 1 << 1 << "0"
                          << "3" << 11 << QList<int>{};
    QTest::newRow("empty") << 1 << 1 << ""
                           << "11" << 11 << QList<int>{};
    QTest::newRow("no method") << 1 << -1 << "1"
                               << "1" << 0 << QList<int>{};
    QTest::newRow("a wheel") << 1 << int(methoderoue) << "1"
                             << "2" << 2 << QList<int>{2, 2, 1, 2};
    QTest::newRow("beyond the wheel") << 1 << int(methoderoue) << "1"
                                      << "3" << 2 << QList<int>{};
}

// The range proposed is the run's own; a request outside it is refused, saying so in the
// program's language; no slip type selected is no request.
void TestImpressionBulletins::requetes() {
    QFETCH(int, langue);
    QFETCH(int, jeu);
    QFETCH(QString, de);
    QFETCH(QString, a);
    QFETCH(int, grilles);
    QFETCH(QList<int>, attendue);
    Banc banc;
    ecrisparametres(banc, langue);
    banc.demarre();
    banc.etat().methodechoisie = jeu;
    std::optional<JeuRoue> roue;
    if (jeu == methoderoue)
        roue.emplace(banc.etat(), TRoueJouee{{}, {}, {{1, 2, 3, 4, 5, 6}, {3, 4, 5, 6, 7, 8}}});
    ImpressionBulletins bulletins(banc.etat(), banc.messages, banc.application().impressions());
    QCOMPARE(bulletins.grilles(), grilles);
    QVERIFY(!bulletins.requete(-1, false, QStringLiteral("1"), QStringLiteral("1")));
    const std::optional<RequeteBulletins> r = bulletins.requete(1, true, de, a);
    const QList<int> obtenue = r ? QList<int>{r->type, r->mode, r->premier, r->dernier} : QList<int>{};
    QCOMPARE(obtenue, attendue);
    QCOMPARE(banc.messages.messages.size(), r ? 0 : 1);
    if (!r) {
        QCOMPARE(banc.messages.messages.first().texte,
                 langue == 2 ? QStringLiteral("Incorrect grid numbers to print")
                             : QStringLiteral("Numéros des grilles à imprimer incorrect"));
        QCOMPARE(banc.messages.messages.first().titre,
                 langue == 2 ? QStringLiteral("Problem !!") : QStringLiteral("Problème !!"));
    }
}

QTEST_MAIN(TestImpressionBulletins)
#include "test_impressionbulletins.moc"

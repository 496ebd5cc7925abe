#include "storage/basetirages.h"
#include "storage/importeur.h"
#include "tests/commun/sqlite.h"

#include <QDate>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vormigral;
using namespace vormigral::test;
using Erreur = TStockageTirages::TErreur;
using Bilan = TStockageTirages::TBilan;

Q_DECLARE_METATYPE(Erreur)

namespace {

// `nombre` different draws: a day from 1901 on, the numbers moved up past every 45,000 days.
std::vector<TTirageDate> tirages(std::size_t nombre) {
    std::vector<TTirageDate> resultat;
    resultat.reserve(nombre);
    const QDate debut(1901, 1, 1);
    for (std::size_t i = 0; i < nombre; ++i) {
        const QDate jour = debut.addDays(static_cast<qint64>(i % 45000));
        const int b = static_cast<int>(i / 45000);
        resultat.push_back(
            {{jour.year(), jour.month(), jour.day()}, {{1 + b, 2 + b, 3 + b, 4 + b, 5 + b, 6 + b}, 7 + b}});
    }
    return resultat;
}

// A million draws, as a long import; a tenth under the sanitizers, which slow SQLite tenfold.
#ifdef __SANITIZE_ADDRESS__
constexpr std::size_t million = 100000;
#else
constexpr std::size_t million = 1000000;
#endif

} // namespace

class TestImporteur : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Bilan>(); }
    void stockage_data();
    void stockage();
};

void TestImporteur::stockage_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<Erreur>("erreur");
    QTest::newRow("un million") << "complet" << Erreur::aucune;
    QTest::newRow("annule") << "annule" << Erreur::annulee;
    QTest::newRow("verrouillee") << "verrou" << Erreur::verrouillee;
}

// The draws are stored off the test's thread, whose timer keeps firing meanwhile; progress comes
// chunk by chunk; a cancel, or a lock held past the wait, leaves the history as it was.
void TestImporteur::stockage() {
    QFETCH(QString, cas);
    QFETCH(Erreur, erreur);
    QTemporaryDir dossier;
    TBaseTirages base;
    base.ouvre(dossier.path());
    const std::vector<TTirageDate> anciens = tirages(3);
    QVERIFY(base.stocke(anciens).reussi());
    const std::vector<TTirageDate> nouveaux =
        tirages(cas == QLatin1String("complet") ? million : 3 * TBaseTirages::tranche);

    QSqlDatabase autre = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("autre"));
    autre.setDatabaseName(base.chemin());
    QVERIFY(autre.open());
    QSqlQuery verrou(autre);
    if (cas == QLatin1String("verrou"))
        QVERIFY(verrou.exec(QStringLiteral("BEGIN EXCLUSIVE")));

    TImporteur importeur;
    importeur.attente(300);
    QSignalSpy progression(&importeur, &TImporteur::progression);
    QSignalSpy termine(&importeur, &TImporteur::termine);
    if (cas == QLatin1String("annule"))
        connect(&importeur, &TImporteur::progression, &importeur, &TImporteur::annule);
    int battements = 0;
    QTimer minuterie;
    connect(&minuterie, &QTimer::timeout, [&] { ++battements; });
    minuterie.start(10);
    QVERIFY(importeur.lance(base.chemin(), nouveaux));
    QVERIFY(!importeur.lance(base.chemin(), nouveaux));
    QVERIFY(termine.wait(60000));
    verrou.exec(QStringLiteral("ROLLBACK"));
    verrou.finish();
    autre.close();
    autre = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("autre"));

    const Bilan bilan = termine.takeFirst().at(0).value<Bilan>();
    QCOMPARE(bilan.erreur, erreur);
    QVERIFY(!importeur.encours());
    if (cas == QLatin1String("complet")) {
        QCOMPARE(bilan.ajoutes, nouveaux.size() - anciens.size());
        QCOMPARE(bilan.presents, anciens.size());
        QCOMPARE(progression.size(), int(nouveaux.size() / TBaseTirages::tranche));
        QCOMPARE(progression.last().at(0).toLongLong(), qint64(nouveaux.size()));
        // The test's own thread went on: its timer fired many times while the worker stored.
        QVERIFY2(battements > progression.size(), qPrintable(QString::number(battements)));
        QCOMPARE(relus(base).size(), nouveaux.size());
        return;
    }
    QCOMPARE(bilan.ajoutes, std::size_t{0});
    QCOMPARE(relus(base).size(), anciens.size());
}

QTEST_GUILESS_MAIN(TestImporteur)
#include "test_importeur.moc"

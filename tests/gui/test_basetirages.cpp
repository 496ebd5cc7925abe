#include "history/importation.h"
#include "storage/basetirages.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace vormigral;
using Issue = TBaseTirages::TIssue;
using Cause = TBaseTirages::TCause;

Q_DECLARE_METATYPE(Issue)
Q_DECLARE_METATYPE(Cause)

namespace {

std::vector<TTirageDate> tirages(const char* texte) {
    std::vector<TTirageDate> resultat;
    for (const TLigneTirage& l : analyseimport(texte, {}, TDate{2100, 1, 1}).aajouter)
        resultat.push_back(l.tirage);
    return resultat;
}

QByteArray lit(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrit(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
}

// Runs SQL on the file through a connection of its own, as another program would.
void sql(const QString& chemin, const QStringList& instructions) {
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("autre"));
        base.setDatabaseName(chemin);
        QVERIFY(base.open());
        QSqlQuery requete(base);
        for (const QString& i : instructions)
            QVERIFY2(requete.exec(i), qPrintable(i));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("autre"));
}

const char* const troistirages = "09/03/2024;1;2;3;4;5;6;7\n13/03/2024;8;9;10;11;12;13;14\n"
                                 "06/03/2024;44;3;17;29;8;31;12\n";

} // namespace

class TestBaseTirages : public QObject {
    Q_OBJECT

private slots:
    void creationetrelecture();
    void transactions();
    void miseacote_data();
    void miseacote();
    void dossierimpossible();
};

void TestBaseTirages::creationetrelecture() {
    QTemporaryDir dossier;
    const QString sous = dossier.filePath(QStringLiteral("donnees/VORMIGRAL"));
    {
        TBaseTirages base;
        QCOMPARE(base.ouvre(sous).etat, Issue::creee);
        QVERIFY(base.ajoute(tirages(troistirages)));
    }
    TBaseTirages base;
    QCOMPARE(base.ouvre(sous).etat, Issue::ouverte);
    QCOMPARE(base.chemin(), sous + QStringLiteral("/historique.sqlite"));
    const std::vector<TTirageDate> lus = base.tirages();
    QCOMPARE(lus.size(), std::size_t{3});
    // Newest first, main numbers ascending.
    QCOMPARE(dateiso(lus[0].date), std::string("2024-03-13"));
    QCOMPARE(dateiso(lus[2].date), std::string("2024-03-06"));
    QCOMPARE(lus[2].tirage.numeros, (std::array<std::int32_t, 6>{3, 8, 17, 29, 31, 44}));
    QCOMPARE(lus[2].tirage.complementaire, 12);
    {
        QSqlDatabase autre = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version"));
        autre.setDatabaseName(base.chemin());
        QVERIFY(autre.open());
        QSqlQuery q(QStringLiteral("PRAGMA user_version"), autre);
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), TBaseTirages::versionschema);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("version"));
}

// A write is whole or nothing: a draw the base refuses cancels the ones before it.
void TestBaseTirages::transactions() {
    QTemporaryDir dossier;
    TBaseTirages base;
    base.ouvre(dossier.path());
    const std::vector<TTirageDate> trois = tirages(troistirages);
    QString erreur;
    QVERIFY(!base.ajoute({trois[0], trois[1], trois[0]}, &erreur));
    QVERIFY(erreur.contains(QStringLiteral("UNIQUE")));
    QVERIFY(base.tirages().empty());
    QVERIFY(base.ajoute({trois[0], trois[1]}));
    TTirageDate faux = trois[2];
    faux.tirage.complementaire = faux.tirage.numeros[0];
    QVERIFY(!base.ajoute({trois[2], faux}, &erreur));
    QCOMPARE(base.tirages().size(), std::size_t{2});
    QVERIFY(base.supprime({trois[1]}));
    QCOMPARE(base.tirages().size(), std::size_t{1});
    QCOMPARE(dateiso(base.tirages()[0].date), std::string("2024-03-09"));
}

void TestBaseTirages::miseacote_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<Issue>("issue");
    QTest::addColumn<Cause>("cause");
    QTest::newRow("texte") << "texte" << Issue::remplacee << Cause::illisible;
    QTest::newRow("pages abimees") << "abimee" << Issue::remplacee << Cause::endommagee;
    QTest::newRow("autre schema") << "autre" << Issue::remplacee << Cause::inconnue;
    QTest::newRow("version plus recente") << "recente" << Issue::echec << Cause::recente;
}

// A file that is not a sound history is set aside byte for byte and a new base takes its place; a
// newer history is left alone.
void TestBaseTirages::miseacote() {
    QFETCH(QString, cas);
    QFETCH(Issue, issue);
    QFETCH(Cause, cause);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("historique.sqlite"));
    if (cas == QStringLiteral("texte")) {
        ecrit(chemin, QByteArray("date;boule_1\n09/03/2024;1\n").repeated(200));
    } else if (cas == QStringLiteral("autre")) {
        sql(chemin, {QStringLiteral("CREATE TABLE notes (texte TEXT)")});
    } else {
        {
            TBaseTirages base;
            base.ouvre(dossier.path());
            std::vector<TTirageDate> beaucoup;
            for (int j = 0; j < 600; ++j)
                beaucoup.push_back(
                    {{2000 + j / 300, 1 + j % 12, 1 + j % 28}, {{1, 2, 3, 4, 5, 6 + j % 40}, 48}});
            QVERIFY(base.ajoute(beaucoup));
        }
        if (cas == QStringLiteral("recente")) {
            sql(chemin, {QStringLiteral("PRAGMA user_version = 2")});
        } else {
            QByteArray octets = lit(chemin);
            QVERIFY(octets.size() > 4 * 4096);
            octets.replace(2 * 4096, 4096, QByteArray(4096, '\x5A'));
            ecrit(chemin, octets);
        }
    }
    const QByteArray avant = lit(chemin);

    TBaseTirages base;
    const TBaseTirages::TOuverture o = base.ouvre(dossier.path());
    QCOMPARE(o.etat, issue);
    QCOMPARE(o.cause, cause);
    if (issue == Issue::echec) {
        QVERIFY(!base.ouverte());
        QCOMPARE(lit(chemin), avant);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files).size(), 1);
        return;
    }
    QVERIFY(o.miseacote.startsWith(chemin + QStringLiteral(".endommagee-")));
    QCOMPARE(lit(o.miseacote), avant);
    QVERIFY(base.tirages().empty());
    QVERIFY(base.ajoute(tirages(troistirages)));
    QCOMPARE(base.tirages().size(), std::size_t{3});
}

void TestBaseTirages::dossierimpossible() {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("occupe"));
    ecrit(fichier, "x");
    TBaseTirages base;
    const TBaseTirages::TOuverture o = base.ouvre(fichier + QStringLiteral("/VORMIGRAL"));
    QCOMPARE(o.etat, Issue::echec);
    QCOMPARE(o.cause, Cause::dossier);
    QVERIFY(!base.ajoute(tirages(troistirages)));
    QCOMPARE(lit(fichier), QByteArray("x"));
}

QTEST_GUILESS_MAIN(TestBaseTirages)
#include "test_basetirages.moc"

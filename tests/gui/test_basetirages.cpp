#include "history/importation.h"
#include "storage/basetirages.h"
#include "storage/importeur.h"
#include "tests/commun/limitetaille.h"
#include "tests/commun/sqlite.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace vormigral;
using namespace vormigral::test;
using Issue = TBaseTirages::TIssue;
using Cause = TBaseTirages::TCause;
using Erreur = TBaseTirages::TErreur;
using Bilan = TBaseTirages::TBilan;

Q_DECLARE_METATYPE(Issue)
Q_DECLARE_METATYPE(Cause)
Q_DECLARE_METATYPE(Erreur)

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
    Autre autre(chemin);
    for (const QString& i : instructions)
        QVERIFY2(autre.execute(i), qPrintable(i));
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
    void deuxcopies();
    void verrouillee();
    void lectureseule_data();
    void lectureseule();
    void disquepleine_data();
    void disquepleine();
    void gains_data();
    void gains();
};

void TestBaseTirages::creationetrelecture() {
    QTemporaryDir dossier;
    const QString sous = dossier.filePath(QStringLiteral("donnees/VORMIGRAL"));
    {
        TBaseTirages base;
        QCOMPARE(base.ouvre(sous).etat, Issue::creee);
        QVERIFY(base.stocke(tirages(troistirages)).reussi());
    }
    TBaseTirages base;
    QCOMPARE(base.ouvre(sous).etat, Issue::ouverte);
    QCOMPARE(base.chemin(), sous + QStringLiteral("/historique.sqlite"));
    const std::vector<TTirageDate> lus = relus(base);
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
    TTirageDate faux = trois[2];
    faux.tirage.complementaire = faux.tirage.numeros[0];
    QCOMPARE(base.stocke({trois[0], trois[1], faux}).erreur, Erreur::invalide);
    QCOMPARE(base.stocke({trois[0], faux}).erreur, Erreur::invalide);
    QVERIFY(relus(base).empty());
    QVERIFY(base.stocke({trois[0], trois[1]}).reussi());
    QCOMPARE(relus(base).size(), std::size_t{2});
    QVERIFY(base.retire({trois[1]}).reussi());
    QCOMPARE(relus(base).size(), std::size_t{1});
    QCOMPARE(dateiso(relus(base)[0].date), std::string("2024-03-09"));
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
            QVERIFY(base.stocke(beaucoup).reussi());
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
    QVERIFY(relus(base).empty());
    QVERIFY(base.stocke(tirages(troistirages)).reussi());
    QCOMPARE(relus(base).size(), std::size_t{3});
}

void TestBaseTirages::dossierimpossible() {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("occupe"));
    ecrit(fichier, "x");
    TBaseTirages base;
    const TBaseTirages::TOuverture o = base.ouvre(fichier + QStringLiteral("/VORMIGRAL"));
    QCOMPARE(o.etat, Issue::echec);
    QCOMPARE(o.cause, Cause::dossier);
    QVERIFY(!base.stocke(tirages(troistirages)).reussi());
    QCOMPARE(lit(fichier), QByteArray("x"));
}

// Two copies of the program on one history: each reads what the other stored, and storing what
// the other already stored skips it and counts it, rather than refusing the whole import.
void TestBaseTirages::deuxcopies() {
    QTemporaryDir dossier;
    TBaseTirages a;
    TBaseTirages b;
    QCOMPARE(a.ouvre(dossier.path()).etat, Issue::creee);
    QCOMPARE(b.ouvre(dossier.path()).etat, Issue::ouverte);
    std::vector<TTirageDate> lus;
    QVERIFY(b.lit(lus).reussi());
    const std::vector<TTirageDate> trois = tirages(troistirages);
    QVERIFY(a.stocke({trois[0], trois[1]}).reussi());
    QVERIFY(b.lit(lus).reussi());
    QCOMPARE(lus.size(), std::size_t{2});

    TTirageDate autrecomplementaire = trois[1];
    autrecomplementaire.tirage.complementaire = 49;
    const Bilan bilanb = b.stocke({trois[0], trois[2], autrecomplementaire, trois[2]});
    QVERIFY2(bilanb.reussi(), qPrintable(bilanb.detail));
    QCOMPARE(bilanb.ajoutes, std::size_t{1});
    QCOMPARE(bilanb.presents, std::size_t{2});
    QCOMPARE(bilanb.differents, std::size_t{1});
    QVERIFY(a.stocke(trois).reussi());
    QCOMPARE(relus(a).size(), std::size_t{3});
    QCOMPARE(relus(a)[0].tirage.complementaire, trois[1].tirage.complementaire);
    QCOMPARE(a.retire({trois[0], trois[0]}).retires, std::size_t{1});
    QCOMPARE(relus(b).size(), std::size_t{2});
}

// The other copy holding the history locked past the wait is a code of its own, for reading and
// writing alike, with nothing stored; once it lets go, storing goes through.
void TestBaseTirages::verrouillee() {
    QTemporaryDir dossier;
    TBaseTirages base;
    base.attente(200);
    base.ouvre(dossier.path());
    const std::vector<TTirageDate> trois = tirages(troistirages);
    {
        Autre autre(base.chemin());
        QVERIFY(autre.execute(QStringLiteral("BEGIN EXCLUSIVE")));
        std::vector<TTirageDate> lus;
        QCOMPARE(base.lit(lus).erreur, Erreur::verrouillee);
        const Bilan refus = base.stocke(trois);
        QCOMPARE(refus.erreur, Erreur::verrouillee);
        QCOMPARE(refus.ajoutes, std::size_t{0});
        QVERIFY(!refus.detail.isEmpty());
        QCOMPARE(base.retire(trois).erreur, Erreur::verrouillee);
        QVERIFY(autre.execute(QStringLiteral("ROLLBACK")));
    }
    QCOMPARE(base.stocke(trois).ajoutes, std::size_t{3});
}

void TestBaseTirages::lectureseule_data() {
    QTest::addColumn<QString>("protege");
    QTest::newRow("fichier") << "fichier";
    QTest::newRow("dossier") << "dossier";
}

// A history that may only be read says so at opening; its draws are listed, and every write is
// refused with that code, the file left as it was.
void TestBaseTirages::lectureseule() {
    QFETCH(QString, protege);
    if (::geteuid() == 0)
        QSKIP("root writes through permissions; the unprivileged run covers it");
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QString::fromLatin1(TBaseTirages::nomfichier));
    {
        TBaseTirages base;
        base.ouvre(dossier.path());
        QVERIFY(base.stocke(tirages(troistirages)).reussi());
    }
    const QByteArray avant = lit(chemin);
    const QString cible = protege == QLatin1String("fichier") ? chemin : dossier.path();
    QCOMPARE(::chmod(QFile::encodeName(cible).constData(), protege == QLatin1String("fichier") ? 0444 : 0555),
             0);
    TBaseTirages base;
    const TBaseTirages::TOuverture o = base.ouvre(dossier.path());
    QCOMPARE(o.etat, Issue::lectureseule);
    QVERIFY(base.ouverte());
    QVERIFY(base.lectureseule());
    QCOMPARE(relus(base).size(), std::size_t{3});
    QCOMPARE(base.stocke(tirages("01/01/2020;1;2;3;4;5;6;7\n")).erreur, Erreur::lectureseule);
    QCOMPARE(base.retire(tirages(troistirages)).erreur, Erreur::lectureseule);
    QCOMPARE(lit(chemin), avant);
    ::chmod(QFile::encodeName(cible).constData(), 0755);
}

void TestBaseTirages::disquepleine_data() {
    QTest::addColumn<QString>("plein");
    QTest::addColumn<bool>("endommagee");
    QTest::addColumn<Erreur>("erreur");
    // Past the size limit the system answers "file too large", which SQLite takes for an I/O error.
    QTest::newRow("limite, premiere ouverture") << "limite" << false << Erreur::entreesortie;
    QTest::newRow("limite, apres mise a l'ecart") << "limite" << true << Erreur::entreesortie;
    QTest::newRow("disque plein, apres mise a l'ecart") << "tmpfs" << true << Erreur::disquepleine;
}

// A disk full while the history is being made leaves no empty file that would open later as an
// empty history, and still tells where a damaged one was set aside.
void TestBaseTirages::disquepleine() {
    QFETCH(QString, plein);
    QFETCH(bool, endommagee);
    QFETCH(Erreur, erreur);
    std::signal(SIGXFSZ, SIG_IGN);
    QTemporaryDir temporaire;
    QString dossier = temporaire.path();
    std::unique_ptr<Montage> montage;
    if (plein == QLatin1String("tmpfs")) {
        dossier = temporaire.filePath(QStringLiteral("petit"));
        montage = std::make_unique<Montage>(dossier);
        if (!montage->monte())
            QSKIP("no small file system can be mounted here (root only)");
    }
    const QString chemin = QDir(dossier).filePath(QString::fromLatin1(TBaseTirages::nomfichier));
    const QByteArray texte = QByteArray("date;boule_1\n09/03/2024;1\n").repeated(20);
    if (endommagee)
        ecrit(chemin, texte);
    TBaseTirages::TOuverture o;
    {
        const std::unique_ptr<test::LimiteTaille> limite(montage ? nullptr : new test::LimiteTaille(1000));
        TBaseTirages base;
        o = base.ouvre(dossier);
        QVERIFY(!base.ouverte());
    }
    QCOMPARE(o.etat, Issue::echec);
    QCOMPARE(o.erreur, erreur);
    QVERIFY(!QFile::exists(chemin));
    QCOMPARE(QDir(dossier).entryList(QDir::Files).size(), endommagee ? 1 : 0);
    if (endommagee)
        QCOMPARE(lit(o.miseacote), texte);
}

void TestBaseTirages::gains_data() {
    QTest::addColumn<bool>("ancienne");
    QTest::addColumn<bool>("importeur");
    QTest::newRow("neuve") << false << false;
    QTest::newRow("faite par un programme sans gains") << true << false;
    QTest::newRow("par l'importeur") << true << true;
}

// Payouts go with their draws into a history of any age, without a draw lost; a draw already
// stored with the same complementary gets the payouts it lacks; removing a draw, by any program,
// removes them.
void TestBaseTirages::gains() {
    QFETCH(bool, ancienne);
    QFETCH(bool, importeur);
    qRegisterMetaType<Bilan>();
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QLatin1String(TBaseTirages::nomfichier));
    const std::vector<TTirageDate> trois = tirages(troistirages);
    if (ancienne)
        sql(chemin, {QStringLiteral("CREATE TABLE tirages (id INTEGER PRIMARY KEY, date TEXT NOT NULL, n1 "
                                    "INTEGER, n2 INTEGER, n3 INTEGER, n4 INTEGER, n5 INTEGER, n6 INTEGER, "
                                    "complementaire INTEGER, UNIQUE (date, n1, n2, n3, n4, n5, n6))"),
                     QStringLiteral("INSERT INTO tirages VALUES (1, '2024-03-09', 1, 2, 3, 4, 5, 6, 7), "
                                    "(2, '2024-03-06', 3, 8, 17, 29, 31, 44, 13)"),
                     QStringLiteral("PRAGMA user_version = 1")});
    TBaseTirages base;
    QCOMPARE(base.ouvre(dossier.path()).etat, ancienne ? Issue::ouverte : Issue::creee);
    QVERIFY(gainslus(base, trois).at(0).aucun());
    TGains g;
    g.centimes[static_cast<std::size_t>(TClasse::nb3)] = 540;
    g.centimes[static_cast<std::size_t>(TClasse::nb6)] = 123456789;
    TGains h;
    h.centimes[static_cast<std::size_t>(TClasse::nb4c)] = 7700;
    const std::vector<TGains> donnes{g, h, h};
    Bilan bilan;
    if (importeur) {
        TImporteur i;
        QSignalSpy termine(&i, &TImporteur::termine);
        QVERIFY(i.lance(base.chemin(), trois, donnes));
        QVERIFY(termine.wait(10000));
        bilan = termine.takeFirst().at(0).value<Bilan>();
    } else {
        bilan = base.stocke(trois, {}, donnes);
    }
    QVERIFY(bilan.reussi());
    QCOMPARE(bilan.ajoutes, std::size_t(ancienne ? 1 : 3));
    QCOMPARE(bilan.avecgains, std::size_t(ancienne ? 2 : 3));
    QCOMPARE(relus(base).size(), std::size_t{3});
    // The draw of 6 March stored earlier with another complementary keeps none.
    std::vector<TGains> lus = gainslus(base, {trois[2], trois[0], trois[1]});
    QCOMPARE(lus.size(), std::size_t{3});
    QCOMPARE(lus[0].aucun(), ancienne);
    QCOMPARE(lus[1].centimes, g.centimes);
    QCOMPARE(lus[2].centimes, h.centimes);
    // Given again, the payouts stored stay as they are.
    QVERIFY(base.stocke({trois[0]}, {}, {h}).reussi());
    QCOMPARE(gainslus(base, {trois[0]}).at(0).centimes, g.centimes);

    // A program that knows nothing of payouts reads the history, removes a draw and stores another
    // under the same id: the new draw has no payouts of the old one.
    sql(chemin, {QStringLiteral("DELETE FROM tirages WHERE id = (SELECT max(id) FROM tirages)"),
                 QStringLiteral("INSERT INTO tirages (date, n1, n2, n3, n4, n5, n6, complementaire) "
                                "VALUES ('2024-03-16', 1, 9, 10, 11, 12, 13, 14)")});
    const std::vector<TTirageDate> apres = relus(base);
    QCOMPARE(apres.size(), std::size_t{3});
    QVERIFY(gainslus(base, {apres[0]}).at(0).aucun());
    QVERIFY(base.retire({trois[0]}).reussi());
    QVERIFY(base.stocke({trois[0]}).reussi());
    QVERIFY(gainslus(base, {trois[0]}).at(0).aucun());
    Autre autre(chemin);
    QSqlQuery version(QStringLiteral("PRAGMA user_version"), QSqlDatabase::database(QStringLiteral("autre")));
    QVERIFY(version.next());
    QCOMPARE(version.value(0).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestBaseTirages)
#include "test_basetirages.moc"

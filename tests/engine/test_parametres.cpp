#include "files/parametres.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace vormigral;

Q_DECLARE_METATYPE(vormigral::LectureParametres)

namespace {

QByteArray octets(std::initializer_list<int> valeurs) {
    QByteArray resultat;
    for (int v : valeurs) {
        const auto u = static_cast<quint32>(v);
        for (int i = 0; i < 4; ++i)
            resultat.append(static_cast<char>((u >> (8 * i)) & 0xff));
    }
    return resultat;
}

void ecris(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

QByteArray lis(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestParametres : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;
    QString chemin() const { return dossier.filePath(QStringLiteral("VORMIG.PAR")); }

private slots:
    void init() { QFile::remove(chemin()); }
    void lecture();
    void ecritureexacte_data();
    void ecritureexacte();
    void fichierlongrelupuisreecrit();
    void fichiersilencieux_data();
    void fichiersilencieux();
    void absent();
    void echecgardelancien();
};

void TestParametres::lecture() {
    ecris(chemin(), octets({0, 2, -3, 4}));
    TParametres p;
    QCOMPARE(lireparametres(chemin().toStdString(), p), LectureParametres::Lu);
    QCOMPARE(p.reserve, 0);
    QCOMPARE(p.langue, 2);
    QCOMPARE(p.decalh, -3);
    QCOMPARE(p.decalv, 4);
}

void TestParametres::ecritureexacte_data() {
    QTest::addColumn<int>("reserve");
    QTest::addColumn<int>("langue");
    QTest::addColumn<int>("decalh");
    QTest::addColumn<int>("decalv");
    QTest::newRow("premier lancement anglais") << 0 << 2 << 0 << 0;
    QTest::newRow("decalages signes") << 0 << 1 << -3 << 4;
    QTest::newRow("reserve portee") << 0x7f010203 << 1 << -99999 << 99999;
    QTest::newRow("extremes") << int(0x80000000) << -1 << 2147483647 << int(0x80000000);
}

void TestParametres::ecritureexacte() {
    QFETCH(int, reserve);
    QFETCH(int, langue);
    QFETCH(int, decalh);
    QFETCH(int, decalv);
    QVERIFY(ecrireparametres(chemin().toStdString(), {reserve, langue, decalh, decalv}));
    QCOMPARE(lis(chemin()), octets({reserve, langue, decalh, decalv}));
    TParametres relu;
    QCOMPARE(lireparametres(chemin().toStdString(), relu), LectureParametres::Lu);
    QCOMPARE(relu.reserve, reserve);
    QCOMPARE(relu.decalv, decalv);
}

void TestParametres::fichierlongrelupuisreecrit() {
    ecris(chemin(), octets({5, 2, 7, -8, 99}));
    TParametres p;
    QCOMPARE(lireparametres(chemin().toStdString(), p), LectureParametres::Long);
    QCOMPARE(p.reserve, 5);
    QCOMPARE(p.decalv, -8);
    QVERIFY(ecrireparametres(chemin().toStdString(), p));
    QCOMPARE(lis(chemin()), octets({5, 2, 7, -8}));
}

void TestParametres::fichiersilencieux_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("sorte");
    QTest::addColumn<LectureParametres>("attendu");
    QTest::addColumn<QList<int>>("lus"); // the settings after reading over {1, 1, 11, 12}
    const QList<int> inchanges = {1, 1, 11, 12};
    QTest::newRow("vide") << QByteArray() << "fichier" << LectureParametres::Court << inchanges;
    QTest::newRow("6 octets") << octets({7, 2}).left(6) << "fichier" << LectureParametres::Court
                              << QList<int>{7, 1, 11, 12};
    QTest::newRow("13 octets") << octets({0, 2, 5}).append('x') << "fichier" << LectureParametres::Court
                               << QList<int>{0, 2, 5, 12};
    QTest::newRow("15 octets") << octets({0, 2, 5, 6}).left(15) << "fichier" << LectureParametres::Court
                               << QList<int>{0, 2, 5, 12};
    QTest::newRow("20 octets") << octets({0, 2, 5, 6, 9}) << "fichier" << LectureParametres::Long
                               << QList<int>{0, 2, 5, 6};
    QTest::newRow("dossier") << QByteArray() << "dossier" << LectureParametres::PasFichier << inchanges;
    // Opening a named pipe for reading waits for a writer: the program would hang before any window.
    QTest::newRow("tube") << QByteArray() << "tube" << LectureParametres::PasFichier << inchanges;
    QTest::newRow("illisible") << octets({0, 2, 5, 6}) << "illisible" << LectureParametres::Illisible
                               << inchanges;
}

// A file shorter or longer than the record gives the fields it holds whole, the others keep their
// values; what cannot be read changes nothing. The same bytes in memory read the same.
void TestParametres::fichiersilencieux() {
    QFETCH(QByteArray, contenu);
    QFETCH(QString, sorte);
    QFETCH(LectureParametres, attendu);
    QFETCH(QList<int>, lus);
    if (sorte == QLatin1String("illisible") && ::geteuid() == 0)
        QSKIP("root reads files whatever their permissions");
    if (sorte == QLatin1String("dossier"))
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("VORMIG.PAR")));
    else if (sorte == QLatin1String("tube"))
        QCOMPARE(::mkfifo(QFile::encodeName(chemin()).constData(), 0600), 0);
    else
        ecris(chemin(), contenu);
    if (sorte == QLatin1String("illisible"))
        QVERIFY(QFile::setPermissions(chemin(), {}));
    TParametres p{1, 1, 11, 12};
    const LectureParametres lu = lireparametres(chemin().toStdString(), p);
    QDir(dossier.path()).rmdir(QStringLiteral("VORMIG.PAR"));
    QCOMPARE(lu, attendu);
    QCOMPARE((QList<int>{p.reserve, p.langue, p.decalh, p.decalv}), lus);
    if (sorte == QLatin1String("fichier")) {
        TParametres memoire{1, 1, 11, 12};
        QCOMPARE(decodeparametres(reinterpret_cast<const std::uint8_t*>(contenu.constData()),
                                  static_cast<std::size_t>(contenu.size()), memoire),
                 attendu);
        QCOMPARE((QList<int>{memoire.reserve, memoire.langue, memoire.decalh, memoire.decalv}), lus);
    }
}

void TestParametres::absent() {
    TParametres p{0, 9, 9, 9};
    QCOMPARE(lireparametres(chemin().toStdString(), p), LectureParametres::Absent);
    QCOMPARE(p.langue, 9);
    // A directory in the file's place is present, and not replaced.
    QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("VORMIG.PAR")));
    QCOMPARE(ecrireparametres(chemin().toStdString(), p).refus, Refus::PasFichier);
    QVERIFY(QDir(dossier.path()).rmdir(QStringLiteral("VORMIG.PAR")));
}

// A save that cannot complete must not leave the previous settings truncated.
void TestParametres::echecgardelancien() {
    ecris(chemin(), octets({0, 2, 1, 1}));
    QVERIFY(!ecrireparametres(dossier.filePath(QStringLiteral("absent/VORMIG.PAR")).toStdString(), {}));
    QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool ecrit = static_cast<bool>(ecrireparametres(chemin().toStdString(), {0, 1, 0, 0}));
    QFile::setPermissions(dossier.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (ecrit)
        QSKIP("running with rights that ignore directory permissions");
    QCOMPARE(lis(chemin()), octets({0, 2, 1, 1}));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files).size(), 1);
}

QTEST_APPLESS_MAIN(TestParametres)
#include "test_parametres.moc"

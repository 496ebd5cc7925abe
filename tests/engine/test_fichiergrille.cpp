#include "files/fichiergrille.h"
#include "tests/commun/limitetaille.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <climits>
#include <csignal>

#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using namespace vormigral;
using vormigral::test::LimiteTaille;

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

// A grid file's bytes: the signature, the list position, then flags 1..50 (1 at each listed number).
QByteArray fichier(int posmethode, std::initializer_list<int> cochees) {
    QByteArray resultat = QByteArray::fromHex("03475249") + octets({posmethode});
    for (int t = 1; t <= 50; ++t)
        resultat += octets({std::find(cochees.begin(), cochees.end(), t) != cochees.end() ? 1 : 0});
    return resultat;
}

void ecris(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(contenu), contenu.size());
}

QByteArray lis(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

std::string s(const QString& chemin) {
    return QFile::encodeName(chemin).toStdString();
}

// A record no read could produce, to see whether a refused read touched it.
TFichierGrille temoin() {
    TFichierGrille fiche;
    fiche.entete = {9, 9, 9, 9};
    fiche.posmethode = 77;
    fiche.cochage.fill(5);
    return fiche;
}

bool memes(const TFichierGrille& a, const TFichierGrille& b) {
    return a.entete == b.entete && a.posmethode == b.posmethode &&
           std::equal(a.cochage.begin() + 1, a.cochage.end(), b.cochage.begin() + 1);
}

} // namespace

Q_DECLARE_METATYPE(vormigral::LectureGrille)

class TestFichierGrille : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;
    QString chemin(const char* nom = "grille") const { return dossier.filePath(QString::fromLatin1(nom)); }

private slots:
    // The program ignores SIGXFSZ from its start; these tests run the files library alone.
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
    void init();
    void exemple();
    void allerretour_data();
    void allerretour();
    void lecture_data();
    void lecture();
    void inexistant_data();
    void inexistant();
    void tubenonlu();
    void noms_data();
    void noms();
    void chemins_data();
    void chemins();
    void echecs_data();
    void echecs();
    void disqueplein();
    void fichierprotege();
    void remplacement();
    void atravers_data();
    void atravers();
    void temporairesperimes();
    void nomlong();
};

void TestFichierGrille::init() {
    QDir(dossier.path()).removeRecursively();
    QVERIFY(QDir().mkpath(dossier.path()));
}

// 3, 17 and 42 ticked with the first list entry: the reference file, byte for byte.
void TestFichierGrille::exemple() {
    std::array<std::int32_t, 51> cases{};
    cases[3] = cases[17] = cases[42] = 1;
    const TFichierGrille fiche = grilledecases(0, cases);
    QVERIFY(ecriregrille(s(chemin()), fiche));
    const QByteArray attendu = fichier(0, {3, 17, 42});
    QCOMPARE(attendu.size(), 208);
    QCOMPARE(attendu.left(12), QByteArray::fromHex("034752490000000000000000"));
    QCOMPARE(lis(chemin()), attendu);
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestFichierGrille::allerretour_data() {
    QTest::addColumn<int>("posmethode");
    QTest::addColumn<QList<int>>("valeurs"); // pairs: entry, value
    QTest::newRow("vide, rien de choisi") << -1 << QList<int>{};
    QTest::newRow("derniere position") << 49 << QList<int>{1, 1, 49, 1};
    QTest::newRow("case 50 d'un fichier") << 12 << QList<int>{50, 1, 7, 1};
    QTest::newRow("valeurs extremes") << INT_MIN << QList<int>{1, INT_MIN, 2, INT_MAX, 3, -1, 50, 2};
    QTest::newRow("tout coche") << INT_MAX << [] {
        QList<int> v;
        for (int t = 1; t <= 50; ++t)
            v << t << 1;
        return v;
    }();
}

void TestFichierGrille::allerretour() {
    QFETCH(int, posmethode);
    QFETCH(QList<int>, valeurs);
    std::array<std::int32_t, 51> cases{};
    for (int i = 0; i + 1 < valeurs.size(); i += 2)
        cases[static_cast<std::size_t>(valeurs[i])] = valeurs[i + 1];
    const TFichierGrille fiche = grilledecases(posmethode, cases);
    QVERIFY(ecriregrille(s(chemin()), fiche));
    QCOMPARE(QFileInfo(chemin()).size(), 208);
    TFichierGrille relu = temoin();
    QCOMPARE(liregrille(s(chemin()), relu), LectureGrille::Lu);
    QVERIFY(memes(relu, fiche));
    QCOMPARE(relu.posmethode, posmethode);
    for (std::size_t t = 1; t <= 50; ++t)
        QCOMPARE(relu.cochage[t], cases[t]);
    const auto encode = encodegrille(relu);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(encode.data()), int(encode.size())), lis(chemin()));
}

void TestFichierGrille::lecture_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<LectureGrille>("attendu");
    QTest::addColumn<int>("posmethode"); // when read
    const QByteArray grille = fichier(5, {3, 17, 42});
    const QByteArray texte = QByteArray("Ceci est un fichier texte, pas une grille.\n").repeated(6);
    QTest::newRow("208 octets") << grille << LectureGrille::Lu << 5;
    QTest::newRow("plus long: les 208 premiers")
        << grille + fichier(9, {1}) + "fin" << LectureGrille::Lu << 5;
    QTest::newRow("207 octets") << grille.left(207) << LectureGrille::Illisible << 0;
    QTest::newRow("100 octets") << grille.left(100) << LectureGrille::Illisible << 0;
    QTest::newRow("vide") << QByteArray() << LectureGrille::Illisible << 0;
    QTest::newRow("signature seule") << QByteArray::fromHex("03475249") << LectureGrille::Illisible << 0;
    // The record is read before its signature is looked at: a short text is a read error.
    QTest::newRow("texte court") << QByteArray("GRILLE 3 17 42\n") << LectureGrille::Illisible << 0;
    QTest::newRow("texte") << texte << LectureGrille::PasGrille << 0;
    QTest::newRow("premier octet") << QByteArray::fromHex("04") + grille.mid(1) << LectureGrille::PasGrille
                                   << 0;
    QTest::newRow("minuscules") << QByteArray::fromHex("03677269") + grille.mid(4) << LectureGrille::PasGrille
                                << 0;
    QTest::newRow("tout a zero") << QByteArray(208, '\0') << LectureGrille::PasGrille << 0;
    QTest::newRow("ordre inverse") << QByteArray::fromHex("49524703") + grille.mid(4)
                                   << LectureGrille::PasGrille << 0;
}

void TestFichierGrille::lecture() {
    QFETCH(QByteArray, contenu);
    QFETCH(LectureGrille, attendu);
    QFETCH(int, posmethode);
    ecris(chemin(), contenu);
    TFichierGrille fiche = temoin();
    QCOMPARE(liregrille(s(chemin()), fiche), attendu);
    switch (attendu) {
    case LectureGrille::Lu: {
        QCOMPARE(fiche.posmethode, posmethode);
        for (int t = 1; t <= 50; ++t)
            QCOMPARE(fiche.cochage[std::size_t(t)], (t == 3 || t == 17 || t == 42) ? 1 : 0);
        const auto encode = encodegrille(fiche);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(encode.data()), 208), contenu.left(208));
        break;
    }
    case LectureGrille::PasGrille:
        // The buffer holds what was read, as the file's first four bytes show.
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(fiche.entete.data()), 4), contenu.left(4));
        break;
    default:
        QVERIFY(memes(fiche, temoin()));
    }
    // Decoding the same bytes in memory agrees with reading the file.
    TFichierGrille memoire = temoin();
    QCOMPARE(decodegrille(reinterpret_cast<const std::uint8_t*>(contenu.constData()),
                          std::size_t(contenu.size()), memoire),
             attendu);
    QCOMPARE(lis(chemin()), contenu);
}

void TestFichierGrille::inexistant_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<LectureGrille>("attendu");
    QTest::addColumn<bool>("existe");
    QTest::newRow("absent") << "absent" << LectureGrille::Inexistant << false;
    QTest::newRow("dossier") << "dossier" << LectureGrille::Inexistant << false;
    QTest::newRow("lien vers un dossier") << "liendossier" << LectureGrille::Inexistant << false;
    QTest::newRow("lien casse") << "liencasse" << LectureGrille::Inexistant << false;
    QTest::newRow("sous un fichier") << "texte/grille" << LectureGrille::Inexistant << false;
    QTest::newRow("lien vers une grille") << "liengrille" << LectureGrille::Lu << true;
    QTest::newRow("dossier a la place") << "dossier/" << LectureGrille::Inexistant << false;
}

// What names no file gives "Fichier inexistant", and the save asks no question about it.
void TestFichierGrille::inexistant() {
    QFETCH(QString, nom);
    QFETCH(LectureGrille, attendu);
    QFETCH(bool, existe);
    QDir d(dossier.path());
    QVERIFY(d.mkdir(QStringLiteral("dossier")));
    ecris(chemin("texte"), "abc");
    ecris(chemin("vraie"), fichier(1, {2}));
    QVERIFY(QFile::link(chemin("dossier"), chemin("liendossier")));
    QVERIFY(QFile::link(chemin("nullepart"), chemin("liencasse")));
    QVERIFY(QFile::link(chemin("vraie"), chemin("liengrille")));
    TFichierGrille fiche = temoin();
    const std::string c = s(d.filePath(nom));
    QCOMPARE(liregrille(c, fiche), attendu);
    QCOMPARE(grilleexiste(c), existe);
    if (attendu != LectureGrille::Lu)
        QVERIFY(memes(fiche, temoin()));
}

// A named pipe in the directory must not hang the program waiting for a writer.
void TestFichierGrille::tubenonlu() {
    QCOMPARE(::mkfifo(s(chemin("tube")).c_str(), 0600), 0);
    TFichierGrille fiche = temoin();
    QCOMPARE(liregrille(s(chemin("tube")), fiche), LectureGrille::Illisible);
    QVERIFY(grilleexiste(s(chemin("tube"))));
    QVERIFY(!ecriregrille(s(chemin("tube")), grilledecases(0, {})));
    QVERIFY(memes(fiche, temoin()));
}

void TestFichierGrille::noms_data() {
    QTest::addColumn<QByteArray>("nom");
    QTest::addColumn<bool>("permis");
    QTest::addColumn<bool>("cache"); // a hidden file, which the chooser would never list
    QTest::newRow("etoile") << QByteArray("*") << false << false;
    QTest::newRow("generique") << QByteArray("grille*.grl") << false << false;
    QTest::newRow("point d'interrogation") << QByteArray("grille?") << false << false;
    QTest::newRow("nul") << QByteArray("gri\0lle", 7) << false << false;
    QTest::newRow("simple") << QByteArray("grille") << true << false;
    QTest::newRow("accents et espaces") << QByteArray("mes numéros.grl") << true << false;
    QTest::newRow("vide") << QByteArray() << true << false;
    QTest::newRow("point en tete") << QByteArray(".ma grille") << true << true;
    QTest::newRow("cache dans un sous-dossier") << QByteArray("sous/.grille") << true << true;
    QTest::newRow("dossier cache, nom visible") << QByteArray(".sous/grille") << true << false;
}

void TestFichierGrille::noms() {
    QFETCH(QByteArray, nom);
    QFETCH(bool, permis);
    QFETCH(bool, cache);
    QCOMPARE(nompermis(nom.toStdString()), permis);
    QCOMPARE(nomcache(nom.toStdString()), cache);
}

void TestFichierGrille::chemins_data() {
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("chemin");
    QTest::newRow("dossier") << "/home/joueur"
                             << "loto"
                             << "/home/joueur/loto";
    QTest::newRow("racine") << "/"
                            << "loto"
                            << "/loto";
    QTest::newRow("nom vide") << "/home"
                              << ""
                              << "/home/";
    QTest::newRow("nom absolu reste dedans") << "/home"
                                             << "/etc/x"
                                             << "/home//etc/x";
}

void TestFichierGrille::chemins() {
    QFETCH(QString, repertoire);
    QFETCH(QString, nom);
    QFETCH(QString, chemin);
    QCOMPARE(QString::fromStdString(chemingrille(repertoire.toStdString(), nom.toStdString())), chemin);
}

void TestFichierGrille::echecs_data() {
    QTest::addColumn<QString>("nom");
    QTest::newRow("le nom est un dossier") << "dossier";
    QTest::newRow("le parent est un fichier") << "texte/grille";
    QTest::newRow("dossier absent") << "absent/grille";
    QTest::newRow("nom vide") << "";
}

// Failures that happen whoever runs the program: nothing is written, nothing is left behind.
void TestFichierGrille::echecs() {
    QFETCH(QString, nom);
    QDir d(dossier.path());
    QVERIFY(d.mkdir(QStringLiteral("dossier")));
    ecris(chemin("texte"), "abc");
    QVERIFY(!ecriregrille(s(d.filePath(nom)), grilledecases(0, {})));
    QCOMPARE(lis(chemin("texte")), QByteArray("abc"));
    QVERIFY(QFileInfo(chemin("dossier")).isDir());
    QCOMPARE(d.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("dossier"), QStringLiteral("texte")}));
    QVERIFY(QDir(chemin("dossier")).isEmpty());
}

// The disk fills up half-way through the new file: the old file is still there, byte for byte.
void TestFichierGrille::disqueplein() {
    const QByteArray ancien = fichier(3, {1, 2, 3, 4, 5, 6});
    ecris(chemin(), ancien);
    std::array<std::int32_t, 51> cases{};
    cases[40] = 1;
    bool ecrit = true;
    {
        LimiteTaille limite(100);
        ecrit = ecriregrille(s(chemin()), grilledecases(7, cases));
    }
    QVERIFY(!ecrit);
    QCOMPARE(lis(chemin()), ancien);
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList(QStringLiteral("grille")));
    QVERIFY(ecriregrille(s(chemin()), grilledecases(7, cases)));
    QCOMPARE(lis(chemin()), fichier(7, {40}));
}

// A read-only file and a read-only directory keep the old file; root ignores both protections.
void TestFichierGrille::fichierprotege() {
    const QByteArray ancien = fichier(3, {8});
    ecris(chemin(), ancien);
    QFile::setPermissions(chemin(), QFileDevice::ReadOwner);
    const bool surfichier = ecriregrille(s(chemin()), grilledecases(1, {}));
    QFile::setPermissions(chemin(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool surdossier = ecriregrille(s(chemin()), grilledecases(2, {}));
    QFile::setPermissions(dossier.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (::geteuid() == 0)
        QSKIP("root writes through file and directory permissions");
    QVERIFY(!surfichier);
    QVERIFY(!surdossier);
    QCOMPARE(lis(chemin()), ancien);
}

// Replacing a file keeps what the user set on it: its permissions, and a link stays a link.
void TestFichierGrille::remplacement() {
    ecris(chemin("cible"), fichier(0, {}));
    QVERIFY(QFile::setPermissions(chemin("cible"), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(QFile::link(chemin("cible"), chemin("lien")));
    QVERIFY(ecriregrille(s(chemin("lien")), grilledecases(4, {})));
    QVERIFY(QFileInfo(chemin("lien")).isSymLink());
    QCOMPARE(lis(chemin("cible")), fichier(4, {}));
    const QFileDevice::Permissions droits = QFile::permissions(chemin("cible"));
    QVERIFY(droits.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(!(droits & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther)));
    QVERIFY(ecriregrille(s(chemin("neuf")), grilledecases(4, {})));
    QVERIFY(QFile::permissions(chemin("neuf")) & QFileDevice::ReadOwner);
}

void TestFichierGrille::atravers_data() {
    QTest::addColumn<QStringList>("liens"); // symbolic links "name>target"; none: "lien" is a hard link
    QTest::addColumn<QString>("ecrit");     // the name saved to
    QTest::addColumn<QString>("autre");     // another name that must show the new content
    QTest::addColumn<bool>("plein");        // the disk fills up half-way: nothing changes anywhere
    QTest::newRow("lien casse cree sa cible") << QStringList{"lien>cible"} << "lien"
                                              << "cible" << false;
    QTest::newRow("chaine de liens casse") << QStringList{"lien>milieu", "milieu>cible"} << "lien"
                                           << "cible" << false;
    QTest::newRow("lien relatif vers un sous-dossier") << QStringList{"lien>sous/cible"} << "lien"
                                                       << "sous/cible" << false;
    QTest::newRow("lien dur") << QStringList() << "cible"
                              << "lien" << false;
    QTest::newRow("lien dur, disque plein") << QStringList() << "cible"
                                            << "lien" << true;
}

// A link is written through, even when what it names does not exist yet; a file with other hard
// links is rewritten in place, so every link sees the numbers saved.
void TestFichierGrille::atravers() {
    QFETCH(QStringList, liens);
    QFETCH(QString, ecrit);
    QFETCH(QString, autre);
    QFETCH(bool, plein);
    QDir d(dossier.path());
    QVERIFY(d.mkdir(QStringLiteral("sous")));
    const QByteArray ancien = fichier(1, {1});
    if (liens.isEmpty()) {
        ecris(chemin("cible"), ancien);
        QCOMPARE(::link(s(chemin("cible")).c_str(), s(chemin("lien")).c_str()), 0);
    }
    for (const QString& lien : liens)
        QCOMPARE(::symlink(s(lien.section('>', 1)).c_str(), s(d.filePath(lien.section('>', 0, 0))).c_str()),
                 0);
    struct stat avant {};
    ::stat(s(d.filePath(ecrit)).c_str(), &avant);
    bool ok = false;
    {
        std::unique_ptr<LimiteTaille> limite(plein ? new LimiteTaille(100) : nullptr);
        ok = ecriregrille(s(d.filePath(ecrit)), grilledecases(6, {}));
    }
    QCOMPARE(ok, !plein);
    const QByteArray attendu = plein ? ancien : fichier(6, {});
    QCOMPARE(lis(d.filePath(ecrit)), attendu);
    QCOMPARE(lis(d.filePath(autre)), attendu);
    QCOMPARE(QFileInfo(chemin("lien")).isSymLink(), !liens.isEmpty());
    struct stat apres {};
    ::stat(s(d.filePath(ecrit)).c_str(), &apres);
    if (liens.isEmpty())
        QCOMPARE(apres.st_ino, avant.st_ino);
    QCOMPARE(d.entryList({QStringLiteral(".vormigral*")}, QDir::Files | QDir::Hidden), QStringList());
}

// Temporary files of a save that never finished go at the next save in their folder; any other
// file stays: a young one (a save going on), one of another name, kind or owner.
void TestFichierGrille::temporairesperimes() {
    QStringList gardes = {".vormigral.jeune1", ".vormigral.Ab12C",  ".vormigral.Ab12Cd7", ".vormigral.Ab-2Cd",
                          "vormigral.Ab12Cd",  ".vormigral.lien01", ".vormigral.dossie"};
    for (const QString& nom : gardes.mid(0, 5) + QStringList{".vormigral.Ab12Cd", ".vormigral.zzzzzz"})
        ecris(dossier.filePath(nom), "abc");
    QVERIFY(QFile::link(dossier.filePath(".vormigral.Ab12Cd"), dossier.filePath(".vormigral.lien01")));
    QVERIFY(QDir(dossier.path()).mkdir(".vormigral.dossie"));
    // Only root can give a file to another user.
    if (::geteuid() == 0) {
        ecris(dossier.filePath(".vormigral.autre1"), "abc");
        QCOMPARE(::chown(s(dossier.filePath(".vormigral.autre1")).c_str(), 65534, 65534), 0);
        gardes << ".vormigral.autre1";
    }
    const timeval vieux[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    for (const QString& nom :
         QDir(dossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        if (nom != QLatin1String(".vormigral.jeune1"))
            ::lutimes(s(dossier.filePath(nom)).c_str(), vieux);
    QVERIFY(ecriregrille(s(chemin()), grilledecases(0, {})));
    gardes << "grille";
    gardes.sort();
    QCOMPARE(
        QDir(dossier.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
        gardes);
}

// Names close to the system's limit must still save: the temporary name may not grow with them.
void TestFichierGrille::nomlong() {
    const QString nom(250, QLatin1Char('g'));
    QVERIFY(ecriregrille(s(chemin(nom.toLatin1().constData())), grilledecases(1, {})));
    QCOMPARE(lis(chemin(nom.toLatin1().constData())), fichier(1, {}));
    QCOMPARE(
        QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("vormigral")).size(),
        0);
}

QTEST_APPLESS_MAIN(TestFichierGrille)
#include "test_fichiergrille.moc"

#include "wheels/atelier.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <functional>
#include <thread>

using namespace vormigral;

Q_DECLARE_METATYPE(Lecture)
Q_DECLARE_METATYPE(CauseBibliotheque)

namespace {

std::string s(const QString& chemin) {
    return QFile::encodeName(chemin).toStdString();
}

// "3 if 3 among 7": each grid leaves out one of the positions 4..7.
TRoue septenquatre() {
    TRoue r;
    r.nbnumeros = 7;
    r.t = 3;
    r.m = 3;
    for (const std::uint64_t sans : {8, 16, 32, 64})
        r.grilles.push_back(0x7f & ~sans);
    return r;
}

} // namespace

class TestTexteRoues : public QObject {
    Q_OBJECT

private slots:
    void lignes_data();
    void lignes();
    void numerosdujoueur();
    void relitcequilecrit();
    void bibliotheque();
    void nomsdesroues_data();
    void nomsdesroues();
    void atelier();
    void verificationdefond_data();
    void verificationdefond();
};

void TestTexteRoues::lignes_data() {
    QTest::addColumn<QByteArray>("texte");
    QTest::addColumn<Lecture>("cause");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<int>("grilles");
    const QByteArray deux = "1 2 3 4 5 6\n2 3 4 5 6 7\n";
    QTest::newRow("blanks") << deux << Lecture::Bonne << 0 << 2;
    QTest::newRow("commas, semicolons, tabs, CR LF, a mark")
        << QByteArray("\xEF\xBB\xBF"
                      "1,2;3\t4, 5 ;6\r\n\r\n  # note\r\n7 6 5 4 3 2\r\n")
        << Lecture::Bonne << 0 << 2;
    QTest::newRow("CR alone, no final end")
        << QByteArray("1 2 3 4 5 6\r2 3 4 5 6 7") << Lecture::Bonne << 0 << 2;
    QTest::newRow("leading zeros") << QByteArray("01 02 03 04 05 07\n2 3 4 5 6 8\n") << Lecture::Bonne << 0
                                   << 2;
    QTest::newRow("header") << QByteArray("# VORMIGRAL wheel N=7 t=3 m=3 size=2\n") + deux << Lecture::Bonne
                            << 0 << 2;
    QTest::newRow("empty") << QByteArray("\n  \n# only a note\n") << Lecture::Vide << 0 << 0;
    QTest::newRow("five numbers") << QByteArray("1 2 3 4 5 6\n1 2 3 4 5\n") << Lecture::Compte << 2 << 0;
    QTest::newRow("seven numbers") << QByteArray("1 2 3 4 5 6 7\n") << Lecture::Compte << 1 << 0;
    QTest::newRow("a letter") << deux + "1 2 3 4 5 x\n" << Lecture::Nombre << 3 << 0;
    QTest::newRow("a sign") << QByteArray("1 2 3 4 5 -6\n") << Lecture::Nombre << 1 << 0;
    QTest::newRow("zero") << QByteArray("0 2 3 4 5 6\n") << Lecture::Limites << 1 << 0;
    QTest::newRow("fifty") << QByteArray("1 2 3 4 5 50\n") << Lecture::Limites << 1 << 0;
    QTest::newRow("a huge number") << QByteArray("1 2 3 4 5 99999999999999999999\n") << Lecture::Limites << 1
                                   << 0;
    QTest::newRow("twice the same") << QByteArray("1 2 3 4 5 6\n1 2 3 4 4 6\n") << Lecture::Repete << 2 << 0;
    QTest::newRow("a NUL byte") << QByteArray("1 2 3 4 5 6\n1 2 3\0 4 5 6\n", 24) << Lecture::Binaire << 2
                                << 0;
    QTest::newRow("above the header's N")
        << QByteArray("# VORMIGRAL wheel N=7 t=3 m=3 size=1\n1 2 3 4 5 8\n") << Lecture::Limites << 2 << 0;
    QTest::newRow("header's size wrong")
        << QByteArray("# VORMIGRAL wheel N=7 t=3 m=3 size=3\n") + deux << Lecture::EnTete << 1 << 0;
    QTest::newRow("header's guarantee impossible")
        << QByteArray("# VORMIGRAL wheel N=7 t=4 m=3 size=2\n") + deux << Lecture::EnTete << 1 << 0;
    QTest::newRow("six numbers in all")
        << QByteArray("1 2 3 4 5 6\n6 5 4 3 2 1\n") << Lecture::TropPeu << 0 << 0;
    QTest::newRow("over 4 MiB") << QByteArray(4 * 1024 * 1024 + 1, '\n') << Lecture::TropGrand << 0 << 0;
}

void TestTexteRoues::lignes() {
    QFETCH(QByteArray, texte);
    QFETCH(Lecture, cause);
    QFETCH(int, ligne);
    QFETCH(int, grilles);
    const TLecture l = litroue(texte.toStdString());
    QCOMPARE(l.cause, cause);
    QCOMPARE(l.ligne, ligne);
    if (cause == Lecture::Bonne)
        QCOMPARE(static_cast<int>(l.grilles.size()), grilles);
}

// Without a header, the numbers used, ascending, become positions 1, 2, ...
void TestTexteRoues::numerosdujoueur() {
    const TLecture l = litroue("3 49 17 8 22 40\n3 8 11 17 22 45\n");
    const TImport i = importe(l, 3, 3);
    QCOMPARE(i.numeros, (std::vector<int>{3, 8, 11, 17, 22, 40, 45, 49}));
    QCOMPARE(i.roue.nbnumeros, 8);
    QCOMPARE(i.roue.grilles, (std::vector<std::uint64_t>{0b10111011, 0b01011111}));
    QCOMPARE(i.roue.t, 3);
}

void TestTexteRoues::relitcequilecrit() {
    const TRoue r = septenquatre();
    const std::string texte = ecritroue(r);
    QCOMPARE(texte.substr(0, texte.find('\n')), std::string("# VORMIGRAL wheel N=7 t=3 m=3 size=4"));
    QCOMPARE(texte.substr(texte.find('\n') + 1, 14), std::string("1 2 3 5 6 7\n1 "));
    const TImport i = importe(litroue(texte));
    QCOMPARE(i.roue.grilles, r.grilles);
    QCOMPARE(i.roue.nbnumeros, 7);
    QCOMPARE(i.roue.m, 3);
}

void TestTexteRoues::bibliotheque() {
    QTemporaryDir dossier;
    Bibliotheque b(s(dossier.path() + "/roues/mes"));
    QVERIFY(b.liste().empty());
    QCOMPARE(b.enregistre("Vide", TRoue{}).cause, CauseBibliotheque::Roue);
    QVERIFY(b.enregistre("Sept é", septenquatre()));
    QCOMPARE(b.enregistre("Sept é", septenquatre()).cause, CauseBibliotheque::Existe);
    TRoue autre = septenquatre();
    autre.grilles.pop_back();
    QVERIFY(b.enregistre("Sept é", autre, true));
    QVERIFY(b.enregistre("Autre", septenquatre()));
    QFile etrange(dossier.path() + "/roues/mes/pas une roue.txt");
    QVERIFY(etrange.open(QIODevice::WriteOnly) && etrange.write("bonjour\n") > 0);
    etrange.close();
    const std::vector<TRoueRangee> l = b.liste();
    QCOMPARE(l.size(), std::size_t{3});
    QCOMPARE(l[0].nom, std::string("Autre"));
    QCOMPARE(l[0].taille, 4);
    QCOMPARE(l[1].taille, 3);
    QVERIFY(!l[2].lisible);
    TRoue lue;
    QVERIFY(b.ouvre("Sept é", lue));
    QCOMPARE(lue.grilles, autre.grilles);
    QCOMPARE(b.ouvre("pas une roue", lue).cause, CauseBibliotheque::Lecture);
    QCOMPARE(b.renomme("Autre", "Sept é").cause, CauseBibliotheque::Existe);
    QVERIFY(b.renomme("Autre", "Troisième"));
    QCOMPARE(b.renomme("Autre", "X").cause, CauseBibliotheque::Absente);
    QVERIFY(b.supprime("Troisième"));
    QCOMPARE(b.supprime("Troisième").cause, CauseBibliotheque::Absente);
    QCOMPARE(QDir(dossier.path() + "/roues/mes").entryList(QDir::Files).size(), 2);
}

void TestTexteRoues::nomsdesroues_data() {
    QTest::addColumn<QByteArray>("nom");
    QTest::addColumn<bool>("valide");
    QTest::newRow("plain") << QByteArray("Ma roue 13") << true;
    QTest::newRow("accents") << QByteArray("Roue d’été") << true;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("slash") << QByteArray("a/b") << false;
    QTest::newRow("parent") << QByteArray("..") << false;
    QTest::newRow("hidden") << QByteArray(".roue") << false;
    QTest::newRow("blank at the end") << QByteArray("roue ") << false;
    QTest::newRow("new line") << QByteArray("a\nb") << false;
    QTest::newRow("not UTF-8") << QByteArray("caf\xe9") << false;
    QTest::newRow("too long") << QByteArray(81, 'a') << false;
}

void TestTexteRoues::nomsdesroues() {
    QFETCH(QByteArray, nom);
    QFETCH(bool, valide);
    QCOMPARE(Bibliotheque::nomvalide(nom.toStdString()), valide);
}

// The use case a window drives: import in the player's numbers, check, repair in the background,
// save the verified result.
void TestTexteRoues::atelier() {
    QTemporaryDir dossier;
    AtelierRoues a(s(dossier.path()));
    QCOMPARE(a.importe("5 10 15 20 25 30\n5 10 15 20 25 35\n5 10 15 20 30 35\n", 3, 3).cause, Lecture::Bonne);
    QCOMPARE(a.roue().nbnumeros, 7);
    QCOMPARE(a.numeros().back(), 35);
    const TControle c = a.verifie(3, 3, 3);
    QCOMPARE(c.trous, std::int64_t{1}); // 25, 30 and 35: each grid leaves one of them out
    QCOMPARE(c.premiers, std::vector<std::uint64_t>{0b1110000});
    QVERIFY(a.repare(50, 1, 1));
    QVERIFY(!a.construit(9, 3, 3));
    TResultatRoue r;
    bool fini = false;
    QTRY_VERIFY_WITH_TIMEOUT(fini = fini || a.termine(r), 20000);
    QCOMPARE(r.issue, Issue::Trouvee);
    QCOMPARE(a.verifie(3, 3).trous, std::int64_t{0});
    QCOMPARE(a.numeros().back(), 35);
    QVERIFY(a.enregistre("réparée"));
    QCOMPARE(a.liste().front().taille, static_cast<int>(a.roue().grilles.size()));
    QVERIFY(a.ouvre("réparée"));
    QVERIFY(roueverifiee(a.roue()));
    QVERIFY(!a.construit(40, 5, 5));
    QCOMPARE(AtelierRoues::examine(40, 5, 5).portee, Portee::Grilles);
}

void TestTexteRoues::verificationdefond_data() {
    QTest::addColumn<int>("suite"); // what follows the start of the check
    QTest::addColumn<int>("trous"); // the holes of the result given, -1 when none is
    QTest::newRow("nothing") << 0 << 1;
    QTest::newRow("another file imported") << 1 << -1;
    QTest::newRow("a saved wheel opened") << 2 << -1;
    QTest::newRow("stopped") << 3 << -1;
    QTest::newRow("another guarantee set") << 4 << -1;
    QTest::newRow("checked again for 2 if 3") << 5 << 0;
    QTest::newRow("a build ended") << 6 << -1;
}

// A check off the caller's thread gives what the check on it gives, once; a check whose wheel or
// guarantee changed before it was taken gives nothing, even once its thread has ended.
void TestTexteRoues::verificationdefond() {
    QFETCH(int, suite);
    QFETCH(int, trous);
    QTemporaryDir dossier;
    AtelierRoues a(s(dossier.path()));
    const std::string fichier = "5 10 15 20 25 30\n5 10 15 20 25 35\n5 10 15 20 30 35\n";
    QCOMPARE(a.importe(fichier, 3, 3).cause, Lecture::Bonne);
    QVERIFY(a.enregistre("trois"));
    QVERIFY(a.lanceverification(3, 3, 3));
    QVERIFY(a.verifieencours());
    const std::function<void()> suites[] = {
        [] {},
        [&] { a.importe(fichier, 3, 3); },
        [&] { a.ouvre("trois"); },
        [&] { a.arrete(); },
        [&] { a.garantit(2, 3); },
        [&] { a.lanceverification(2, 3); },
        [&] {
            QVERIFY(a.construit(9, 3, 3, 1, 1, 1));
            TResultatRoue r;
            bool fini = false;
            QTRY_VERIFY_WITH_TIMEOUT(fini = fini || a.termine(r), 10000);
        },
    };
    suites[suite]();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::optional<TControle> c;
    for (int essai = 0; essai < 200 && !c && a.verifieencours(); ++essai) {
        c = a.verification();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    QCOMPARE(c.has_value(), trous >= 0);
    QVERIFY(!a.verifieencours() && !a.verification());
    if (c)
        QCOMPARE(c->trous, std::int64_t{trous});
    if (suite == 0)
        QCOMPARE(c->premiers, a.verifie(3, 3, 3).premiers);
}

QTEST_APPLESS_MAIN(TestTexteRoues)
#include "test_texteroues.moc"

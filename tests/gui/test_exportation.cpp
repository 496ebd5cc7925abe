#include "tests/support/doubles.h"

#include "windows/exportation.h"
#include "windows/principale.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

class TestExportation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialiseapplication(); }
    void fichier_data();
    void fichier();
    void fenetre();
};

void TestExportation::fichier_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("nom");       // empty: the method's own
    QTest::addColumn<QByteArray>("entete"); // the file's first lines
    QTest::addColumn<QString>("message");   // a refused write: what follows the file's name
    QTest::newRow("francais")
        << 1 << QString()
        << QByteArray("M\xC3\xA9thode;12 : 3 num\xC3\xA9ros si 3 num\xC3\xA9ros parmi les 07 en 4 grilles\r\n"
                      "Num\xC3\xA9ros coch\xC3\xA9s;2;5;9;14;17;23;28\r\nGrille;N1;N2;N3;N4;N5;N6\r\n")
        << QString();
    QTest::newRow("anglais") << 2 << QString()
                             << QByteArray("Method;12: 3 numbers if 3 numbers in the 07 in 4 grids\r\n"
                                           "Ticked numbers;2;5;9;14;17;23;28\r\nGrid;N1;N2;N3;N4;N5;N6\r\n")
                             << QString();
    QTest::newRow("nom en formule") << 2 << "=1+1" << QByteArray("Method;\"'=1+1\"\r\n") << QString();
    QTest::newRow("dossier absent, francais")
        << 1 << QString() << QByteArray()
        << QString::fromUtf8(" n'a pas pu être écrit : le dossier n'existe pas");
    QTest::newRow("dossier absent, anglais")
        << 2 << QString() << QByteArray() << " could not be written: the folder does not exist";
}

// Method 12's grids over its seven ticked numbers, in the words of the language installed; a
// refusal is told with its cause; neither the state nor the viewer moves.
void TestExportation::fichier() {
    QFETCH(int, langue);
    QFETCH(QString, nom);
    QFETCH(QByteArray, entete);
    QFETCH(QString, message);
    Banc banc;
    banc.demarre();
    banc.changelangue(langue);
    TEtat& etat = banc.etat();
    for (const int n : {2, 5, 9, 14, 17, 23, 28})
        etat.casescoch[static_cast<std::size_t>(n)] = 1;
    etat.methodechoisie = 12;
    etat.numgrille = 2;
    etat.grillecour[7] = 1;
    int redessins = 0;
    etat.affichegrille = [&] { ++redessins; };
    const TEtat avant = etat;
    QTemporaryDir temporaire;
    const QString chemin =
        temporaire.filePath(message.isEmpty() ? QStringLiteral("g.csv") : QStringLiteral("absent/g.csv"));
    banc.fichiers.ecritures.push_back(chemin);

    ExportGrilles exportation(banc.fichiers, banc.messages);
    const auto issue = nom.isEmpty() ? exportation.exportemethode(etat) : exportation.exporte(etat, 12, nom);
    QVERIFY(etat.grillecour == avant.grillecour && etat.numcoch == avant.numcoch);
    QVERIFY(etat.methodecour == avant.methodecour && etat.numgrille == 2 &&
            etat.nbgrilles == avant.nbgrilles);
    QCOMPARE(redessins, 0);
    QCOMPARE(QFileInfo(banc.fichiers.proposes.value(0)).fileName(),
             langue == 2 ? QStringLiteral("grids-method-12.csv") : QStringLiteral("grilles-methode-12.csv"));
    QCOMPARE(issue, message.isEmpty() ? ExportGrilles::Issue::Ecrit : ExportGrilles::Issue::Echec);
    QCOMPARE(banc.messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(banc.messages.messages[0].texte, QDir::toNativeSeparators(chemin) + message);
        return;
    }
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray contenu = fichier.readAll();
    QCOMPARE(contenu.left(entete.size() + 3), "\xEF\xBB\xBF" + entete);
    QCOMPARE(contenu.count("\r\n"), 3 + 4); // the header, then the four grids
}

// The menu entry is gated as the other grid commands, and asks for the file in the language shown.
void TestExportation::fenetre() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    choisismethode(f, 12);
    auto* exporter = controle<QAction>(&f, "Exportergrilles1");
    QCOMPARE(exporter->text(), QStringLiteral("E&xporter les grilles…"));
    exporter->trigger();
    QCOMPARE(banc.messages.messages.size(), 1);
    QCOMPARE(banc.messages.messages[0].texte, QStringLiteral("Sélection incorrecte"));
    QVERIFY(banc.fichiers.titres.isEmpty());
    for (const int n : {2, 5, 9, 14, 17, 23, 28})
        cliquecase(&f, n);
    exporter->trigger();
    QCOMPARE(banc.fichiers.titres, QStringList(QStringLiteral("Exporter les grilles")));
    QCOMPARE(banc.messages.messages.size(), 1);
}

QTEST_MAIN(TestExportation)
#include "test_exportation.moc"

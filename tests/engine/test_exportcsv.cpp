#include "files/csv.h"
#include "files/exportgrilles.h"

#include "engine/cases.h"
#include "tests/commun/grilles.h"

#include <QTest>

using namespace vormigral;

class TestExportCsv : public QObject {
    Q_OBJECT

private slots:
    void ligne_data();
    void ligne();
    void grilles();
};

void TestExportCsv::ligne_data() {
    QTest::addColumn<QStringList>("champs");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("simples") << QStringList{"1", "Méthode 12", ""} << "1;Méthode 12;\r\n";
    QTest::newRow("separateur et guillemets") << QStringList{"a;b", "dit \"oui\"", "deux\nlignes"}
                                              << "\"a;b\";\"dit \"\"oui\"\"\";\"deux\nlignes\"\r\n";
    // OWASP's list: a cell a spreadsheet would run is written as text.
    QTest::newRow("formules") << QStringList{"=1+2", "+33 6", "-5", "@SUM(A1)", "\tx", "\rx", "a=b", "—"}
                              << "\"'=1+2\";\"'+33 6\";\"'-5\";\"'@SUM(A1)\";\"'\tx\";\"'\rx\";a=b;—\r\n";
    QTest::newRow("formule et guillemets")
        << QStringList{"=HYPERLINK(\"http://x\";\"y\")"} << "\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\"\r\n";
}

void TestExportCsv::ligne() {
    QFETCH(QStringList, champs);
    QFETCH(QString, attendu);
    std::vector<std::string> c;
    for (const QString& champ : champs)
        c.push_back(champ.toStdString());
    std::string texte;
    ajoutelignecsv(texte, c);
    QCOMPARE(QString::fromStdString(texte), attendu);
}

// The selected method's grids as the viewer shows them, under a header naming the method and the
// ticked numbers; a hostile name stays text.
void TestExportCsv::grilles() {
    TEtat etat;
    initmethodes(etat.methodes);
    for (const int n : {2, 5, 9, 14, 17, 23, 28, 31, 36, 40, 44})
        etat.casescoch[static_cast<std::size_t>(n)] = 1;
    etat.methodechoisie = 12;
    const std::vector<TGrilleExport> g = grillesmethode(etat);
    QCOMPARE(static_cast<int>(g.size()), etat.methodes[12].nbgrilles);
    QVERIFY(etat.numcoch[1] == 0 && etat.nbgrilles == 0);
    construitnumcoch(etat);
    for (std::size_t i = 0; i < g.size(); ++i)
        QCOMPARE(std::vector<int>(g[i].begin(), g[i].end()),
                 test::numeros(etat, 12, static_cast<int>(i) + 1));

    const TLibellesExport mots{"Méthode", "Numéros cochés", {"Grille", "N1", "N2", "N3", "N4", "N5", "N6"}};
    const auto rangee = [](int numero, const TGrilleExport& grille) {
        QByteArray ligne = QByteArray::number(numero);
        for (const int n : grille)
            ligne += ';' + QByteArray::number(n);
        return ligne + "\r\n";
    };
    const std::string csv = csvgrilles("=cmd|' /C calc'!A0", numeroscoches(etat), {g[0], g[1]}, mots);
    QCOMPARE(QByteArray::fromStdString(csv), QByteArray(marqueutf8) +
                                                 "Méthode;\"'=cmd|' /C calc'!A0\"\r\n"
                                                 "Numéros cochés;2;5;9;14;17;23;28;31;36;40;44\r\n"
                                                 "Grille;N1;N2;N3;N4;N5;N6\r\n" +
                                                 rangee(1, g[0]) + rangee(2, g[1]));
}

QTEST_APPLESS_MAIN(TestExportCsv)
#include "test_exportcsv.moc"

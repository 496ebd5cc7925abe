#include "windows/choixcolonnes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vormigral;

namespace {

// Balls the import recognises by name ("N°1"), a date and a complementary it does not.
const char* const fichier = "Tirage;Quand;N°1;N°2;N°3;N°4;N°5;N°6;Chance\r\n"
                            "7;02/03/2024;1;2;3;4;5;6;7\r\n"
                            "8;05/03/2024;11;12;13;14;15;16;17\r\n";

TProjetImport projet() {
    return analyseimport(fichier, {}, {2100, 1, 1});
}

} // namespace

class TestChoixColonnes : public QObject {
    Q_OBJECT

private slots:
    void choix_data();
    void choix();
    void memoire();
};

void TestChoixColonnes::choix_data() {
    QTest::addColumn<int>("date");
    QTest::addColumn<int>("complementaire");
    QTest::addColumn<QString>("probleme");
    QTest::addColumn<QString>("premiere");
    QTest::newRow("rien de choisi") << -1 << -1 << "Choose the column of: Date." << QString();
    QTest::newRow("complet") << 1 << 8 << QString() << "Line 2: 02/03/2024 — 1 2 3 4 5 6 + 7";
    QTest::newRow("une colonne deux fois")
        << 1 << 2 << "One column cannot hold Ball 1 and another field." << QString();
    QTest::newRow("pas une date") << 0 << 8 << "No line reads as a draw with these columns."
                                  << "Line 2: not a draw with these columns";
}

// The first lines read again at each choice, and what stands in the way said in words.
void TestChoixColonnes::choix() {
    QFETCH(int, date);
    QFETCH(int, complementaire);
    QFETCH(QString, probleme);
    QFETCH(QString, premiere);
    const TProjetImport p = projet();
    QCOMPARE(p.refus, TRefus::enteteinconnue);
    TChoixColonnes choix(fichier, p, QString());
    QCOMPARE(choix.correspondance().colonnes[1], 2);
    choix.choisit(TColonneImport::date, date);
    choix.choisit(TColonneImport::complementaire, complementaire);
    QCOMPARE(choix.complete(), probleme.isEmpty() || probleme.startsWith(QLatin1String("No line")));
    QCOMPARE(choix.probleme(), probleme);
    QCOMPARE(choix.apercu().value(0), premiere);
    if (!premiere.isEmpty())
        QCOMPARE(choix.apercu().size(), 2);
}

// A mapping kept for the header comes back for the next file of that layout, where it can be
// changed; without a configuration folder nothing is kept.
void TestChoixColonnes::memoire() {
    QTemporaryDir dossier;
    const QString config = dossier.filePath(QStringLiteral("config"));
    const TProjetImport p = projet();
    QCOMPARE(TChoixColonnes(fichier, p, QString()).memorise(), Refus::DossierAbsent);
    QVERIFY(!TChoixColonnes::memorisee(config, p.cle));
    TChoixColonnes choix(fichier, p, config);
    choix.choisit(TColonneImport::date, 1);
    choix.choisit(TColonneImport::complementaire, 8);
    QCOMPARE(choix.memorise(), Refus::Aucun);
    const std::optional<TCorrespondance> gardee = TChoixColonnes::memorisee(config, p.cle);
    QVERIFY(gardee);
    QCOMPARE(gardee->colonnes, choix.correspondance().colonnes);
    QCOMPARE(analyseimport(fichier, {}, {2100, 1, 1}, &*gardee).aajouter.size(), std::size_t{2});
    TChoixColonnes encore(fichier, p, config);
    QCOMPARE(encore.correspondance().colonnes, gardee->colonnes);
    QVERIFY(encore.probleme().isEmpty());
}

QTEST_GUILESS_MAIN(TestChoixColonnes)
#include "test_choixcolonnes.moc"

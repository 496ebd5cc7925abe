#include "app/lignecommande.h"
#include "vormigral/projet.h"

#include <QTest>

using namespace vormigral;
using Action = TLigneCommande::Action;

class TestLigneCommande : public QObject {
    Q_OBJECT

private slots:
    void analyse_data();
    void analyse();
};

void TestLigneCommande::analyse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("debut");
    const QString version = QStringLiteral("vormigral %1\n").arg(QLatin1String(versionprogramme));
    QTest::newRow("rien") << QStringList{} << int(Action::Lancer) << QString();
    QTest::newRow("aide") << QStringList{"--help"} << int(Action::Afficher)
                          << "Usage: vormigral [OPTION]...\n";
    QTest::newRow("version") << QStringList{"--version"} << int(Action::Afficher) << version;
    QTest::newRow("parmi les options de Qt")
        << QStringList{"-platform", "offscreen", "--version"} << int(Action::Afficher) << version;
    QTest::newRow("option inconnue") << QStringList{"--frobnique"} << int(Action::Refuser)
                                     << "vormigral: unrecognized option '--frobnique'\n"
                                        "Try 'vormigral --help' for more information.\n";
    QTest::newRow("apres --, --help est un argument")
        << QStringList{"--", "--help"} << int(Action::Refuser) << "vormigral: unexpected argument '--help'\n";
    QTest::newRow("-- seul") << QStringList{"--"} << int(Action::Lancer) << QString();
}

void TestLigneCommande::analyse() {
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, debut);
    const TLigneCommande resultat = analyselignecommande(arguments);
    QCOMPARE(int(resultat.action), action);
    QVERIFY2(resultat.texte.startsWith(debut), qPrintable(resultat.texte));
    QCOMPARE(resultat.texte.isEmpty(), debut.isEmpty());
}

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "test_lignecommande.moc"

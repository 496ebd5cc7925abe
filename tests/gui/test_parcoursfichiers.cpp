#include "tests/support/volumesdouble.h"

#include "windows/parcoursfichiers.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

namespace {

QStringList textes(const QList<ElementFichier>& elements) {
    QStringList resultat;
    for (const ElementFichier& e : elements)
        resultat << e.texte;
    return resultat;
}

void cree(const QString& chemin) {
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
}

} // namespace

class TestParcoursFichiers : public QObject {
    Q_OBJECT
private slots:
    void premiereouverture_data();
    void premiereouverture();
    void volumepaspret_data();
    void volumepaspret();
    void choix_data();
    void choix();
};

// Paths within the folder holding the volumes "racine", "cle" and "lecteur".
void TestParcoursFichiers::premiereouverture_data() {
    QTest::addColumn<QString>("depart");
    QTest::addColumn<bool>("existe");
    QTest::addColumn<QString>("supprime"); // after the creation, before the first showing
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<int>("volume");
    const auto ligne = [](const char* nom, const char* depart, bool existe, const char* supprime,
                          const char* attendu, int volume) {
        QTest::newRow(nom) << QString::fromLatin1(depart) << existe << QString::fromLatin1(supprime)
                           << QString::fromLatin1(attendu) << volume;
    };
    ligne("dossier de la racine", "racine/grilles", true, "", "racine/grilles", 0);
    ligne("dossier de la cle", "cle/sous", true, "", "cle/sous", 1);
    // Its parent exists: a directory missing from the start is not looked for upwards.
    ligne("inexistant au depart", "cle/x/absent", false, "", "cle", 1);
    ligne("supprime depuis", "racine/a/b", true, "racine/a/b", "racine/a", 0);
    ligne("hors des volumes", "ailleurs", true, "", "racine", 0);
}

// The first showing opens the start directory, on the deepest volume holding it, as the directory
// is by then; the path from the volume's root, its folders and its files as the user reads them.
void TestParcoursFichiers::premiereouverture() {
    QFETCH(QString, depart);
    QFETCH(bool, existe);
    QFETCH(QString, supprime);
    QFETCH(QString, attendu);
    QFETCH(int, volume);
    VolumesDouble volumes;
    const QDir dossier = QFileInfo(volumes.chemin(QStringLiteral("racine"))).dir();
    volumes.depart = dossier.filePath(depart);
    QVERIFY(dossier.mkpath(existe ? depart : QFileInfo(depart).path()));
    ParcoursFichiers parcours(volumes);
    QVERIFY(supprime.isEmpty() || QDir(dossier.filePath(supprime)).removeRecursively());
    const QDir ouvert(dossier.filePath(attendu));
    cree(ouvert.filePath(QStringLiteral("b")));
    cree(ouvert.filePath(QStringLiteral("A")));
    QVERIFY(ouvert.mkdir(QStringLiteral("z")));
    QVERIFY(ouvert.mkdir(QStringLiteral("Y")));

    QCOMPARE(parcours.reprend().size(), 3);
    QCOMPARE(parcours.volume(), volumes.volumes[volume].racine);
    QCOMPARE(ParcoursFichiers::affiche(parcours.repertoire()), ouvert.path());
    const QStringList niveaux = textes(parcours.chemin());
    QCOMPARE(niveaux.first(), parcours.volume());
    QCOMPARE(QDir(niveaux.join(QLatin1Char('/'))).path(), ouvert.path());
    QCOMPARE(textes(parcours.fichiers()), QStringList({"A", "b"}));
    // The start may have left a folder of its own there.
    const QList<ElementFichier> dossiers = parcours.dossiers();
    const QStringList noms = textes(dossiers);
    QVERIFY(noms.indexOf(QStringLiteral("Y")) >= 0 &&
            noms.indexOf(QStringLiteral("Y")) < noms.indexOf(QStringLiteral("z")));
    QCOMPARE(dossiers[noms.indexOf(QStringLiteral("Y"))].octets,
             QFile::encodeName(ouvert.filePath(QStringLiteral("Y"))));
}

void TestParcoursFichiers::volumepaspret_data() {
    QTest::addColumn<int>("depuis"); // the volume shown before
    QTest::addColumn<int>("choisi");
    QTest::addColumn<int>("montre");
    QTest::addColumn<QString>("repertoire"); // within the folder of the volumes
    QTest::newRow("la cle") << 0 << 1 << 1 << "cle";
    QTest::newRow("pas pret, depuis la racine: le dossier reste") << 0 << 2 << 0 << "racine/grilles";
    QTest::newRow("pas pret, depuis la cle: la racine") << 1 << 2 << 0 << "racine";
    QTest::newRow("le meme") << 0 << 0 << 0 << "racine/grilles";
}

// A volume that is not ready gives the first one, without a word; coming back to the volume shown
// keeps its directory.
void TestParcoursFichiers::volumepaspret() {
    QFETCH(int, depuis);
    QFETCH(int, choisi);
    QFETCH(int, montre);
    QFETCH(QString, repertoire);
    VolumesDouble volumes;
    const QDir dossier = QFileInfo(volumes.chemin(QStringLiteral("racine"))).dir();
    QVERIFY(dossier.mkpath(QStringLiteral("racine/grilles")));
    volumes.depart = dossier.filePath(QStringLiteral("racine/grilles"));
    ParcoursFichiers parcours(volumes);
    parcours.reprend();
    if (depuis != 0)
        QCOMPARE(parcours.choisitvolume(depuis), depuis);
    QCOMPARE(parcours.choisitvolume(choisi), montre);
    QCOMPARE(parcours.volume(), volumes.volumes[montre].racine);
    QCOMPARE(ParcoursFichiers::affiche(parcours.repertoire()), dossier.filePath(repertoire));
}

void TestParcoursFichiers::choix_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<bool>("selection"); // the list's "caf\xE9" (Latin-1), shown as "caf%E9"
    QTest::addColumn<QByteArray>("nom");
    QTest::addColumn<bool>("liste");
    QTest::newRow("choisi dans la liste") << "caf%E9" << true << QByteArray("caf\xE9") << true;
    QTest::newRow("nom change apres le choix") << "caf%E9b" << true << QByteArray("caf%E9b") << false;
    QTest::newRow("nom tape") << QString::fromUtf8("café") << false << QByteArray("caf\xC3\xA9") << false;
}

// The file picked in the list keeps its own bytes, whatever it reads as; a name typed is the file
// system's encoding of what the user typed.
void TestParcoursFichiers::choix() {
    QFETCH(QString, tape);
    QFETCH(bool, selection);
    QFETCH(QByteArray, nom);
    QFETCH(bool, liste);
    VolumesDouble volumes;
    ParcoursFichiers parcours(volumes);
    parcours.reprend();
    const ElementFichier element{ParcoursFichiers::affiche("caf\xE9"), "caf\xE9"};
    QCOMPARE(element.texte, QStringLiteral("caf%E9"));
    const TChoixFichier c = parcours.choix(tape, selection ? &element : nullptr);
    QCOMPARE(QByteArray::fromStdString(c.nom), nom);
    QCOMPARE(c.liste, liste);
    QCOMPARE(QByteArray::fromStdString(c.repertoire), parcours.repertoire());
}

QTEST_MAIN(TestParcoursFichiers)
#include "test_parcoursfichiers.moc"

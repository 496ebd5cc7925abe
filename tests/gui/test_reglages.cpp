#include "tests/commun/limitetaille.h"
#include "tests/support/doubles.h"

#include "app/plateforme_qt.h"
#include "files/parametres.h"
#include "windows/principale.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace vormigral;
using namespace vormigral::test;

namespace {

QByteArray reglages(int langue, int decalh) {
    QByteArray octets;
    for (const int v : {0, langue, decalh, 0})
        for (int i = 0; i < 4; ++i)
            octets.append(char((quint32(v) >> (8 * i)) & 0xff));
    return octets;
}

void ecris(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(contenu), contenu.size());
}

// What a place holds, to show it was left alone: its kind, permissions and bytes.
QString etat(const QString& chemin) {
    struct stat infos {};
    if (::lstat(QFile::encodeName(chemin).constData(), &infos) != 0)
        return QStringLiteral("absent");
    QFile f(chemin);
    const QByteArray contenu =
        S_ISREG(infos.st_mode) && f.open(QIODevice::ReadOnly) ? f.readAll().toHex() : QByteArray("-");
    return QStringLiteral("%1 %2 %3")
        .arg(infos.st_mode, 0, 8)
        .arg(QString::fromLatin1(contenu.left(64)))
        .arg(infos.st_size);
}

QStringList temporaires(const QString& dossier) {
    return QDir(dossier).entryList({QStringLiteral(".vormigral*")}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestReglages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void hostiles_data();
    void hostiles();
    void sanshome();
};

void TestReglages::hostiles_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<int>("langue");        // read at start; the first-run question answers English
    QTest::addColumn<QStringList>("avis");  // what the message at start says, if there is one
    QTest::addColumn<QString>("ou");        // where the settings go at quit: exe, config, cible or none
    QTest::addColumn<QStringList>("echec"); // what the message at quit says, if there is one
    const QStringList rien;
    const QStringList ailleurs = {"%exe", "%config"};
    QTest::newRow("tube") << "tube" << 1 << ailleurs << "config" << rien;
    QTest::newRow("illisible") << "illisible" << 1 << ailleurs << "config" << rien;
    QTest::newRow("lecture seule") << "protege" << 2 << rien << "config" << rien;
    QTest::newRow("lien symbolique") << "lien" << 2 << rien << "cible" << rien;
    QTest::newRow("dossier") << "dossier" << 1 << ailleurs << "config" << rien;
    // A file shorter or longer than the record is read for the fields it holds, silently, and the
    // record is written back over it.
    QTest::newRow("vide") << "vide" << 1 << rien << "exe" << rien;
    QTest::newRow("6 octets") << "court" << 1 << rien << "exe" << rien;
    QTest::newRow("10 octets") << "dix" << 2 << rien << "exe" << rien;
    QTest::newRow("20 octets") << "long" << 2 << rien << "exe" << rien;
    QTest::newRow("deux dossiers proteges")
        << "proteges" << 2 << QStringList{"cannot be saved anywhere", "asked again"} << "" << rien;
    QTest::newRow("deux dossiers en lecture seule")
        << "lectureseule" << 2 << QStringList{"%exe: the folder is write-protected", "asked again"} << ""
        << rien;
    QTest::newRow("sans HOME") << "sanshome" << 2
                               << QStringList{"%exe: the folder does not exist",
                                              "no per-user folder (HOME is not set)"}
                               << "" << rien;
    QTest::newRow("disque plein") << "plein" << 2 << rien << ""
                                  << QStringList{"%exe: no room left", "%config: no room left"};
}

// Whatever lies where the settings are kept: no hang, nothing overwritten that could not be read,
// at most one message a run in the program's language, and the next start finds what was saved.
void TestReglages::hostiles() {
    QFETCH(QString, cas);
    QFETCH(int, langue);
    QFETCH(QStringList, avis);
    QFETCH(QString, ou);
    QFETCH(QStringList, echec);
    if (QStringList{"illisible", "protege", "lectureseule"}.contains(cas) && ::geteuid() == 0)
        QSKIP("root reads and writes files whatever their permissions; the unprivileged run covers it");
    Banc banc;
    const QString exe = banc.systeme.exe + nomparametres;
    const QString config = banc.systeme.config + nomparametres;
    const QString cible = banc.systeme.config + "ailleurs";
    QVERIFY(QDir().mkpath(banc.systeme.config));
    if (QStringList{"illisible", "protege", "plein"}.contains(cas))
        ecris(exe, reglages(2, 5));
    if (cas == "tube")
        QCOMPARE(::mkfifo(QFile::encodeName(exe).constData(), 0600), 0);
    else if (cas == "illisible")
        QVERIFY(QFile::setPermissions(exe, {}));
    else if (cas == "protege")
        QVERIFY(QFile::setPermissions(exe, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    else if (cas == "lien")
        QVERIFY(QFile::link(cible, exe));
    else if (cas == "dossier")
        QVERIFY(QDir().mkdir(exe));
    else if (cas == "vide")
        ecris(exe, QByteArray());
    else if (cas == "court")
        ecris(exe, reglages(2, 5).left(6));
    else if (cas == "dix")
        ecris(exe, reglages(2, 5).left(10));
    else if (cas == "long")
        ecris(exe, reglages(2, 5) + "xxxx");
    else if (cas == "lectureseule")
        QVERIFY(QFile::setPermissions(banc.systeme.exe, QFileDevice::ReadOwner | QFileDevice::ExeOwner) &&
                QFile::setPermissions(banc.systeme.config, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (cas == "lien")
        ecris(cible, reglages(2, 5));
    if (cas == "proteges" || cas == "sanshome") {
        // Folders below a plain file can be neither created nor written, even by root.
        ecris(banc.systeme.config + "fichier", "x");
        banc.systeme.exe = banc.systeme.config + "fichier/";
        banc.systeme.config = cas == "sanshome" ? QString() : banc.systeme.config + "fichier/config/";
    }
    const auto remplace = [&](QStringList mots) {
        return mots.replaceInStrings("%exe", banc.systeme.exe + nomparametres)
            .replaceInStrings("%config", config);
    };
    const QString avant = etat(exe);
    for (int lancement = 1; lancement <= 2; ++lancement) {
        banc.messages.messages.clear();
        banc.demarre();
        if (QStringList{"proteges", "lectureseule", "sanshome"}.contains(cas))
            pendantmodal(
                [](QWidget* w) { QTest::mouseClick(controle<QWidget>(w, "Image2"), Qt::LeftButton); });
        banc.principale().activate();
        banc.principale().activate();
        // A second start finds the settings saved without a word; it says again what it could not do.
        const bool parle = !avis.isEmpty() && (lancement == 1 || ou.isEmpty());
        QCOMPARE(banc.messages.messages.size(), parle ? 1 : 0);
        if (lancement == 2) {
            QCOMPARE(banc.etat().parametres.decalh, ou.isEmpty() ? (cas == "plein" ? 5 : 0) : 7);
            break;
        }
        QCOMPARE(banc.etat().parametres.langue, langue);
        for (const QString& mot : remplace(avis))
            QVERIFY2(banc.messages.messages.first().texte.contains(mot),
                     qPrintable(banc.messages.messages.first().texte));
        if (parle)
            QCOMPARE(banc.messages.messages.first().titre, langue == 2 ? "Settings" : "Réglages");
        banc.etat().parametres.decalh = 7;
        std::unique_ptr<LimiteTaille> limite(cas == "plein" ? new LimiteTaille(10) : nullptr);
        QTest::mouseClick(controle<QPushButton>(&banc.principale(), "bquitter"), Qt::LeftButton);
        limite.reset();
        QCOMPARE(banc.messages.messages.size(), (parle ? 1 : 0) + (echec.isEmpty() ? 0 : 1));
        QCOMPARE(banc.messages.bips, echec.isEmpty() ? 0 : 1);
        for (const QString& mot : remplace(echec))
            QVERIFY2(banc.messages.messages.last().texte.contains(mot),
                     qPrintable(banc.messages.messages.last().texte));
        const QString ecrit = ou == "exe" ? exe : ou == "config" ? config : ou == "cible" ? cible : QString();
        if (!ecrit.isEmpty()) {
            QFile f(ecrit);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), reglages(langue, 7));
        }
        if (ou != "exe")
            QCOMPARE(etat(exe), avant);
        QCOMPARE(temporaires(banc.systeme.exe) + temporaires(banc.systeme.config), QStringList());
    }
}

// Without a home the system gives no per-user folder, rather than one at the root.
void TestReglages::sanshome() {
    const QByteArray home = qgetenv("HOME");
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    const QString config = SystemeQt().repertoireconfig();
    qputenv("HOME", home);
    if (!xdg.isEmpty())
        qputenv("XDG_CONFIG_HOME", xdg);
    QCOMPARE(config, QString());
}

QTEST_MAIN(TestReglages)
#include "test_reglages.moc"

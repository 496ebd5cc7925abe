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
    void sansdossierpersonnel();
};

void TestReglages::hostiles_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<bool>("avis");      // a message at start, in the language then in force
    QTest::addColumn<QString>("ou");     // where the settings go at quit: exe, config, cible or nulle part
    QTest::addColumn<bool>("enanglais"); // the language read at start
    QTest::newRow("tube") << "tube" << true << "config" << false;
    QTest::newRow("illisible") << "illisible" << true << "config" << false;
    QTest::newRow("lecture seule") << "protege" << false << "config" << true;
    QTest::newRow("lien symbolique") << "lien" << false << "cible" << true;
    QTest::newRow("dossier") << "dossier" << true << "config" << false;
    QTest::newRow("vide") << "vide" << true << "exe" << false;
    QTest::newRow("1 Mo") << "long" << true << "config" << true;
    QTest::newRow("deux dossiers proteges") << "proteges" << true << "nulle part" << false;
    QTest::newRow("deux dossiers en lecture seule") << "lectureseule" << true << "nulle part" << false;
    QTest::newRow("disque plein") << "plein" << false << "nulle part" << true;
}

// Whatever lies where the settings are kept: no hang, nothing overwritten that could not be read,
// at most one message a run in the program's language, and the next start finds what was saved.
void TestReglages::hostiles() {
    QFETCH(QString, cas);
    QFETCH(bool, avis);
    QFETCH(QString, ou);
    QFETCH(bool, enanglais);
    if ((cas == QLatin1String("illisible") || cas == QLatin1String("protege") ||
         cas == QLatin1String("lectureseule")) &&
        ::geteuid() == 0)
        QSKIP("root reads and writes files whatever their permissions; the unprivileged run covers it");
    Banc banc;
    const QString exe = banc.systeme.exe + QLatin1String(nomparametres);
    const QString config = banc.systeme.config + QLatin1String(nomparametres);
    const QString cible = banc.systeme.config + QStringLiteral("ailleurs");
    QVERIFY(QDir().mkpath(banc.systeme.config));
    if (cas == QLatin1String("tube")) {
        QCOMPARE(::mkfifo(QFile::encodeName(exe).constData(), 0600), 0);
    } else if (cas == QLatin1String("illisible")) {
        ecris(exe, reglages(2, 5));
        QVERIFY(QFile::setPermissions(exe, {}));
    } else if (cas == QLatin1String("protege")) {
        ecris(exe, reglages(2, 5));
        QVERIFY(QFile::setPermissions(exe, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    } else if (cas == QLatin1String("lien")) {
        ecris(cible, reglages(2, 5));
        QVERIFY(QFile::link(cible, exe));
    } else if (cas == QLatin1String("dossier")) {
        QVERIFY(QDir().mkdir(exe));
    } else if (cas == QLatin1String("vide")) {
        ecris(exe, QByteArray());
    } else if (cas == QLatin1String("long")) {
        ecris(exe, reglages(2, 5) + QByteArray(1 << 20, 'x'));
    } else if (cas == QLatin1String("proteges")) {
        // Folders below a plain file can be neither created nor written, even by root.
        ecris(banc.systeme.config + QStringLiteral("fichier"), "x");
        banc.systeme.exe = banc.systeme.config + QStringLiteral("fichier/exe/");
        banc.systeme.config = banc.systeme.config + QStringLiteral("fichier/config/");
    } else if (cas == QLatin1String("plein")) {
        ecris(exe, reglages(2, 5));
    } else if (cas == QLatin1String("lectureseule")) {
        const auto lecture = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        QVERIFY(QFile::setPermissions(banc.systeme.exe, lecture) &&
                QFile::setPermissions(banc.systeme.config, lecture));
    }
    const QString avant = etat(exe);
    banc.demarre();
    TForm1& f = banc.principale();
    QCOMPARE(banc.etat().parametres.langue, enanglais ? 2 : 1);
    if (cas == QLatin1String("proteges") || cas == QLatin1String("lectureseule"))
        pendantmodal([](QWidget* w) { QTest::mouseClick(controle<QWidget>(w, "Image2"), Qt::LeftButton); });
    f.activate();
    f.activate();
    QCOMPARE(banc.messages.messages.size(), avis ? 1 : 0);
    const bool en = anglais(banc.etat());
    if (avis) {
        const MessageEnregistre& m = banc.messages.messages.first();
        QCOMPARE(m.titre, en ? QStringLiteral("Settings") : QStringLiteral("Réglages"));
        if (cas != QLatin1String("proteges"))
            QVERIFY2(m.texte.contains(exe), qPrintable(m.texte));
        if (ou == QLatin1String("config"))
            QVERIFY2(m.texte.contains(config), qPrintable(m.texte));
        else if (ou == QLatin1String("nulle part"))
            QVERIFY2(m.texte.contains(QStringLiteral("The language will be asked again")),
                     qPrintable(m.texte));
        if (cas == QLatin1String("lectureseule"))
            QVERIFY2(m.texte.contains(exe + QStringLiteral(": the folder is write-protected")),
                     qPrintable(m.texte));
    }
    banc.etat().parametres.decalh = 7;
    {
        std::unique_ptr<LimiteTaille> limite;
        if (cas == QLatin1String("plein"))
            limite = std::make_unique<LimiteTaille>(10);
        QTest::mouseClick(controle<QPushButton>(&f, "bquitter"), Qt::LeftButton);
    }
    QVERIFY(!f.isVisible());
    // A second message only when nothing was said at start and nothing could be saved.
    const bool echec = ou == QLatin1String("nulle part") && !avis;
    QCOMPARE(banc.messages.messages.size(), (avis ? 1 : 0) + (echec ? 1 : 0));
    QCOMPARE(banc.messages.bips, echec ? 1 : 0);
    if (echec) {
        const MessageEnregistre& m = banc.messages.messages.last();
        QCOMPARE(m.titre, QStringLiteral("File not saved !!"));
        QVERIFY2(m.texte.contains(exe + QStringLiteral(": no room left")), qPrintable(m.texte));
        QVERIFY2(m.texte.contains(config + QStringLiteral(": no room left")), qPrintable(m.texte));
    }
    if (cas == QLatin1String("lien"))
        QVERIFY(QFileInfo(exe).isSymLink());
    else if (cas != QLatin1String("vide"))
        QCOMPARE(etat(exe), avant);
    const QString ecrit = ou == QLatin1String("exe")      ? exe
                          : ou == QLatin1String("config") ? config
                          : ou == QLatin1String("cible")  ? cible
                                                          : QString();
    const QByteArray attendu = reglages(en ? 2 : 1, 7);
    if (!ecrit.isEmpty()) {
        QFile f(ecrit);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), attendu);
    }
    QCOMPARE(temporaires(banc.systeme.exe) + temporaires(banc.systeme.config), QStringList());

    // The next start finds the settings saved, without a word; where none could be saved, it says
    // so once again.
    banc.messages.messages.clear();
    banc.demarre();
    if (cas == QLatin1String("proteges") || cas == QLatin1String("lectureseule"))
        pendantmodal([](QWidget* w) { QTest::mouseClick(controle<QWidget>(w, "Image2"), Qt::LeftButton); });
    banc.principale().activate();
    if (!ecrit.isEmpty()) {
        QCOMPARE(banc.messages.messages.size(), 0);
        QCOMPARE(banc.etat().parametres.decalh, 7);
    } else {
        QCOMPARE(banc.messages.messages.size(), avis ? 1 : 0);
    }
}

// Without a home the system gives no per-user folder; with the program's folder read-only too, the
// user is told both, in the language chosen at the first-run question.
void TestReglages::sansdossierpersonnel() {
    const QByteArray home = qgetenv("HOME");
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    const QString config = SystemeQt().repertoireconfig();
    qputenv("HOME", home);
    if (!xdg.isEmpty())
        qputenv("XDG_CONFIG_HOME", xdg);
    QCOMPARE(config, QString());

    Banc banc;
    QVERIFY(QDir().mkpath(banc.systeme.config));
    ecris(banc.systeme.config + QStringLiteral("fichier"), "x");
    banc.systeme.exe = banc.systeme.config + QStringLiteral("fichier/");
    banc.systeme.config.clear();
    banc.demarre();
    pendantmodal([](QWidget* w) { QTest::mouseClick(controle<QWidget>(w, "Image2"), Qt::LeftButton); });
    banc.principale().activate();
    QCOMPARE(banc.messages.messages.size(), 1);
    const QString texte = banc.messages.messages.first().texte;
    QVERIFY2(texte.startsWith(QStringLiteral("Your settings cannot be saved anywhere:")), qPrintable(texte));
    QVERIFY2(texte.contains(QStringLiteral("no per-user folder (HOME is not set)")), qPrintable(texte));
    QVERIFY2(texte.contains(banc.systeme.exe + QStringLiteral("VORMIG.PAR: the folder does not exist")),
             qPrintable(texte));
    QTest::mouseClick(controle<QPushButton>(&banc.principale(), "bquitter"), Qt::LeftButton);
    QCOMPARE(banc.messages.messages.size(), 1);
}

QTEST_MAIN(TestReglages)
#include "test_reglages.moc"

// The display size: kept per user beside the printer choice, read back safely, chosen in its dialog.
#include "tests/support/doubles.h"

#include "app/tailleaffichage.h"
#include "windows/principale.h"
#include "windows/tailleaffichage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

class TestTailleAffichage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void lecture_data();
    void lecture();
    void allerretour();
    void facteur_data();
    void facteur();
    void dialogue_data();
    void dialogue();
};

// Whatever the file holds, the program starts at a size it offers: 100 % unless the file names one.
void TestTailleAffichage::lecture_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("taille");
    QTest::newRow("none kept") << QByteArray() << 100;
    QTest::newRow("150") << QByteArray("150\n") << 150;
    QTest::newRow("200, CR LF") << QByteArray("200\r\n") << 200;
    QTest::newRow("125, no line break") << QByteArray("125") << 125;
    QTest::newRow("a size not offered") << QByteArray("175\n") << 100;
    QTest::newRow("words") << QByteArray("large\n") << 100;
    QTest::newRow("a size then more") << QByteArray("150 %\n") << 100;
    QTest::newRow("a size followed by a long tail") << QByteArray("150\n") + QByteArray(64, 'x') << 100;
    QTest::newRow("a folder") << QByteArray("/") << 100;
}

void TestTailleAffichage::lecture() {
    QFETCH(QByteArray, contenu);
    QFETCH(int, taille);
    SystemeDouble systeme;
    const QString chemin = systeme.config + QStringLiteral("affichage");
    QVERIFY(QDir().mkpath(systeme.config));
    if (contenu == "/") {
        QVERIFY(QDir().mkpath(chemin));
    } else if (!contenu.isEmpty()) {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    QCOMPARE(listailleaffichage(systeme), taille);
}

void TestTailleAffichage::allerretour() {
    SystemeDouble systeme;
    systeme.config += QStringLiteral("pas/encore/");
    for (const int taille : taillesaffichage) {
        QVERIFY(memorisetailleaffichage(systeme, taille));
        QCOMPARE(listailleaffichage(systeme), taille);
    }
    QCOMPARE(memorisetailleaffichage(systeme, 175).refus, Refus::Autre);
    QCOMPARE(listailleaffichage(systeme), 200);
    systeme.config.clear();
    QCOMPARE(memorisetailleaffichage(systeme, 150).refus, Refus::DossierAbsent);
    QCOMPARE(listailleaffichage(systeme), 100);
}

// The size multiplies what the user's environment already asks for.
void TestTailleAffichage::facteur_data() {
    QTest::addColumn<int>("taille");
    QTest::addColumn<QByteArray>("existant");
    QTest::addColumn<QByteArray>("facteur");
    QTest::newRow("150") << 150 << QByteArray() << QByteArray("1.5");
    QTest::newRow("200 on 1.5") << 200 << QByteArray("1.5") << QByteArray("3");
    QTest::newRow("200 on nonsense") << 200 << QByteArray("big") << QByteArray("2");
    QTest::newRow("150 on infinity") << 150 << QByteArray("inf") << QByteArray("1.5");
}

void TestTailleAffichage::facteur() {
    QFETCH(int, taille);
    QFETCH(QByteArray, existant);
    QFETCH(QByteArray, facteur);
    QCOMPARE(facteurechelle(taille, existant), facteur);
}

// From the main window's Options menu: the kept size checked, the arrows check what they reach,
// OK keeps it, Cancel keeps nothing, and a size that cannot be kept is said with its cause.
void TestTailleAffichage::dialogue_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QList<int>>("touches");
    QTest::addColumn<int>("bouton"); // 0: OK, 1: Cancel, 2: Escape
    QTest::addColumn<int>("gardee");
    QTest::addColumn<QString>("message");
    const QList<int> basbas{Qt::Key_Down, Qt::Key_Down};
    QTest::newRow("down twice, OK") << 1 << "" << basbas << 0 << 200 << "";
    QTest::newRow("down twice, Cancel") << 2 << "" << basbas << 1 << 150 << "";
    QTest::newRow("up, Escape") << 1 << "" << QList<int>{Qt::Key_Up} << 2 << 150 << "";
    QTest::newRow("up, OK") << 2 << "" << QList<int>{Qt::Key_Up} << 0 << 125 << "";
    QTest::newRow("no per-user folder")
        << 2 << "-" << basbas << 0 << 100
        << "The display size cannot be kept: no per-user folder (HOME is not set).";
    QTest::newRow("a folder in the way, fr")
        << 1 << "dossier" << basbas << 0 << 100
        << "La taille d'affichage ne peut pas être gardée dans %1 : ce n'est pas un fichier.";
}

void TestTailleAffichage::dialogue() {
    QFETCH(int, langue);
    QFETCH(QString, config);
    QFETCH(QList<int>, touches);
    QFETCH(int, bouton);
    QFETCH(int, gardee);
    QFETCH(QString, message);
    Banc banc;
    ecrisparametres(banc, langue);
    QVERIFY(memorisetailleaffichage(banc.systeme, 150));
    if (config == QLatin1String("-"))
        banc.systeme.config.clear();
    else if (config == QLatin1String("dossier"))
        QVERIFY(QFile::remove(banc.systeme.config + QStringLiteral("affichage")) &&
                QDir().mkpath(banc.systeme.config + QStringLiteral("affichage")));
    const QString dossier = banc.systeme.config;
    const QString avant = QStringLiteral("taille%1").arg(listailleaffichage(banc.systeme));
    banc.demarre();
    pendantmodal([&](QWidget* w) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(w->focusWidget(), controle<QRadioButton>(w, qPrintable(avant)));
        for (const int touche : touches)
            QTest::keyClick(w->focusWidget(), Qt::Key(touche));
        QVERIFY(w->focusWidget()->property("checked").toBool());
        if (bouton == 2)
            QTest::keyClick(w, Qt::Key_Escape);
        else
            QTest::mouseClick(controle<QPushButton>(w, bouton == 0 ? "bok" : "bannuler"), Qt::LeftButton);
    });
    controle<QAction>(&banc.principale(), "mTailleAffichage1")->trigger();
    QCOMPARE(listailleaffichage(banc.systeme), gardee);
    QCOMPARE(banc.messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(banc.messages.messages.first().texte,
                 message.contains(QLatin1String("%1")) ? message.arg(dossier) : message);
}

QTEST_MAIN(TestTailleAffichage)
#include "test_tailleaffichage.moc"

#include "app/langue.h"
#include "printer/lancement.h"
#include "printer/surface_qt.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vormigral;

class TestImpressionSurface : public QObject {
    Q_OBJECT

private slots:
    void mesures_data();
    void mesures();
    void polices_data();
    void polices();
    void fermeecrit();
    void abandonnerienecrit();
    void fichierimpossible();
    void sansjobouvert();
    void sansimprimante();
};

void TestImpressionSurface::mesures_data() {
    QTest::addColumn<int>("cas"); // 0 as it comes, 1 margins of 36 and 18 points, 2 the whole page
    QTest::addColumn<int>("decalagex");
    QTest::addColumn<int>("decalagey");
    QTest::newRow("Qt's default 10 pt margin") << 0 << 167 << 167;
    QTest::newRow("36 pt left, 18 pt top") << 1 << 600 << 300;
    QTest::newRow("the whole page") << 2 << 0 << 0;
}

// The printing offset is where the printable area starts on the paper, in device dots; the page
// size is the printable area's.
void TestImpressionSurface::mesures() {
    QFETCH(int, cas);
    QFETCH(int, decalagex);
    QFETCH(int, decalagey);
    QTemporaryDir dossier;
    SurfaceQt surface(dossier.filePath(QStringLiteral("m.pdf")));
    if (cas == 1)
        surface.imprimante().setPageMargins(QMarginsF(36, 18, 10, 10), QPageLayout::Point);
    if (cas == 2)
        surface.imprimante().setFullPage(true);
    QCOMPARE(surface.resolutionx(), 1200);
    QCOMPARE(surface.resolutiony(), 1200);
    QCOMPARE(surface.decalagex(), decalagex);
    QCOMPARE(surface.decalagey(), decalagey);
    const QRectF page = surface.imprimante().pageRect(QPrinter::DevicePixel);
    QCOMPARE(surface.largeurpage(), qRound(page.width()));
    QCOMPARE(surface.hauteurpage(), qRound(page.height()));
}

void TestImpressionSurface::polices_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("gras");
    QTest::addColumn<bool>("fixe");
    QTest::newRow("Fixedsys becomes a bold fixed-pitch face")
        << QStringLiteral("Fixedsys") << 9 << true << true;
    QTest::newRow("Times New Roman, 24") << QStringLiteral("Times New Roman") << 24 << false << false;
    QTest::newRow("Times New Roman, 10") << QStringLiteral("Times New Roman") << 10 << false << false;
}

// Fonts keep their size in points on the printer, and the text is measured on the printer.
void TestImpressionSurface::polices() {
    QFETCH(QString, nom);
    QFETCH(int, points);
    QFETCH(bool, gras);
    QFETCH(bool, fixe);
    const QFont police = SurfaceQt::policeimprimante(nom, points, gras);
    QCOMPARE(QFontInfo(police).fixedPitch(), fixe);
    QCOMPARE(QFontInfo(police).bold(), gras);
    QCOMPARE(police.pointSize(), points);
    QTemporaryDir dossier;
    SurfaceQt surface(dossier.filePath(QStringLiteral("p.pdf")));
    surface.police(nom.toStdString(), points, gras);
    const QFontMetrics mesure(police, &surface.imprimante());
    QCOMPARE(surface.hauteurtexte("WWWW"), mesure.height());
    QCOMPARE(surface.largeurtexte("LISTE DES BULLETINS"),
             mesure.horizontalAdvance(QStringLiteral("LISTE DES BULLETINS")));
    // About a point's worth of dots per point of size: the printer's resolution, not the screen's.
    QVERIFY(surface.hauteurtexte("X") > points * 1200 / 72);
    QVERIFY(surface.hauteurtexte("X") < 2 * points * 1200 / 72);
}

void TestImpressionSurface::fermeecrit() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("f.pdf"));
    SurfaceQt surface(chemin);
    surface.ouvre("essai");
    surface.police("Fixedsys", 9, true);
    surface.ecrit(100, 100, "X");
    surface.nouvellepage();
    surface.ecrit(-20, 5000, "X");
    // Nothing reaches the file before the job is closed.
    QCOMPARE(QFile(chemin).size(), 0);
    surface.ferme();
    QFile pdf(chemin);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray contenu = pdf.readAll();
    QVERIFY(contenu.startsWith("%PDF"));
    QCOMPARE(contenu.count("/Type /Page\n"), 2);
}

// A job dropped part-way leaves nothing behind.
void TestImpressionSurface::abandonnerienecrit() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("a.pdf"));
    SurfaceQt surface(chemin);
    surface.ouvre("essai");
    surface.ecrit(10, 10, "X");
    surface.nouvellepage();
    surface.abandonne();
    QVERIFY(!QFile::exists(chemin));
    surface.abandonne();
    QVERIFY_THROWS_EXCEPTION(ErreurImpression, surface.ferme());
}

void TestImpressionSurface::fichierimpossible() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("absent/f.pdf"));
    SurfaceQt surface(chemin);
    try {
        surface.ouvre("essai");
        QFAIL("opened a file in a missing folder");
    } catch (const ErreurImpression& erreur) {
        QCOMPARE(erreur.cause(), CauseImpression::EcritureImpossible);
        QCOMPARE(QString::fromStdString(erreur.objet()), chemin);
        QVERIFY(!erreur.detail().empty());
        // Worded by the windows' side, in the language installed.
        Langue langue;
        langue.applique(Langue::francais);
        QVERIFY(texteerreur(erreur).startsWith(QStringLiteral("Impossible d'écrire le fichier « ") + chemin +
                                               QStringLiteral(" » (")));
    }
}

void TestImpressionSurface::sansjobouvert() {
    QTemporaryDir dossier;
    SurfaceQt surface(dossier.filePath(QStringLiteral("s.pdf")));
    QVERIFY_THROWS_EXCEPTION(ErreurImpression, surface.ecrit(0, 0, "X"));
    QVERIFY_THROWS_EXCEPTION(ErreurImpression, surface.nouvellepage());
    QVERIFY_THROWS_EXCEPTION(ErreurImpression, surface.ferme());
}

// Qt quietly turns a printer into a PDF writer without a file when there is none; the surface
// says there is no printer instead of printing nowhere.
void TestImpressionSurface::sansimprimante() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed here");
    SurfaceQt surface(SurfaceQt::Sortie::Imprimante, QStringLiteral("PDF"));
    try {
        surface.ouvre("essai");
        QFAIL("opened a job without any printer");
    } catch (const ErreurImpression& erreur) {
        QCOMPARE(erreur.cause(), CauseImpression::AucuneImprimante);
    }
}

QTEST_MAIN(TestImpressionSurface)
#include "test_impression_surface.moc"

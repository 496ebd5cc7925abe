#include "windows/application.h"
#include "windows/dessinsvg.h"
#include "windows/outils.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>

using namespace vormigral;

namespace {

// What the screen shows of a picture: its pixels, whatever its format (an opaque one may become
// RGB32) and density.
QImage pixels(const QPixmap& image) {
    QImage resultat = image.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    resultat.setDevicePixelRatio(1);
    return resultat;
}

} // namespace

// The pictures the build draws at 1x and 2x (resources/CMakeLists.txt) are what drawing the SVG
// gives, pixel for pixel, and the windows get them, at the screen's density, from pixmapsvg.
class TestImages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void rendus_data();
    void rendus();
    void toutesrendues();
    void icone_data();
    void icone();
};

void TestImages::rendus_data() {
    QTest::addColumn<QString>("svg");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<int>("densite");
    const QRegularExpression nom(QStringLiteral("^:/rendus/(.+)-(\\d+)x(\\d+)@(\\d)x\\.argb$"));
    QDirIterator fichiers(QStringLiteral(":/rendus"), QDir::Files, QDirIterator::Subdirectories);
    while (fichiers.hasNext()) {
        const QString rendue = fichiers.next();
        const QRegularExpressionMatch m = nom.match(rendue);
        QVERIFY2(m.hasMatch(), qPrintable(rendue));
        QTest::newRow(qPrintable(rendue))
            << QStringLiteral(":/%1.svg").arg(m.captured(1))
            << QSize(m.captured(2).toInt(), m.captured(3).toInt()) << m.captured(4).toInt();
    }
}

void TestImages::rendus() {
    QFETCH(QString, svg);
    QFETCH(QSize, taille);
    QFETCH(int, densite);
    QCOMPARE(imagerendue(svg, taille, densite), dessinesvg(svg, taille * densite));
    const qreal ecran = qApp->devicePixelRatio();
    const QPixmap montree = pixmapsvg(svg, taille);
    QCOMPARE(montree.devicePixelRatio(), ecran);
    QCOMPARE(pixels(montree), dessinesvg(svg, taille * ecran));
    // Another size of the same picture is another picture.
    QCOMPARE(pixmapsvg(svg, taille * 2).size(), taille * 2 * ecran);
}

// Every picture of the resources is drawn by the build at both densities.
void TestImages::toutesrendues() {
    QDirIterator images(QStringLiteral(":/images"), {QStringLiteral("*.svg")}, QDir::Files,
                        QDirIterator::Subdirectories);
    int n = 0;
    while (images.hasNext()) {
        const QString svg = images.next();
        ++n;
        for (const char* densite : {"@1x.argb", "@2x.argb"}) {
            QDirIterator rendus(
                QStringLiteral(":/rendus") + QFileInfo(svg).path().mid(1),
                {QFileInfo(svg).completeBaseName() + QStringLiteral("-*") + QLatin1String(densite)},
                QDir::Files);
            QVERIFY2(rendus.hasNext(), qPrintable(svg + QLatin1String(densite)));
        }
    }
    QVERIFY(n >= 20);
}

void TestImages::icone_data() {
    QTest::addColumn<int>("cote");
    QTest::addColumn<int>("mode");
    // The sizes a desktop asks for at 1x and 2x, drawn by the build; 48, drawn here; a disabled one.
    for (const int cote : {16, 32, 64, 128, 256, 48})
        QTest::addRow("%d", cote) << cote << int(QIcon::Normal);
    QTest::newRow("32 inactive") << 32 << int(QIcon::Disabled);
}

// The program's icon gives the pixels of Qt's own SVG icon engine, at every size and in every mode.
void TestImages::icone() {
    QFETCH(int, cote);
    QFETCH(int, mode);
    const QSize taille(cote, cote);
    const auto m = QIcon::Mode(mode);
    QCOMPARE(pixels(iconeprogramme().pixmap(taille, 1.0, m)),
             pixels(QIcon(QStringLiteral(":/images/icone.svg")).pixmap(taille, 1.0, m)));
}

QTEST_MAIN(TestImages)
#include "test_images.moc"

// Draws a picture of resources/images at the size a window shows it, at 1x and 2x, into the files
// the program takes its pictures from instead of drawing the SVG (see imagerendue): the pixels
// themselves, premultiplied ARGB32 in this machine's order, row after row, so that taking one costs
// a copy and nothing more. Decoding PNG files instead cost about 130 instructions a pixel.
// Usage: renderimages IMAGE.svg WIDTHxHEIGHT PREFIX   writes PREFIX@1x.argb and PREFIX@2x.argb

#include "windows/dessinsvg.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: renderimages IMAGE.svg WIDTHxHEIGHT PREFIX\n");
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QStringList dimensions = QString::fromLatin1(argv[2]).split(QLatin1Char('x'));
    const QSize taille =
        dimensions.size() == 2 ? QSize(dimensions[0].toInt(), dimensions[1].toInt()) : QSize();
    if (!QFileInfo(svg).isFile() || taille.isEmpty()) {
        std::fprintf(stderr, "renderimages: no picture %s or no size %s\n", argv[1], argv[2]);
        return 2;
    }
    for (const int densite : {1, 2}) {
        const QImage image = vormigral::dessinesvg(svg, taille * densite);
        QFile sortie(QString::fromLocal8Bit(argv[3]) + QStringLiteral("@%1x.argb").arg(densite));
        const auto octets = qint64(image.sizeInBytes());
        if (!sortie.open(QIODevice::WriteOnly) ||
            sortie.write(reinterpret_cast<const char*>(image.constBits()), octets) != octets) {
            std::fprintf(stderr, "renderimages: cannot write %s\n", qPrintable(sortie.fileName()));
            return 1;
        }
    }
    return 0;
}

// Renders the program's SVG icon as the square PNG files of an icon theme:
//   rendicone ICON.svg THEME_DIR NAME SIZE...  writes THEME_DIR/SIZExSIZE/apps/NAME.png
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fputs("usage: rendicone ICON.svg THEME_DIR NAME SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer rendu(QString::fromLocal8Bit(argv[1]));
    if (!rendu.isValid()) {
        std::fprintf(stderr, "rendicone: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString theme = QString::fromLocal8Bit(argv[2]);
    const QString nom = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int cote = QString::fromLatin1(argv[i]).toInt();
        if (cote <= 0) {
            std::fprintf(stderr, "rendicone: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing);
        rendu.render(&peintre);
        peintre.end();
        const QString dossier = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(cote);
        const QString fichier = QStringLiteral("%1/%2.png").arg(dossier, nom);
        if (!QDir().mkpath(dossier) || !image.save(fichier, "PNG")) {
            std::fprintf(stderr, "rendicone: cannot write %s\n", qPrintable(fichier));
            return 1;
        }
    }
    return 0;
}

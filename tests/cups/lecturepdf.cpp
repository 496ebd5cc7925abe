#include "tests/cups/lecturepdf.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

namespace vormigral::test {

namespace {

bool lance(const QString& programme, const QStringList& arguments, QByteArray* sortie, QString* erreur) {
    QProcess processus;
    processus.start(programme, arguments);
    if (!processus.waitForFinished(120000) || processus.exitStatus() != QProcess::NormalExit ||
        processus.exitCode() != 0) {
        *erreur = programme + QStringLiteral(" failed: ") +
                  QString::fromLocal8Bit(processus.readAllStandardError()) + processus.errorString();
        return false;
    }
    if (sortie)
        *sortie = processus.readAllStandardOutput();
    return true;
}

} // namespace

std::vector<PagePdf> motspdf(const QString& fichier, QString* erreur) {
    QByteArray xhtml;
    if (!lance(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fichier, QStringLiteral("-")}, &xhtml,
               erreur))
        return {};
    static const QRegularExpression page(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression mot(QStringLiteral(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    std::vector<PagePdf> pages;
    for (const QString& ligne : QString::fromUtf8(xhtml).split(QLatin1Char('\n'))) {
        if (const auto m = page.match(ligne); m.hasMatch()) {
            pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (const auto w = mot.match(ligne); w.hasMatch() && !pages.empty()) {
            const double x0 = w.captured(1).toDouble();
            const double y0 = w.captured(2).toDouble();
            pages.back().mots.push_back(
                {w.captured(5),
                 QRectF(QPointF(x0, y0), QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
        }
    }
    return pages;
}

std::vector<std::vector<QRectF>> encrespdf(const QString& fichier, int dpi, const QString& dossier,
                                           const QString& prefixe, QString* erreur) {
    const QString racine = QDir(dossier).filePath(prefixe);
    if (!lance(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
                fichier, racine},
               nullptr, erreur))
        return {};
    QStringList rendus =
        QDir(dossier).entryList({prefixe + QStringLiteral("-*.png")}, QDir::Files, QDir::Name);
    // pdftoppm pads the page numbers to the width of the last one, so the names sort in order.
    std::vector<std::vector<QRectF>> pages;
    const double echelle = 72.0 / dpi;
    for (const QString& nom : rendus) {
        const QImage image = QImage(QDir(dossier).filePath(nom)).convertToFormat(QImage::Format_Grayscale8);
        const int l = image.width();
        const int h = image.height();
        std::vector<char> vu(std::size_t(l) * h, 0);
        const auto encre = [&image](int x, int y) { return image.constScanLine(y)[x] < 128; };
        std::vector<QRectF> taches;
        std::vector<QPoint> pile;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < l; ++x) {
                if (vu[std::size_t(y) * l + x] || !encre(x, y))
                    continue;
                int x0 = x, x1 = x, y0 = y, y1 = y;
                pile.assign(1, QPoint(x, y));
                vu[std::size_t(y) * l + x] = 1;
                while (!pile.empty()) {
                    const QPoint p = pile.back();
                    pile.pop_back();
                    x0 = std::min(x0, p.x());
                    x1 = std::max(x1, p.x());
                    y0 = std::min(y0, p.y());
                    y1 = std::max(y1, p.y());
                    for (int dy = -1; dy <= 1; ++dy) {
                        for (int dx = -1; dx <= 1; ++dx) {
                            const int nx = p.x() + dx;
                            const int ny = p.y() + dy;
                            if (nx < 0 || ny < 0 || nx >= l || ny >= h || vu[std::size_t(ny) * l + nx] ||
                                !encre(nx, ny))
                                continue;
                            vu[std::size_t(ny) * l + nx] = 1;
                            pile.emplace_back(nx, ny);
                        }
                    }
                }
                // Pixel edges: the box runs from the left edge of x0 to the right edge of x1.
                taches.emplace_back(QPointF(x0 * echelle, y0 * echelle),
                                    QPointF((x1 + 1) * echelle, (y1 + 1) * echelle));
            }
        }
        pages.push_back(std::move(taches));
    }
    return pages;
}

} // namespace vormigral::test

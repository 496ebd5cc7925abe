#include "windows/couleurs.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

namespace vormigral {

namespace {

double lineaire(double canal) {
    return canal <= 0.04045 ? canal / 12.92 : std::pow((canal + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) + 0.0722 * lineaire(c.blueF());
}

bool sombre(const QColor& fond) {
    return luminance(fond) < 0.18;
}

} // namespace

double rapportcontraste(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor lisible(const QColor& teinte, const QColor& fond) {
    if (rapportcontraste(teinte, fond) >= contrasteminimal)
        return teinte;
    const QColor hsl = teinte.toHsl();
    const bool eclaircit = sombre(fond);
    // Small steps keep the hue recognisable; the far end (white or black) always reads.
    for (int pas = 1; pas <= 50; ++pas) {
        const double clarte = eclaircit ? hsl.lightnessF() + (1.0 - hsl.lightnessF()) * pas / 50.0
                                        : hsl.lightnessF() * (1.0 - pas / 50.0);
        const QColor essai = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), clarte);
        if (rapportcontraste(essai, fond) >= contrasteminimal)
            return essai;
    }
    return eclaircit ? QColor(Qt::white) : QColor(Qt::black);
}

void colorie(QWidget* etiquette, const QColor& teinte) {
    QPalette couleurs = etiquette->palette();
    const QColor fond = etiquette->parentWidget()
                            ? etiquette->parentWidget()->palette().color(QPalette::Window)
                            : couleurs.color(QPalette::Window);
    couleurs.setColor(QPalette::WindowText, lisible(teinte, fond));
    etiquette->setPalette(couleurs);
}

QPixmap detoure(const QPixmap& image, const QColor& fond, const QColor& contour) {
    if (!sombre(fond) || image.isNull())
        return image;
    const qreal densite = image.devicePixelRatio();
    // The picture's own shape, in the contour colour, shifted one pixel each way underneath it.
    QImage forme = image.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&forme);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(forme.rect(), contour);
    }
    QImage resultat(image.size(), QImage::Format_ARGB32_Premultiplied);
    resultat.fill(Qt::transparent);
    {
        QPainter p(&resultat);
        const int pas = std::max(1, static_cast<int>(std::lround(densite)));
        for (const QPoint decalage : {QPoint(-pas, 0), QPoint(pas, 0), QPoint(0, -pas), QPoint(0, pas)})
            p.drawImage(decalage, forme);
        p.drawImage(QPoint(0, 0), image.toImage());
    }
    QPixmap detouree = QPixmap::fromImage(resultat);
    detouree.setDevicePixelRatio(densite);
    return detouree;
}

} // namespace vormigral

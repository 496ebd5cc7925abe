#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace vormigral {

// An SVG picture drawn over `pixels` device pixels, transparent where it draws nothing. The build
// draws the pictures with it for the usual densities (tools/rendimages) and the program for any
// other: both give the same pixels.
inline QImage dessinesvg(const QString& chemin, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer rendu(chemin);
    QPainter peintre(&image);
    rendu.render(&peintre);
    return image;
}

} // namespace vormigral

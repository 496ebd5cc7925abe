#pragma once

#include <QImage>
#include <QImageReader>
#include <QString>

namespace vormigral {

// An SVG picture drawn over `pixels` device pixels, transparent where it draws nothing. The build
// draws the pictures with it for the usual densities (tools/renderimages) and the program for any
// other: both give the same pixels. It goes through Qt's SVG image plugin, which Qt opens at the
// first SVG read, rather than through Qt SVG itself: a program linked to that library would load it
// at every start for pictures it only rarely draws.
inline QImage dessinesvg(const QString& chemin, QSize pixels) {
    QImageReader lecteur(chemin, "svg");
    lecteur.setScaledSize(pixels);
    QImage image = lecteur.read();
    if (image.isNull() || image.size() != pixels)
        return {};
    return image.format() == QImage::Format_ARGB32_Premultiplied
               ? image
               : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace vormigral

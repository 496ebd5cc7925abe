#pragma once

#include "windows/outils.h"

#include <array>

class QFrame;

namespace vormigral {

// The panel `pgrille`: the picture of the slip's 49-number block with one transparent clickable
// cell over each printed number. Cells are found by their number, never by position.
class BlocNumeros {
public:
    BlocNumeros(QWidget* parent, QPoint position);

    QFrame* pgrille() const { return pgrille_; }
    ImageCliquable* cellule(int numero) const { return cellules_.at(static_cast<std::size_t>(numero)); }

    // Shows the tick mark on a cell, or lets the block picture show through.
    void marque(int numero, bool cochee, const QPixmap& coche);

    // The cell's object name: Image2 for number 1, then Image43 to Image90 for 2 to 49.
    static QString nomcellule(int numero);
    // Top-left of number n's cell within the panel, over its printed number.
    static QPoint positioncellule(int numero);

private:
    QFrame* pgrille_;
    std::array<ImageCliquable*, 50> cellules_{};
};

} // namespace vormigral

#pragma once

#include "windows/outils.h"

#include <QFrame>

#include <array>
#include <initializer_list>

namespace vormigral {

class BlocNumeros;

// The panel that holds the block picture and its cells; assistive technologies see it as a group.
class PanneauNumeros : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
};

// One cell of the block, over its printed number. Assistive technologies see a check box named
// by the number; where the block takes ticks, the keyboard moves through it as it is printed.
class CaseNumero : public ImageCliquable {
    Q_OBJECT
public:
    CaseNumero(BlocNumeros& bloc, QWidget* parent, int numero);

    int numero() const { return tag(); }
    bool cochee() const { return cochee_; }
    // Whether the cell takes ticks (the main window) or only shows them (the grid viewer).
    bool interactive() const;
    // Shows the tick mark or lets the block picture show through, and tells assistive
    // technologies when the state changes.
    void marque(bool cochee, const QPixmap& coche);
    // A tick asked for by the keyboard or an assistive technology, as a click asks for one.
    void actionne();

protected:
    void focusInEvent(QFocusEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

private:
    BlocNumeros& bloc_;
    bool cochee_ = false;
};

// The panel `pgrille`: the picture of the slip's 49-number block with one transparent clickable
// cell over each printed number. Cells are found by their number, never by position.
class BlocNumeros {
public:
    BlocNumeros(QWidget* parent, QPoint position, bool interactif);

    QFrame* pgrille() const { return pgrille_; }
    CaseNumero* cellule(int numero) const { return cellules_.at(static_cast<std::size_t>(numero)); }
    bool interactif() const { return interactif_; }

    // Shows the tick mark on a cell, or lets the block picture show through.
    void marque(int numero, bool cochee, const QPixmap& coche);

    // Makes the 49 cells one stop of the Tab chain, followed by `suite` in that order.
    void ordretabulation(std::initializer_list<QWidget*> suite);
    // Moves the block's keyboard stop to a cell, and the focus with it when the block has it.
    void va(int numero);
    // Makes a cell the block's keyboard stop, leaving the focus where it is.
    void arrete(int numero);

    // The cell's object name: Image2 for number 1, then Image43 to Image90 for 2 to 49.
    static QString nomcellule(int numero);
    // Top-left of number n's cell within the panel, over its printed number.
    static QPoint positioncellule(int numero);

private:
    QFrame* pgrille_;
    std::array<CaseNumero*, 50> cellules_{};
    bool interactif_;
    int courante_ = 1;
};

} // namespace vormigral

#include "windows/blocnumeros.h"

#include <QFrame>

namespace vormigral {

namespace {

// Left and top of each cell, by column (tens digit) then row (units digit), matching the printed
// numbers of the block picture. Column 0 has no number in row 0.
constexpr int positions[5][10][2] = {
    {{0, 0}, {23, 41}, {22, 67}, {22, 93}, {22, 120}, {22, 146}, {22, 172}, {22, 199}, {21, 225}, {21, 251}},
    {{43, 14},
     {43, 40},
     {42, 66},
     {42, 93},
     {42, 120},
     {42, 143},
     {42, 172},
     {43, 199},
     {42, 225},
     {42, 251}},
    {{62, 14},
     {62, 40},
     {62, 66},
     {63, 94},
     {61, 120},
     {61, 145},
     {62, 172},
     {62, 199},
     {62, 224},
     {62, 251}},
    {{83, 14},
     {82, 41},
     {81, 67},
     {81, 93},
     {82, 119},
     {81, 146},
     {83, 172},
     {82, 199},
     {82, 224},
     {82, 251}},
    {{103, 15},
     {102, 40},
     {102, 68},
     {102, 94},
     {102, 119},
     {102, 146},
     {103, 172},
     {103, 199},
     {103, 224},
     {103, 250}},
};

} // namespace

QString BlocNumeros::nomcellule(int numero) {
    return QStringLiteral("Image%1").arg(numero == 1 ? 2 : numero + 41);
}

QPoint BlocNumeros::positioncellule(int numero) {
    const auto& p = positions[numero / 10][numero % 10];
    return {p[0], p[1]};
}

BlocNumeros::BlocNumeros(QWidget* parent, QPoint position) {
    pgrille_ = place<QFrame>(parent, "pgrille", QRect(position, QSize(139, 284)));
    pgrille_->setFrameShape(QFrame::StyledPanel);
    pgrille_->setFrameShadow(QFrame::Raised);
    auto* image = place<QLabel>(pgrille_, "Image1", QRect(20, 9, 101, 266));
    image->setPixmap(pixmapsvg(QStringLiteral(":/images/bulletin.svg"), {101, 266}));
    image->setScaledContents(true);
    for (int numero = 1; numero <= 49; ++numero) {
        auto* cellule = new ImageCliquable(pgrille_);
        cellule->setObjectName(nomcellule(numero));
        cellule->setGeometry(QRect(positioncellule(numero), QSize(14, 20)));
        cellule->setAlignment(Qt::AlignCenter);
        cellule->setTag(numero);
        cellules_[static_cast<std::size_t>(numero)] = cellule;
    }
}

void BlocNumeros::marque(int numero, bool cochee, const QPixmap& coche) {
    ImageCliquable* c = cellule(numero);
    if (cochee)
        c->setPixmap(coche);
    else
        c->clear();
}

} // namespace vormigral

#include "windows/blocnumeros.h"

#include "windows/cellules.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vormigral {

QString BlocNumeros::nomcellule(int numero) {
    return QStringLiteral("Image%1").arg(numero == 1 ? 2 : numero + 41);
}

QPoint BlocNumeros::positioncellule(int numero) {
    const auto [x, y] = placecellule(numero);
    return {x, y};
}

CaseNumero::CaseNumero(BlocNumeros& bloc, QWidget* parent, int numero) : ImageCliquable(parent), bloc_(bloc) {
    setTag(numero);
    setAccessibleName(QString::number(numero));
}

bool CaseNumero::interactive() const {
    return bloc_.interactif();
}

void CaseNumero::marque(bool cochee, const QPixmap& coche) {
    if (cochee)
        setPixmap(coche);
    else
        clear();
    if (cochee == cochee_)
        return;
    cochee_ = cochee;
    QAccessible::State change;
    change.checked = true;
    QAccessibleStateChangeEvent annonce(this, change);
    QAccessible::updateAccessibility(&annonce);
}

void CaseNumero::actionne() {
    if (interactive())
        emit clique();
}

void CaseNumero::focusInEvent(QFocusEvent* evenement) {
    ImageCliquable::focusInEvent(evenement);
    // However the focus came here (Tab, a click, an assistive technology, the program), the arrows
    // move on from this cell and Tab comes back to it.
    if (interactive())
        bloc_.arrete(numero());
}

void CaseNumero::keyPressEvent(QKeyEvent* evenement) {
    if (!interactive())
        return ImageCliquable::keyPressEvent(evenement);
    // The block is printed in columns of tens: up and down step through the numbers, left and
    // right jump a column; a move off the block stays where it is.
    int cible = 0;
    switch (evenement->key()) {
    case Qt::Key_Up:
        cible = numero() - 1;
        break;
    case Qt::Key_Down:
        cible = numero() + 1;
        break;
    case Qt::Key_Left:
        cible = numero() - 10;
        break;
    case Qt::Key_Right:
        cible = numero() + 10;
        break;
    case Qt::Key_Home:
        cible = 1;
        break;
    case Qt::Key_End:
        cible = 49;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A key held down ticks once, as a click does.
        if (!evenement->isAutoRepeat())
            actionne();
        return;
    default:
        return ImageCliquable::keyPressEvent(evenement);
    }
    if (cible >= 1 && cible <= 49)
        bloc_.va(cible);
}

void CaseNumero::mouseReleaseEvent(QMouseEvent* evenement) {
    ImageCliquable::mouseReleaseEvent(evenement);
    // A clicked cell becomes the block's stop, and takes the focus frame when the block has it.
    if (interactive() && evenement->button() == Qt::LeftButton &&
        rect().contains(evenement->position().toPoint()))
        bloc_.va(numero());
}

void CaseNumero::paintEvent(QPaintEvent* evenement) {
    ImageCliquable::paintEvent(evenement);
    if (!hasFocus())
        return;
    // The focus frame runs along the cell's edge, outside the printed digit and the tick mark's
    // fill, in the theme's selection colour.
    QPainter peintre(this);
    QPen trait(palette().color(QPalette::Highlight), 2);
    trait.setJoinStyle(Qt::MiterJoin);
    peintre.setPen(trait);
    peintre.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

BlocNumeros::BlocNumeros(QWidget* parent, QPoint position, bool interactif) : interactif_(interactif) {
    pgrille_ = place<PanneauNumeros>(parent, "pgrille", QRect(position, QSize(139, 284)));
    pgrille_->setFrameShape(QFrame::StyledPanel);
    pgrille_->setFrameShadow(QFrame::Raised);
    auto* image = place<QLabel>(pgrille_, "Image1", QRect(20, 9, 101, 266));
    image->setPixmap(pixmapsvg(QStringLiteral(":/images/bulletin.svg"), {101, 266}));
    image->setScaledContents(true);
    for (int numero = 1; numero <= 49; ++numero) {
        auto* cellule = new CaseNumero(*this, pgrille_, numero);
        cellule->setObjectName(nomcellule(numero));
        cellule->setGeometry(QRect(positioncellule(numero), QSize(14, 20)));
        cellule->setAlignment(Qt::AlignCenter);
        cellules_[static_cast<std::size_t>(numero)] = cellule;
    }
}

void BlocNumeros::marque(int numero, bool cochee, const QPixmap& coche) {
    cellule(numero)->marque(cochee, coche);
}

void BlocNumeros::ordretabulation(std::initializer_list<QWidget*> suite) {
    // Qt orders only widgets that take focus: every cell takes Tab while the chain is built,
    // then all but the block's stop give it up.
    for (int numero = 1; numero <= 49; ++numero)
        cellule(numero)->setFocusPolicy(Qt::TabFocus);
    QWidget* precedent = cellule(1);
    for (int numero = 2; numero <= 49; ++numero) {
        QWidget::setTabOrder(precedent, cellule(numero));
        precedent = cellule(numero);
    }
    for (QWidget* suivant : suite) {
        QWidget::setTabOrder(precedent, suivant);
        precedent = suivant;
    }
    for (int numero = 1; numero <= 49; ++numero)
        if (numero != courante_)
            cellule(numero)->setFocusPolicy(Qt::NoFocus);
}

void BlocNumeros::va(int numero) {
    if (cellule(courante_)->hasFocus())
        cellule(numero)->setFocus(Qt::OtherFocusReason);
    arrete(numero);
}

void BlocNumeros::arrete(int numero) {
    if (numero == courante_)
        return;
    CaseNumero* ancienne = cellule(courante_);
    courante_ = numero;
    cellule(numero)->setFocusPolicy(Qt::TabFocus);
    ancienne->setFocusPolicy(Qt::NoFocus);
}

} // namespace vormigral

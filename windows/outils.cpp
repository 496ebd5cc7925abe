#include "windows/outils.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>

namespace vormigral {

void installepolices() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Fixedsys"),
                               {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
}

QFont police(const char* famille, int pixels, bool gras) {
    QFont resultat(QString::fromLatin1(famille));
    resultat.setPixelSize(pixels);
    resultat.setBold(gras);
    return resultat;
}

QFont policestandard(bool gras) {
    return police("MS Sans Serif", 11, gras);
}

QPixmap pixmapsvg(const QString& chemin, QSize taille) {
    const qreal densite = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap image(taille * densite);
    image.fill(Qt::transparent);
    QSvgRenderer rendu(chemin);
    QPainter peintre(&image);
    rendu.render(&peintre);
    peintre.end();
    image.setDevicePixelRatio(densite);
    return image;
}

void centreecran(QWidget* fenetre) {
    const QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    QRect cadre = fenetre->frameGeometry();
    cadre.moveCenter(ecran->availableGeometry().center());
    fenetre->move(cadre.topLeft());
}

QLabel* etiquette(QWidget* parent, const char* nom, int x, int y) {
    auto* resultat = new QLabel(parent);
    resultat->setObjectName(QString::fromLatin1(nom));
    resultat->setProperty("autotaille", true);
    resultat->move(x, y);
    return resultat;
}

void ajustelargeur(QWidget* controle) {
    controle->resize(std::max(controle->width(), controle->sizeHint().width()), controle->height());
}

QPushButton* boutonimage(QWidget* parent, const char* nom, const QRect& geometrie, const char* image) {
    auto* bouton = place<QPushButton>(parent, nom, geometrie);
    bouton->setIcon(
        QIcon(pixmapsvg(QStringLiteral(":/images/boutons/%1.svg").arg(QLatin1String(image)), {16, 16})));
    bouton->setIconSize({16, 16});
    return bouton;
}

ImageCliquable::ImageCliquable(QWidget* parent) : QLabel(parent) {}

void ImageCliquable::mouseReleaseEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint()))
        emit clique();
    QLabel::mouseReleaseEvent(evenement);
}

} // namespace vormigral

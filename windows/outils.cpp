#include "windows/outils.h"

#include "windows/dessinsvg.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QResource>
#include <QScreen>

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

QImage imagerendue(const QString& chemin, QSize taille, int densite) {
    if (!chemin.startsWith(QLatin1String(":/")) || !chemin.endsWith(QLatin1String(".svg")))
        return {};
    const QResource rendue(QStringLiteral(":/rendus/%1-%2x%3@%4x.argb")
                               .arg(chemin.mid(2).chopped(4))
                               .arg(taille.width())
                               .arg(taille.height())
                               .arg(densite));
    const QSize pixels = taille * densite;
    const qint64 ligne = qint64(pixels.width()) * 4;
    if (!rendue.isValid() || rendue.compressionAlgorithm() != QResource::NoCompression ||
        rendue.size() != ligne * pixels.height() || reinterpret_cast<quintptr>(rendue.data()) % 4 != 0)
        return {};
    // The image reads the resource where it lies; whoever keeps it takes a copy.
    return QImage(rendue.data(), pixels.width(), pixels.height(), ligne, QImage::Format_ARGB32_Premultiplied);
}

namespace {

// The icon as Qt's SVG icon engine would give it, each picture the build drew taken as it is: the
// same pixels without loading that engine or drawing the SVG at every size a desktop asks for.
class IconeProgramme final : public QIconEngine {
public:
    QIconEngine* clone() const override { return new IconeProgramme; }

    void paint(QPainter* peintre, const QRect& zone, QIcon::Mode mode, QIcon::State etat) override {
        peintre->drawPixmap(zone, pixmap(zone.size(), mode, etat));
    }

    QPixmap pixmap(const QSize& pixels, QIcon::Mode mode, QIcon::State etat) override {
        if (mode == QIcon::Normal && pixels.width() == pixels.height()) {
            // The build drew each size at 1x and 2x: a size of pixels may be either.
            for (const int densite : {1, 2}) {
                if (pixels.width() % densite != 0)
                    continue;
                const QImage rendue = imagerendue(chemin(), pixels / densite, densite);
                if (!rendue.isNull())
                    return QPixmap::fromImage(rendue);
            }
        }
        if (svg_.isNull())
            svg_ = QIcon(chemin());
        return svg_.pixmap(pixels, 1.0, mode, etat);
    }

private:
    static QString chemin() { return QStringLiteral(":/images/icone.svg"); }

    QIcon svg_; // Qt's own engine, made when a picture the build did not draw is asked for
};

} // namespace

QIcon iconeprogramme() {
    return QIcon(new IconeProgramme);
}

QPixmap pixmapsvg(const QString& chemin, QSize taille) {
    const qreal densite = qApp ? qApp->devicePixelRatio() : 1.0;
    // Several windows show the same pictures (the slip, the flags, the buttons): each is made once.
    const QString cle =
        QStringLiteral("%1|%2x%3|%4").arg(chemin).arg(taille.width()).arg(taille.height()).arg(densite);
    QPixmap image;
    if (QPixmapCache::find(cle, &image))
        return image;
    // The build drew every picture at 1x and 2x for the size its windows show it; any other
    // density or size is drawn here, to the same pixels.
    const QImage rendue =
        densite == 1.0 || densite == 2.0 ? imagerendue(chemin, taille, int(densite)) : QImage();
    image = QPixmap::fromImage(rendue.isNull() ? dessinesvg(chemin, taille * densite) : rendue);
    image.setDevicePixelRatio(densite);
    QPixmapCache::insert(cle, image);
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

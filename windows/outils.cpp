#include "windows/outils.h"

#include "windows/couleurs.h"
#include "windows/dessinsvg.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontDatabase>
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

namespace {

// The faces that stand in here for a name the layout was measured with, closest first; the name
// comes first where a face of that name is installed. Naming the faces spares a failed search for
// the name and the list of faces to fall back on that fontconfig then sorts for it (2.5 M
// instructions, at the main window's first font). A glyph missing from the first face is looked
// for in the others, in the same order as when the name was mapped to the faces.
QStringList faces(const char* famille) {
    static const QStringList installees = QFontDatabase::families();
    const QString nom = QString::fromLatin1(famille);
    QStringList resultat;
    if (installees.contains(nom, Qt::CaseInsensitive))
        resultat << nom;
    const auto paire = [](const char* premiere, const char* seconde) {
        return QStringList{QString::fromLatin1(premiere), QString::fromLatin1(seconde)};
    };
    if (nom == QLatin1String("MS Sans Serif"))
        resultat << paire("Liberation Sans", "DejaVu Sans");
    else if (nom == QLatin1String("Times New Roman"))
        resultat << paire("Liberation Serif", "DejaVu Serif");
    else if (nom == QLatin1String("Courier"))
        resultat << paire("Liberation Mono", "DejaVu Sans Mono");
    else if (nom == QLatin1String("Fixedsys"))
        resultat << paire("DejaVu Sans Mono", "Liberation Mono");
    return resultat.isEmpty() ? QStringList(nom) : resultat;
}

} // namespace

QFont police(const char* famille, int pixels, bool gras) {
    const QStringList familles = faces(famille);
    QFont resultat(familles.first());
    resultat.setFamilies(familles);
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
        const qreal densite = peintre->device() ? peintre->device()->devicePixelRatio() : 1.0;
        peintre->drawPixmap(zone, pixmap(zone.size() * densite, mode, etat));
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
    const QPalette& couleurs = bouton->palette();
    bouton->setIcon(QIcon(
        detoure(pixmapsvg(QStringLiteral(":/images/boutons/%1.svg").arg(QLatin1String(image)), {16, 16}),
                couleurs.color(QPalette::Button), couleurs.color(QPalette::ButtonText))));
    bouton->setIconSize({16, 16});
    return bouton;
}

void lieaction(QAbstractButton* bouton, QAction* commande) {
    QObject::connect(bouton, &QAbstractButton::clicked, commande, &QAction::trigger);
    const auto suit = [bouton, commande] {
        bouton->setEnabled(commande->isEnabled());
        // Only a change: showing a child explicitly would mark it as shown on purpose.
        if (bouton->isHidden() == commande->isVisible())
            bouton->setVisible(commande->isVisible());
    };
    QObject::connect(commande, &QAction::changed, bouton, suit);
    suit();
}

ImageCliquable::ImageCliquable(QWidget* parent) : QLabel(parent) {}

void ImageCliquable::mouseReleaseEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint()))
        emit clique();
    QLabel::mouseReleaseEvent(evenement);
}

} // namespace vormigral

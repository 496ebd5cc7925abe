#pragma once

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>

class QAbstractButton;
class QAction;
class QPushButton;

namespace vormigral {

// Fonts are named by the faces the layout was measured with ("MS Sans Serif", "Times New Roman",
// "Courier", "Fixedsys"); the font made for a name asks for the closest faces installed here.
QFont police(const char* famille, int pixels, bool gras = false);
QFont policestandard(bool gras = false); // "MS Sans Serif", 8 point

// Renders an SVG from the resources at a size, sharp on high-density screens.
QPixmap pixmapsvg(const QString& chemin, QSize taille);

// The picture `chemin` (":/images/....svg") as the build drew it for this size and density (1 or 2),
// or a null image when it did not.
QImage imagerendue(const QString& chemin, QSize taille, int densite);

// The program's icon, carried by every window. A desktop asks for it at several sizes as soon as a
// window shows: the build drew it at those sizes, and the SVG is drawn only for any other.
QIcon iconeprogramme();

void centreecran(QWidget* fenetre);

// A child widget named and placed as the window layout gives it.
template <class T> T* place(QWidget* parent, const char* nom, const QRect& geometrie) {
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(nom));
    widget->setGeometry(geometrie);
    return widget;
}

// A label placed by its top-left corner only, sized by its text.
QLabel* etiquette(QWidget* parent, const char* nom, int x, int y);

// Widens a control placed with a fixed width when this platform's font needs more room for its text.
void ajustelargeur(QWidget* controle);

// A command button carrying a small picture beside its caption.
QPushButton* boutonimage(QWidget* parent, const char* nom, const QRect& geometrie, const char* image);

// Makes `bouton` one more way into the command `commande`: a click triggers the action, and the
// button is enabled and shown as the action is, so that a command's state is set on its action
// alone. The button keeps its own caption, picture and hint.
void lieaction(QAbstractButton* bouton, QAction* commande);

// A picture that reports clicks; cells of the number block carry their number as their tag.
class ImageCliquable : public QLabel {
    Q_OBJECT
public:
    explicit ImageCliquable(QWidget* parent = nullptr);
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

signals:
    void clique();

protected:
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    int tag_ = 0;
};

} // namespace vormigral

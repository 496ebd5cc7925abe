#include "windows/filtretouches.h"

#include "engine/saisie.h"

#include <QKeyEvent>

#include <utility>

namespace vormigral {

FiltreTouches::FiltreTouches(std::string permis, QObject* parent)
    : QObject(parent), permis_(std::move(permis)) {}

bool FiltreTouches::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        switch (touche->key()) {
        case Qt::Key_Backspace:
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            return QObject::eventFilter(objet, evenement);
        default:
            break;
        }
        const QString texte = touche->text();
        if (!texte.isEmpty()) {
            for (const char32_t c : texte.toUcs4()) {
                if (!caracterepermis(c, permis_))
                    return true;
            }
        }
    }
    return QObject::eventFilter(objet, evenement);
}

} // namespace vormigral

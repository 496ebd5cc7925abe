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
        if (touche->key() == Qt::Key_Backspace)
            return true;
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

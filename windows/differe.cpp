#include "windows/differe.h"

#include <QCoreApplication>
#include <QEvent>

namespace vormigral {

void DialogueDiffere::construit() {
    if (construite_)
        return;
    // Set first: building may call the dialog's own functions, which build on demand.
    construite_ = true;
    construitcontroles();
    // The polish Qt asks for every new widget, put off until now (see event).
    QCoreApplication::postEvent(this, new QEvent(QEvent::PolishRequest));
}

void DialogueDiffere::setVisible(bool visible) {
    // show(), exec() and open() all come here, before the first show event and layout.
    if (visible)
        construit();
    QDialog::setVisible(visible);
}

bool DialogueDiffere::event(QEvent* evenement) {
    // Polished without its controls (Qt polishes every new widget at the next turn of the event
    // loop), the dialog would not be polished again with them, and a style sheet set while
    // building would no longer hand the dialog's font down to them: it waits for its controls.
    if (evenement->type() == QEvent::PolishRequest && !construite_)
        return true;
    return QDialog::event(evenement);
}

void DialogueDiffere::changeEvent(QEvent* evenement) {
    if (evenement->type() == QEvent::LanguageChange && construite_)
        traduitcontroles();
    QDialog::changeEvent(evenement);
}

} // namespace vormigral

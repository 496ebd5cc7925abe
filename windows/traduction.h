#pragma once

#include <QString>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;

namespace vormigral {

// A window's texts go through tr() in its own translation context, in one function of the window
// (traduit...), which sets every caption in the language installed: once the controls exist, and
// again at every QEvent::LanguageChange (see DialogueDiffere::traduitcontroles). These set a
// caption the way each kind of control shows it.

// A label's text; a label placed by its corner alone (etiquette()) takes its text's size.
void legende(QLabel* etiquette, const QString& texte);
void legende(QAbstractButton* bouton, const QString& texte);
// A group box's title, which names it for assistive technologies as well: left unnamed, a box
// inside another box would be named after the outer one.
void legende(QGroupBox* cadre, const QString& texte);
void legende(QMenu* menu, const QString& texte);
void legende(QAction* action, const QString& texte);

} // namespace vormigral

#include "windows/traduction.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace vormigral {

void legende(QLabel* etiquette, const QString& texte) {
    etiquette->setText(texte);
    if (etiquette->property("autotaille").toBool())
        etiquette->adjustSize();
}

void legende(QAbstractButton* bouton, const QString& texte) {
    bouton->setText(texte);
}

void legende(QGroupBox* cadre, const QString& texte) {
    cadre->setTitle(texte);
    cadre->setAccessibleName(texte);
}

void legende(QMenu* menu, const QString& texte) {
    menu->setTitle(texte);
}

void legende(QAction* action, const QString& texte) {
    action->setText(texte);
}

} // namespace vormigral

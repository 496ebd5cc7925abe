#include "windows/legendes.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace vormigral {

namespace {

void applique(QObject* cible, const QString& texte) {
    if (auto* etiquette = qobject_cast<QLabel*>(cible)) {
        etiquette->setText(texte);
        if (etiquette->property("autotaille").toBool())
            etiquette->adjustSize();
    } else if (auto* bouton = qobject_cast<QAbstractButton*>(cible)) {
        bouton->setText(texte);
    } else if (auto* cadre = qobject_cast<QGroupBox*>(cible)) {
        cadre->setTitle(texte);
    } else if (auto* menu = qobject_cast<QMenu*>(cible)) {
        menu->setTitle(texte);
    } else if (auto* action = qobject_cast<QAction*>(cible)) {
        action->setText(texte);
    } else if (auto* widget = qobject_cast<QWidget*>(cible)) {
        widget->setWindowTitle(texte);
    }
}

QObject* cible(QWidget* fenetre, const char* nom) {
    if (!nom || !*nom)
        return fenetre;
    return fenetre->findChild<QObject*>(QString::fromLatin1(nom));
}

} // namespace

void appliquelegendes(QWidget* fenetre, TableLegendes table, bool anglais) {
    for (const Legende& legende : table) {
        if (QObject* objet = cible(fenetre, legende.nom))
            applique(objet, QString::fromUtf8(anglais ? legende.en : legende.fr));
    }
}

void appliquebulles(QWidget* fenetre, TableLegendes table, bool visibles) {
    for (const Legende& legende : table) {
        if (auto* widget = qobject_cast<QWidget*>(cible(fenetre, legende.nom)))
            widget->setToolTip(visibles ? QString::fromUtf8(legende.fr) : QString());
    }
}

} // namespace vormigral

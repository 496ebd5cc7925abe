#include "windows/legendes.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include <cstring>

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
        // Left unnamed, a box inside another box would be named after the outer one.
        cadre->setAccessibleName(texte);
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

constexpr char prefixenom[] = "acc:";

// The control named by an accessible-name entry, or nullptr for any other entry.
QWidget* nomme(QWidget* fenetre, const char* nom) {
    if (std::strncmp(nom, prefixenom, sizeof prefixenom - 1) != 0)
        return nullptr;
    return qobject_cast<QWidget*>(cible(fenetre, nom + sizeof prefixenom - 1));
}

} // namespace

void appliquelegendes(QWidget* fenetre, TableLegendes table, bool anglais) {
    for (const Legende& legende : table) {
        const QString texte = QString::fromUtf8(anglais ? legende.en : legende.fr);
        if (QWidget* controle = nomme(fenetre, legende.nom))
            controle->setAccessibleName(texte);
        else if (QObject* objet = cible(fenetre, legende.nom))
            applique(objet, texte);
    }
}

void appliquenoms(QWidget* fenetre, TableLegendes table, bool anglais) {
    for (const Legende& legende : table)
        if (QWidget* controle = nomme(fenetre, legende.nom))
            controle->setAccessibleName(QString::fromUtf8(anglais ? legende.en : legende.fr));
}

void appliquebulles(QWidget* fenetre, TableLegendes table, bool visibles) {
    for (const Legende& legende : table) {
        if (auto* widget = qobject_cast<QWidget*>(cible(fenetre, legende.nom)))
            widget->setToolTip(visibles ? QString::fromUtf8(legende.fr) : QString());
    }
}

} // namespace vormigral

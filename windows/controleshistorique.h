#pragma once

#include "history/tirage.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace vormigral {

// The controls the history window and its import preview build alike.

template <class T> T* nomme(T* widget, const char* nom) {
    widget->setObjectName(QString::fromLatin1(nom));
    return widget;
}

inline QPushButton* boutonhistorique(QWidget* parent, const char* nom) {
    auto* b = nomme(new QPushButton(parent), nom);
    // Enter in a field must not fire whichever button happens to be the default.
    b->setAutoDefault(false);
    return b;
}

inline QLabel* etiquettepour(QWidget* parent, const char* nom, QWidget* champ) {
    auto* l = nomme(new QLabel(parent), nom);
    l->setBuddy(champ);
    return l;
}

inline QDateEdit* champdate(QWidget* parent, const char* nom, const QDate& aujourdhui) {
    auto* d = nomme(new QDateEdit(parent), nom);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    d->setDateRange(QDate(premiereannee, 1, 1), QDate(derniereannee, 12, 31));
    d->setDate(aujourdhui);
    return d;
}

inline void reglevue(QTableView* vue) {
    vue->setSelectionBehavior(QAbstractItemView::SelectRows);
    vue->setAlternatingRowColors(true);
    vue->verticalHeader()->hide();
    vue->verticalHeader()->setDefaultSectionSize(vue->fontMetrics().height() + 6);
    vue->setTabKeyNavigation(false);
    vue->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

// A button is named for screen readers by its caption, without its mnemonic.
inline void nommeboutons(QWidget* fenetre) {
    for (auto* bouton : fenetre->findChildren<QAbstractButton*>())
        if (!bouton->text().isEmpty())
            bouton->setAccessibleName(QString(bouton->text()).remove(QLatin1Char('&')));
}

} // namespace vormigral

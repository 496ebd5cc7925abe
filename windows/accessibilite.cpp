#include "windows/accessibilite.h"

#include "windows/blocnumeros.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace vormigral {

namespace {

// A number cell: a check box named by its number, read-only where the block only shows a grid.
class AccessibleCase final : public QAccessibleWidget {
public:
    explicit AccessibleCase(CaseNumero* cellule) : QAccessibleWidget(cellule, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.checkable = true;
        etat.checked = cellule()->cochee();
        etat.readOnly = !cellule()->interactive();
        return etat;
    }

    QStringList actionNames() const override {
        if (!cellule()->interactive())
            return {};
        return {toggleAction(), setFocusAction()};
    }

    void doAction(const QString& action) override {
        if (action == toggleAction())
            cellule()->actionne();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    CaseNumero* cellule() const { return static_cast<CaseNumero*>(widget()); }
};

// A drop-down list that is not editable. Screen readers on this platform read a list's current
// item from its name (Qt offers them no other way), so Qt names a list after its item alone: here
// the name is the program's name for the list, then the item, read by its accessible text where it
// has one (the method list pads its items for sorting).
class AccessibleListe final : public QAccessibleWidget {
public:
    explicit AccessibleListe(QComboBox* liste) : QAccessibleWidget(liste, QAccessible::ComboBox) {}

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(liste()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        return enfant && enfant->object() == liste()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text quoi) const override {
        if (quoi != QAccessible::Name && quoi != QAccessible::Value)
            return QAccessibleWidget::text(quoi);
        const QVariant lu = liste()->currentData(Qt::AccessibleTextRole);
        const QString valeur = lu.isValid() ? lu.toString() : liste()->currentText();
        const QString nom = widget()->accessibleName();
        if (quoi == QAccessible::Value || nom.isEmpty())
            return valeur;
        return valeur.isEmpty() ? nom : nom + QStringLiteral(", ") + valeur;
    }

    QStringList actionNames() const override { return {showMenuAction(), setFocusAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            liste()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* liste() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String(CaseNumero::staticMetaObject.className()))
        return new AccessibleCase(static_cast<CaseNumero*>(objet));
    if (classe == QLatin1String(PanneauNumeros::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Grouping);
    if (classe == QLatin1String("QComboBox")) {
        auto* liste = static_cast<QComboBox*>(objet);
        if (!liste->isEditable())
            return new AccessibleListe(liste);
    }
    return nullptr;
}

} // namespace

void installeaccessibilite() {
    QAccessible::installFactory(fabrique);
}

} // namespace vormigral

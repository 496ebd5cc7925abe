#pragma once

#include "history/recapitulatif.h"
#include "history/tirage.h"

#include <QAbstractTableModel>

#include <vector>

namespace vormigral {

// The stored draws, as the list shows them: date, six numbers, bonus number.
class ModeleTirages : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeleTirages(QObject* parent) : QAbstractTableModel(parent) {}

    void montre(const std::vector<TTirageDate>* tirages);
    // The headings in the language installed.
    void traduit();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<TTirageDate>* tirages_ = nullptr;
};

// The check, one row per draw; Qt::UserRole carries the value each column sorts by.
class ModeleRecapitulatif : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int nbcolonnes = 12;

    explicit ModeleRecapitulatif(QObject* parent) : QAbstractTableModel(parent) {}

    void montre(TRecapitulatif bilan);
    const TRecapitulatif& recapitulatif() const { return bilan_; }
    // The headings and the named cells in the language installed.
    void traduit();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant affiche(const TRecapTirage& b, int c) const;
    QVariant cle(const TRecapTirage& b, int c) const;

    TRecapitulatif bilan_;
};

} // namespace vormigral

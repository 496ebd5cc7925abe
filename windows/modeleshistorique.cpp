#include "windows/modeleshistorique.h"

#include "windows/couleurs.h"
#include "windows/outils.h"
#include "windows/texteshistorique.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QStringList>

namespace vormigral {

void ModeleTirages::montre(const std::vector<TTirageDate>* tirages) {
    beginResetModel();
    tirages_ = tirages;
    endResetModel();
}

void ModeleTirages::traduit() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int ModeleTirages::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !tirages_ ? 0 : static_cast<int>(tirages_->size());
}

int ModeleTirages::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 8;
}

QVariant ModeleTirages::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !tirages_)
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant() : QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const TTirageDate& t = (*tirages_)[static_cast<std::size_t>(index.row())];
    const int c = index.column();
    if (c == 0)
        return jour(t.date);
    return c <= 6 ? t.tirage.numeros[static_cast<std::size_t>(c - 1)] : t.tirage.complementaire;
}

QVariant ModeleTirages::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return tr("Date");
    return section <= 6 ? QString::number(section) : tr("Bonus");
}

void ModeleRecapitulatif::montre(TRecapitulatif bilan) {
    beginResetModel();
    bilan_ = std::move(bilan);
    endResetModel();
}

void ModeleRecapitulatif::traduit() {
    emit headerDataChanged(Qt::Horizontal, 0, nbcolonnes - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, nbcolonnes - 1));
}

int ModeleRecapitulatif::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(bilan_.tirages.size());
}

int ModeleRecapitulatif::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : nbcolonnes;
}

QVariant ModeleRecapitulatif::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const TRecapTirage& b = bilan_.tirages[static_cast<std::size_t>(index.row())];
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return affiche(b, c);
    case Qt::UserRole:
        return cle(b, c);
    case Qt::TextAlignmentRole:
        return c >= 3 && c <= 10 ? QVariant(Qt::AlignCenter) : QVariant();
    case Qt::ForegroundRole:
        // Red made readable on the table's ground, light or dark.
        if (c == 11 && b.promesse == TPromesse::manquee)
            return lisible(QColor(Qt::red), QGuiApplication::palette().color(QPalette::Base));
        return {};
    case Qt::FontRole:
        // A prize reached stands out in a long list of draws that won nothing.
        return c == 2 && b.meilleure != TClasse::aucune ? QVariant(policestandard(true)) : QVariant();
    default:
        return {};
    }
}

QVariant ModeleRecapitulatif::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= nbcolonnes)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::ToolTipRole) {
        if (section >= 3 && section <= 9)
            return tr("Number of grids in this class");
        if (section == 10)
            return tr("Drawn numbers among your ticked numbers");
        return section == 11
                   ? tr("The method's guarantee holds when enough drawn numbers are among your numbers")
                   : QVariant();
    }
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0:
        return tr("Date");
    case 1:
        return tr("Draw");
    case 2:
        return tr("Best class");
    case 10:
        return tr("Found");
    case 11:
        return tr("Promise");
    default:
        return colonneclasse(static_cast<std::size_t>(section - 3));
    }
}

QVariant ModeleRecapitulatif::affiche(const TRecapTirage& b, int c) const {
    if (c == 0)
        return jour(b.tirage.date);
    if (c == 1) {
        QStringList numeros;
        for (const std::int32_t n : b.tirage.tirage.numeros)
            numeros << deuxchiffres(n);
        return numeros.join(QLatin1Char(' ')) + QStringLiteral(" + ") +
               deuxchiffres(b.tirage.tirage.complementaire);
    }
    if (c == 2)
        return nomclasse(b.meilleure);
    if (c <= 9)
        return b.compteurs[classesdecroissantes[c - 3]];
    if (c == 10)
        return b.trouves;
    return nompromesse(b.promesse);
}

QVariant ModeleRecapitulatif::cle(const TRecapTirage& b, int c) const {
    if (c <= 1)
        return b.tirage.date.cle();
    if (c == 2)
        return static_cast<int>(b.meilleure);
    if (c <= 9)
        return b.compteurs[classesdecroissantes[c - 3]];
    if (c == 10)
        return b.trouves;
    return static_cast<int>(b.promesse);
}

} // namespace vormigral

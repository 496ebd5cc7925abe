#pragma once

#include "windows/verificationargent.h"

#include <QDialog>
#include <QWidget>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vormigral {

// The cumulative net result of a check, draw after draw, as a line over a zero line; the palette's
// own colours, so that it reads on light and dark themes alike. Assistive technologies read its
// description.
class TCourbeArgent : public QWidget {
    Q_OBJECT
public:
    explicit TCourbeArgent(QWidget* parent = nullptr);
    void montre(const std::vector<TPointArgent>& points);
    QSize sizeHint() const override { return {480, 160}; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    std::vector<TPointArgent> points_;
};

// The money check of the grids: what they cost, won and left at each draw and over the period,
// with the price of a grid the player sets, and the chart of the cumulative net.
class TFenetreArgent : public QDialog {
    Q_OBJECT
public:
    TFenetreArgent(const TStockageTirages& stockage, const QString& dossierconfig, QWidget* parent = nullptr);

    // Shows the money side of `verification`; says why when the payouts cannot be read.
    void montre(const TRecapitulatif& verification);
    const TVerificationArgent& cas() const { return cas_; }
    // The caption of the history window's button that opens this window.
    static QString libellebouton() { return tr("&Money…"); }

protected:
    void changeEvent(QEvent* evenement) override;

private:
    void traduit();
    void affiche();
    void prixchange(double euros);

    TVerificationArgent cas_;
    bool lu_ = true;
    QString erreur_;
    QString refusprix_;
    QLabel* lprix_ = nullptr;
    QDoubleSpinBox* eprix_ = nullptr;
    QLabel* lresume_ = nullptr;
    QLabel* lomissions_ = nullptr;
    QTableWidget* vue_ = nullptr;
    QLabel* lcourbe_ = nullptr;
    TCourbeArgent* courbe_ = nullptr;
    QPushButton* bfermer_ = nullptr;
};

} // namespace vormigral

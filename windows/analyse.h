#pragma once

#include "analysis/analyse.h"
#include "engine/etat.h"

#include <QDialog>
#include <QStringList>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vormigral {

// A bar chart drawn by hand: one bar per count of drawn numbers among the ticked ones, split into
// the shares of the cases by how many of them the best grid holds.
class TGraphiqueAnalyse : public QWidget {
    Q_OBJECT
public:
    static constexpr int nbclasses = 5; // the best grid holds 6, 5, 4, 3, or 2 and fewer

    struct Barre {
        QString libelle;
        std::array<double, nbclasses> parts{};   // fractions of the bar, summing to 1
        std::array<QString, nbclasses> textes{}; // the shares as written, shown where they fit
    };

    explicit TGraphiqueAnalyse(QWidget* parent);
    void montre(std::vector<Barre> barres, QStringList legendes);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    std::vector<Barre> barres_;
    QStringList legendes_;
};

// The analysis of the method selected in the main window: what its table really gives for 3 to
// 6 drawn numbers among the ticked ones, whether its promise is kept, and the odds of one draw.
// It needs no ticked numbers, since a table speaks of positions.
class TAnalyse : public QDialog {
    Q_OBJECT
public:
    explicit TAnalyse(TEtat& etat, QWidget* parent = nullptr);

    // Sets every caption and figure for the selected method in the program's language.
    void traduitanalyse();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construitfenetre();
    void remplitrepartition(bool en);
    void remplittirages(bool en);
    void remplitgraphique(bool en);
    QString textepromesse(bool en) const;

    TEtat& etat_;
    TBilan bilan_;
    QWidget* contenu_ = nullptr;
    QLabel* lmethode_ = nullptr;
    QLabel* lgrilles_ = nullptr;
    QLabel* lpromesse_ = nullptr;
    QLabel* lrepartition_ = nullptr;
    QTableWidget* trepartition_ = nullptr;
    TGraphiqueAnalyse* graphique_ = nullptr;
    QLabel* ltirages_ = nullptr;
    QTableWidget* ttirages_ = nullptr;
    QLabel* laucune_ = nullptr;
    QPushButton* bfermer_ = nullptr;
};

} // namespace vormigral

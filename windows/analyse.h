#pragma once

#include "analysis/analyse.h"
#include "engine/etat.h"
#include "windows/figuresanalyse.h"

#include <QDialog>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vormigral {

class Langue;

// A bar chart drawn by hand: one bar per count of drawn numbers among the ticked ones, split into
// the shares of the cases by how many of them the best grid holds. Every share that is not nil
// keeps a width the eye finds, and tells its value under the pointer.
class TGraphiqueAnalyse : public QWidget {
    Q_OBJECT
public:
    using Barre = BarreAnalyse;
    static constexpr int segmentminimal = 4; // pixels

    explicit TGraphiqueAnalyse(QWidget* parent);
    void montre(std::vector<Barre> barres, QStringList legendes);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The segment of a bar under a point: the bar's rank and the share's class, or {-1, -1}.
    std::pair<int, int> segment(const QPoint& point) const;

protected:
    bool event(QEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

private:
    int gauche() const;
    int largeur() const;

    std::vector<Barre> barres_;
    QStringList legendes_;
};

// The analysis of the method selected in the main window: what its table really gives for 3 to
// 6 drawn numbers among the ticked ones, whether its promise is kept, and the odds of one draw.
// It needs no ticked numbers, since a table speaks of positions.
class TAnalyse : public QDialog {
    Q_OBJECT
public:
    TAnalyse(TEtat& etat, const Langue& langue, QWidget* parent = nullptr);

    // Sets every caption in the language installed.
    void traduitanalyse();
    // Shows the figures of the method selected, in the language installed.
    void remplitanalyse();

protected:
    void changeEvent(QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    void construitfenetre();
    void colorepromesse();

    TEtat& etat_;
    const Langue& langue_;
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

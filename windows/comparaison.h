#pragma once

#include "app/plateforme.h"
#include "engine/comparaison.h"
#include "engine/etat.h"
#include "windows/comparaisontirage.h"
#include "windows/differe.h"

#include <array>
#include <utility>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vormigral {

// The comparison of every grid of the selected method with a draw.
class TForm8 : public DialogueDiffere {
    Q_OBJECT
public:
    TForm8(TEtat& etat, Messages& messages);

    void initform();
    // Compares the grids with the draw the selectors show, or says which number is chosen twice.
    void Button1Click();
    void BitBtn1Click();

    // The draw as the seven selectors show it.
    TTirage tirage();

protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    void construitcontroles() override;
    void traduitcontroles() override;
    void construitfenetre();
    // Places the controls for the current size: the list takes any extra room, the counters and
    // the buttons keep their places relative to each other along the bottom.
    void disposition();
    // Names each counter by its frame's title and, once counted, its value.
    void nommecompteurs();

    Messages& messages_;
    ComparaisonTirage comparaison_;
    QFrame* Panel1 = nullptr;
    std::array<QComboBox*, 7> selecteurs_{};
    QListWidget* listresul = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    std::array<std::pair<TClasse, QLabel*>, 7> compteurs_{};
    bool premiere_ = true;
};

} // namespace vormigral

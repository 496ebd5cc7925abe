#pragma once

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <array>

class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QProgressDialog;
class QPushButton;
class QSpinBox;
class QTableView;

namespace vormigral {

class ModeleTirages;
class TGestionHistorique;

// The history's first page: the stored draws, one draw typed in, the deletion of the chosen ones
// and the import of a file, whose storing shows its progress and can be cancelled.
class TPageTirages : public QWidget {
    Q_OBJECT
public:
    TPageTirages(TGestionHistorique& gestion, const QDate& aujourdhui, QWidget* parent);

    void traduit();
    // The count and the commands as the history stands.
    void miseajour();
    QPushButton* boutonajouter() const { return bajouter_; }

    void ajouteclick();
    void supprimeclick();
    void importeclick();

private:
    void progression(qint64 fait, qint64 total);
    void importtermine();
    void ajoutfini(bool stocke);
    // After an addition or a deletion, the focus where it was, unless it went with its control.
    void rendfocus();
    QString texteprogression(qint64 fait, qint64 total) const;

    TGestionHistorique& gestion_;
    QTableView* vuetirages_ = nullptr;
    ModeleTirages* modeletirages_ = nullptr;
    QLabel* lnombre_ = nullptr;
    QGroupBox* gajout_ = nullptr;
    QLabel* ldate_ = nullptr;
    QDateEdit* edate_ = nullptr;
    QLabel* lnumc_ = nullptr;
    std::array<QSpinBox*, 7> numeros_{};
    QPushButton* bajouter_ = nullptr;
    QPushButton* bsupprimer_ = nullptr;
    QAction* supprimer_ = nullptr; // the Delete key and the Delete button
    QPushButton* bimporter_ = nullptr;
    QPointer<QProgressDialog> progression_;
    // Where the focus was when an addition or a deletion started: its commands are disabled while
    // it is written.
    QPointer<QWidget> focus_;
};

} // namespace vormigral

#pragma once

#include "windows/choixcolonnes.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vormigral {

// Which column of a draw file holds the date, each ball and the complementary: a list of the file's
// columns for each, the first lines as read with them, and the choice remembered for the header.
class TFenetreColonnes : public QDialog {
    Q_OBJECT
public:
    TFenetreColonnes(std::string_view contenu, const TProjetImport& projet, const QString& dossierconfig,
                     QWidget* parent = nullptr);

    const TChoixColonnes& choix() const { return choix_; }
    // Remembers the mapping, then closes; says why it could not be kept, and closes all the same:
    // the file is read with it.
    void accept() override;
    // Why the mapping could not be kept, after accept(); empty when it was.
    QString refus() const { return refus_; }

    // The caption of the import preview's button that opens this window.
    static QString libellebouton() { return tr("&Columns…"); }

protected:
    void changeEvent(QEvent* evenement) override;

private:
    void traduit();
    void remplit();
    void affiche();

    TChoixColonnes choix_;
    QString refus_;
    QLabel* lexplication_ = nullptr;
    std::array<QLabel*, 8> etiquettes_{};
    std::array<QComboBox*, 8> listes_{};
    QLabel* lapercu_ = nullptr;
    QListWidget* apercu_ = nullptr;
    QLabel* lprobleme_ = nullptr;
    QLabel* lnote_ = nullptr;
    QPushButton* bok_ = nullptr;
    QPushButton* bannuler_ = nullptr;
};

} // namespace vormigral

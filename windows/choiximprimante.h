#pragma once

#include "app/plateforme.h"
#include "printing/imprimantes.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace vormigral {

class Impression;

// Which printer the program prints on: the system's default, or the queue the user picks here,
// kept for them from one run to the next.
class TChoixImprimante : public QDialog {
    Q_OBJECT
public:
    TChoixImprimante(const Plateforme& plateforme, Impression& impression, QWidget* parent);

    // From the Options menu: every queue, the current choice selected; OK keeps the one selected.
    void choisit();
    // When a job needs a printer nobody chose: the queue picked, kept for next time; empty when
    // the user picks none.
    std::string demande(const std::vector<TFile>& files, bool disparue);

    void traduitchoiximprimante();

protected:
    void changeEvent(QEvent* evenement) override;

private:
    // Shows the queues with `raison` above them; the queue picked ("" to follow the system's
    // default) once kept, or nothing.
    std::optional<std::string> execute(const std::vector<TFile>& files, const QString& raison,
                                       bool suitdefaut);
    // A queue's row: its name, and its state when it cannot print or is the default no other row names.
    QString description(const TFile& file, bool suitdefaut) const;
    void garde(const std::string& file);

    const Plateforme plateforme_;
    Impression& impression_;
    QLabel* lraison = nullptr;
    QListWidget* listeimprimantes = nullptr;
};

} // namespace vormigral

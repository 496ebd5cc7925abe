#pragma once

#include "storage/stockagetirages.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace vormigral {

// Writes to the history off the window's thread: a long import, whose draws go into the history
// file in chunks inside one transaction, or one draw added or some removed. It runs on a thread of
// the importer's own that joins the file with a connection of its own (Qt SQL connections belong to
// their thread), while the window's storage stays where it is. Progress and the outcome come back
// as signals on the importer's thread; a cancel stores nothing. The wait for the other copy of the
// program (attentemillisecondes) happens there too, so the windows go on meanwhile.
class TImporteur final : public QObject {
    Q_OBJECT

public:
    explicit TImporteur(QObject* parent = nullptr);
    // A run still going on is cancelled and waited for: nothing of it is stored.
    ~TImporteur() override;
    TImporteur(const TImporteur&) = delete;
    TImporteur& operator=(const TImporteur&) = delete;

    // How long the run waits for a lock held elsewhere; attentemillisecondes unless changed.
    void attente(int millisecondes) { attente_ = millisecondes; }

    // Starts storing `tirages` in the history file `chemin` (TStockageTirages::chemin() of the
    // window's storage, which made and checked it), with the payouts of each (`gains`, as
    // TStockageTirages::stocke takes them). False, and nothing started, while a run goes on.
    bool lance(const QString& chemin, std::vector<TTirageDate> tirages, std::vector<TGains> gains = {});
    // Starts removing `tirages` from the history file `chemin` (as TStockageTirages::retire). False,
    // and nothing started, while a run goes on.
    bool retire(const QString& chemin, std::vector<TTirageDate> tirages);
    // Asks the run to stop at its next chunk; it then ends with TErreur::annulee, nothing stored.
    void annule() { annulation_ = true; }
    bool encours() const { return static_cast<bool>(fil_); }

signals:
    // After each chunk: the draws gone through so far (stored or skipped) and the total.
    void progression(qint64 fait, qint64 total);
    // Once, at the end, after the last progression: the counts, or why nothing was stored.
    void termine(const vormigral::TStockageTirages::TBilan& bilan);

private:
    using Ecriture = std::function<TStockageTirages::TBilan(TStockageTirages& base)>;
    // Runs `ecriture` on a connection of the thread's own to `chemin`.
    bool lancefil(const QString& chemin, Ecriture ecriture);
    void fin(const TStockageTirages::TBilan& bilan);

    std::unique_ptr<QThread> fil_;
    std::atomic<bool> annulation_{false};
    int attente_ = attentemillisecondes;
};

} // namespace vormigral

Q_DECLARE_METATYPE(vormigral::TStockageTirages::TBilan)

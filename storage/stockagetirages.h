#pragma once

#include "history/argent.h"
#include "history/tirage.h"

#include <QString>

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace vormigral {

// Follows a long storing: `progression` is called with the draws done and the total after each
// chunk, on the storing thread; `annulation`, checked between chunks, stops it with nothing stored.
struct TSuiviStockage {
    std::function<void(std::size_t fait, std::size_t total)> progression;
    const std::atomic<bool>* annulation = nullptr;
};

// Where the draws are kept. The windows reach the storage through this interface only; how it keeps
// them (an SQLite file through Qt SQL) is the storage's own business.
class TStockageTirages {
public:
    // Why a reading or a writing failed, as the storage sees it; SQLite's own words go apart into a
    // detail that a window may show after its own sentence.
    enum class TErreur {
        aucune,
        fermee,       // no history open
        lectureseule, // the history may be read only (its file, its folder or the disk)
        verrouillee,  // the other copy of the program kept it locked past the wait (attente)
        disquepleine, // no room left on the disk (or past the size a file may reach)
        entreesortie, // the system could not read or write the file
        illisible,    // the file is not an SQLite database (any more)
        endommagee,   // SQLite found it damaged
        invalide,     // a draw the history's rules refuse
        annulee,      // stopped by the user: nothing was stored
        autre,        // any other refusal of SQLite (detail)
    };
    // What a reading, storing or removal came to.
    struct TBilan {
        TErreur erreur = TErreur::aucune;
        QString detail;             // SQLite's or the system's words, for a technical detail
        std::size_t ajoutes = 0;    // draws stored now
        std::size_t presents = 0;   // already stored, by this copy or another: skipped
        std::size_t differents = 0; // stored already with another bonus number: skipped, the stored one kept
        std::size_t retires = 0;    // draws removed
        std::size_t avecgains = 0;  // draws stored now or already whose payouts were given
        bool reussi() const { return erreur == TErreur::aucune; }
    };

    // How an opening went.
    enum class TIssue {
        fermee,
        ouverte,      // an existing base
        lectureseule, // an existing base that may be read but not written (file, folder or disk)
        creee,        // none existed: a new one was made
        remplacee,    // a damaged one was set aside (miseacote) and a new one made
        echec,        // no base usable (cause)
    };
    enum class TCause {
        aucune,
        dossier,    // the folder could not be made
        ouverture,  // SQLite could not open the file (rights, locks, disk)
        illisible,  // the file is not an SQLite database
        endommagee, // SQLite's check found it damaged
        inconnue,   // a database, but not a draw history
        recente,    // made by a newer version of the program (left untouched)
        renommage,  // a damaged base that could not be set aside (left untouched)
    };
    struct TOuverture {
        TIssue etat = TIssue::fermee;
        TCause cause = TCause::aucune;
        QString detail;                   // SQLite's or the file system's own words
        QString miseacote;                // where a damaged base now lies, also when no new one could be made
        TErreur erreur = TErreur::aucune; // what SQLite or the system refused, when it failed
    };

    virtual ~TStockageTirages() = default;

    // Opens the history of `dossier`, making the folder and the file on first use.
    virtual TOuverture ouvre(const QString& dossier) = 0;
    virtual bool ouverte() const = 0;
    virtual QString chemin() const = 0;
    // Opened, but its file, its folder or the disk takes no writing: nothing can be added,
    // imported or removed.
    virtual bool lectureseule() const = 0;

    // Every stored draw into `sortie`, newest first, read afresh from the file each time, so that
    // what another copy of the program stored is there.
    virtual TBilan lit(std::vector<TTirageDate>& sortie) const = 0;
    // Stores the draws in one transaction, all or none; a draw already stored (same day and main
    // numbers), by this copy or another, is skipped and counted, never a failure. Goes by chunks, so
    // that it can be followed and cancelled through `suivi`; then nothing is stored. `gains[i]` are
    // the payouts of `tirages[i]` (none past the end of `gains`): kept with the draw, and given to a
    // draw already stored with the same complementary that has none yet (a history first filled
    // from a file without payouts); a stored draw that has some, or another complementary, keeps
    // what it has.
    virtual TBilan stocke(const std::vector<TTirageDate>& tirages, const TSuiviStockage& suivi = {},
                          const std::vector<TGains>& gains = {}) = 0;
    // The stored payouts of each of `tirages` into `sortie`, in their order: none known for a draw
    // that is not stored or was stored without them. Empty, with the cause, when reading fails.
    virtual TBilan litgains(const std::vector<TTirageDate>& tirages, std::vector<TGains>& sortie) const = 0;
    // Removes the draws (same day and main numbers), all or none; one already gone is no failure.
    virtual TBilan retire(const std::vector<TTirageDate>& tirages) = 0;
};

// How long a storage waits for the other copy of the program to let go of the history before it
// gives up with TErreur::verrouillee.
inline constexpr int attentemillisecondes = 5000;

// A new, unopened storage: the user's history in an SQLite file.
std::unique_ptr<TStockageTirages> creestockagetirages();

} // namespace vormigral

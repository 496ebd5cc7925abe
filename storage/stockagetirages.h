#pragma once

#include "history/tirage.h"

#include <QString>

#include <memory>
#include <vector>

namespace vormigral {

// Where the draws are kept. The windows reach the storage through this interface only; how it keeps
// them (an SQLite file through Qt SQL) is the storage's own business.
class TStockageTirages {
public:
    // How an opening went.
    enum class TIssue {
        fermee,
        ouverte,   // an existing base
        creee,     // none existed: a new one was made
        remplacee, // a damaged one was set aside (miseacote) and a new one made
        echec,     // no base usable (cause)
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
        QString detail;    // SQLite's or the file system's own words
        QString miseacote; // where a damaged base now lies
    };

    virtual ~TStockageTirages() = default;

    // Opens the history of `dossier`, making the folder and the file on first use.
    virtual TOuverture ouvre(const QString& dossier) = 0;
    virtual bool ouverte() const = 0;
    virtual QString chemin() const = 0;

    // Every stored draw, newest first (draws of one day in the order stored). Empty, with the
    // cause in `erreur`, when reading fails.
    virtual std::vector<TTirageDate> tirages(QString* erreur = nullptr) const = 0;

    // Stores the draws, all or none; false with SQLite's words in `erreur` when any is refused
    // (a draw already stored, a write error).
    virtual bool ajoute(const std::vector<TTirageDate>& tirages, QString* erreur = nullptr) = 0;
    // Removes the draws (same day and main numbers), all or none.
    virtual bool supprime(const std::vector<TTirageDate>& tirages, QString* erreur = nullptr) = 0;
};

// A new, unopened storage: the user's history in an SQLite file.
std::unique_ptr<TStockageTirages> creestockagetirages();

} // namespace vormigral

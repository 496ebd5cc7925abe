#pragma once

#include "history/tirage.h"

#include <QString>

#include <functional>
#include <vector>

class QSqlQuery;

namespace vormigral {

// The stored draws: one SQLite file in the user's data folder, reached through Qt SQL. Its schema
// carries a version (PRAGMA user_version); every write is one transaction, kept whole or not at
// all. A file that is no database, fails SQLite's own check or holds tables of another kind is
// never written over: it is renamed aside and a fresh one made in its place.
class TBaseTirages {
public:
    static constexpr int versionschema = 1;
    static const char* const nomfichier; // "historique.sqlite"

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

    TBaseTirages();
    ~TBaseTirages();
    TBaseTirages(const TBaseTirages&) = delete;
    TBaseTirages& operator=(const TBaseTirages&) = delete;

    // Opens the history of `dossier`, making the folder and the file on first use.
    TOuverture ouvre(const QString& dossier);
    bool ouverte() const { return ouverte_; }
    QString chemin() const { return chemin_; }

    // Every stored draw, newest first (draws of one day in the order stored). Empty, with the
    // cause in `erreur`, when reading fails.
    std::vector<TTirageDate> tirages(QString* erreur = nullptr) const;

    // Stores the draws, all or none; false with SQLite's words in `erreur` when any is refused
    // (a draw already stored, a write error).
    bool ajoute(const std::vector<TTirageDate>& tirages, QString* erreur = nullptr);
    // Removes the draws (same day and main numbers), all or none.
    bool supprime(const std::vector<TTirageDate>& tirages, QString* erreur = nullptr);

private:
    void ferme();
    bool ouvrefichier(QString& detail, QString& codesqlite);
    TOuverture verifie();
    bool creeschema(QString& detail);
    // Runs `sql` once per draw, its values bound by `lie` (which may refuse a draw with its cause),
    // all in one transaction: on any failure nothing is kept and the cause goes to *erreur.
    bool entransaction(const QString& sql, const std::vector<TTirageDate>& tirages,
                       const std::function<QString(QSqlQuery&, const TTirageDate&)>& lie, QString* erreur);

    QString connexion_;
    QString chemin_;
    bool ouverte_ = false;
};

} // namespace vormigral

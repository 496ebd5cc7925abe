#pragma once

#include "storage/stockagetirages.h"

#include <QString>

#include <vector>

class QSqlError;
class QSqlQuery;

namespace vormigral {

// The stored draws: one SQLite file in the user's data folder, reached through Qt SQL. Its schema
// carries a version (PRAGMA user_version); every write is one transaction, kept whole or not at all.
// A file that is no database, fails SQLite's own check or holds tables of another kind is never
// written over: it is renamed aside and a fresh one made in its place. A connection belongs to the
// thread that opened it: a worker thread joins the same file with a storage of its own (rejoint).
class TBaseTirages final : public TStockageTirages {
public:
    // The payouts live in a table of their own (gains), made when the first ones are stored: a
    // program that knows only the draws still reads and writes a history that holds some, so the
    // version stays the draws' one. A trigger of the file drops a draw's payouts with the draw,
    // whichever program removes it.
    static constexpr int versionschema = 1;
    static const char* const nomfichier; // "historique.sqlite"
    // Draws stored between two calls of the progression and checks of the cancel flag.
    static constexpr std::size_t tranche = 10000;

    TBaseTirages();
    ~TBaseTirages() override;
    TBaseTirages(const TBaseTirages&) = delete;
    TBaseTirages& operator=(const TBaseTirages&) = delete;

    // How long to wait for a lock held by another connection (the other copy of the program, or
    // another thread of this one); attentemillisecondes unless changed before opening.
    void attente(int millisecondes) { attente_ = millisecondes; }

    TOuverture ouvre(const QString& dossier) override;
    // Joins the history file `chemin` that another storage opened (and checked): a connection of
    // this thread's own, which neither makes nor sets aside anything.
    TOuverture rejoint(const QString& chemin);
    bool ouverte() const override { return ouverte_; }
    QString chemin() const override { return chemin_; }
    bool lectureseule() const override { return lectureseule_; }
    TBilan lit(std::vector<TTirageDate>& sortie) const override;
    TBilan stocke(const std::vector<TTirageDate>& tirages, const TSuiviStockage& suivi = {},
                  const std::vector<TGains>& gains = {}) override;
    TBilan litgains(const std::vector<TTirageDate>& tirages, std::vector<TGains>& sortie) const override;
    TBilan retire(const std::vector<TTirageDate>& tirages) override;

private:
    void ferme();
    TOuverture verifie(bool nouvelle);
    TOuverture connecte();
    TOuverture examine(bool nouvelle, const QString& refus);
    bool creeschema(QSqlQuery& requete, QSqlError& erreur);
    // Begins a write transaction that holds the lock from the start, so that two writers wait for
    // each other instead of one failing half-way; a refusal is left in `bilan`.
    bool commence(QSqlQuery& requete, TBilan& bilan);
    TBilan termine(QSqlQuery& requete, const TBilan& bilan);

    QString connexion_;
    QString chemin_;
    int attente_ = attentemillisecondes;
    bool ouverte_ = false;
    bool lectureseule_ = false;
};

} // namespace vormigral

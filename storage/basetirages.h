#pragma once

#include "storage/stockagetirages.h"

#include <QString>

#include <functional>
#include <vector>

class QSqlQuery;

namespace vormigral {

// The stored draws: one SQLite file in the user's data folder, reached through Qt SQL. Its schema
// carries a version (PRAGMA user_version); every write is one transaction, kept whole or not at all.
// A file that is no database, fails SQLite's own check or holds tables of another kind is never
// written over: it is renamed aside and a fresh one made in its place.
class TBaseTirages final : public TStockageTirages {
public:
    static constexpr int versionschema = 1;
    static const char* const nomfichier; // "historique.sqlite"

    TBaseTirages();
    ~TBaseTirages() override;
    TBaseTirages(const TBaseTirages&) = delete;
    TBaseTirages& operator=(const TBaseTirages&) = delete;

    TOuverture ouvre(const QString& dossier) override;
    bool ouverte() const override { return ouverte_; }
    QString chemin() const override { return chemin_; }
    std::vector<TTirageDate> tirages(QString* erreur = nullptr) const override;
    bool ajoute(const std::vector<TTirageDate>& tirages, QString* erreur = nullptr) override;
    bool supprime(const std::vector<TTirageDate>& tirages, QString* erreur = nullptr) override;

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

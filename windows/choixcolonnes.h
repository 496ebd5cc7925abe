#pragma once

#include "files/ecriture.h"
#include "history/importation.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vormigral {

// The columns of a draw file whose header the import does not know, or whose reading the player
// wants to change: which column holds the date, each ball and the complementary, the first lines
// as read with that choice, and the mapping remembered for files with the same header (in the
// user's configuration folder).
class TChoixColonnes {
    Q_DECLARE_TR_FUNCTIONS(vormigral::TChoixColonnes)

public:
    static const char* const nomfichier; // "correspondances"
    // How many lines below the header the preview reads.
    static constexpr int lignesapercu = 8;

    // `projet`: the import's first reading of `contenu` (its header's columns and key). The mapping
    // starts as the one remembered for the header, else as the columns the import recognised.
    TChoixColonnes(std::string_view contenu, const TProjetImport& projet, const QString& dossierconfig);

    // The mapping remembered for a header's key in `dossierconfig`, if any.
    static std::optional<TCorrespondance> memorisee(const QString& dossierconfig, const std::string& cle);

    const std::vector<std::string>& colonnes() const { return colonnes_; }
    const TCorrespondance& correspondance() const { return correspondance_; }
    // Sets the column of one field (-1: none) and reads the first lines again with it.
    void choisit(TColonneImport champ, int colonne);
    // Every field has a column of its own.
    bool complete() const;
    // The first lines as read now: a draw, or why the line is not one.
    const QStringList& apercu() const { return apercu_; }
    // What stands in the way of the mapping; empty when it is complete.
    QString probleme() const;
    // Remembers the mapping for the header's key; the refusal when it could not be kept.
    Refus memorise() const;

    static QString nomchamp(TColonneImport champ);

private:
    void relit();

    std::string debut_; // the header and the first lines of the file
    std::string cle_;
    std::vector<std::string> colonnes_;
    QString fichier_;
    TCorrespondance correspondance_;
    QStringList apercu_;
    TRefus refus_ = TRefus::aucun;
    TColonneImport manque_ = TColonneImport::date;
};

} // namespace vormigral

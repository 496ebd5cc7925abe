#pragma once

#include "files/ecriture.h"
#include "history/argent.h"
#include "history/recapitulatif.h"
#include "storage/stockagetirages.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

namespace vormigral {

// The money side of a check of the grids: the stored payouts of the check's draws, the price of a
// grid the player set (kept in their configuration folder), and the words the money view shows.
class TVerificationArgent {
    Q_DECLARE_TR_FUNCTIONS(vormigral::TVerificationArgent)

public:
    // The price is kept in `dossierconfig` (the user's configuration folder; empty: only for this
    // run), where it is read now.
    TVerificationArgent(const TStockageTirages& stockage, const QString& dossierconfig);

    static const char* const nomfichierprix; // "prixgrille"

    std::int64_t prix() const { return prix_; }
    // Sets the price, held within prixgrillemin..prixgrillemax, makes the money side again and
    // keeps it; the refusal when it could not be kept (the price still holds for this run).
    Refus changeprix(std::int64_t centimes);
    QString fichierprix() const { return fichierprix_; }

    // Reads the payouts of the check's draws and makes its money side. False, with the storage's
    // words in `erreur`, when they cannot be read; the money side is then empty.
    bool calcule(const TRecapitulatif& verification, QString* erreur = nullptr);
    const TBilanArgent& bilan() const { return bilan_; }
    const TRecapitulatif& verification() const { return verification_; }

    // An amount in euros as the language installed writes it ("1 234,56 €", "€1,234.56").
    static QString montant(std::int64_t centimes);
    // The period's cost, winnings and net.
    QString resume() const;
    // What the sums leave out: winning grids without a known payout, draws without any; empty when
    // nothing is left out.
    QString omissions() const;
    // The grids of one draw that reached a class without payout ("4 numbers × 2"); empty for none.
    QString inconnus(const TArgentTirage& tirage) const;
    // The chart in words, for whoever cannot see it.
    QString descriptioncourbe() const;
    static QString nomclasse(TClasse classe);

private:
    const TStockageTirages& stockage_;
    QString fichierprix_;
    std::int64_t prix_ = prixgrilleordinaire;
    TRecapitulatif verification_;
    std::vector<TGains> gains_;
    TBilanArgent bilan_;
};

} // namespace vormigral

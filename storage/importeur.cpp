#include "storage/importeur.h"

#include "storage/basetirages.h"

#include <QThread>

namespace vormigral {

namespace {

TStockageTirages::TBilan ecrit(const QString& chemin, int attente,
                               const std::function<TStockageTirages::TBilan(TStockageTirages&)>& ecriture) {
    TBaseTirages base;
    base.attente(attente);
    const TStockageTirages::TOuverture ouverture = base.rejoint(chemin);
    if (ouverture.etat == TStockageTirages::TIssue::echec) {
        TStockageTirages::TBilan bilan;
        bilan.erreur = ouverture.erreur == TStockageTirages::TErreur::aucune
                           ? TStockageTirages::TErreur::autre
                           : ouverture.erreur;
        bilan.detail = ouverture.detail;
        return bilan;
    }
    return ecriture(base);
}

} // namespace

TImporteur::TImporteur(QObject* parent) : QObject(parent) {}

TImporteur::~TImporteur() {
    if (!fil_)
        return;
    annulation_ = true;
    fil_->wait();
}

bool TImporteur::lance(const QString& chemin, std::vector<TTirageDate> tirages, std::vector<TGains> gains) {
    if (fil_)
        return false;
    TSuiviStockage suivi;
    suivi.annulation = &annulation_;
    suivi.progression = [this](std::size_t fait, std::size_t total) {
        QMetaObject::invokeMethod(
            this, [this, fait, total] { emit progression(qint64(fait), qint64(total)); },
            Qt::QueuedConnection);
    };
    return lancefil(chemin, [tirages = std::move(tirages), gains = std::move(gains),
                             suivi](TStockageTirages& base) { return base.stocke(tirages, suivi, gains); });
}

bool TImporteur::retire(const QString& chemin, std::vector<TTirageDate> tirages) {
    if (fil_)
        return false;
    return lancefil(chemin,
                    [tirages = std::move(tirages)](TStockageTirages& base) { return base.retire(tirages); });
}

bool TImporteur::lancefil(const QString& chemin, Ecriture ecriture) {
    annulation_ = false;
    fil_.reset(QThread::create([this, chemin, ecriture = std::move(ecriture), attente = attente_] {
        const TStockageTirages::TBilan bilan = ecrit(chemin, attente, ecriture);
        QMetaObject::invokeMethod(
            this, [this, bilan] { fin(bilan); }, Qt::QueuedConnection);
    }));
    fil_->start();
    return true;
}

void TImporteur::fin(const TStockageTirages::TBilan& bilan) {
    fil_->wait();
    fil_.reset();
    emit termine(bilan);
}

} // namespace vormigral

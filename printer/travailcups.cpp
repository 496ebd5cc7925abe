#include "printer/travailcups.h"

#include "printer/cups.h"

#include <QEventLoop>
#include <QThread>

namespace vormigral {

TTravailCups::TTravailCups(const Imprimantes& imprimantes, QObject* parent)
    : QObject(parent), imprimantes_(imprimantes) {}

TTravailCups::~TTravailCups() {
    if (!fil_)
        return;
    annulation_ = true;
    fil_->wait();
}

template <typename Appel> void TTravailCups::lancefil(Appel appel) {
    annulation_ = false;
    fil_.reset(QThread::create(std::move(appel)));
    fil_->start();
}

// Back on the object's thread, after the call's last signal.
void TTravailCups::fin() {
    fil_->wait();
    fil_.reset();
}

namespace {

TCodeCups codeliste(const TEtatService& service, bool annulee, bool vide) {
    if (annulee)
        return TCodeCups::annule;
    if (service.etat == TService::absent)
        return TCodeCups::injoignable;
    if (service.etat == TService::muet)
        return TCodeCups::sansreponse;
    return vide ? TCodeCups::sansimprimante : TCodeCups::ok;
}

} // namespace

bool TTravailCups::demandefiles() {
    if (fil_)
        return false;
    lancefil([this, limites = cups::Limites{delai_, &annulation_}] {
        TEtatService service;
        std::vector<TFile> files = imprimantes_.files(limites, service);
        TReponseCups reponse;
        reponse.code = codeliste(service, annulation_, files.empty());
        reponse.serveur = service.serveur;
        reponse.raison = service.detail;
        if (reponse.code != TCodeCups::ok)
            files.clear();
        QMetaObject::invokeMethod(
            this,
            [this, reponse, files = std::move(files)] {
                fin();
                emit filesrecues(reponse, files);
            },
            Qt::QueuedConnection);
    });
    return true;
}

bool TTravailCups::soumet(const TEnvoiCups& envoi) {
    if (fil_)
        return false;
    lancefil([this, envoi, limites = cups::Limites{delai_, &annulation_}] {
        const cups::Envoi e{envoi.file, envoi.pdf, envoi.titre, envoi.options, envoi.suivi};
        const TReponseCups reponse = cups::soumet(e, limites, [this](std::int32_t numero) {
            QMetaObject::invokeMethod(
                this, [this, numero] { emit travailcree(numero); }, Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            this,
            [this, reponse] {
                fin();
                emit soumis(reponse);
            },
            Qt::QueuedConnection);
    });
    return true;
}

TReponseCups TTravailCups::soumetenattendant(const TEnvoiCups& envoi) {
    TReponseCups reponse;
    reponse.code = TCodeCups::annule;
    reponse.file = envoi.file;
    QEventLoop boucle;
    const QMetaObject::Connection lien =
        connect(this, &TTravailCups::soumis, &boucle, [&](const TReponseCups& r) {
            reponse = r;
            boucle.quit();
        });
    if (soumet(envoi))
        boucle.exec();
    disconnect(lien);
    return reponse;
}

} // namespace vormigral

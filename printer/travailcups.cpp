#include "printer/travailcups.h"

#include "printer/cups.h"

#include <QThread>

namespace vormigral {

TTravailCups::TTravailCups(QObject* parent) : QObject(parent) {}

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

bool TTravailCups::demandefiles() {
    if (fil_)
        return false;
    lancefil([this, limites = cups::Limites{delai_, &annulation_}] {
        TReponseCups reponse;
        std::vector<TFile> files = cups::files(limites, reponse);
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

} // namespace vormigral

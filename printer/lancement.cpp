#include "printer/lancement.h"

#include "app/imprimantechoisie.h"
#include "app/textes.h"
#include "printer/cups.h"
#include "printer/surface_qt.h"
#include "printing/zone.h"

#include <QEventLoop>
#include <QStringList>
#include <QThread>

#include <exception>
#include <memory>

namespace vormigral {

namespace {

// Every text the print launcher shows, in both languages.
const Legende legendeslancement[] = {
    {"echec", "L'impression a échoué : %1\nLe travail d'impression a été abandonné.",
     "Printing failed: %1\nThe print job was abandoned."},
    {"avantechec", "Avant cela, l'imprimante « %1 » avait accepté %2 (%3).",
     "Before that, the printer \"%1\" had accepted %2 (%3)."},
    {"titre", "Impression", "Printing"},
    {"sansimprimante",
     "Aucune imprimante n'est installée : rien ne peut être imprimé.\n\n"
     "Voulez-vous enregistrer les mêmes pages dans un fichier PDF ?",
     "No printer is installed: nothing can be printed.\n\nDo you want to save the same pages to a PDF file?"},
    {"titrepdf", "Enregistrer les pages en PDF", "Save the pages as PDF"},
    {"pdfecrit", "Les pages ont été enregistrées dans le fichier PDF :\n%1",
     "The pages were saved to the PDF file:\n%1"},
    {"horszone",
     "Marques hors de la zone que « %3 » peut imprimer : %1 sur %2. Elles manqueraient sur le papier ; "
     "les décalages (Options › Paramètres) sont peut-être trop grands.\n\nImprimer quand même ?",
     "Marks outside the area \"%3\" can print: %1 of %2. They would be missing on paper; the offsets "
     "(Options › Parameters) may be too large.\n\nPrint anyway?"},
    {"accepte", "L'imprimante « %1 » a accepté %2 (%3).", "The printer \"%1\" accepted %2 (%3)."},
    {"unepage", "1 page", "1 page"},
    {"pages", "%1 pages", "%1 pages"},
    {"untravail", "travail %1", "job %1"},
    {"travaux", "travaux %1", "jobs %1"},
};

QString texteremise(const char* cle, const TRemise& remise, bool en) {
    QStringList numeros;
    for (const std::int32_t n : remise.travaux)
        numeros << QString::number(n);
    const QString pages = remise.pages == 1 ? texte(legendeslancement, "unepage", en)
                                            : texte(legendeslancement, "pages", en).arg(remise.pages);
    const QString travaux = texte(legendeslancement, numeros.size() == 1 ? "untravail" : "travaux", en)
                                .arg(numeros.join(QStringLiteral(", ")));
    return texte(legendeslancement, cle, en).arg(QString::fromStdString(remise.destination), pages, travaux);
}

// Runs the job, reporting any failure; true when it went through.
bool execute(const Plateforme& plateforme, bool en, SurfaceImpression& surface,
             const std::function<void(SurfaceImpression&)>& travail) {
    QString raison;
    try {
        travail(surface);
        return true;
    } catch (const ErreurImpression& erreur) {
        raison = QString::fromStdString(erreur.texte(en));
    } catch (const std::exception& erreur) {
        raison = QString::fromLocal8Bit(erreur.what());
    }
    QString message = texte(legendeslancement, "echec", en).arg(raison);
    // In one-slip-at-a-time printing the slips before the failure are already out.
    const TRemise remise = surface.remise();
    if (!remise.travaux.empty())
        message += QLatin1Char('\n') + texteremise("avantechec", remise, en);
    plateforme.messages.message(message, texte(titreprobleme, en), Boutons::Ok, Icone::Exclamation);
    return false;
}

// Lets the user stop before marks are lost off the printable area; true to go on.
bool verifiezone(const Plateforme& plateforme, bool en, SurfaceImpression& surface,
                 const QString& destination, const std::function<void(SurfaceImpression&)>& travail) {
    THorsZone zone;
    try {
        zone = horszone(surface, travail);
    } catch (const std::exception&) {
        // The run itself will fail the same way and say why.
        return true;
    }
    if (zone.dehors == 0)
        return true;
    const QString message =
        texte(legendeslancement, "horszone", en).arg(zone.dehors).arg(zone.total).arg(destination);
    return plateforme.messages.message(message, texte(legendeslancement, "titre", en), Boutons::OuiNon,
                                       Icone::Exclamation) == Reponse::Oui;
}

TLancement lancesurpdf(const Plateforme& plateforme, bool en,
                       const std::function<void(SurfaceImpression&)>& travail) {
    Imprimantes& imprimantes = plateforme.imprimantes;
    Messages& messages = plateforme.messages;
    const QString titre = texte(legendeslancement, "titre", en);
    const Reponse reponse = messages.message(texte(legendeslancement, "sansimprimante", en), titre,
                                             Boutons::OuiNon, Icone::Question);
    if (reponse != Reponse::Oui)
        return {};
    const std::string chemin = imprimantes.choisitpdf(texte(legendeslancement, "titrepdf", en).toStdString());
    if (chemin.empty())
        return {};
    const std::unique_ptr<SurfaceImpression> surface = imprimantes.pdf(chemin);
    if (!verifiezone(plateforme, en, *surface, QString::fromStdString(chemin), travail) ||
        !execute(plateforme, en, *surface, travail))
        return {};
    messages.message(texte(legendeslancement, "pdfecrit", en).arg(QString::fromStdString(chemin)), titre,
                     Boutons::Ok, Icone::Information);
    return {true, {}};
}

// A print run stopped by the print service's silence or the user's cancel: not a failure of the
// printer to show as one, so it is no std::exception that execute() would catch; it goes through
// the print runs (their jobs abandoned on the way) to TLanceurImpression.
struct Interruption {
    TReponseCups reponse;
};

} // namespace

TLanceurImpression::TLanceurImpression(const Plateforme& plateforme, bool anglais, TDemandeImprimante demande,
                                       std::function<void(SurfaceImpression&)> travail, QObject* parent)
    : QObject(parent), plateforme_(plateforme), anglais_(anglais), demande_(std::move(demande)),
      travail_(std::move(travail)) {}

TLanceurImpression::~TLanceurImpression() {
    if (liste_)
        liste_->wait();
}

bool TLanceurImpression::lance() {
    if (encours_ || liste_)
        return false;
    encours_ = true;
    annulation_ = false;
    emit attente(TEtapeImpression::recherche);
    liste_.reset(QThread::create([this] {
        const std::vector<TFile> files = plateforme_.imprimantes.files();
        const TEtatService service = plateforme_.imprimantes.etatservice();
        QMetaObject::invokeMethod(
            this,
            [this, files, service] {
                liste_->wait();
                liste_.reset();
                suite(files, service);
            },
            Qt::QueuedConnection);
    }));
    liste_->start();
    return true;
}

void TLanceurImpression::annule() {
    if (!encours_)
        return;
    annulation_ = true;
    cups_.annule();
    // The listing cannot be stopped half-way; its answer, when it comes, is dropped.
    if (liste_) {
        TFinImpression fin;
        fin.code = TCodeCups::annule;
        finit(fin);
    }
}

void TLanceurImpression::finit(const TFinImpression& fin) {
    encours_ = false;
    emit termine(fin);
}

void TLanceurImpression::suite(const std::vector<TFile>& files, const TEtatService& service) {
    if (annulation_)
        return;
    TFinImpression fin;
    fin.serveur = service.serveur;
    if (service.etat != TService::repond) {
        fin.code = service.etat == TService::absent ? TCodeCups::injoignable : TCodeCups::sansreponse;
        return finit(fin);
    }
    if (files.empty()) {
        fin.lancement = lancesurpdf(plateforme_, anglais_, travail_);
        return finit(fin);
    }
    const TDestination choix = destination(files, imprimantememorisee(plateforme_.systeme).toStdString());
    const std::string file =
        choix.file.empty() ? (demande_ ? demande_(files, choix.disparue) : std::string()) : choix.file;
    if (file.empty())
        return finit(fin);
    const std::unique_ptr<SurfaceImpression> surface = plateforme_.imprimantes.imprimante(file);
    // Only the spooler's surface hands jobs over; any other has nothing to wait for.
    if (auto* qt = dynamic_cast<SurfaceQt*>(surface.get()))
        qt->soumetteur([this](const TEnvoiCups& envoi) { return soumetenattendant(envoi); });
    try {
        if (!verifiezone(plateforme_, anglais_, *surface, QString::fromStdString(file), travail_) ||
            !execute(plateforme_, anglais_, *surface, travail_))
            return finit(fin);
    } catch (const Interruption& interruption) {
        fin.code = interruption.reponse.code;
        fin.serveur = interruption.reponse.serveur;
        return finit(fin);
    }
    const TRemise remise = surface->remise();
    fin.lancement = {true, remise.travaux.empty() ? QString() : texteremise("accepte", remise, anglais_)};
    finit(fin);
}

std::int32_t TLanceurImpression::soumetenattendant(const TEnvoiCups& envoi) {
    TReponseCups reponse;
    reponse.code = TCodeCups::annule;
    if (!annulation_) {
        emit attente(TEtapeImpression::envoi);
        QEventLoop boucle;
        const QMetaObject::Connection lien =
            connect(&cups_, &TTravailCups::soumis, &boucle, [&](const TReponseCups& r) {
                reponse = r;
                boucle.quit();
            });
        if (cups_.soumet(envoi))
            boucle.exec();
        disconnect(lien);
    }
    switch (reponse.code) {
    case TCodeCups::ok:
        return reponse.travail;
    case TCodeCups::injoignable:
    case TCodeCups::sansreponse:
    case TCodeCups::annule:
        throw Interruption{reponse};
    default:
        cups::leve(reponse);
    }
}

std::string imprimantesansdemande(const Plateforme& plateforme) {
    return destination(plateforme.imprimantes.files(), imprimantememorisee(plateforme.systeme).toStdString())
        .file;
}

TLancement lanceimpression(const Plateforme& plateforme, bool en, const TDemandeImprimante& demande,
                           const std::function<void(SurfaceImpression&)>& travail) {
    const std::vector<TFile> files = plateforme.imprimantes.files();
    if (files.empty())
        return lancesurpdf(plateforme, en, travail);

    const TDestination choix = destination(files, imprimantememorisee(plateforme.systeme).toStdString());
    const std::string file =
        choix.file.empty() ? (demande ? demande(files, choix.disparue) : std::string()) : choix.file;
    if (file.empty())
        return {};
    const std::unique_ptr<SurfaceImpression> surface = plateforme.imprimantes.imprimante(file);
    if (!verifiezone(plateforme, en, *surface, QString::fromStdString(file), travail) ||
        !execute(plateforme, en, *surface, travail))
        return {};
    // A run that had nothing to print opened no job, and there is nothing to announce.
    const TRemise remise = surface->remise();
    return {true, remise.travaux.empty() ? QString() : texteremise("accepte", remise, en)};
}

} // namespace vormigral

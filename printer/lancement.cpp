#include "printer/lancement.h"

#include "app/imprimantechoisie.h"
#include "printer/cups.h"
#include "printer/surface_qt.h"
#include "printing/zone.h"

#include <QCoreApplication>
#include <QStringList>

#include <exception>
#include <memory>

namespace vormigral {

namespace {

// The texts of the print launcher.
struct Textes {
    Q_DECLARE_TR_FUNCTIONS(vormigral::Lancement)
};

// What a printer took: its name, the pages, the jobs' numbers, for the sentence `modele`.
QString texteremise(const QString& modele, const TRemise& remise) {
    QStringList numeros;
    for (const std::int32_t n : remise.travaux)
        numeros << QString::number(n);
    const QString pages = Textes::tr("%n page(s)", nullptr, remise.pages);
    //: The numbers the spooler gave the jobs, e.g. "job 17" or "jobs 17, 18".
    const QString travaux = Textes::tr("job(s) %1", nullptr, static_cast<int>(numeros.size()))
                                .arg(numeros.join(QStringLiteral(", ")));
    return modele.arg(QString::fromStdString(remise.destination), pages, travaux);
}

// Runs the job, reporting any failure; true when it went through.
bool execute(const Plateforme& plateforme, SurfaceImpression& surface,
             const std::function<void(SurfaceImpression&)>& travail) {
    QString raison;
    try {
        travail(surface);
        return true;
    } catch (const ErreurImpression& erreur) {
        raison = texteerreur(erreur);
    } catch (const std::exception& erreur) {
        raison = QString::fromLocal8Bit(erreur.what());
    }
    QString message = Textes::tr("Printing failed: %1\nThe print job was abandoned.").arg(raison);
    // In one-slip-at-a-time printing the slips before the failure are already out.
    const TRemise remise = surface.remise();
    if (!remise.travaux.empty())
        message += QLatin1Char('\n') +
                   texteremise(Textes::tr("Before that, the printer \"%1\" had accepted %2 (%3)."), remise);
    plateforme.messages.message(message, Textes::tr("Problem !!"), Boutons::Ok, Icone::Exclamation);
    return false;
}

// Lets the user stop before marks are lost off the printable area; true to go on.
bool verifiezone(const Plateforme& plateforme, SurfaceImpression& surface, const QString& destination,
                 const std::function<void(SurfaceImpression&)>& travail) {
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
        Textes::tr("Marks outside the area \"%3\" can print: %1 of %2. They would be missing "
                   "on paper; the offsets (Options › Parameters) may be too large.\n\nPrint "
                   "anyway?")
            .arg(zone.dehors)
            .arg(zone.total)
            .arg(destination);
    return plateforme.messages.message(message, Textes::tr("Printing"), Boutons::OuiNon,
                                       Icone::Exclamation) == Reponse::Oui;
}

TLancement lancesurpdf(const Plateforme& plateforme, const std::function<void(SurfaceImpression&)>& travail) {
    Imprimantes& imprimantes = plateforme.imprimantes;
    Messages& messages = plateforme.messages;
    const QString titre = Textes::tr("Printing");
    const Reponse reponse = messages.message(Textes::tr("No printer is installed: nothing can be printed.\n\n"
                                                        "Do you want to save the same pages to a PDF file?"),
                                             titre, Boutons::OuiNon, Icone::Question);
    if (reponse != Reponse::Oui)
        return {};
    const std::string chemin = imprimantes.choisitpdf(Textes::tr("Save the pages as PDF").toStdString());
    if (chemin.empty())
        return {};
    const std::unique_ptr<SurfaceImpression> surface = imprimantes.pdf(chemin);
    if (!verifiezone(plateforme, *surface, QString::fromStdString(chemin), travail) ||
        !execute(plateforme, *surface, travail))
        return {};
    messages.message(
        Textes::tr("The pages were saved to the PDF file:\n%1").arg(QString::fromStdString(chemin)), titre,
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

TLanceurImpression::TLanceurImpression(const Plateforme& plateforme, TDemandeImprimante demande,
                                       std::function<void(SurfaceImpression&)> travail, QObject* parent)
    : QObject(parent), plateforme_(plateforme), demande_(std::move(demande)), travail_(std::move(travail)),
      cups_(plateforme.imprimantes) {
    connect(&cups_, &TTravailCups::filesrecues, this, &TLanceurImpression::suite);
}

TLanceurImpression::~TLanceurImpression() {
    annulation_ = true;
    cups_.annule();
}

bool TLanceurImpression::lance() {
    if (encours_ || !cups_.demandefiles())
        return false;
    encours_ = true;
    annulation_ = false;
    emit attente(TEtapeImpression::recherche);
    return true;
}

void TLanceurImpression::annule() {
    if (!encours_)
        return;
    annulation_ = true;
    cups_.annule();
}

void TLanceurImpression::finit(const TFinImpression& fin) {
    encours_ = false;
    emit termine(fin);
}

void TLanceurImpression::suite(const TReponseCups& reponse, const std::vector<TFile>& files) {
    emit reprise();
    TFinImpression fin;
    fin.serveur = reponse.serveur;
    if (annulation_ || reponse.code == TCodeCups::annule) {
        fin.code = TCodeCups::annule;
        return finit(fin);
    }
    if (reponse.code == TCodeCups::injoignable || reponse.code == TCodeCups::sansreponse) {
        fin.code = reponse.code;
        return finit(fin);
    }
    if (files.empty()) {
        fin.lancement = lancesurpdf(plateforme_, travail_);
        return finit(fin);
    }
    const TDestination choix = destination(files, imprimantememorisee(plateforme_.systeme).toStdString());
    const std::string file =
        choix.file.empty() ? (demande_ ? demande_(files, choix.disparue) : std::string()) : choix.file;
    if (annulation_) {
        fin.code = TCodeCups::annule;
        return finit(fin);
    }
    if (file.empty())
        return finit(fin);
    const std::unique_ptr<SurfaceImpression> surface = plateforme_.imprimantes.imprimante(file);
    // Only the spooler's surface hands jobs over; any other has nothing to wait for.
    if (auto* qt = dynamic_cast<SurfaceQt*>(surface.get()))
        qt->soumetteur([this](const TEnvoiCups& envoi) { return soumetenattendant(envoi); });
    try {
        if (!verifiezone(plateforme_, *surface, QString::fromStdString(file), travail_) ||
            !execute(plateforme_, *surface, travail_))
            return finit(fin);
    } catch (const Interruption& interruption) {
        fin.code = interruption.reponse.code;
        fin.serveur = interruption.reponse.serveur;
        return finit(fin);
    }
    // A run that had nothing to print opened no job, and there is nothing to announce.
    const TRemise remise = surface->remise();
    fin.lancement = {true, remise.travaux.empty()
                               ? QString()
                               : texteremise(Textes::tr("The printer \"%1\" accepted %2 (%3)."), remise)};
    finit(fin);
}

std::int32_t TLanceurImpression::soumetenattendant(const TEnvoiCups& envoi) {
    TReponseCups reponse;
    reponse.code = TCodeCups::annule;
    if (!annulation_) {
        emit attente(TEtapeImpression::envoi);
        reponse = cups_.soumetenattendant(envoi);
        emit reprise();
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

QString texteerreur(const ErreurImpression& erreur) {
    const QString objet = QString::fromStdString(erreur.objet());
    const QString detail = QString::fromStdString(erreur.detail());
    // A reason the system or the printer gave, where the sentence has room for one.
    const QString entreparentheses = detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail);
    const QString travail = QString::number(erreur.travail());
    switch (erreur.cause()) {
    case CauseImpression::AucunTravail:
        //: A programming error: a print run drew on a surface with no job open.
        return Textes::tr("no print job is open (%1)").arg(objet);
    case CauseImpression::AucuneImprimante:
        return Textes::tr("No printer is installed.");
    case CauseImpression::Indisponible:
        return Textes::tr("The printer \"%1\" is not available.").arg(objet);
    case CauseImpression::EcritureImpossible:
        return detail.isEmpty() ? Textes::tr("Cannot write the file \"%1\".").arg(objet)
                                : Textes::tr("Cannot write the file \"%1\" (%2).").arg(objet, detail);
    case CauseImpression::EcritureInterrompue:
        return Textes::tr("Writing the file \"%1\" broke off.").arg(objet);
    case CauseImpression::Preparation:
        return Textes::tr("Cannot prepare the pages for \"%1\" (%2).").arg(objet, detail);
    case CauseImpression::SansReponse:
        return Textes::tr("The printer \"%1\" does not answer (%2).").arg(objet, detail);
    case CauseImpression::Arretee:
        //: %2 is the printer's message in parentheses after a space, or nothing.
        return Textes::tr("The printer \"%1\" is stopped%2: it does not print.").arg(objet, entreparentheses);
    case CauseImpression::Refus:
        return Textes::tr("The printer \"%1\" refused the job: %2").arg(objet, detail);
    case CauseImpression::TravailRetenu:
        //: %3 is the spooler's reason in parentheses after a space, or nothing.
        return Textes::tr("Job %1 was held by the printer \"%2\"%3.").arg(travail, objet, entreparentheses);
    case CauseImpression::TravailArrete:
        //: %3 is the spooler's reason in parentheses after a space, or nothing.
        return Textes::tr("Job %1 was stopped by the printer \"%2\"%3.")
            .arg(travail, objet, entreparentheses);
    case CauseImpression::TravailAnnule:
        //: %3 is the spooler's reason in parentheses after a space, or nothing.
        return Textes::tr("Job %1 was cancelled by the printer \"%2\"%3.")
            .arg(travail, objet, entreparentheses);
    case CauseImpression::TravailInterrompu:
        //: %3 is the spooler's reason in parentheses after a space, or nothing.
        return Textes::tr("Job %1 was aborted by the printer \"%2\"%3.")
            .arg(travail, objet, entreparentheses);
    case CauseImpression::Autre:
        break;
    }
    return detail;
}

} // namespace vormigral

#include "printer/lancement.h"

#include "app/imprimantechoisie.h"
#include "app/textes.h"
#include "printing/zone.h"

#include <QStringList>

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

} // namespace

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

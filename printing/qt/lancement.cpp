#include "printing/qt/lancement.h"

#include "app/textes.h"
#include "printing/imprimantes.h"

#include <exception>
#include <memory>

namespace vormigral {

namespace {

// Every text the print launcher shows, in both languages.
const Legende legendeslancement[] = {
    {"echec", "L'impression a échoué : %1\nLe travail d'impression a été abandonné.",
     "Printing failed: %1\nThe print job was abandoned."},
    {"titre", "Impression", "Printing"},
    {"sansimprimante",
     "Aucune imprimante n'est installée : rien ne peut être imprimé.\n\n"
     "Voulez-vous enregistrer les mêmes pages dans un fichier PDF ?",
     "No printer is installed: nothing can be printed.\n\nDo you want to save the same pages to a PDF file?"},
    {"titrepdf", "Enregistrer les pages en PDF", "Save the pages as PDF"},
    {"pdfecrit", "Les pages ont été enregistrées dans le fichier PDF :\n%1",
     "The pages were saved to the PDF file:\n%1"},
};

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
    plateforme.messages.message(texte(legendeslancement, "echec", en).arg(raison), texte(titreprobleme, en),
                                Boutons::Ok, Icone::Exclamation);
    return false;
}

} // namespace

bool lanceimpression(const Plateforme& plateforme, bool en,
                     const std::function<void(SurfaceImpression&)>& travail) {
    Imprimantes& imprimantes = plateforme.imprimantes;
    Messages& messages = plateforme.messages;
    if (imprimantes.installee()) {
        const std::unique_ptr<SurfaceImpression> surface = imprimantes.imprimante();
        return execute(plateforme, en, *surface, travail);
    }

    const QString titre = texte(legendeslancement, "titre", en);
    const Reponse reponse = messages.message(texte(legendeslancement, "sansimprimante", en), titre,
                                             Boutons::OuiNon, Icone::Question);
    if (reponse != Reponse::Oui)
        return false;
    const std::string chemin = imprimantes.choisitpdf(texte(legendeslancement, "titrepdf", en).toStdString());
    if (chemin.empty())
        return false;
    const std::unique_ptr<SurfaceImpression> surface = imprimantes.pdf(chemin);
    if (!execute(plateforme, en, *surface, travail))
        return false;
    messages.message(texte(legendeslancement, "pdfecrit", en).arg(QString::fromStdString(chemin)), titre,
                     Boutons::Ok, Icone::Information);
    return true;
}

} // namespace vormigral

#include "windows/imprimer.h"

#include "app/imprimantechoisie.h"
#include "app/textes.h"
#include "windows/choiximprimante.h"
#include "windows/outils.h"

#include <QDir>
#include <QToolButton>
#include <QWidget>

#include <cstring>

namespace vormigral {

namespace {

// The printer a print would go to, as the print windows show it.
const Legende legendesimprimer[] = {
    {"prevue", "Imprimante : « %1 »", "Printer: \"%1\""},
    {"prevuedefaut", "Imprimante : « %1 » (par défaut du système)", "Printer: \"%1\" (system default)"},
    {"ademander", "Imprimante : à choisir au moment d'imprimer", "Printer: to be chosen when printing"},
    {"aucune", "Aucune imprimante : les pages pourront être enregistrées en PDF",
     "No printer: the pages can be saved as PDF"},
    {"choixillisible",
     "Le choix d'imprimante enregistré dans %1 ne peut pas être lu (%2) : l'impression se fait comme si "
     "aucune imprimante n'avait été choisie.",
     "The printer choice kept in %1 cannot be read (%2): printing goes on as if no printer had been chosen."},
    {"causedossier", "c'est un dossier", "it is a folder"},
    {"causepasfichier", "ce n'est pas un fichier ordinaire", "it is not a regular file"},
};

} // namespace

Impression::Impression(TEtat& etat, const Plateforme& plateforme,
                       SurDemande<TChoixImprimante>& choiximprimante)
    : etat_(etat), plateforme_(plateforme), choiximprimante_(choiximprimante) {}

QString Impression::imprimantechoisie() {
    const TImprimanteMemorisee lue = lisimprimantememorisee(plateforme_.systeme);
    // Said once a run, before anything is printed or shown.
    if (!lue.illisible() || signale_)
        return lue.file;
    signale_ = true;
    const bool en = anglais(etat_);
    const QString cause = lue.ouverture == Ouverture::Dossier ? texte(legendesimprimer, "causedossier", en)
                          : lue.ouverture == Ouverture::PasFichier
                              ? texte(legendesimprimer, "causepasfichier", en)
                              : qt_error_string(lue.erreur);
    plateforme_.messages.message(
        texte(legendesimprimer, "choixillisible", en).arg(QDir::toNativeSeparators(lue.chemin), cause),
        texte(titreprobleme, en), Boutons::Ok, Icone::Exclamation);
    return lue.file;
}

TLancement Impression::imprime(const std::function<void(SurfaceImpression&)>& travail) {
    imprimantechoisie();
    const auto demande = [this](const std::vector<TFile>& files, bool disparue) {
        return choiximprimante_().demande(files, disparue);
    };
    TLancement resultat = lanceimpression(plateforme_, demande, travail);
    if (resultat.fait && !resultat.annonce.isEmpty())
        emit annonce(resultat.annonce);
    return resultat;
}

std::string Impression::imprimanteapercu() {
    imprimantechoisie();
    return imprimantesansdemande(plateforme_);
}

QString Impression::imprimanteprevue() {
    const bool en = anglais(etat_);
    const std::vector<TFile> files = plateforme_.imprimantes.files();
    if (files.empty())
        return texte(legendesimprimer, "aucune", en);
    const QString memorisee = imprimantechoisie();
    const TDestination prevue = destination(files, memorisee.toStdString());
    if (prevue.file.empty())
        return texte(legendesimprimer, "ademander", en);
    // Without a choice of the user's own, the queue found is the system's default.
    return texte(legendesimprimer, memorisee.isEmpty() ? "prevuedefaut" : "prevue", en)
        .arg(QString::fromStdString(prevue.file));
}

QToolButton* petitbouton(QWidget* parent, const char* nom, const QRect& geometrie, const char* image) {
    auto* bouton = place<QToolButton>(parent, nom, geometrie);
    bouton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bouton->setIcon(
        QIcon(pixmapsvg(QStringLiteral(":/images/boutons/%1.svg").arg(QLatin1String(image)), {16, 16})));
    bouton->setIconSize({16, 16});
    bouton->setFocusPolicy(Qt::StrongFocus);
    return bouton;
}

} // namespace vormigral

#include "windows/imprimer.h"

#include "app/imprimantechoisie.h"
#include "app/textes.h"
#include "windows/choiximprimante.h"
#include "windows/outils.h"
#include "windows/principale.h"

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
};

} // namespace

TLancement imprime(Contexte& contexte, const std::function<void(SurfaceImpression&)>& travail) {
    const auto demande = [&contexte](const std::vector<TFile>& files, bool disparue) {
        return surdemande(contexte, contexte.choiximprimante).demande(files, disparue);
    };
    TLancement resultat = lanceimpression(contexte.plateforme, anglais(contexte.etat), demande, travail);
    if (resultat.fait && !resultat.annonce.isEmpty())
        contexte.form1->annonce(resultat.annonce);
    return resultat;
}

QString imprimanteprevue(Contexte& contexte) {
    const bool en = anglais(contexte.etat);
    const std::vector<TFile> files = contexte.plateforme.imprimantes.files();
    if (files.empty())
        return texte(legendesimprimer, "aucune", en);
    const QString memorisee = imprimantememorisee(contexte.plateforme.systeme);
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

#include "windows/imprimer.h"

#include "app/imprimantechoisie.h"
#include "windows/choiximprimante.h"
#include "windows/outils.h"

#include <QDir>
#include <QToolButton>
#include <QWidget>

#include <cstring>

namespace vormigral {

Impression::Impression(const Plateforme& plateforme, SurDemande<TChoixImprimante>& choiximprimante)
    : plateforme_(plateforme), choiximprimante_(choiximprimante) {}

QString Impression::imprimantechoisie() {
    const TImprimanteMemorisee lue = lisimprimantememorisee(plateforme_.systeme);
    // Said once a run, before anything is printed or shown.
    if (!lue.illisible() || signale_)
        return lue.file;
    signale_ = true;
    const QString cause = lue.ouverture == Ouverture::Dossier      ? tr("it is a folder")
                          : lue.ouverture == Ouverture::PasFichier ? tr("it is not a regular file")
                                                                   : qt_error_string(lue.erreur);
    plateforme_.messages.message(
        tr("The printer choice kept in %1 cannot be read (%2): printing goes on as if "
           "no printer had been chosen.")
            .arg(QDir::toNativeSeparators(lue.chemin), cause),
        tr("Problem !!"), Boutons::Ok, Icone::Exclamation);
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
    const std::vector<TFile> files = plateforme_.imprimantes.files();
    if (files.empty())
        return tr("No printer: the pages can be saved as PDF");
    const QString memorisee = imprimantechoisie();
    const TDestination prevue = destination(files, memorisee.toStdString());
    if (prevue.file.empty())
        return tr("Printer: to be chosen when printing");
    const QString file = QString::fromStdString(prevue.file);
    // Without a choice of the user's own, the queue found is the system's default.
    return memorisee.isEmpty() ? tr("Printer: \"%1\" (system default)").arg(file)
                               : tr("Printer: \"%1\"").arg(file);
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

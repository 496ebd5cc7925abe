#include "app/arretmesure.h"
#include "app/langue.h"
#include "app/lignecommande.h"
#include "app/plateforme_qt.h"
#include "app/tailleaffichage.h"
#include "app/volumes_qt.h"
#include "printer/imprimantes_qt.h"
#include "windows/application.h"
#include "windows/principale.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    using vormigral::TLigneCommande;
    // --help and --version answer at once, even where no display can be opened.
    if (const TLigneCommande demande = vormigral::analyselignecommande(argc, argv);
        demande.action == TLigneCommande::Action::Afficher) {
        std::fputs(demande.texte.toLocal8Bit().constData(), stdout);
        return 0;
    }
    // Qt takes the scale of every window from the environment when the application is made: the
    // size the user chose is read first, from where the configuration folder will be.
    QCoreApplication::setApplicationName(QStringLiteral("VORMIGRAL"));
    vormigral::SystemeQt systeme;
    vormigral::EchelleAffichage echelle(vormigral::listailleaffichage(systeme));
    QApplication programme(argc, argv);
    echelle.retablit();
    // QApplication has taken its own options out of argv: what remains is not ours either.
    if (const TLigneCommande demande = vormigral::analyselignecommande(argc, argv);
        demande.action == TLigneCommande::Action::Refuser) {
        std::fputs(demande.texte.toLocal8Bit().constData(), stderr);
        return 2;
    }
    vormigral::initialiseapplication();
    vormigral::MessagesQt messages;
    vormigral::AideQt aide(systeme);
    vormigral::HasardQt hasard;
    vormigral::VolumesQt volumes;
    vormigral::ImprimantesQt imprimantes;
    vormigral::ChoixFichiersQt fichiers;
    vormigral::HorlogeQt horloge;
    vormigral::Langue langue;
    vormigral::Application application(
        {messages, aide, systeme, hasard, volumes, imprimantes, fichiers, horloge}, langue);
    vormigral::arretapresaffichage(application.principale());
    application.principale().show();
    application.principale().activateWindow();
    return QApplication::exec();
}

#include "app/arretmesure.h"
#include "app/plateforme_qt.h"
#include "app/volumes_qt.h"
#include "printing/qt/imprimantes_qt.h"
#include "windows/application.h"
#include "windows/principale.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication programme(argc, argv);
    vormigral::initialiseapplication();
    vormigral::MessagesQt messages;
    vormigral::SystemeQt systeme;
    vormigral::AideQt aide(systeme);
    vormigral::HasardQt hasard;
    vormigral::VolumesQt volumes;
    vormigral::ImprimantesQt imprimantes;
    vormigral::Application application({messages, aide, systeme, hasard, volumes, imprimantes});
    messages.suitlangue(&application.contexte().etat.parametres.langue);
    vormigral::arretapresaffichage(application.principale());
    application.principale().show();
    application.principale().activateWindow();
    return QApplication::exec();
}

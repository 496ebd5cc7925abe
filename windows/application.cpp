#include "windows/application.h"

#include "windows/accessibilite.h"
#include "windows/apropos.h"
#include "windows/choixfichier.h"
#include "windows/choixlangue.h"
#include "windows/comparaison.h"
#include "windows/dialogueimpression.h"
#include "windows/fenetreparametres.h"
#include "windows/listegrilles.h"
#include "windows/outils.h"
#include "windows/principale.h"
#include "windows/visionneuse.h"

#include "vormigral/projet.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <csignal>

static void initressources() {
    Q_INIT_RESOURCE(vormigral);
}

namespace vormigral {

namespace {

template <class T> std::unique_ptr<T> cree(Contexte& contexte, T*& place) {
    auto fenetre = std::make_unique<T>(contexte);
    place = fenetre.get();
    return fenetre;
}

} // namespace

Application::Application(const Plateforme& plateforme) : contexte_{TEtat{}, plateforme} {
    form1_ = cree(contexte_, contexte_.form1);
    form2_ = cree(contexte_, contexte_.form2);
    apropos_ = cree(contexte_, contexte_.apropos);
    form5_ = cree(contexte_, contexte_.form5);
    form8_ = cree(contexte_, contexte_.form8);
    form6_ = cree(contexte_, contexte_.form6);
    form7_ = cree(contexte_, contexte_.form7);
    form9_ = cree(contexte_, contexte_.form9);
    form10_ = cree(contexte_, contexte_.form10);
}

Application::~Application() = default;

void initialiseapplication() {
    // A write past the process's file-size limit must fail like a full disk, with the save's own
    // message and its temporary file removed, instead of killing the program and its unsaved work.
    std::signal(SIGXFSZ, SIG_IGN);
    initressources();
    QApplication::setApplicationName(QStringLiteral("VORMIGRAL"));
    // Every window, dialogs and help included, carries the program's icon at any size the desktop asks
    // for, and the desktop ties the windows to the menu entry of that name.
    QApplication::setWindowIcon(iconeprogramme());
    QGuiApplication::setDesktopFileName(QLatin1String(identifiantbureau));
    installeaccessibilite();
}

void traduitqt(bool anglais) {
    // English is Qt's own language; French comes from the translations Debian ships with Qt.
    static QPointer<QTranslator> francais;
    static bool installe = false;
    if (!francais) {
        francais = new QTranslator(qApp);
        installe = false;
        if (!francais->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qWarning("Qt's French translations (qtbase_fr.qm) not found: Qt's dialogs stay in English");
    }
    if (francais->isEmpty() || installe == !anglais)
        return;
    installe = !anglais;
    if (installe)
        QCoreApplication::installTranslator(francais);
    else
        QCoreApplication::removeTranslator(francais);
}

} // namespace vormigral

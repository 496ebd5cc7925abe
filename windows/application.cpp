#include "windows/application.h"

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

#include <QApplication>

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
    installepolices();
}

} // namespace vormigral

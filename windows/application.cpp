#include "windows/application.h"

#include "app/langue.h"
#include "windows/accessibilite.h"
#include "windows/analyse.h"
#include "windows/apercu.h"
#include "windows/apropos.h"
#include "windows/calage.h"
#include "windows/choixfichier.h"
#include "windows/choiximprimante.h"
#include "windows/choixlangue.h"
#include "windows/comparaison.h"
#include "windows/dialogueimpression.h"
#include "windows/fenetreparametres.h"
#include "windows/historique.h"
#include "windows/imprimer.h"
#include "windows/listegrilles.h"
#include "windows/mesroues.h"
#include "windows/outils.h"
#include "windows/principale.h"
#include "windows/tailleaffichage.h"
#include "windows/visionneuse.h"

#include "vormigral/projet.h"

#include <QApplication>
#include <QIcon>

#include <csignal>

static void initressources() {
    Q_INIT_RESOURCE(vormigral);
}

namespace vormigral {

Application::Application(const Plateforme& plateforme, Langue& langue)
    : plateforme_(plateforme), choiximprimante_([this](QWidget* proprietaire) {
          return new TChoixImprimante(plateforme_, *imprime_, proprietaire);
      }),
      apercu_([this](QWidget* proprietaire) { return new TApercu(etat_, *imprime_, proprietaire); }),
      calage_([this](QWidget* proprietaire) { return new TCalage(etat_, *imprime_, apercu_, proprietaire); }),
      analyse_([this, &langue](QWidget* proprietaire) { return new TAnalyse(etat_, langue, proprietaire); }),
      historique_(
          [this](QWidget* proprietaire) { return new THistorique(etat_, plateforme_, proprietaire); }),
      tailleaffichage_(
          [this](QWidget* proprietaire) { return new TTailleAffichage(plateforme_, proprietaire); }),
      mesroues_([this](QWidget* proprietaire) {
          return new TMesRoues(
              etat_, plateforme_, FenetresRoues{*visionneuse_, *liste_, *dialogueimpression_, historique_},
              plateforme_.systeme.repertoiredonnees() + QStringLiteral("roues"), proprietaire);
      }) {
    etat_.parexiste = reglages_.charge(etat_, plateforme_.systeme);
    langue.applique(etat_.parametres.langue);
    imprime_ = std::make_unique<Impression>(plateforme_, choiximprimante_);
    visionneuse_ = std::make_unique<TForm2>(etat_);
    apropos_ = std::make_unique<Tapropos>();
    dialogueimpression_ =
        std::make_unique<TForm7>(etat_, plateforme_.messages, *imprime_, apercu_, choiximprimante_);
    liste_ = std::make_unique<TForm5>(etat_, *imprime_, apercu_, *dialogueimpression_);
    comparaison_ = std::make_unique<TForm8>(etat_, plateforme_.messages);
    choixfichier_ = std::make_unique<TForm6>(langue, plateforme_.volumes);
    parametres_ = std::make_unique<TForm9>(etat_);
    choixlangue_ = std::make_unique<TForm10>(etat_);
    principale_ = std::make_unique<TForm1>(
        etat_, plateforme_, reglages_, langue,
        FenetresPrincipale{*visionneuse_, *liste_, *comparaison_, *dialogueimpression_, *choixfichier_,
                           *parametres_, *choixlangue_, *apropos_, analyse_, historique_, choiximprimante_,
                           calage_, tailleaffichage_, mesroues_});
    choiximprimante_.confie(*principale_);
    apercu_.confie(*principale_);
    calage_.confie(*principale_);
    analyse_.confie(*principale_);
    historique_.confie(*principale_);
    tailleaffichage_.confie(*principale_);
    mesroues_.confie(*principale_);
    QObject::connect(imprime_.get(), &Impression::annonce, principale_.get(), &TForm1::annonce);
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

} // namespace vormigral

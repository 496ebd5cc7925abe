// Times the comparison of method 47 (371 grids) with a draw: the engine alone, then the whole
// window on the offscreen platform (selectors read, grids expanded, the hidden viewer redrawn after
// each expansion, the list filled and the counters shown).
//
//   bench_comparison [repetitions]

#include "app/langue.h"
#include "app/plateforme_qt.h"
#include "app/volumes_qt.h"
#include "engine/cases.h"
#include "engine/comparaison.h"
#include "printer/imprimantes_qt.h"
#include "tools/bench_common/banc.h"
#include "windows/application.h"
#include "windows/comparaison.h"
#include "windows/principale.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace vormigral;
using namespace vormigral::banc;

namespace {

constexpr int methode47 = 47;

void coche(TEtat& etat) {
    etat.casescoch.fill(0);
    for (int n : {2, 5, 9, 14, 17, 23, 26, 30, 34, 39, 41, 44, 46, 48})
        etat.casescoch[static_cast<std::size_t>(n)] = 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication programme(argc, argv);
    initialiseapplication();

    TTirage tirage;
    tirage.numeros = {5, 14, 23, 30, 41, 46};
    tirage.complementaire = 9;

    // The engine alone, without a viewer to redraw.
    TEtat etat;
    initmethodes(etat.methodes);
    coche(etat);
    construitnumcoch(etat);
    etat.methodecour = methode47;
    etat.nbgrilles = etat.methodes[methode47].nbgrilles;
    TComparaison dernier;
    const Mesure moteur = mesure(repetitions, [&] { dernier = comparemethode(etat, tirage); });

    // The window, through its button, with the viewer installed and redrawn after each expansion.
    MessagesMuets messages;
    AideMuette aide;
    const QTemporaryDir dossier;
    SystemeTemporaire systeme(dossier.path());
    HasardFixe hasard;
    VolumesQt volumes;
    ImprimantesQt imprimantes;
    ChoixFichiersQt fichiers;
    HorlogeQt horloge;
    Langue langue;
    Application application({messages, aide, systeme, hasard, volumes, imprimantes, fichiers, horloge},
                            langue);
    TForm1& principale = application.principale();
    QComboBox* liste = principale.methodes();
    for (int i = 0; i < liste->count(); ++i)
        if (methodedutexte(liste->itemText(i).toStdString()) == methode47)
            liste->setCurrentIndex(i);
    coche(application.etat());
    principale.construitnumcoch();
    TForm8* fenetre = &application.comparaison();
    fenetre->show();
    const char* selecteurs[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4",
                                "ComboBox5", "ComboBox6", "ComboBox7"};
    const int valeurs[] = {5, 14, 23, 30, 41, 46, 9};
    for (int i = 0; i < 7; ++i)
        fenetre->findChild<QComboBox*>(QString::fromLatin1(selecteurs[i]))->setCurrentIndex(valeurs[i] - 1);
    auto* bouton = fenetre->findChild<QPushButton*>(QStringLiteral("Button1"));
    const Mesure fenetrage = mesure(repetitions, [&] {
        bouton->click();
        QCoreApplication::processEvents();
    });
    const int lignes = fenetre->findChild<QListWidget*>(QStringLiteral("listresul"))->count();
    fenetre->close();

    const TCompteurs& c = dernier.compteurs;
    std::printf("Method %d, %zu grids, draw 5 14 23 30 41 46 + 9, %d repetitions\n", methode47,
                dernier.lignes.size(), repetitions);
    std::printf("  classes: 6=%d 5+C=%d 5=%d 4+C=%d 4=%d 3+C=%d 3=%d\n", c[TClasse::nb6], c[TClasse::nb5c],
                c[TClasse::nb5], c[TClasse::nb4c], c[TClasse::nb4], c[TClasse::nb3c], c[TClasse::nb3]);
    std::printf("  engine only       : median %8.3f ms, best %8.3f ms per comparison\n", moteur.mediane,
                moteur.minimum);
    std::printf("  window (offscreen): median %8.3f ms, best %8.3f ms per comparison (%d lines listed)\n",
                fenetrage.mediane, fenetrage.minimum, lignes);
    return messages.messages == 0 && lignes == static_cast<int>(dernier.lignes.size()) ? 0 : 1;
}

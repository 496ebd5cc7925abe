// Times of the largest jobs the printing does: the 371 grids of method 47 printed on slips (to a
// PDF file through the Qt surface, as without a printer), its 371-line list printed, and the list
// window filled with the 371 lines. Run: bench_printing [repetitions]
//
// With --service-muet, how long the printers' listing of a preview or of Options › Printer holds
// the window's thread when the print service takes the connection and never answers: the longest
// gap between two turns of a 10 ms timer during the wait, with the wait run out and cancelled.
//   bench_printing --service-muet

#include "app/langue.h"
#include "app/plateforme_qt.h"
#include "app/volumes_qt.h"
#include "engine/cases.h"
#include "printer/imprimantes_qt.h"
#include "printer/surface_qt.h"
#include "printer/travailcups.h"
#include "printing/calage.h"
#include "printing/impression.h"
#include "printing/liste.h"
#include "windows/apercu.h"
#include "windows/application.h"
#include "windows/imprimer.h"
#include "windows/listegrilles.h"
#include "windows/principale.h"

#include "tools/bench_common/banc.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vormigral;

namespace {

constexpr int methodegrande = 47;

// Median and fastest of n timed runs, in milliseconds.
void mesure(const char* quoi, int n, const std::function<void()>& travail) {
    std::vector<double> temps;
    for (int i = 0; i < n; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        travail();
        temps.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(temps.begin(), temps.end());
    std::printf("%-52s median %8.2f ms   fastest %8.2f ms   (%d runs)\n", quoi, temps[temps.size() / 2],
                temps.front(), n);
}

// One listing of the printers; `annule`: the wait's Cancel pressed after `apres` ms.
void listesilencieuse(Impression& impression, bool annule, int apres) {
    double ecartmax = 0;
    auto dernier = std::chrono::steady_clock::now();
    QTimer minuterie;
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        const auto maintenant = std::chrono::steady_clock::now();
        ecartmax =
            std::max(ecartmax, std::chrono::duration<double, std::milli>(maintenant - dernier).count());
        dernier = maintenant;
    });
    QElapsedTimer depuisannulation;
    if (annule)
        QTimer::singleShot(apres, [&depuisannulation] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* attente = qobject_cast<QProgressDialog*>(w); attente && attente->isVisible()) {
                    depuisannulation.start();
                    attente->findChild<QPushButton*>()->click();
                }
        });
    QElapsedTimer duree;
    duree.start();
    minuterie.start(10);
    TCodeCups code = TCodeCups::ok;
    impression.listefiles(code);
    const double total = duree.nsecsElapsed() / 1e6;
    std::printf("%-40s %7.0f ms in all, the window's thread held at most %5.1f ms",
                annule ? "cancelled" : "run out", total, ecartmax);
    if (depuisannulation.isValid())
        std::printf(", over %.1f ms after Cancel", depuisannulation.nsecsElapsed() / 1e6);
    std::printf(" (code %d)\n", static_cast<int>(code));
}

int servicemuet() {
    QTemporaryDir dossier;
    // Listening, never accepting: the kernel takes the connection, and nothing ever answers.
    const QByteArray chemin = QFile::encodeName(dossier.filePath(QStringLiteral("cups.sock")));
    const int ecoute = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    std::copy_n(chemin.constData(), std::min<std::size_t>(chemin.size(), sizeof adresse.sun_path - 1),
                adresse.sun_path);
    if (::bind(ecoute, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) != 0 ||
        ::listen(ecoute, 16) != 0) {
        std::perror("socket");
        return 1;
    }
    qputenv("CUPS_SERVER", chemin);
    banc::MessagesMuets messages;
    banc::SystemeTemporaire systeme(dossier.path());
    banc::AideMuette aide;
    banc::HasardFixe hasard;
    VolumesQt volumes;
    ImprimantesQt imprimantes;
    ChoixFichiersQt fichiers;
    HorlogeQt horloge;
    Langue langue;
    Application application({messages, aide, systeme, hasard, volumes, imprimantes, fichiers, horloge},
                            langue);
    std::printf("printers listed from a print service that never answers (limit %lld ms):\n",
                static_cast<long long>(TTravailCups::delaipardefaut.count()));
    listesilencieuse(application.impressions(), false, 0);
    listesilencieuse(application.impressions(), true, 1000);
    std::printf("messages shown: %d (the silence, once)\n", messages.messages);
    ::close(ecoute);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication programme(argc, argv);
    initialiseapplication();
    if (argc > 1 && std::string(argv[1]) == "--service-muet")
        return servicemuet();
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    MessagesQt messages;
    SystemeQt systeme;
    AideQt aide(systeme);
    HasardQt hasard;
    VolumesQt volumes;
    ImprimantesQt imprimantes;
    ChoixFichiersQt fichiers;
    HorlogeQt horloge;
    Langue langue;
    Application application({messages, aide, systeme, hasard, volumes, imprimantes, fichiers, horloge},
                            langue);
    TEtat& etat = application.etat();
    QComboBox* liste = application.principale().methodes();
    for (int i = 0; i < liste->count(); ++i)
        if (methodedutexte(liste->itemText(i).toStdString()) == methodegrande)
            liste->setCurrentIndex(i);
    const int nb = etat.methodes[methodegrande].nbnumeros;
    for (int t = 1; t <= nb; ++t)
        etat.casescoch[3 * t] = 1;
    construitnumcoch(etat);
    std::printf("method %d: %d numbers, %d grids\n", methodegrande, nb,
                etat.methodes[methodegrande].nbgrilles);

    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("bulletins.pdf"));
    TBilanImpression bilan;
    mesure("371 grids printed on type 1 slips, to PDF", n, [&] {
        SurfaceQt surface(fichier);
        bilan = imprimebulletins(etat, surface, methodegrande, 1, 1, 1, 371, {});
    });
    std::printf("    %d slips, %d grids, %lld bytes\n", bilan.pages, bilan.grilles,
                QFileInfo(fichier).size());
    mesure("371 grids printed on type 2 slips, to PDF", n, [&] {
        SurfaceQt surface(fichier);
        bilan = imprimebulletins(etat, surface, methodegrande, 2, 1, 1, 371, {});
    });
    std::printf("    %d slips, %d grids, %lld bytes\n", bilan.pages, bilan.grilles,
                QFileInfo(fichier).size());
    mesure("371-line list printed, to PDF", n, [&] {
        SurfaceQt surface(fichier);
        bilan = imprimeliste(etat, surface, methodegrande, "LISTE DES BULLETINS");
    });
    std::printf("    %d pages, %d lines, %lld bytes\n", bilan.pages, bilan.grilles,
                QFileInfo(fichier).size());

    // The preview: the run on a preview surface, the slips' picture, and every page painted as the
    // preview window paints them (on a PDF printer here, the window's own printer being its view).
    mesure("371 grids previewed on type 1 slips, every page painted", n, [&] {
        SurfaceQt pages(SurfaceQt::Sortie::Apercu, QString());
        bilan = imprimebulletins(etat, pages, methodegrande, 1, 1, 1, 371, {});
        SurfaceQt bulletin(SurfaceQt::Sortie::Apercu, QString());
        bulletin.ouvre(documentbulletins);
        dessinebulletin(bulletin, etat.parametres, etat.typesbulletin[1]);
        bulletin.ferme();
        TApercu& apercu = application.apercu()();
        apercu.prepare(pages, &bulletin, GenreApercu::Bulletins, {});
        QPrinter vue(QPrinter::HighResolution);
        vue.setOutputFormat(QPrinter::PdfFormat);
        vue.setOutputFileName(fichier);
        apercu.peint(&vue);
    });
    std::printf("    %d slips\n", bilan.pages);

    TForm5& form5 = application.liste();
    mesure("371-line list filled in the list window", n, [&] { form5.remplitliste(); });
    std::printf("    %d lines\n", form5.findChild<QListWidget*>(QStringLiteral("listbull"))->count());
    return 0;
}

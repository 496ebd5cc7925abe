// Times the draw history on 3,000 draws: reading a 3,000-line file (preview against an empty
// and against a full history), storing the draws in a fresh SQLite file in one transaction,
// reading them back, and checking the 371 grids of method 47 against all of them, in the engine
// alone and through the window's button on the offscreen platform (table filled and sorted).
//
// With --million, storing 1,000,000 new draws in a fresh history through the importer (a thread
// of its own, chunks inside one transaction), then the same draws again (all already stored), then
// a run cancelled half-way: the time of each, the longest the calling thread's 10 ms timer went
// without firing, the time to read them all back, and the process's peak memory.
//
// With --memoire, the peak memory of an import of the largest files taken (just under 32 MB) of
// four kinds, each in a process of its own: from the window's import button to its preview (file
// read, lines analysed, preview built), above what the process held before the click.
//
//   bench_history [repetitions]
//   bench_history --million
//   bench_history --memoire

#include "app/plateforme_qt.h"
#include "app/volumes_qt.h"
#include "engine/cases.h"
#include "history/importation.h"
#include "history/recapitulatif.h"
#include "printer/imprimantes_qt.h"
#include "storage/basetirages.h"
#include "storage/importeur.h"
#include "tools/bench_common/banc.h"
#include "windows/application.h"
#include "windows/historique.h"
#include "windows/outils.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace vormigral;
using namespace vormigral::banc;

namespace {

constexpr int nbtirages = 3000;
constexpr int methode47 = 47;

// A published-style file: header, ";" separators, DD/MM/YYYY dates, balls in draw order, and
// columns the import skips. Two draws a week from 1995.
std::string fichier() {
    std::mt19937 hasard(3000);
    std::string texte =
        "numero_tirage;jour_de_tirage;date_de_tirage;date_de_forclusion;boule_1;boule_2;boule_3;"
        "boule_4;boule_5;boule_6;boule_complementaire;rapport_du_rang1\r\n";
    std::vector<int> urne(49);
    int jour = 0;
    for (int i = 0; i < nbtirages; ++i) {
        std::iota(urne.begin(), urne.end(), 1);
        std::shuffle(urne.begin(), urne.end(), hasard);
        jour += i % 2 == 0 ? 3 : 4;
        const int annee = 1995 + jour / 336;
        const int mois = 1 + (jour / 28) % 12;
        const int j = 1 + jour % 28;
        char ligne[160];
        std::snprintf(ligne, sizeof ligne,
                      "%d;MERCREDI;%02d/%02d/%d;01/01/%d;%d;%d;%d;%d;%d;%d;%d;1 234 567,80\r\n", i + 1, j,
                      mois, annee, annee + 1, urne[0], urne[1], urne[2], urne[3], urne[4], urne[5], urne[6]);
        texte += ligne;
    }
    return texte;
}

// The files of the memory figures: as many lines of one kind as fit in the largest file taken.
std::string fichiermemoire(const std::string& sorte) {
    std::string texte;
    texte.reserve(tailleimportmax);
    const auto remplit = [&](const auto& ligne) {
        for (long i = 0;; ++i) {
            const std::string l = ligne(i);
            if (texte.size() + l.size() > tailleimportmax)
                return;
            texte += l;
        }
    };
    // A draw, every one a new one: a day from 1901 on, numbers moved up past every 45,000 days.
    const auto tirage = [](long i) {
        const int b = static_cast<int>(i / 45000);
        std::string ligne =
            QDate(1901, 1, 1).addDays(i % 45000).toString(QStringLiteral("dd/MM/yyyy")).toStdString();
        for (int n = 1; n <= 7; ++n)
            ligne += ';' + std::to_string(n + b);
        return ligne + '\n';
    };
    // A file without a single draw is refused before any preview: each kind holds one at least.
    if (sorte == "rejetees-courtes") // 4 bytes, too few fields
        remplit([&](long i) { return i == 0 ? tirage(0) : std::string("1;2\n"); });
    else if (sorte == "rejetees-dates") // 25 bytes, no such day
        remplit([&](long i) { return i == 0 ? tirage(0) : std::string("32/01/2024;1;2;3;4;5;6;7\n"); });
    else if (sorte == "vides") // 1 byte, blank lines among a few draws
        remplit([&](long i) { return i % 100000 == 0 ? tirage(i / 100000) : std::string("\n"); });
    else // 25 bytes
        remplit(tirage);
    return texte;
}

// A line of /proc/self/status, in kibibytes.
long statut(const char* champ) {
    std::ifstream status("/proc/self/status");
    std::string mot;
    while (status >> mot)
        if (mot == champ) {
            long ko = 0;
            status >> ko;
            return ko;
        }
    return -1;
}

// Answers the import dialog with one file.
class ChoixUnFichier final : public ChoixFichiers {
public:
    explicit ChoixUnFichier(QString chemin) : chemin_(std::move(chemin)) {}
    QString alire(const QString&, const QString&) override { return chemin_; }
    QString aecrire(const QString&, const QString&, const QString&) override { return {}; }

private:
    QString chemin_;
};

// One kind of file, in a process of its own so that its peak is its own.
int mesurememoire(int argc, char* argv[], const std::string& sorte) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication programme(argc, argv);
    initialiseapplication();
    const QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("tirages.csv"));
    long lignes = 0;
    std::size_t taille = 0;
    {
        const std::string texte = fichiermemoire(sorte);
        lignes = static_cast<long>(std::count(texte.begin(), texte.end(), '\n'));
        taille = texte.size();
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(texte.data(), static_cast<qint64>(taille)) != qint64(taille))
            return 1;
    }
    SystemeTemporaire systeme(dossier.path());
    MessagesMuets messages;
    AideMuette aide;
    HasardFixe hasard;
    VolumesQt volumes;
    ImprimantesQt imprimantes;
    ChoixUnFichier fichiers(chemin);
    HorlogeQt horloge;
    TEtat etat;
    initmethodes(etat.methodes);
    THistorique fenetre(etat, {messages, aide, systeme, hasard, volumes, imprimantes, fichiers, horloge});
    fenetre.show();
    QCoreApplication::processEvents();
    // The preview is closed, storing nothing, once it shows.
    QString resume;
    QTimer fermeture;
    QObject::connect(&fermeture, &QTimer::timeout, [&] {
        QWidget* apercu = QApplication::activeModalWidget();
        if (apercu && apercu->objectName() == QLatin1String("ApercuImport")) {
            if (auto* l = apercu->findChild<QLabel*>(QStringLiteral("lresume")))
                resume = l->text();
            apercu->close();
        }
    });
    fermeture.start(5);
    // Forget the peak so far: what follows is the import's.
    std::ofstream("/proc/self/clear_refs") << "5";
    const long avant = statut("VmRSS:");
    const auto debut = std::chrono::steady_clock::now();
    fenetre.findChild<QPushButton*>(QStringLiteral("bimporter"))->click();
    const double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    const long pic = statut("VmHWM:");
    std::printf("  %-17s %5.1f MB, %9ld lines: peak %7.1f MiB above %5.1f MiB (%.2f s)\n    %s\n",
                sorte.c_str(), static_cast<double>(taille) / 1e6, lignes,
                static_cast<double>(pic - avant) / 1024, static_cast<double>(avant) / 1024, secondes,
                qPrintable(resume));
    std::fflush(stdout);
    return resume.isEmpty() || messages.messages != 0 ? 1 : 0;
}

// Each kind in a child process, one after the other.
int memoire(int argc, char* argv[]) {
    std::printf("Import of the largest files taken, from the button to the preview:\n");
    std::fflush(stdout);
    int echecs = 0;
    for (const char* sorte : {"rejetees-courtes", "rejetees-dates", "vides", "tirages"}) {
        const pid_t enfant = ::fork();
        if (enfant == 0)
            ::_exit(mesurememoire(argc, argv, sorte));
        int statut = 0;
        ::waitpid(enfant, &statut, 0);
        if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
            std::printf("  %-17s failed (status %d)\n", sorte, statut);
            ++echecs;
        }
        std::fflush(stdout);
    }
    return echecs == 0 ? 0 : 1;
}

// One run of the importer: its time, and the longest gap of the calling thread's timer.
struct Passe {
    double millisecondes = 0;
    double ecartmax = 0;
    double apresannulation = 0; // from the cancel to the end
    TStockageTirages::TBilan bilan;
};

Passe importe(const QString& chemin, const std::vector<TTirageDate>& tirages, bool annule) {
    TImporteur importeur;
    Passe passe;
    using Horloge = std::chrono::steady_clock;
    QEventLoop boucle;
    Horloge::time_point annulation;
    QObject::connect(&importeur, &TImporteur::termine, [&](const TStockageTirages::TBilan& b) {
        passe.bilan = b;
        if (annule)
            passe.apresannulation =
                std::chrono::duration<double, std::milli>(Horloge::now() - annulation).count();
        boucle.quit();
    });
    if (annule)
        QObject::connect(&importeur, &TImporteur::progression, [&](qint64 fait, qint64 total) {
            if (2 * fait >= total && annulation == Horloge::time_point{}) {
                annulation = Horloge::now();
                importeur.annule();
            }
        });
    auto dernier = Horloge::now();
    QTimer minuterie;
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        const auto maintenant = Horloge::now();
        passe.ecartmax =
            std::max(passe.ecartmax, std::chrono::duration<double, std::milli>(maintenant - dernier).count());
        dernier = maintenant;
    });
    minuterie.start(10);
    const auto debut = Horloge::now();
    importeur.lance(chemin, tirages);
    boucle.exec();
    passe.millisecondes = std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
    return passe;
}

int million(int argc, char* argv[]) {
    QCoreApplication programme(argc, argv);
    const long avant = statut("VmRSS:");
    std::vector<TTirageDate> tirages;
    tirages.reserve(1000000);
    for (long i = 0; i < 1000000; ++i) {
        const QDate jour = QDate(1901, 1, 1).addDays(i % 45000);
        const int b = static_cast<int>(i / 45000);
        tirages.push_back(
            {{jour.year(), jour.month(), jour.day()}, {{1 + b, 2 + b, 3 + b, 4 + b, 5 + b, 6 + b}, 7 + b}});
    }
    const QTemporaryDir dossier;
    TBaseTirages base;
    base.ouvre(dossier.path());
    const Passe neufs = importe(base.chemin(), tirages, false);
    const Passe presents = importe(base.chemin(), tirages, false);
    const Passe annulee = importe(base.chemin(), tirages, true);
    const auto debut = std::chrono::steady_clock::now();
    std::vector<TTirageDate> lus;
    base.lit(lus);
    const double lecture =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    const double taille = double(QFileInfo(base.chemin()).size()) / (1024 * 1024);
    std::printf("1,000,000 draws through the importer (chunks of %zu, one transaction)\n",
                TBaseTirages::tranche);
    std::printf("  store, all new          : %8.0f ms, timer gap at most %5.1f ms (%zu stored)\n",
                neufs.millisecondes, neufs.ecartmax, neufs.bilan.ajoutes);
    std::printf("  store, all already there: %8.0f ms, timer gap at most %5.1f ms (%zu skipped)\n",
                presents.millisecondes, presents.ecartmax, presents.bilan.presents);
    std::printf(
        "  cancelled half-way      : %8.0f ms, timer gap at most %5.1f ms, %.0f ms from the cancel to the "
        "end (nothing stored: %s)\n",
        annulee.millisecondes, annulee.ecartmax, annulee.apresannulation,
        annulee.bilan.erreur == TStockageTirages::TErreur::annulee ? "yes" : "no");
    std::printf("  read them all back      : %8.0f ms (%zu draws), history file %.1f MiB\n", lecture,
                lus.size(), taille);
    std::printf(
        "  peak memory             : %8ld KiB (%ld KiB before the draws were made; the draws take %zu KiB)\n",
        statut("VmHWM:"), avant, tirages.size() * sizeof(TTirageDate) / 1024);
    const bool juste = neufs.bilan.ajoutes == tirages.size() && presents.bilan.presents == tirages.size() &&
                       annulee.bilan.erreur == TStockageTirages::TErreur::annulee &&
                       lus.size() == tirages.size();
    return juste ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::string(argv[1]) == "--memoire")
        return memoire(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "--million")
        return million(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication programme(argc, argv);
    initialiseapplication();

    const std::string texte = fichier();
    TProjetImport apercu;
    const TDate aujourdhui{2030, 1, 1};
    const Mesure lecture = mesure(repetitions, [&] { apercu = analyseimport(texte, {}, aujourdhui); });
    std::vector<TTirageDate> tirages;
    for (const TLigneTirage& l : apercu.aajouter)
        tirages.push_back(l.tirage);
    TProjetImport relu;
    const Mesure relecture = mesure(repetitions, [&] { relu = analyseimport(texte, tirages, aujourdhui); });

    bool ecrit = true;
    const Mesure stockage = mesure(std::max(1, repetitions / 4), [&] {
        QTemporaryDir dossier;
        TBaseTirages base;
        base.ouvre(dossier.path());
        ecrit = ecrit && base.stocke(tirages).reussi();
    });
    // The window below finds its history where these draws are stored.
    const QTemporaryDir dossier;
    SystemeTemporaire systeme(dossier.path());
    TBaseTirages base;
    base.ouvre(systeme.repertoiredonnees());
    base.stocke(tirages);
    std::vector<TTirageDate> stockes;
    const Mesure chargement = mesure(repetitions, [&] { base.lit(stockes); });

    TEtat etat;
    initmethodes(etat.methodes);
    for (int n : {2, 5, 9, 14, 17, 23, 26, 30, 34, 39, 41, 44, 46, 48})
        etat.casescoch[static_cast<std::size_t>(n)] = 1;
    construitnumcoch(etat);
    etat.methodechoisie = methode47;
    std::vector<TMasque> grilles;
    const Mesure expansion = mesure(repetitions, [&] { grilles = grillesdelaserie(etat); });
    TRecapitulatif b;
    const Mesure verification = mesure(
        repetitions, [&] { b = recapitule(grilles, masquecoches(etat), garantie(methode47), stockes); });

    std::printf("%d draws, %d repetitions (storage: %d)\n", nbtirages, repetitions,
                std::max(1, repetitions / 4));
    std::printf(
        "  read the file, empty history    : median %8.3f ms, best %8.3f ms (%zu to add, %zu rejected)\n",
        lecture.mediane, lecture.minimum, apercu.aajouter.size(), apercu.rejetees.size());
    std::printf("  read the file, all stored       : median %8.3f ms, best %8.3f ms (%zu already stored)\n",
                relecture.mediane, relecture.minimum, relu.presents.size());
    std::printf("  store in a new SQLite file      : median %8.3f ms, best %8.3f ms (one transaction)\n",
                stockage.mediane, stockage.minimum);
    std::printf("  load the stored draws           : median %8.3f ms, best %8.3f ms (%zu draws)\n",
                chargement.mediane, chargement.minimum, stockes.size());
    std::printf("  expand method 47                : median %8.3f ms, best %8.3f ms (%zu grids)\n",
                expansion.mediane, expansion.minimum, grilles.size());
    std::printf("  check %zu grids x %zu draws     : median %8.3f ms, best %8.3f ms\n", grilles.size(),
                stockes.size(), verification.mediane, verification.minimum);
    // The window, its history holding the same draws.
    MessagesMuets messages;
    AideQt aide(systeme);
    HasardQt hasard;
    VolumesQt volumes;
    ImprimantesQt imprimantes;
    ChoixFichiersQt fichiers;
    HorlogeQt horloge;
    THistorique fenetre(etat, {messages, aide, systeme, hasard, volumes, imprimantes, fichiers, horloge});
    fenetre.show();
    fenetre.findChild<QTabWidget*>(QStringLiteral("onglets"))->setCurrentIndex(1);
    QCoreApplication::processEvents();
    auto* bouton = fenetre.findChild<QPushButton*>(QStringLiteral("bverifier"));
    const Mesure fenetrage = mesure(repetitions, [&] {
        bouton->click();
        QCoreApplication::processEvents();
    });
    const std::size_t lignes = fenetre.recapitulatif().tirages.size();
    fenetre.close();
    std::printf("  the same through the window     : median %8.3f ms, best %8.3f ms (%zu rows shown)\n",
                fenetrage.mediane, fenetrage.minimum, lignes);

    const TCompteurs& t = b.totaux;
    std::printf("  classes: 6=%d 5+C=%d 5=%d 4+C=%d 4=%d 3+C=%d 3=%d; promise applied %d, kept %d\n",
                t[TClasse::nb6], t[TClasse::nb5c], t[TClasse::nb5], t[TClasse::nb4c], t[TClasse::nb4],
                t[TClasse::nb3c], t[TClasse::nb3], b.promises, b.tenues);
    const bool complet = ecrit && apercu.aajouter.size() == nbtirages && stockes.size() == nbtirages &&
                         relu.presents.size() == nbtirages && grilles.size() == 371 && lignes == nbtirages &&
                         messages.messages == 0;
    return complet ? 0 : 1;
}

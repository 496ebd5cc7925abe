// Start-up of VORMIGRAL against a bare Qt window and a richer baseline (bench_startup_baseline).
// Each program runs until its main window is first painted (VORMIGRAL_ARRET_AFFICHAGE, see
// app/arretmesure.h), in the same start folder. Starts are interleaved, one of each per round, and
// the figures are medians: CPU time of the whole process (user + system, from wait4) and its peak
// resident memory; with --callgrind, the instructions callgrind counts on the offscreen platform.
//
// bench_startup --programme VORMIGRAL --temoin TEMOIN [--dossier DIR] [--tours N]
//                 [--callgrind OUTDIR] [--sans-temps]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Candidat {
    const char* nom;
    std::vector<std::string> commande;
    std::vector<double> cpu; // ms
    std::vector<double> pic; // MiB
    std::optional<double> instructions;
};

struct Options {
    std::string programme;
    std::string temoin;
    std::string dossier = ".";
    int tours = 60;
    std::string callgrind;
    bool temps = true;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: bench_startup --programme VORMIGRAL --temoin TEMOIN [--dossier DIR]\n"
                         "                       [--tours N] [--callgrind OUTDIR] [--sans-temps]\n");
    std::exit(2);
}

Options lis(int argc, char* argv[]) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto valeur = [&]() -> std::string {
            if (i + 1 >= argc)
                usage();
            return argv[++i];
        };
        if (a == "--programme")
            o.programme = valeur();
        else if (a == "--temoin")
            o.temoin = valeur();
        else if (a == "--dossier")
            o.dossier = valeur();
        else if (a == "--tours")
            o.tours = std::max(1, std::atoi(valeur().c_str()));
        else if (a == "--callgrind")
            o.callgrind = valeur();
        else if (a == "--sans-temps")
            o.temps = false;
        else
            usage();
    }
    if (o.programme.empty() || o.temoin.empty())
        usage();
    // The programs start in the start folder: their paths must not depend on the current one.
    for (std::string* chemin : {&o.programme, &o.temoin}) {
        if (char* absolu = realpath(chemin->c_str(), nullptr)) {
            *chemin = absolu;
            std::free(absolu);
        }
    }
    return o;
}

// Runs `commande` in `dossier` to its end; its rusage, or nothing when it failed. A start that never
// paints is stopped by the alarm, which survives exec.
std::optional<rusage> lance(const std::vector<std::string>& commande, const std::string& dossier,
                            bool offscreen, unsigned limite) {
    const pid_t pid = fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0) {
        if (chdir(dossier.c_str()) != 0)
            _exit(126);
        // What the programs say (the offscreen platform's notices, say) would bury the figures.
        if (!std::getenv("BENCH_DEMARRAGE_BAVARD"))
            freopen("/dev/null", "w", stderr);
        setenv("VORMIGRAL_ARRET_AFFICHAGE", "1", 1);
        if (offscreen)
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        else
            unsetenv("QT_QPA_PLATFORM");
        std::vector<char*> args;
        for (const std::string& a : commande)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        alarm(limite);
        execvp(args[0], args.data());
        _exit(127);
    }
    int statut = 0;
    rusage usage{};
    if (wait4(pid, &statut, 0, &usage) != pid || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
        std::fprintf(stderr, "failed: %s (status %d; BENCH_DEMARRAGE_BAVARD=1 shows what it said)\n",
                     commande[0].c_str(), statut);
        return std::nullopt;
    }
    return usage;
}

double milli(const timeval& t) {
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The total of a callgrind profile ("totals:" or, failing that, "summary:").
std::optional<double> totalcallgrind(const std::string& fichier) {
    std::ifstream f(fichier);
    std::string ligne;
    std::optional<double> total;
    while (std::getline(f, ligne)) {
        if (ligne.rfind("totals:", 0) == 0 || (!total && ligne.rfind("summary:", 0) == 0))
            total = std::strtod(ligne.c_str() + ligne.find(':') + 1, nullptr);
    }
    return total;
}

int compteentrees(const std::string& dossier) {
    std::string commande = "ls -A '" + dossier + "' | wc -l";
    FILE* p = popen(commande.c_str(), "r");
    int n = -1;
    if (p) {
        if (std::fscanf(p, "%d", &n) != 1)
            n = -1;
        pclose(p);
    }
    return n;
}

void ratio(double a, double b, const char* sur) {
    std::printf("  %5.2fx %s", a / b, sur);
}

} // namespace

int main(int argc, char* argv[]) {
    const Options o = lis(argc, argv);
    std::vector<Candidat> candidats = {
        {"bare window", {o.temoin, "nue"}, {}, {}, {}},
        {"rich baseline", {o.temoin, "riche"}, {}, {}, {}},
        {"VORMIGRAL", {o.programme}, {}, {}, {}},
    };
    std::printf("Start folder: %s (%d entries)\n", o.dossier.c_str(), compteentrees(o.dossier));
    int echecs = 0;

    if (o.temps) {
        // One round unmeasured, so that every program finds the file-system and font caches warm.
        for (Candidat& c : candidats)
            echecs += !lance(c.commande, o.dossier, false, 60);
        for (int tour = 0; tour < o.tours; ++tour) {
            for (Candidat& c : candidats) {
                const std::optional<rusage> u = lance(c.commande, o.dossier, false, 60);
                if (!u) {
                    ++echecs;
                    continue;
                }
                c.cpu.push_back(milli(u->ru_utime) + milli(u->ru_stime));
                c.pic.push_back(u->ru_maxrss / 1024.0);
            }
        }
        std::printf("To the first painted main window, %d interleaved starts each, medians:\n", o.tours);
        const Candidat& nue = candidats[0];
        const Candidat& riche = candidats[1];
        for (const Candidat& c : candidats) {
            if (c.cpu.empty())
                continue;
            std::printf("  %-14s CPU %7.1f ms  peak RSS %6.1f MiB", c.nom, mediane(c.cpu), mediane(c.pic));
            if (&c != &nue && !nue.cpu.empty()) {
                ratio(mediane(c.cpu), mediane(nue.cpu), "bare CPU");
                if (&c != &riche && !riche.cpu.empty())
                    ratio(mediane(c.cpu), mediane(riche.cpu), "rich CPU");
                ratio(mediane(c.pic), mediane(nue.pic), "bare RSS");
            }
            std::printf("\n");
        }
    }

    if (!o.callgrind.empty()) {
        std::printf("Counted instructions (callgrind, offscreen, to the first painted main window):\n");
        for (Candidat& c : candidats) {
            const std::string sortie =
                o.callgrind + "/" + (c.commande.size() > 1 ? c.commande[1] : "vormigral") + ".callgrind";
            std::vector<std::string> commande = {"valgrind", "--tool=callgrind", "--quiet",
                                                 "--callgrind-out-file=" + sortie};
            commande.insert(commande.end(), c.commande.begin(), c.commande.end());
            if (!lance(commande, o.dossier, true, 600)) {
                ++echecs;
                continue;
            }
            c.instructions = totalcallgrind(sortie);
        }
        for (const Candidat& c : candidats) {
            if (!c.instructions)
                continue;
            std::printf("  %-14s %8.1f M", c.nom, *c.instructions / 1e6);
            if (&c == &candidats[2] && candidats[0].instructions && candidats[1].instructions) {
                ratio(*c.instructions, *candidats[0].instructions, "bare");
                ratio(*c.instructions, *candidats[1].instructions, "rich");
            }
            std::printf("\n");
        }
        std::printf("  profiles in %s (callgrind_annotate --inclusive=yes FILE)\n", o.callgrind.c_str());
    }
    return echecs == 0 ? 0 : 1;
}

// bench_wheels: the wheel search against the best known sizes and the methods' tables, and the
// time of the exhaustive check of large wheels. Every wheel printed as ours was checked again,
// exhaustively, here.
//
//   bench_wheels [--seconds S] [--seed X] [--cells] [--methods] [--check] [--cell N T M]...
//
// Without a choice it runs all three parts: --check times the check of "3 if 6" wheels on 49
// numbers; --cells builds "t if t" for 3 if 3 with N = 7..24, 4 if 4 with N = 7..16, 5 if 5 with
// N = 7..12 and 2 if 2 with N = 7..30; --methods builds a wheel for the parameters of each of the
// 50 methods; --cell builds only "T if M" among N (repeatable) and skips the rest. Each build has S
// seconds (30 by default) on every core.

#include "analysis/analyse.h"
#include "engine/methodes.h"
#include "engine/tablegrilles.h"
#include "wheels/bornes.h"
#include "wheels/construction.h"
#include "wheels/controle.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <tuple>

using namespace vormigral;

namespace {

using Horloge = std::chrono::steady_clock;

struct Mesure {
    int taille = 0;
    double secondes = 0;
    bool verifiee = false;
    std::int64_t borne = 0;
    int connue = 0;
};

Mesure construit(int n, int t, int m, double secondes, std::uint32_t graine) {
    const TResultatRoue r = construitroue(demanderoue(n, t, m, secondes, graine));
    Mesure x;
    x.taille = static_cast<int>(r.roue.grilles.size());
    x.secondes = r.secondes;
    x.verifiee = roueverifiee(r.roue);
    x.borne = r.faisabilite.borne;
    x.connue = r.faisabilite.connue;
    return x;
}

double millisecondes(Horloge::time_point debut) {
    return 1000.0 * std::chrono::duration<double>(Horloge::now() - debut).count();
}

// The check of "3 if 6" on 49 numbers: a random set of 163 grids (holes everywhere, the walk
// goes deep), and a wheel that keeps the guarantee, built here from two "3 if 3" wheels on 24 and
// 25 numbers (six numbers drawn, one of the two parts holds three of them).
void verification(double secondes, std::uint32_t graine) {
    std::mt19937 gen(graine);
    std::vector<std::uint64_t> auhasard;
    while (auhasard.size() < 163) {
        std::uint64_t g = 0;
        while (__builtin_popcountll(g) < 6)
            g |= std::uint64_t{1} << (gen() % 49);
        auhasard.push_back(g);
    }
    auto debut = Horloge::now();
    const TControle c = controle(auhasard, 49, 3, 6, 10);
    std::printf("check of 163 random grids, 3 if 6 among 49: %.0f ms, %lld holes among %lld sets\n",
                millisecondes(debut), static_cast<long long>(c.trous), static_cast<long long>(c.nbensembles));
    // The same count the plain way, every set against every grid, as a cross-check and a yardstick.
    debut = Horloge::now();
    std::int64_t trous = 0;
    for (std::uint64_t s = (std::uint64_t{1} << 6) - 1; s < (std::uint64_t{1} << 49);) {
        bool tenu = false;
        for (const std::uint64_t g : auhasard)
            if (__builtin_popcountll(g & s) >= 3) {
                tenu = true;
                break;
            }
        trous += tenu ? 0 : 1;
        const std::uint64_t bas = s & (~s + 1);
        const std::uint64_t monte = s + bas;
        s = monte | (((s ^ monte) >> 2) / bas);
    }
    std::printf("the same, every set against every grid: %.0f ms, %lld holes\n", millisecondes(debut),
                static_cast<long long>(trous));
    std::vector<std::uint64_t> roue;
    for (const int partie : {24, 25}) {
        const TResultatRoue r = construitroue(demanderoue(partie, 3, 3, secondes / 2, graine));
        const int decalage = partie == 24 ? 0 : 24;
        for (const std::uint64_t g : r.roue.grilles)
            roue.push_back(g << decalage);
    }
    debut = Horloge::now();
    const TControle v = controle(roue, 49, 3, 6, 10);
    std::printf("check of a %zu-grid wheel 3 if 6 among 49: %.0f ms, %lld holes\n", roue.size(),
                millisecondes(debut), static_cast<long long>(v.trous));
    debut = Horloge::now();
    const TControle u = controle(roue, 49, 3, 6, 10, 1);
    std::printf("the same on one thread: %.0f ms\n", millisecondes(debut));
    // What the wheel really gives, as the analysis window shows it: the best grid of every set of
    // 3, 4, 5 and 6 numbers among the 49 (the 14 million sets of six included) and the odds.
    for (const auto& [nom, grilles] :
         {std::pair{"the same wheel", roue}, std::pair{"the 163 random grids", auhasard}}) {
        debut = Horloge::now();
        const TBilan bilan = analysetable(49, grilles, TGarantie{3, 6});
        std::printf("analysis of %s (sets of 3 to 6 among 49): %.0f ms, %lld sets of six short of 3\n", nom,
                    millisecondes(debut), static_cast<long long>(bilan.manques));
    }
    std::fflush(stdout);
    (void)u;
}

std::string ecart(int nous, int reference) {
    if (reference <= 0 || nous <= 0)
        return "";
    if (nous == reference)
        return "=";
    char texte[32];
    std::snprintf(texte, sizeof texte, "%+d (%+.1f%%)", nous - reference,
                  100.0 * (nous - reference) / reference);
    return texte;
}

using Cle = std::tuple<int, int, int>;

// The size of the method table with these parameters, 0 when no method has them.
int tablede(int n, int t, int m) {
    TMethodes catalogue;
    initmethodes(catalogue);
    for (int k = 1; k <= nbmethodes; ++k) {
        const TGarantie g = garantie(k);
        if (catalogue[static_cast<std::size_t>(k)].nbnumeros == n && g.x == t && g.y == m)
            return catalogue[static_cast<std::size_t>(k)].nbgrilles;
    }
    return 0;
}

// Each cell is judged against the best known size when the program can cite one; otherwise
// against the lower bound, or the program's own method table when it is smaller than the wheel.
void cellules(double secondes, std::uint32_t graine, std::map<Cle, Mesure>& faites) {
    std::printf("\n| Cell | Reference | Lower bound | Ours | vs reference | Seconds | Verified |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    int total = 0;
    int atteintes = 0;
    int cinq = 0;
    int citees = 0;
    int citeesatteintes = 0;
    int citeescinq = 0;
    const std::vector<std::tuple<int, int, int>> plages = {{3, 7, 24}, {4, 7, 16}, {5, 7, 12}, {2, 7, 30}};
    for (const auto& [t, debut, fin] : plages)
        for (int n = debut; n <= fin; ++n) {
            const Mesure x = construit(n, t, t, secondes, graine);
            faites[{n, t, t}] = x;
            const int table = tablede(n, t, t);
            int reference = x.connue;
            std::string nom = std::to_string(x.connue);
            if (reference == 0 && x.taille == x.borne) {
                reference = x.taille;
                nom = "(bound) " + std::to_string(reference);
            } else if (reference == 0 && table > 0 && table < x.taille) {
                reference = table;
                nom = "(method table) " + std::to_string(reference);
            } else if (reference == 0) {
                reference = static_cast<int>(x.borne);
                nom = "(bound) " + std::to_string(reference);
            }
            ++total;
            atteintes += x.taille <= reference ? 1 : 0;
            cinq += x.taille <= reference * 1.05 ? 1 : 0;
            if (x.connue > 0) {
                ++citees;
                citeesatteintes += x.taille <= x.connue ? 1 : 0;
                citeescinq += x.taille <= x.connue * 1.05 ? 1 : 0;
            }
            std::printf("| %d if %d among %d | %s | %lld | %d | %s | %.1f | %s |\n", t, t, n, nom.c_str(),
                        static_cast<long long>(x.borne), x.taille, ecart(x.taille, reference).c_str(),
                        x.secondes, x.verifiee ? "yes" : "NO");
            std::fflush(stdout);
        }
    std::printf("\ncells: %d; at their reference: %d; within 5%%: %d\n", total, atteintes, cinq);
    std::printf("cells with a cited best known size: %d; at it: %d; within 5%%: %d\n", citees,
                citeesatteintes, citeescinq);
}

void methodes(double secondes, std::uint32_t graine, std::map<Cle, Mesure>& faites) {
    TMethodes catalogue;
    initmethodes(catalogue);
    std::printf("\n| Method | N | Guarantee | Table | Ours | Difference | Seconds | Verified |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    int battues = 0;
    int egales = 0;
    for (int m = 1; m <= nbmethodes; ++m) {
        const int n = catalogue[static_cast<std::size_t>(m)].nbnumeros;
        const int table = catalogue[static_cast<std::size_t>(m)].nbgrilles;
        const TGarantie g = garantie(m);
        const Cle cle{n, g.x, g.y};
        if (faites.find(cle) == faites.end())
            faites[cle] = construit(n, g.x, g.y, secondes, graine);
        const Mesure& x = faites[cle];
        battues += x.taille < table ? 1 : 0;
        egales += x.taille == table ? 1 : 0;
        std::printf("| %d | %d | %d if %d | %d | %d | %+d | %.1f | %s |\n", m, n, g.x, g.y, table, x.taille,
                    x.taille - table, x.secondes, x.verifiee ? "yes" : "NO");
        std::fflush(stdout);
    }
    std::printf("\nmethods beaten: %d, equalled: %d, larger: %d\n", battues, egales,
                nbmethodes - battues - egales);
}

} // namespace

int main(int argc, char** argv) {
    double secondes = 30;
    std::uint32_t graine = 1;
    bool verif = false;
    bool cells = false;
    bool meth = false;
    std::vector<Cle> seules;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seconds" && i + 1 < argc) {
            secondes = std::max(1.0, std::atof(argv[++i]));
        } else if (a == "--seed" && i + 1 < argc) {
            graine = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (a == "--cell" && i + 3 < argc) {
            seules.emplace_back(std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3]));
            i += 3;
        } else if (a == "--check") {
            verif = true;
        } else if (a == "--cells") {
            cells = true;
        } else if (a == "--methods") {
            meth = true;
        } else {
            std::fprintf(stderr,
                         "usage: bench_wheels [--seconds S] [--seed X] [--cells] [--methods] [--check] "
                         "[--cell N T M]...\n");
            return 2;
        }
    }
    if (!seules.empty()) {
        for (const auto& [n, t, m] : seules) {
            const Mesure x = construit(n, t, m, secondes, graine);
            std::printf("%d if %d among %d: %d grids (lower bound %lld, best known %d, method table %d), "
                        "%.1f s, verified: %s\n",
                        t, m, n, x.taille, static_cast<long long>(x.borne), x.connue, tablede(n, t, m),
                        x.secondes, x.verifiee ? "yes" : "NO");
            std::fflush(stdout);
        }
        return 0;
    }
    if (!verif && !cells && !meth)
        verif = cells = meth = true;
    std::printf("%u threads, %.0f s per build, seed %u\n", std::max(1u, std::thread::hardware_concurrency()),
                secondes, graine);
    std::map<Cle, Mesure> faites;
    if (verif)
        verification(secondes, graine);
    if (cells)
        cellules(secondes, graine, faites);
    if (meth)
        methodes(secondes, graine, faites);
    return 0;
}

// bench_tables: how long the exhaustive check of the 50 wheel tables takes, and how long the
// search takes to rebuild each searched table from the program's plan.
//
//   bench_tables [--passes P] [--methodes all | none | M,M,...]
//
// By default every planned method is searched except 48, whose search takes minutes; name it (or
// give "all") to include it. Each rebuilt table is compared with the one compiled into the engine.

#include "tools/wheelsearch/recherche.h"

#include "engine/methodes.h"
#include "engine/tablegrilles.h"
#include "engine/verification.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace vormigral;

namespace {

using Horloge = std::chrono::steady_clock;

double depuis(Horloge::time_point debut) {
    return std::chrono::duration<double>(Horloge::now() - debut).count();
}

bool memetable(const std::vector<TGrilleTable>& grilles, const TTableGrilles& table) {
    return static_cast<std::int32_t>(grilles.size()) == table.nbgrilles &&
           std::equal(grilles.begin(), grilles.end(), table.grilles);
}

int usage() {
    std::fprintf(stderr, "usage: bench_tables [--passes P] [--methodes all | none | M,M,...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int passes = 20;
    std::string choix;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--passes" && i + 1 < argc)
            passes = std::max(1, std::atoi(argv[++i]));
        else if (a == "--methodes" && i + 1 < argc)
            choix = argv[++i];
        else
            return usage();
    }
    std::set<int> voulues;
    if (choix.empty() || choix == "all") {
        for (const TPlan& p : planprogramme())
            if (!choix.empty() || p.methode != 48)
                voulues.insert(p.methode);
    } else if (choix != "none") {
        std::stringstream flux(choix);
        std::string m;
        while (std::getline(flux, m, ','))
            voulues.insert(std::atoi(m.c_str()));
    }

    // The check of every table, as the test run does it.
    std::vector<double> parmethode(nbmethodes + 1, 0.0);
    int pleines = 0;
    const auto debut = Horloge::now();
    for (int p = 0; p < passes; ++p) {
        pleines = 0;
        for (int m = 1; m <= nbmethodes; ++m) {
            const auto t = Horloge::now();
            if (garantiepleine(verifiemethode(m)))
                ++pleines;
            parmethode[static_cast<std::size_t>(m)] += depuis(t);
        }
    }
    const double total = depuis(debut);
    std::printf("check of all 50 tables: %.2f ms per pass (mean of %d passes), %d/50 in full\n",
                1000.0 * total / passes, passes, pleines);
    std::vector<int> ordre;
    for (int m = 1; m <= nbmethodes; ++m)
        ordre.push_back(m);
    std::sort(ordre.begin(), ordre.end(), [&](int a, int b) {
        return parmethode[static_cast<std::size_t>(a)] > parmethode[static_cast<std::size_t>(b)];
    });
    std::printf("  slowest:");
    for (std::size_t i = 0; i < 5; ++i)
        std::printf(" method %d %.3f ms%s", ordre[i],
                    1000.0 * parmethode[static_cast<std::size_t>(ordre[i])] / passes, i + 1 < 5 ? "," : "\n");

    if (voulues.empty())
        return 0;
    std::printf("search of the planned tables (method:seed, :oC orbits, :eK sets per step):\n");
    double recherches = 0;
    bool toutesegales = true;
    for (const TPlan& plan : planprogramme()) {
        if (voulues.count(plan.methode) == 0)
            continue;
        const TResultatRecherche r = recherche(paramsmethode(plan));
        recherches += r.secondes;
        const bool egale = r.reussi && memetable(r.grilles, tablecherchee(plan.methode));
        toutesegales = toutesegales && egale;
        std::string entree = std::to_string(plan.methode) + ":" + std::to_string(plan.graine);
        if (plan.orbite != 0)
            entree += ":o" + std::to_string(plan.orbite);
        if (plan.echantillon != 1)
            entree += ":e" + std::to_string(plan.echantillon);
        std::printf("  %-9s %10lld steps %9.3f s  %s\n", entree.c_str(), static_cast<long long>(r.pas),
                    r.secondes,
                    !r.reussi ? "NOT SOLVED"
                    : egale   ? "same table as the engine's"
                              : "DIFFERS from the engine's");
        std::fflush(stdout);
    }
    std::printf("  total %.2f s\n", recherches);
    return toutesegales ? 0 : 1;
}

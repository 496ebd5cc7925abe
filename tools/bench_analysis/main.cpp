// bench_analysis: how long the whole analysis of a method takes (the best grid of every set of 3 to 6
// positions, the promise, the odds of a draw), as the analysis window computes it on opening.
//
//   bench_analysis [--passes P]

#include "analysis/analyse.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vormigral;

namespace {

using Horloge = std::chrono::steady_clock;

// Milliseconds per analysis of method m, the mean of `passes` runs; `total` keeps the result alive.
double mesure(int m, int passes, std::int64_t& total) {
    const auto debut = Horloge::now();
    for (int p = 0; p < passes; ++p)
        total += analysemethode(m).chances.aumoins[3];
    return 1000.0 * std::chrono::duration<double>(Horloge::now() - debut).count() / passes;
}

} // namespace

int main(int argc, char** argv) {
    int passes = 20;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--passes" && i + 1 < argc) {
            passes = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: bench_analysis [--passes P]\n");
            return 2;
        }
    }
    std::int64_t total = 0;
    for (const int m : {50, 47, 15}) {
        const TBilan a = analysemethode(m);
        std::int64_t cas = 0;
        for (const TRepartition& r : a.repartitions)
            cas += r.nbcas;
        std::printf("method %d (%d numbers, %d grids, %lld sets of 3 to 6): %.3f ms per analysis\n", m,
                    a.nbnumeros, a.nbgrilles, static_cast<long long>(cas), mesure(m, passes, total));
    }
    double toutes = 0;
    double pire = 0;
    int lente = 0;
    for (int m = 1; m <= nbmethodes; ++m) {
        const double t = mesure(m, passes, total);
        toutes += t;
        if (t > pire) {
            pire = t;
            lente = m;
        }
    }
    std::printf("all 50 methods: %.2f ms in all (slowest: method %d, %.3f ms); mean of %d passes\n", toutes,
                lente, pire, passes);
    return total > 0 ? 0 : 1;
}

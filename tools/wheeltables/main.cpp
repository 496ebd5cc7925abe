// wheeltables: prints the program's wheel tables and checks each one exhaustively.
//
//   wheeltables --dump       every table, one method per line, then the check of each method
//   wheeltables --verifie    the check only
//   wheeltables --coverage [M]
//                            for every method (or method M) and k = 3..6, one line "M k: c6 c5 c4 c3
//                            c2 c1 c0": c_h sets of k positions out of the method's N have a best
//                            grid holding exactly h of them
//
// Exit status 1 when a table breaks its shape (row count, positions, ascending order, unused
// position) or when a set falls short by more than one number; shortfalls of one are reported only.

#include "analysis/analyse.h"
#include "engine/methodes.h"
#include "engine/tablegrilles.h"
#include "engine/verification.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vormigral;

namespace {

void affichetable(int m) {
    const TTableGrilles table = tablegrilles(m);
    std::string ligne = std::to_string(m) + ":";
    for (int g = 0; g < table.nbgrilles; ++g) {
        if (g > 0)
            ligne += " /";
        for (const std::int32_t p : table.grilles[g])
            ligne += " " + std::to_string(p);
    }
    std::printf("%s\n", ligne.c_str());
}

void affichecouverture(int m) {
    for (const TRepartition& r : analysemethode(m).repartitions) {
        std::printf("%d %d:", m, r.k);
        for (int h = 6; h >= 0; --h)
            std::printf(" %lld", static_cast<long long>(r.comptes[static_cast<std::size_t>(h)]));
        std::printf("\n");
    }
}

int usage() {
    std::fprintf(stderr, "usage: wheeltables --dump | --verifie | --coverage [M]\n");
    return 2;
}

// The methods named on the command line after --coverage: all of them, or the one given.
bool couverture(int argc, char** argv) {
    if (argc == 2) {
        for (int m = 1; m <= nbmethodes; ++m)
            affichecouverture(m);
        return true;
    }
    char* fin = nullptr;
    const long m = std::strtol(argv[2], &fin, 10);
    if (argc != 3 || *argv[2] == '\0' || *fin != '\0' || m < 1 || m > nbmethodes)
        return false;
    affichecouverture(static_cast<int>(m));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc >= 2 ? argv[1] : "";
    if (mode == "--coverage")
        return couverture(argc, argv) ? 0 : usage();
    if (argc != 2 || (mode != "--dump" && mode != "--verifie"))
        return usage();
    TMethodes methodes;
    initmethodes(methodes);
    if (mode == "--dump")
        for (int m = 1; m <= nbmethodes; ++m)
            affichetable(m);

    int pleines = 0;
    bool fautes = false;
    for (int m = 1; m <= nbmethodes; ++m) {
        const TGarantie promesse = garantie(m);
        const TVerification v = verifiemethode(m);
        std::printf("check %d: %d if %d among %d in %d grids: %lld sets of %d, %lld short of %d, %lld short "
                    "of %d%s%s\n",
                    m, promesse.x, promesse.y, methodes[m].nbnumeros, methodes[m].nbgrilles,
                    static_cast<long long>(v.nbsousensembles), promesse.y, static_cast<long long>(v.sousx),
                    promesse.x, static_cast<long long>(v.sousxmoins1), promesse.x - 1,
                    v.defaut.empty() ? "" : "; table fault: ", v.defaut.c_str());
        if (garantiepleine(v))
            ++pleines;
        if (!v.defaut.empty() || v.sousxmoins1 > 0)
            fautes = true;
    }
    std::printf("%d/%d methods meet their guarantee in full\n", pleines, nbmethodes);
    return fautes ? 1 : 0;
}

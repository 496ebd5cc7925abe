// wheeltables: prints the program's wheel tables and checks each one exhaustively.
//
//   wheeltables --dump       every table, one method per line, then the check of each method
//   wheeltables --verifie    the check only
//
// Exit status 1 when a table breaks its shape (row count, positions, ascending order, unused
// position) or when a set falls short by more than one number; shortfalls of one are reported only.

#include "engine/methodes.h"
#include "engine/tablegrilles.h"
#include "engine/verification.h"

#include <cstdio>
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

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 2 ? argv[1] : "";
    if (mode != "--dump" && mode != "--verifie") {
        std::fprintf(stderr, "usage: wheeltables --dump | --verifie\n");
        return 2;
    }
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

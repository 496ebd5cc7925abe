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
//
//   wheeltables --build N T M [--seconds S] [--seed X]
//                            builds a wheel "T if M" among N (wheels/construction.h) and prints it
//                            on stdout, one grid per line, six positions separated by one blank;
//                            progress and figures go to stderr. Exit 0 only with a verified wheel,
//                            1 when the request is beyond reach or no wheel was found, 2 when N is
//                            not in 7..49 or not 2 <= T <= M <= 6.
//   wheeltables --check T M FILE
//                            checks the wheel in FILE (one grid per line, N its largest position or
//                            the N of its header) for "T if M" and prints its holes; exit 0 when
//                            it has none, 1 when it has some or FILE is not a wheel.
//
// Usage errors exit 2.

#include "analysis/analyse.h"
#include "engine/methodes.h"
#include "engine/tablegrilles.h"
#include "engine/verification.h"
#include "files/ecriture.h"
#include "wheels/construction.h"
#include "wheels/controle.h"
#include "wheels/texte.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

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
    std::fprintf(stderr,
                 "usage: wheeltables --dump | --verifie | --coverage [M] | --build N T M [--seconds S] "
                 "[--seed X] | --check T M FILE\n");
    return 2;
}

// A whole decimal number in [bas, haut].
bool entier(const char* texte, long bas, long haut, long& valeur) {
    char* fin = nullptr;
    errno = 0;
    valeur = std::strtol(texte, &fin, 10);
    return *texte != '\0' && *fin == '\0' && errno == 0 && valeur >= bas && valeur <= haut;
}

const char* raison(Portee p) {
    switch (p) {
    case Portee::Demande:
        return "N must lie in 7..49 and 2 <= T <= M <= 6";
    case Portee::Ensembles:
        return "too many sets of M numbers to keep in memory";
    case Portee::Grilles:
        return "the wheel would need too many grids";
    case Portee::Mouvements:
        return "each change of a grid would touch too many sets, or a first wheel would take too long";
    case Portee::Possible:
        break;
    }
    return "";
}

int construit(int argc, char** argv) {
    long n = 0;
    long t = 0;
    long m = 0;
    if (argc < 5 || !entier(argv[2], 0, 1000, n) || !entier(argv[3], 0, 1000, t) ||
        !entier(argv[4], 0, 1000, m))
        return usage();
    TDemandeRoue d;
    d.nbnumeros = static_cast<int>(n);
    d.t = static_cast<int>(t);
    d.m = static_cast<int>(m);
    for (int i = 5; i < argc; i += 2) {
        const std::string option = argv[i];
        long v = 0;
        if (i + 1 >= argc)
            return usage();
        if (option == "--seconds" && entier(argv[i + 1], 1, 86400, v))
            d.secondes = static_cast<double>(v);
        else if (option == "--seed" && entier(argv[i + 1], 0, 4294967295L, v))
            d.graine = static_cast<std::uint32_t>(v);
        else
            return usage();
    }
    Construction c(d);
    if (controledemande(d.nbnumeros, d.t, d.m) != Demande::Valide) {
        std::fprintf(stderr, "%s\n", raison(Portee::Demande));
        return usage();
    }
    if (!c.lance()) {
        const TResultatRoue r = c.resultat();
        std::fprintf(stderr, "refused: %s (lower bound %lld, best known %d, %lld sets)\n",
                     raison(r.faisabilite.portee), static_cast<long long>(r.faisabilite.borne),
                     r.faisabilite.connue, static_cast<long long>(r.faisabilite.ensembles));
        return 1;
    }
    int vue = 0;
    while (!c.finie()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const TAvancement a = c.avancement();
        if (a.meilleure != vue) {
            vue = a.meilleure;
            std::fprintf(stderr, "%7.2f s: %d grids (lower bound %lld, best known %d)\n", a.secondes,
                         a.meilleure, static_cast<long long>(a.borne), a.connue);
        }
    }
    const TResultatRoue r = c.resultat();
    if (r.roue.grilles.empty() || !roueverifiee(r.roue)) {
        std::fprintf(stderr, "no verified wheel after %.2f s\n", r.secondes);
        return 1;
    }
    std::fprintf(stderr, "%d grids in %.2f s, %lld steps, verified%s\n",
                 static_cast<int>(r.roue.grilles.size()), r.secondes, static_cast<long long>(r.pas),
                 r.optimale ? ", optimal" : "");
    std::fputs(ecritroue(r.roue).substr(ecritroue(r.roue).find('\n') + 1).c_str(), stdout);
    return 0;
}

int verifie(int argc, char** argv) {
    long t = 0;
    long m = 0;
    if (argc != 5 || !entier(argv[2], 1, 6, t) || !entier(argv[3], t, 6, m))
        return usage();
    // A pipe or a device is never opened, so never waited on.
    std::string octets(limiteoctetsroue + 1, '\0');
    const Debut d = lisdebut(argv[4], reinterpret_cast<std::uint8_t*>(octets.data()), octets.size());
    if (d.ouverture != Ouverture::Lu) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[4]);
        return 1;
    }
    octets.resize(d.lus);
    const TLecture l = litroue(octets);
    if (l.cause != Lecture::Bonne) {
        std::fprintf(stderr, "%s: not a wheel (cause %d, line %d)\n", argv[4], static_cast<int>(l.cause),
                     l.ligne);
        return 1;
    }
    int n = l.nbnumeros;
    std::vector<std::uint64_t> grilles;
    for (const auto& g : l.grilles) {
        std::uint64_t masque = 0;
        for (const int p : g) {
            masque |= std::uint64_t{1} << (p - 1);
            n = l.entete ? n : std::max(n, p);
        }
        grilles.push_back(masque);
    }
    if (m > n) {
        std::fprintf(stderr, "%s: %d numbers, fewer than M\n", argv[4], n);
        return 1;
    }
    const TControle c = controle(grilles, n, static_cast<int>(t), static_cast<int>(m), 10);
    std::printf("%lld holes among the %lld sets of %ld of %d numbers\n", static_cast<long long>(c.trous),
                static_cast<long long>(c.nbensembles), m, n);
    for (const std::uint64_t trou : c.premiers) {
        std::string ligne = "hole:";
        for (int p = 0; p < 64; ++p)
            if ((trou >> p) & 1)
                ligne += " " + std::to_string(p + 1);
        std::printf("%s\n", ligne.c_str());
    }
    return c.trous == 0 ? 0 : 1;
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
    if (mode == "--build")
        return construit(argc, argv);
    if (mode == "--check")
        return verifie(argc, argv);
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

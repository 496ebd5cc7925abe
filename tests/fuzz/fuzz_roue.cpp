// libFuzzer target for the wheel files. Whatever the bytes, reading must not crash; a file read
// as good holds only grids of six different numbers in 1..49 (within the header's N and size when
// it has one), makes a sound wheel, and reads back the same from what the program writes of it;
// and the check of its pairs agrees with every pair looked at one by one.

#include "tests/fuzz/commun.h"
#include "wheels/controle.h"
#include "wheels/texte.h"

#include <algorithm>
#include <string>

using namespace vormigral;

using vormigral::fuzz::exige;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(octets), taille);
    const TLecture l = litroue(texte);
    if (l.cause != Lecture::Bonne) {
        exige(l.grilles.empty(), "a refused file still hands out grids");
        return 0;
    }
    exige(!l.grilles.empty() && l.grilles.size() <= limitelignesroue,
          "a good file without grids or with too many");
    for (const auto& g : l.grilles) {
        exige(std::is_sorted(g.begin(), g.end()) && std::adjacent_find(g.begin(), g.end()) == g.end(),
              "a grid is not six different numbers in order");
        exige(g.front() >= 1 && g.back() <= (l.entete ? l.nbnumeros : rouemaxnumeros),
              "a number out of range");
    }
    const TImport i = importe(l, 2, 2);
    const TRoue& r = i.roue;
    exige(r.nbnumeros >= roueminnumeros && r.nbnumeros <= rouemaxnumeros, "a wheel's N out of 7..49");
    exige(grillesvalides(r.grilles, r.nbnumeros) && r.grilles.size() == l.grilles.size(), "an unsound wheel");
    exige(std::is_sorted(i.numeros.begin(), i.numeros.end()) && i.numeros.size() == std::size_t(r.nbnumeros),
          "the player's numbers do not match the positions");

    const TLecture relue = litroue(ecritroue(r));
    exige(relue.cause == Lecture::Bonne && relue.entete, "the program cannot read what it wrote");
    exige(importe(relue).roue.grilles == r.grilles, "a wheel read back differs from the one written");

    if (r.grilles.size() <= 8) {
        std::int64_t seules = 0;
        for (int a = 0; a < r.nbnumeros; ++a)
            for (int b = a + 1; b < r.nbnumeros; ++b) {
                const std::uint64_t paire = (std::uint64_t{1} << a) | (std::uint64_t{1} << b);
                seules += std::none_of(r.grilles.begin(), r.grilles.end(),
                                       [&](std::uint64_t g) { return (g & paire) == paire; });
            }
        exige(comptetrous(r.grilles, r.nbnumeros, 2, 2, 1) == seules, "the check miscounts the pairs");
    }
    return 0;
}

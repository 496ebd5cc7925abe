// libFuzzer target for the file of remembered column mappings. Whatever the bytes, the reading must
// end without a fault and keep only sound entries: at most correspondancesmax, one per key, each key
// one that cleentete could give and each mapping naming eight distinct columns within colonnesmax.
// The bytes go through the scratch file, as the program reads them, and what remains is written back
// and must read the same.

#include "history/correspondances.h"
#include "tests/fuzz/commun.h"

#include <algorithm>
#include <set>

using namespace vormigral;

using vormigral::fuzz::exige;

namespace {

void verifie(const TMemoireColonnes& memoire) {
    exige(memoire.entrees.size() <= correspondancesmax, "too many mappings kept");
    std::set<std::string> cles;
    for (const TCorrespondanceMemorisee& e : memoire.entrees) {
        exige(cles.insert(e.cle).second, "a key kept twice");
        exige(!e.cle.empty() && e.cle.size() <= 257, "a key of the wrong length");
        exige(std::all_of(e.cle.begin(), e.cle.end(),
                          [](char c) {
                              return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ';' || c == '#';
                          }),
              "a key cleentete cannot give");
        const std::array<int, 8>& c = e.correspondance.colonnes;
        for (std::size_t f = 0; f < c.size(); ++f) {
            exige(c[f] >= 0 && static_cast<std::size_t>(c[f]) < colonnesmax, "a column out of range");
            exige(std::count(c.begin(), c.end(), c[f]) == 1, "a column named twice");
        }
    }
}

// The file the writing back makes, removed when the run ends.
struct Ecrit {
    std::string chemin;
    ~Ecrit() { ::unlink(chemin.c_str()); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    static fuzz::Brouillon brouillon;
    // The writing back replaces its file by renaming: it gets a scratch file of its own.
    static fuzz::Brouillon copie;
    static const Ecrit ecrit{copie.chemin + ".ecrit"};
    brouillon.ecris(octets, taille);
    const TMemoireColonnes lue = liscorrespondances(brouillon.chemin);
    verifie(lue);
    if (lue.entrees.empty())
        return 0;
    // Remembering the first key again rewrites the file whole: the others must come back unchanged.
    const std::string& chemin = ecrit.chemin;
    exige(static_cast<bool>(ecrirefichier(chemin, octets, taille)), "the copy could not be written");
    const TCorrespondanceMemorisee premiere = lue.entrees.front();
    exige(static_cast<bool>(memorisecorrespondance(chemin, premiere.cle, premiere.correspondance)),
          "the file could not be written back");
    const TMemoireColonnes relue = liscorrespondances(chemin);
    verifie(relue);
    exige(relue.ignorees == 0 && relue.entrees.size() == lue.entrees.size(), "entries lost in writing back");
    exige(relue.entrees.back().cle == premiere.cle, "the key remembered is not the newest");
    return 0;
}

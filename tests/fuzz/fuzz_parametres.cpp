// libFuzzer target for the settings reader. Whatever the bytes, it must not crash; it reads the
// settings from exactly the first 16, changes nothing with fewer, tells a longer file from a
// settings file, and judges a file as it judges the same bytes in memory.

#include "engine/octets.h"
#include "files/parametres.h"
#include "tests/fuzz/commun.h"

using namespace vormigral;

using vormigral::fuzz::Brouillon;
using vormigral::fuzz::exige;

namespace {

constexpr TParametres temoin{11, 22, 33, 44};

bool memes(const TParametres& a, const TParametres& b) {
    return a.reserve == b.reserve && a.langue == b.langue && a.decalh == b.decalh && a.decalv == b.decalv;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    TParametres memoire = temoin;
    const LectureParametres lecture = decodeparametres(octets, taille, memoire);
    if (taille < tailleparametres) {
        exige(lecture == LectureParametres::Court, "fewer than 16 bytes not refused");
        exige(memes(memoire, temoin), "a refused input changed the settings");
    } else {
        exige(lecture == (taille == tailleparametres ? LectureParametres::Lu : LectureParametres::Long),
              "16 bytes or more judged wrongly");
        const TParametres attendu{lireint32(octets), lireint32(octets + 4), lireint32(octets + 8),
                                  lireint32(octets + 12)};
        exige(memes(memoire, attendu), "the settings are not the first 16 bytes");
    }

    static Brouillon brouillon;
    brouillon.ecris(octets, taille);
    TParametres dufichier = temoin;
    exige(lireparametres(brouillon.chemin, dufichier) == lecture,
          "the file and the bytes are judged differently");
    exige(memes(dufichier, memoire), "the file and the bytes give different settings");
    return 0;
}

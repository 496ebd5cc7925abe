// libFuzzer target for the settings reader. Whatever the bytes, it must not crash; it reads the
// settings from the first 16, field by field when there are fewer, tells a shorter or longer file
// from a settings file, and judges a file as it judges the same bytes in memory.

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
    exige(lecture == (taille < tailleparametres    ? LectureParametres::Court
                      : taille == tailleparametres ? LectureParametres::Lu
                                                   : LectureParametres::Long),
          "the length judged wrongly");
    // Each field held whole is read; the others keep their values.
    const auto champ = [&](std::size_t i, std::int32_t avant) {
        return taille >= 4 * i + 4 ? lireint32(octets + 4 * i) : avant;
    };
    const TParametres attendu{champ(0, temoin.reserve), champ(1, temoin.langue), champ(2, temoin.decalh),
                              champ(3, temoin.decalv)};
    exige(memes(memoire, attendu), "the settings are not the fields the bytes hold");

    static Brouillon brouillon;
    brouillon.ecris(octets, taille);
    TParametres dufichier = temoin;
    exige(lireparametres(brouillon.chemin, dufichier) == lecture,
          "the file and the bytes are judged differently");
    exige(memes(dufichier, memoire), "the file and the bytes give different settings");
    return 0;
}

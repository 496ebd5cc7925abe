// libFuzzer target for the grid-file loader. Whatever the bytes, the loader must not crash, and
// it either refuses them or returns a record that writes back to exactly their first 208 bytes.
// Reading the same bytes from a file must give the same answer as decoding them in memory.

#include "files/fichiergrille.h"
#include "tests/fuzz/commun.h"

#include <cstring>

using namespace vormigral;

using vormigral::fuzz::Brouillon;
using vormigral::fuzz::exige;

namespace {

bool memes(const TFichierGrille& a, const TFichierGrille& b) {
    return a.entete == b.entete && a.posmethode == b.posmethode && a.cochage == b.cochage;
}

TFichierGrille temoin() {
    TFichierGrille fiche;
    fiche.entete = {0xaa, 0xbb, 0xcc, 0xdd};
    fiche.posmethode = 123456;
    fiche.cochage.fill(-7);
    return fiche;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    TFichierGrille fiche = temoin();
    const LectureGrille lecture = decodegrille(octets, taille, fiche);
    switch (lecture) {
    case LectureGrille::Lu: {
        exige(taille >= taillegrille, "a record from fewer than 208 bytes");
        exige(fiche.entete == signaturegrille, "a record without the signature");
        exige(fiche.cochage[0] == 0, "the unused entry 0 of the flags was set");
        const auto encode = encodegrille(fiche);
        exige(std::memcmp(encode.data(), octets, taillegrille) == 0,
              "the record does not write back to the first 208 bytes");
        break;
    }
    case LectureGrille::PasGrille:
        exige(taille >= taillegrille, "a signature judged on fewer than 208 bytes");
        exige(std::memcmp(octets, signaturegrille.data(), signaturegrille.size()) != 0,
              "the signature refused although present");
        break;
    case LectureGrille::Illisible:
        exige(taille < taillegrille, "208 bytes or more refused as unreadable");
        exige(memes(fiche, temoin()), "a refused input changed the record");
        break;
    case LectureGrille::Inexistant:
        exige(false, "bytes in memory reported as a missing file");
        break;
    }

    static Brouillon brouillon;
    brouillon.ecris(octets, taille);
    TFichierGrille dufichier = temoin();
    exige(liregrille(brouillon.chemin, dufichier) == lecture,
          "the file and the bytes are judged differently");
    if (lecture != LectureGrille::Illisible)
        exige(memes(dufichier, fiche), "the file and the bytes give different records");
    return 0;
}

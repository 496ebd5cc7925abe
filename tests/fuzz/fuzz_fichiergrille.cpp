// libFuzzer target for the grid-file loader. Whatever the bytes, the loader must not crash, and
// it either refuses them or returns a record that writes back to exactly their first 208 bytes.
// Reading the same bytes from a file must give the same answer as decoding them in memory.

#include "files/fichiergrille.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

using namespace vormigral;

namespace {

void exige(bool condition, const char* quoi) {
    if (!condition) {
        std::fprintf(stderr, "grid-file loader: %s\n", quoi);
        std::abort();
    }
}

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

// One scratch file for the whole run, rewritten for every input.
struct Brouillon {
    std::string chemin;
    int fd = -1;
    Brouillon() {
        const char* dossier = std::getenv("TMPDIR");
        std::string modele = std::string(dossier && *dossier ? dossier : "/tmp") + "/vormigral-fuzz-XXXXXX";
        fd = ::mkstemp(modele.data());
        exige(fd >= 0, "cannot create the scratch file");
        chemin = modele;
    }
    ~Brouillon() {
        ::close(fd);
        ::unlink(chemin.c_str());
    }
    void ecris(const std::uint8_t* octets, std::size_t taille) {
        exige(::ftruncate(fd, 0) == 0, "cannot empty the scratch file");
        std::size_t fait = 0;
        while (fait < taille) {
            const ssize_t n = ::pwrite(fd, octets + fait, taille - fait, static_cast<off_t>(fait));
            exige(n > 0, "cannot write the scratch file");
            fait += static_cast<std::size_t>(n);
        }
    }
};

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

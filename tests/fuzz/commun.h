#pragma once

// What the fuzz targets share: a check that stops the run with its reason, and one scratch file
// rewritten for every input, so that readers of files see the same bytes as the decoders.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace vormigral::fuzz {

inline void exige(bool condition, const char* quoi) {
    if (!condition) {
        std::fprintf(stderr, "%s\n", quoi);
        std::abort();
    }
}

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
    Brouillon(const Brouillon&) = delete;
    Brouillon& operator=(const Brouillon&) = delete;
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

} // namespace vormigral::fuzz

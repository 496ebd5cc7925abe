#include "files/ecriture.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vormigral {

namespace {

bool ecristout(int fd, const std::uint8_t* octets, std::size_t taille) {
    while (taille > 0) {
        const ssize_t n = ::write(fd, octets, taille);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        octets += n;
        taille -= static_cast<std::size_t>(n);
    }
    return true;
}

// The permissions a plain create would have given, since mkstemp makes the file private.
mode_t modeparDefaut() {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

} // namespace

bool ecrireatomique(const std::string& chemin, const std::uint8_t* octets, std::size_t taille) {
    struct stat infos {};
    const bool existe = ::stat(chemin.c_str(), &infos) == 0;
    if (existe && !S_ISREG(infos.st_mode))
        return false;
    // A short temporary name in the same directory, so that a target name near the system's length
    // limit can still be saved and the final rename stays within one file system.
    const std::string::size_type barre = chemin.rfind('/');
    const std::string repertoire = barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1);
    std::string modele = repertoire + ".vormigral.XXXXXX";
    std::vector<char> nom(modele.begin(), modele.end());
    nom.push_back('\0');
    const int fd = ::mkstemp(nom.data());
    if (fd < 0)
        return false;
    // The replacement keeps the permissions of the file it replaces; a new file gets the default ones.
    const mode_t mode = existe ? (infos.st_mode & 07777) : modeparDefaut();
    bool ok = ::fchmod(fd, mode) == 0 && ecristout(fd, octets, taille) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(nom.data(), chemin.c_str()) == 0;
    if (!ok)
        ::unlink(nom.data());
    return ok;
}

} // namespace vormigral

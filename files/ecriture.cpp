#include "files/ecriture.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vormigral {

namespace {

constexpr char prefixetemporaire[] = ".vormigral.";
constexpr std::size_t longueurprefixe = sizeof prefixetemporaire - 1;
// A save takes milliseconds; a temporary file this old was left by a save that never finished,
// while a younger one may belong to another copy of the program saving right now.
constexpr std::time_t agetemporaire = 600;
// The system's own limit on a chain of links.
constexpr int sautsmaximum = 40;

// The directory part of a path, with its final separator; empty for a bare name.
std::string dossierde(const std::string& chemin) {
    const std::string::size_type barre = chemin.rfind('/');
    return barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1);
}

Refus cause(int erreur) {
    switch (erreur) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Refus::Plein;
    case EACCES:
    case EPERM:
    case EROFS:
        return Refus::DossierProtege;
    case ENOENT:
    case ENOTDIR:
        return Refus::DossierAbsent;
    case EISDIR:
        return Refus::PasFichier;
    default:
        return Refus::Autre;
    }
}

// 0, or the errno of the failure.
int ecristout(int fd, const std::uint8_t* octets, std::size_t taille, off_t depart = -1) {
    std::size_t fait = 0;
    while (fait < taille) {
        const ssize_t n = depart < 0 ? ::write(fd, octets + fait, taille - fait)
                                     : ::pwrite(fd, octets + fait, taille - fait, depart + off_t(fait));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        fait += static_cast<std::size_t>(n);
    }
    return 0;
}

// The permissions a plain create would have given, since mkstemp makes the file private.
mode_t modeparDefaut() {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

void nettoietemporaires(const std::string& dossier) {
    DIR* d = ::opendir(dossier.empty() ? "." : dossier.c_str());
    if (!d)
        return;
    const std::time_t limite = std::time(nullptr) - agetemporaire;
    while (const dirent* entree = ::readdir(d)) {
        if (!nomtemporaire(entree->d_name))
            continue;
        struct stat infos {};
        if (::fstatat(::dirfd(d), entree->d_name, &infos, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(infos.st_mode) && infos.st_uid == ::geteuid() && infos.st_mtime < limite)
            ::unlinkat(::dirfd(d), entree->d_name, 0);
    }
    ::closedir(d);
}

// Rewrites the file's own bytes, for a file other hard links share.
bool enplace(const std::string& cible, const std::uint8_t* octets, std::size_t taille) {
    const int fd = ::open(cible.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat infos {};
    bool ok = ::fstat(fd, &infos) == 0 && S_ISREG(infos.st_mode) && ecristout(fd, octets, taille, 0) == 0 &&
              ::ftruncate(fd, off_t(taille)) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

} // namespace

Refus refusdusysteme(int erreur) {
    return cause(erreur);
}

bool nomtemporaire(const std::string& nom) {
    if (nom.size() != longueurprefixe + 6 || nom.compare(0, longueurprefixe, prefixetemporaire) != 0)
        return false;
    for (std::size_t i = longueurprefixe; i < nom.size(); ++i) {
        const char c = nom[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

std::string destination(const std::string& chemin) {
    std::string cible = chemin;
    std::array<char, 4096> tampon{};
    for (int saut = 0; saut < sautsmaximum; ++saut) {
        const ssize_t n = ::readlink(cible.c_str(), tampon.data(), tampon.size());
        if (n <= 0 || std::size_t(n) >= tampon.size())
            return cible;
        const std::string lien(tampon.data(), std::size_t(n));
        cible = lien.front() == '/' ? lien : dossierde(cible) + lien;
    }
    return cible;
}

Refus inscriptible(const std::string& chemin, bool creedossier) {
    const std::string cible = destination(chemin);
    struct stat infos {};
    if (::stat(cible.c_str(), &infos) == 0) {
        if (!S_ISREG(infos.st_mode))
            return Refus::PasFichier;
        if (::access(cible.c_str(), W_OK) != 0)
            return Refus::Protege;
    } else if (errno != ENOENT) {
        return cause(errno);
    }
    std::string dossier = dossierde(cible);
    while (true) {
        const std::string ici = dossier.empty() ? std::string(".") : dossier;
        if (::access(ici.c_str(), W_OK | X_OK) == 0)
            return Refus::Aucun;
        const int erreur = errno;
        // A folder that does not exist yet may be created inside the nearest one that does.
        if (!creedossier || erreur != ENOENT || dossier.size() <= 1)
            return cause(erreur);
        dossier.pop_back();
        dossier = dossierde(dossier);
    }
}

Ecriture ecrirefichier(const std::string& chemin, const std::uint8_t* octets, std::size_t taille) {
    const std::string cible = destination(chemin);
    struct stat infos {};
    bool existe = false;
    if (::stat(cible.c_str(), &infos) == 0) {
        if (!S_ISREG(infos.st_mode))
            return {Refus::PasFichier};
        // Writing a new file and renaming it over the old one would slip past a read-only file.
        if (::access(cible.c_str(), W_OK) != 0)
            return {Refus::Protege};
        existe = true;
    } else if (errno != ENOENT) {
        return {cause(errno)};
    }
    // A short temporary name in the same directory, so that a target name near the system's length
    // limit can still be saved and the final rename stays within one file system.
    const std::string dossier = dossierde(cible);
    nettoietemporaires(dossier);
    std::string temporaire = dossier + prefixetemporaire + "XXXXXX";
    const int fd = ::mkstemp(temporaire.data());
    if (fd < 0)
        return {cause(errno)};
    // The replacement keeps the permissions of the file it replaces, a new file gets the default
    // ones; a file system that keeps no permissions (a FAT memory stick) refuses the change, which
    // must not cost the save.
    ::fchmod(fd, existe ? (infos.st_mode & 07777) : modeparDefaut());
    int erreur = ecristout(fd, octets, taille);
    if (erreur == 0 && ::fsync(fd) != 0)
        erreur = errno;
    if (::close(fd) != 0 && erreur == 0)
        erreur = errno;
    if (erreur == 0 && existe && infos.st_nlink > 1 && enplace(cible, octets, taille)) {
        ::unlink(temporaire.c_str());
        return {};
    }
    // Renaming is also the way out when the rewrite in place failed: the name the user gave then
    // holds the whole new content, even though the other links no longer share it.
    if (erreur == 0 && ::rename(temporaire.c_str(), cible.c_str()) != 0)
        erreur = errno;
    if (erreur != 0) {
        ::unlink(temporaire.c_str());
        return {cause(erreur)};
    }
    return {};
}

namespace {

// Opens a plain file for reading; anything else is looked at, never opened. -1 when it is not
// opened, with why in `debut`.
int ouvrelecture(const std::string& chemin, Debut& debut) {
    struct stat infos {};
    if (::stat(chemin.c_str(), &infos) != 0) {
        debut.erreur = errno;
        debut.ouverture = errno == ENOENT || errno == ENOTDIR ? Ouverture::Absent : Ouverture::Refuse;
        return -1;
    }
    debut.ouverture = S_ISDIR(infos.st_mode) ? Ouverture::Dossier : Ouverture::PasFichier;
    // Opening a pipe could wait for a writer for ever, and opening a device can act on it.
    if (!S_ISREG(infos.st_mode))
        return -1;
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        debut.erreur = errno;
        debut.ouverture = Ouverture::Refuse;
        return -1;
    }
    // The name may have been given to something else since it was looked at.
    if (::fstat(fd, &infos) != 0 || !S_ISREG(infos.st_mode)) {
        ::close(fd);
        debut.ouverture = S_ISDIR(infos.st_mode) ? Ouverture::Dossier : Ouverture::PasFichier;
        return -1;
    }
    debut.ouverture = Ouverture::Lu;
    debut.taille = std::uint64_t(infos.st_size);
    return fd;
}

// Reads up to `capacite` bytes, and closes the file.
void lisjusqua(int fd, std::uint8_t* octets, std::size_t capacite, Debut& debut) {
    while (debut.lus < capacite) {
        const ssize_t n = ::read(fd, octets + debut.lus, capacite - debut.lus);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            debut.erreur = errno;
            debut.ouverture = Ouverture::Refuse;
            break;
        }
        if (n == 0)
            break;
        debut.lus += std::size_t(n);
    }
    ::close(fd);
}

} // namespace

Debut lisdebut(const std::string& chemin, std::uint8_t* octets, std::size_t capacite) {
    Debut debut;
    const int fd = ouvrelecture(chemin, debut);
    if (fd >= 0)
        lisjusqua(fd, octets, capacite, debut);
    return debut;
}

Debut lisfichier(const std::string& chemin, std::string& contenu, std::size_t limite) {
    contenu.clear();
    Debut debut;
    const int fd = ouvrelecture(chemin, debut);
    if (fd < 0)
        return debut;
    // A file that grew since it was looked at is read as it was then.
    contenu.resize(static_cast<std::size_t>(std::min<std::uint64_t>(debut.taille, limite)));
    lisjusqua(fd, reinterpret_cast<std::uint8_t*>(contenu.data()), contenu.size(), debut);
    contenu.resize(debut.ouverture == Ouverture::Lu ? debut.lus : 0);
    return debut;
}

} // namespace vormigral

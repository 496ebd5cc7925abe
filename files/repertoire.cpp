#include "files/repertoire.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace vormigral {

TContenu contenurepertoire(const std::string& repertoire) {
    TContenu contenu;
    DIR* d = ::opendir(repertoire.c_str());
    if (!d)
        return contenu;
    while (const dirent* entree = ::readdir(d)) {
        if (entree->d_name[0] == '.')
            continue;
        struct stat infos {};
        if (::fstatat(::dirfd(d), entree->d_name, &infos, 0) != 0)
            continue;
        if (S_ISDIR(infos.st_mode))
            contenu.dossiers.emplace_back(entree->d_name);
        else if (S_ISREG(infos.st_mode))
            contenu.fichiers.emplace_back(entree->d_name);
    }
    ::closedir(d);
    return contenu;
}

bool estrepertoire(const std::string& chemin) {
    struct stat infos {};
    return ::stat(chemin.c_str(), &infos) == 0 && S_ISDIR(infos.st_mode);
}

} // namespace vormigral

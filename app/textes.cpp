#include "app/textes.h"

#include <cstring>

namespace vormigral {

const Legende titreprobleme = {"titreprobleme", "Problème !!", "Problem !!"};

QString texte(const Legende& legende, bool anglais) {
    return QString::fromUtf8(anglais ? legende.en : legende.fr);
}

QString texte(TableLegendes table, const char* nom, bool anglais) {
    for (const Legende& legende : table)
        if (std::strcmp(legende.nom, nom) == 0)
            return texte(legende, anglais);
    return QString();
}

} // namespace vormigral

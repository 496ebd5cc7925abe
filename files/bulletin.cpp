#include "files/bulletin.h"

#include <algorithm>

namespace vormigral {

namespace {

std::string note(TEtat& etat, const std::string& repertoire, const std::string& nom) {
    etat.repfichier = repertoire;
    etat.nomfichier = nom;
    return chemingrille(etat.repfichier, etat.nomfichier);
}

// Wildcards name no file of a typed name; a listed name names the file that is there.
bool nomutilisable(const std::string& nom, bool liste, bool existe) {
    return nom.find('\0') == std::string::npos && (nompermis(nom) || (liste && existe));
}

} // namespace

LectureGrille chargebulletin(TEtat& etat, const std::string& repertoire, const std::string& nom, bool liste) {
    const std::string chemin = note(etat, repertoire, nom);
    if (!liste && !nompermis(etat.nomfichier))
        return LectureGrille::Inexistant;
    const LectureGrille lecture = liregrille(chemin, etat.fichiergrille);
    if (lecture == LectureGrille::Lu)
        std::copy(etat.fichiergrille.cochage.begin() + 1, etat.fichiergrille.cochage.end(),
                  etat.casescoch.begin() + 1);
    return lecture;
}

AvantEnregistrement preparebulletin(TEtat& etat, const std::string& repertoire, const std::string& nom,
                                    bool liste) {
    const std::string chemin = note(etat, repertoire, nom);
    const bool existe = grilleexiste(chemin);
    if (!nomutilisable(nom, liste, existe))
        return AvantEnregistrement::Impossible;
    if (nomcache(nom))
        return AvantEnregistrement::Cache;
    return existe ? AvantEnregistrement::Existant : AvantEnregistrement::Libre;
}

bool enregistrebulletin(TEtat& etat, std::int32_t posmethode, bool liste) {
    etat.fichiergrille = grilledecases(posmethode, etat.casescoch);
    const std::string chemin = chemingrille(etat.repfichier, etat.nomfichier);
    return nomutilisable(etat.nomfichier, liste, grilleexiste(chemin)) && !nomcache(etat.nomfichier) &&
           ecriregrille(chemin, etat.fichiergrille);
}

} // namespace vormigral

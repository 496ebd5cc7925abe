#include "files/bulletin.h"

#include <algorithm>

namespace vormigral {

namespace {

std::string note(TEtat& etat, const std::string& repertoire, const std::string& nom) {
    etat.repfichier = repertoire;
    etat.nomfichier = nom;
    return chemingrille(etat.repfichier, etat.nomfichier);
}

} // namespace

LectureGrille chargebulletin(TEtat& etat, const std::string& repertoire, const std::string& nom) {
    const std::string chemin = note(etat, repertoire, nom);
    if (!nompermis(etat.nomfichier))
        return LectureGrille::Inexistant;
    const LectureGrille lecture = liregrille(chemin, etat.fichiergrille);
    if (lecture == LectureGrille::Lu)
        std::copy(etat.fichiergrille.cochage.begin() + 1, etat.fichiergrille.cochage.end(),
                  etat.casescoch.begin() + 1);
    return lecture;
}

AvantEnregistrement preparebulletin(TEtat& etat, const std::string& repertoire, const std::string& nom) {
    const std::string chemin = note(etat, repertoire, nom);
    if (!nompermis(etat.nomfichier))
        return AvantEnregistrement::Impossible;
    return grilleexiste(chemin) ? AvantEnregistrement::Existant : AvantEnregistrement::Libre;
}

bool enregistrebulletin(TEtat& etat, std::int32_t posmethode) {
    etat.fichiergrille = grilledecases(posmethode, etat.casescoch);
    return nompermis(etat.nomfichier) &&
           ecriregrille(chemingrille(etat.repfichier, etat.nomfichier), etat.fichiergrille);
}

} // namespace vormigral

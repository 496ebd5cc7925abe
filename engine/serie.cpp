#include "engine/serie.h"

#include "engine/calculgrille.h"
#include "engine/cases.h"

namespace vormigral {

const TMethode* methodeselectionnee(const TEtat& etat) {
    return methode(etat.methodes, etat.methodechoisie);
}

bool selectioncorrecte(const TEtat& etat) {
    const TMethode* m = methodeselectionnee(etat);
    return m && comptecoches(etat) == m->nbnumeros;
}

bool commenceserie(TEtat& etat, std::int32_t m) {
    etat.numgrille = 1;
    const TMethode* choisie = methode(etat.methodes, m);
    if (!choisie) {
        etat.nbgrilles = 0;
        return false;
    }
    etat.methodecour = m;
    etat.nbgrilles = choisie->nbgrilles;
    return true;
}

void parcourtserie(TEtat& etat, std::int32_t premier, std::int32_t dernier,
                   const std::function<bool(std::int32_t)>& grille) {
    bool developpee = false;
    for (std::int32_t g = premier; g <= dernier; ++g) {
        if (!developpegrille(etat, g))
            continue;
        developpee = true;
        if (!grille(g))
            break;
    }
    if (developpee && etat.affichegrille)
        etat.affichegrille();
}

TPlage verifieplage(std::int32_t premier, std::int32_t dernier, std::int32_t nbgrilles) {
    if (premier < 1 || dernier > nbgrilles)
        return TPlage::horsserie;
    if (dernier < premier)
        return TPlage::inversee;
    return TPlage::correcte;
}

} // namespace vormigral

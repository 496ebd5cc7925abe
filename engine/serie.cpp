#include "engine/serie.h"

#include "engine/calculgrille.h"
#include "engine/cases.h"

#include <utility>

namespace vormigral {

const TMethode* methodedeserie(const TEtat& etat, std::int32_t m) {
    if (m == methoderoue)
        return etat.rouejouee.grilles.empty() ? nullptr : &etat.rouejouee.methode;
    return methode(etat.methodes, m);
}

TGarantie garantiedeserie(const TEtat& etat, std::int32_t m) {
    if (m == methoderoue)
        return etat.rouejouee.grilles.empty() ? TGarantie{} : etat.rouejouee.promesse;
    return methode(etat.methodes, m) ? garantie(m) : TGarantie{};
}

const TMethode* methodeselectionnee(const TEtat& etat) {
    return methodedeserie(etat, etat.methodechoisie);
}

bool selectioncorrecte(const TEtat& etat) {
    const TMethode* m = methodeselectionnee(etat);
    return m && comptecoches(etat) == m->nbnumeros;
}

bool commenceserie(TEtat& etat, std::int32_t m) {
    etat.numgrille = 1;
    const TMethode* choisie = methodedeserie(etat, m);
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

JeuRoue::JeuRoue(TEtat& etat, TRoueJouee roue)
    : etat_(etat), methode_(etat.methodechoisie), precedente_(std::move(etat.rouejouee)) {
    roue.methode.nbgrilles = static_cast<std::int32_t>(roue.grilles.size());
    etat_.rouejouee = std::move(roue);
    etat_.methodechoisie = methoderoue;
    construitnumcoch(etat_);
}

JeuRoue::~JeuRoue() {
    etat_.methodechoisie = methode_;
    etat_.rouejouee = std::move(precedente_);
}

} // namespace vormigral

#include "windows/comparaisontirage.h"

#include "engine/serie.h"

namespace vormigral {

TTirage ComparaisonTirage::tirage(const std::array<int, 7>& positions) {
    TTirage resultat;
    for (std::size_t i = 0; i < resultat.numeros.size(); ++i)
        resultat.numeros[i] = positions[i] + 1;
    resultat.complementaire = positions[6] + 1;
    return resultat;
}

std::optional<ComparaisonTirage::Resultat> ComparaisonTirage::compare(const TTirage& tirage) {
    if (!tiragevalide(tirage))
        return std::nullopt;
    // No method selected: nbgrilles becomes 0, so nothing is compared.
    commenceserie(etat_, etat_.methodechoisie);
    const TComparaison comparaison = comparemethode(etat_, tirage);
    Resultat resultat{{}, comparaison.compteurs};
    resultat.lignes.reserve(static_cast<qsizetype>(comparaison.lignes.size()));
    for (const std::string& ligne : comparaison.lignes)
        resultat.lignes << QString::fromStdString(ligne);
    return resultat;
}

} // namespace vormigral

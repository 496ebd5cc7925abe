#include "files/exportgrilles.h"

#include "engine/cases.h"
#include "engine/serie.h"
#include "files/csv.h"

namespace vormigral {

std::string csvgrilles(const std::string& nom, const std::vector<std::int32_t>& coches,
                       const std::vector<TGrilleExport>& grilles, const TLibellesExport& libelles) {
    std::string texte = marqueutf8;
    ajoutelignecsv(texte, {libelles.methode, nom});
    std::vector<std::string> champs{libelles.coches};
    for (const std::int32_t n : coches)
        champs.push_back(std::to_string(n));
    ajoutelignecsv(texte, champs);
    ajoutelignecsv(texte, {libelles.grilles.begin(), libelles.grilles.end()});
    for (std::size_t g = 0; g < grilles.size(); ++g) {
        champs.assign(1, std::to_string(g + 1));
        for (const std::int32_t n : grilles[g])
            champs.push_back(std::to_string(n));
        ajoutelignecsv(texte, champs);
    }
    return texte;
}

std::vector<TGrilleExport> grillesmethode(TEtat etat) {
    std::vector<TGrilleExport> grilles;
    etat.affichegrille = nullptr;
    construitnumcoch(etat);
    if (!commenceserie(etat, etat.methodechoisie))
        return grilles;
    grilles.reserve(static_cast<std::size_t>(etat.nbgrilles));
    parcourtserie(etat, 1, etat.nbgrilles, [&](std::int32_t) {
        TGrilleExport grille{};
        std::size_t i = 0;
        for (std::int32_t n = 1; n <= 49 && i < grille.size(); ++n)
            if (etat.grillecour[static_cast<std::size_t>(n)] == 1)
                grille[i++] = n;
        grilles.push_back(grille);
        return true;
    });
    return grilles;
}

std::vector<std::int32_t> numeroscoches(const TEtat& etat) {
    std::vector<std::int32_t> coches;
    for (std::int32_t n = 1; n <= 49; ++n)
        if (etat.casescoch[static_cast<std::size_t>(n)] == 1)
            coches.push_back(n);
    return coches;
}

} // namespace vormigral

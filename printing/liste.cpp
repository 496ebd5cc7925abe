#include "printing/liste.h"

#include "engine/serie.h"

#include <cstdio>

namespace vormigral {

std::string lignebulletin(std::int32_t g, const std::array<std::int32_t, 50>& grille) {
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "%03d", static_cast<int>(g));
    std::string ligne = std::string("Bull.: ") + tampon + " :";
    for (int n = 1; n <= 49; ++n) {
        if (grille[n] != 1)
            continue;
        std::snprintf(tampon, sizeof tampon, "-%02d", n);
        ligne += tampon;
    }
    return ligne;
}

TBilanImpression imprimeliste(TEtat& etat, SurfaceImpression& surface, std::int32_t methode,
                              const std::string& titre) {
    TBilanImpression bilan;
    if (!commenceserie(etat, methode))
        return bilan;

    const std::int32_t largeur = surface.largeurpage();
    const std::int32_t hauteur = surface.hauteurpage();
    TravailImpression travail(surface, documentliste);
    bilan.pages = 1;
    surface.police("Times New Roman", 24, false);
    surface.ecrit((largeur - surface.largeurtexte(titre)) / 2, 50, titre);
    std::int32_t y = 50 + surface.hauteurtexte("LISTE");
    surface.police("Times New Roman", 10, false);
    const std::int32_t pas = surface.hauteurtexte("WWWW") + 10;
    const std::int32_t unite = surface.largeurtexte("W");
    y += 2 * pas;
    // The page break waits for a line to print, so that a list filling its last page exactly
    // does not end with a blank sheet.
    bool saut = false;
    parcourtserie(etat, 1, etat.nbgrilles, [&](std::int32_t g) {
        if (saut) {
            surface.nouvellepage();
            ++bilan.pages;
            y = 4 * pas;
            saut = false;
        }
        surface.ecrit(10, y, std::to_string(g));
        std::int32_t k = 0;
        for (std::int32_t n = 1; n <= 49; ++n) {
            if (etat.grillecour[n] != 1)
                continue;
            ++k;
            surface.ecrit(4 * k * unite + unite + 10, y, std::to_string(n));
        }
        ++bilan.grilles;
        y += 2 * pas;
        saut = y > hauteur - 3 * pas;
        return true;
    });
    travail.ferme();
    bilan.travail = true;
    return bilan;
}

} // namespace vormigral

#include "printing/calage.h"

#include "printing/geometrie.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace vormigral {

const char* const documentcalage = "VORMIGRAL calage";

namespace {

// The scales run this many millimetres either side of their zero, one tick a millimetre.
constexpr int portee = 5;

// Breaks `texte` between words into lines no wider than `largeur`; returns where the next line
// would start.
std::int32_t ecritparagraphe(SurfaceImpression& surface, std::int32_t x, std::int32_t y, std::int32_t largeur,
                             const std::string& texte) {
    const std::int32_t pas = surface.hauteurtexte("X");
    std::string ligne;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find(' ', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        const std::string mot = texte.substr(debut, fin - debut);
        const std::string essai = ligne.empty() ? mot : ligne + ' ' + mot;
        if (!ligne.empty() && surface.largeurtexte(essai) > largeur) {
            surface.ecrit(x, y, ligne);
            y += pas;
            ligne = mot;
        } else {
            ligne = essai;
        }
        debut = fin + 1;
    }
    if (!ligne.empty()) {
        surface.ecrit(x, y, ligne);
        y += pas;
    }
    return y;
}

// A millimetre scale whose zero is at (x0, y0): along the sheet with its ticks upwards when
// `horizontale`, down the sheet with its ticks to the right otherwise. The zero tick is the
// longest, every fifth millimetre longer than the others; the ends carry their value.
void echelle(SurfaceImpression& surface, std::int32_t x0, std::int32_t y0, bool horizontale) {
    const std::int32_t lelong = horizontale ? 1 : 2;
    const std::int32_t travers = horizontale ? 2 : 1;
    const auto point = [&](std::int32_t le, std::int32_t en) {
        return horizontale ? std::pair{x0 + le, y0 - en} : std::pair{x0 + en, y0 + le};
    };
    for (int mm = -portee; mm <= portee; ++mm) {
        const double longueur = mm == 0 ? 3 : mm % 5 == 0 ? 2 : 1;
        const std::int32_t le = millimetres(surface, lelong, mm);
        const auto [xa, ya] = point(le, 0);
        const auto [xb, yb] = point(le, millimetres(surface, travers, longueur));
        surface.trait(xa, ya, xb, yb);
    }
    const auto [xa, ya] = point(millimetres(surface, lelong, -portee), 0);
    const auto [xb, yb] = point(millimetres(surface, lelong, portee), 0);
    surface.trait(xa, ya, xb, yb);
    const std::int32_t ecart = millimetres(surface, 1, 0.7);
    for (const int mm : {-portee, portee}) {
        const std::string valeur = mm < 0 ? "-5" : "+5";
        const std::int32_t l = surface.largeurtexte(valeur);
        const std::int32_t h = surface.hauteurtexte(valeur);
        const auto [x, y] = point(millimetres(surface, lelong, mm), 0);
        if (horizontale)
            surface.ecrit(mm < 0 ? x - ecart - l : x + ecart, y - h, valeur);
        else
            surface.ecrit(x + millimetres(surface, 1, 2) + ecart, y - h / 2, valeur);
    }
}

} // namespace

void dessinebulletin(SurfaceImpression& surface, const TParametres& parametres, const TTypeBulletin& type) {
    policemarques(surface);
    struct Case {
        TCadre cellule;
        std::string numero;
    };
    std::vector<Case> cases;
    for (std::int32_t p = 1; p <= type.nbgrillesbull; ++p)
        for (std::int32_t n = 1; n <= 49; ++n)
            cases.push_back({cellulemarque(surface, parametres, type, p, n), std::to_string(n)});
    const std::int32_t mx = millimetres(surface, 1, 0.5);
    const std::int32_t my = millimetres(surface, 2, 0.5);
    std::int32_t gauche = std::numeric_limits<std::int32_t>::max();
    std::int32_t haut = gauche;
    std::int32_t droite = std::numeric_limits<std::int32_t>::min();
    std::int32_t bas = droite;
    surface.police("Times New Roman", 5, false);
    for (const Case& c : cases) {
        const TCadre& k = c.cellule;
        surface.cadre(k.x - mx, k.y - my, k.largeur + 2 * mx, k.hauteur + 2 * my);
        surface.ecrit(k.x + (k.largeur - surface.largeurtexte(c.numero)) / 2,
                      k.y + (k.hauteur - surface.hauteurtexte(c.numero)) / 2, c.numero);
        gauche = std::min(gauche, k.x - mx);
        haut = std::min(haut, k.y - my);
        droite = std::max(droite, k.x + k.largeur + mx);
        bas = std::max(bas, k.y + k.hauteur + my);
    }
    if (cases.empty())
        return;
    const std::int32_t bx = millimetres(surface, 1, 3);
    const std::int32_t by = millimetres(surface, 2, 3);
    surface.cadre(gauche - bx, haut - by, droite - gauche + 2 * bx, bas - haut + 2 * by);
}

TBilanImpression imprimecalage(TEtat& etat, SurfaceImpression& surface, std::int32_t type,
                               const TTextesCalage& textes) {
    TBilanImpression bilan;
    initbulletins(etat.typesbulletin);
    if (type < 1 || type > nbtypesbulletin)
        return bilan;
    const TTypeBulletin bulletin = etat.typesbulletin[type];
    const TParametres& parametres = etat.parametres;

    TravailImpression travail(surface, documentcalage);
    bilan.pages = 1;
    policemarques(surface);
    std::int32_t bas = std::numeric_limits<std::int32_t>::min();
    for (std::int32_t p = 1; p <= bulletin.nbgrillesbull; ++p) {
        for (std::int32_t n = 1; n <= 49; ++n) {
            const TCadre c = cellulemarque(surface, parametres, bulletin, p, n);
            surface.cadre(c.x, c.y, c.largeur, c.hauteur);
            bas = std::max(bas, c.y + c.hauteur);
        }
        ++bilan.grilles;
    }
    const TCadre dix = cellulemarque(surface, parametres, bulletin, std::min(2, bulletin.nbgrillesbull), 10);
    const TCadre quarante = cellulemarque(surface, parametres, bulletin, bulletin.nbgrillesbull, 40);
    surface.police("Times New Roman", 7, false);
    echelle(surface, dix.x + dix.largeur / 2, dix.y - millimetres(surface, 2, 1.5), true);
    echelle(surface, quarante.x + quarante.largeur + millimetres(surface, 1, 1.5),
            quarante.y + quarante.hauteur / 2, false);

    // The explanation keeps to the sheet: it does not move with the offsets.
    const std::int32_t gauche = convposition(surface, TParametres{}, 1, 1.5);
    const std::int32_t largeur = std::min(surface.largeurpage() - gauche, millimetres(surface, 1, 175));
    std::int32_t y = bas + millimetres(surface, 2, 12);
    surface.police("Times New Roman", 12, true);
    y = ecritparagraphe(surface, gauche, y, largeur, textes.titre);
    surface.police("Times New Roman", 10, false);
    y = ecritparagraphe(surface, gauche, y, largeur, textes.decalages);
    y += millimetres(surface, 2, 3);
    ecritparagraphe(surface, gauche, y, largeur, textes.explication);
    travail.ferme();
    bilan.travail = true;
    return bilan;
}

} // namespace vormigral

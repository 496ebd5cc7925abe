#include "printing/impression.h"

#include "engine/serie.h"
#include "printing/geometrie.h"

namespace vormigral {

const char* const documentbulletins = "VORMIGRAL bulletins";
const char* const documentliste = "VORMIGRAL liste";

TravailImpression::TravailImpression(SurfaceImpression& surface, const std::string& document)
    : surface_(surface) {
    surface_.ouvre(document);
    ouvert_ = true;
}

TravailImpression::~TravailImpression() {
    if (ouvert_)
        surface_.abandonne();
}

void TravailImpression::ferme() {
    surface_.ferme();
    ouvert_ = false;
}

TBilanImpression imprimebulletins(TEtat& etat, SurfaceImpression& surface, std::int32_t m, std::int32_t type,
                                  std::int32_t mode, std::int32_t premier, std::int32_t dernier,
                                  const TBulletinSuivant& suivant) {
    TBilanImpression bilan;
    initbulletins(etat.typesbulletin);
    if (!methodedeserie(etat, m) || type < 1 || type > nbtypesbulletin)
        return bilan;
    const TTypeBulletin bulletin = etat.typesbulletin[type];
    commenceserie(etat, m);

    TravailImpression travail(surface, documentbulletins);
    bilan.pages = 1;
    policemarques(surface);
    if (verifieplage(premier, dernier, etat.nbgrilles) == TPlage::horsserie) {
        premier = 1;
        dernier = etat.nbgrilles;
    }
    std::int32_t p = 0;
    parcourtserie(etat, premier, dernier, [&](std::int32_t) {
        ++p;
        if (p > bulletin.nbgrillesbull) {
            p = 1;
            // One slip at a time: the slip just marked comes out before the user is asked to
            // insert the next, and a refusal leaves no blank sheet behind. A file or a preview
            // keeps every slip, with nothing to insert.
            if (mode == 2 && surface.papier()) {
                surface.envoie();
                if (!(suivant && suivant())) {
                    bilan.interrompu = true;
                    return false;
                }
            }
            surface.nouvellepage();
            ++bilan.pages;
        }
        for (std::int32_t n = 1; n <= 49; ++n) {
            if (etat.grillecour[n] != 1)
                continue;
            const TPositionCase position = positioncase(bulletin, p, n);
            surface.ecrit(convposition(surface, etat.parametres, 1, position.x),
                          convposition(surface, etat.parametres, 2, position.y), "X");
        }
        ++bilan.grilles;
        return true;
    });
    travail.ferme();
    bilan.travail = true;
    return bilan;
}

} // namespace vormigral

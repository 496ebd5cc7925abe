#include "printing/geometrie.h"

#include <cmath>
#include <limits>

namespace vormigral {

TPositionCase positioncase(const TTypeBulletin& type, std::int32_t p, std::int32_t n) {
    const auto colonne = static_cast<std::int32_t>(n * 0.1);
    const std::int32_t ligne = n - 10 * colonne;
    return {type.xdep + (p - 1) * type.pasgrille + colonne * type.pascol, type.ydep + ligne * type.paslig};
}

std::int32_t arrondipair(double valeur) {
    // Written out rather than left to the floating-point environment's rounding mode.
    double entier = std::floor(valeur);
    const double reste = valeur - entier; // exact for any value that fits 32 bits
    if (reste > 0.5 || (reste == 0.5 && std::fmod(entier, 2.0) != 0))
        entier += 1;
    constexpr double bas = std::numeric_limits<std::int32_t>::min();
    constexpr double haut = std::numeric_limits<std::int32_t>::max();
    if (!(entier >= bas))
        return std::numeric_limits<std::int32_t>::min();
    if (entier > haut)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(entier);
}

std::int32_t convposition(const SurfaceImpression& surface, const TParametres& parametres, std::int32_t axe,
                          double valeur) {
    const bool horizontal = axe == 1;
    const double resolution = horizontal ? surface.resolutionx() : surface.resolutiony();
    const double decalage = horizontal ? surface.decalagex() : surface.decalagey();
    const double millimetres = horizontal ? parametres.decalh : parametres.decalv;
    return arrondipair(resolution * valeur / 2.54 - decalage + resolution * (millimetres * 0.1) / 2.54);
}

void policemarques(SurfaceImpression& surface) {
    surface.police("Fixedsys", 9, true);
}

TCadre cellulemarque(const SurfaceImpression& surface, const TParametres& parametres,
                     const TTypeBulletin& type, std::int32_t p, std::int32_t n) {
    const TPositionCase position = positioncase(type, p, n);
    return {convposition(surface, parametres, 1, position.x),
            convposition(surface, parametres, 2, position.y), surface.largeurtexte("X"),
            surface.hauteurtexte("X")};
}

std::int32_t millimetres(const SurfaceImpression& surface, std::int32_t axe, double mm) {
    return arrondipair((axe == 1 ? surface.resolutionx() : surface.resolutiony()) * mm / 25.4);
}

} // namespace vormigral

#include "engine/comparaison.h"

#include "engine/serie.h"

namespace vormigral {

namespace {

bool numerovalide(std::int32_t n) {
    return n >= 1 && n <= 49;
}

void compare(std::int32_t n, const TTirage& tirage, TResultat& resultat) {
    for (const std::int32_t d : tirage.numeros)
        if (d == n)
            ++resultat.bons;
    if (n == tirage.complementaire)
        resultat.complementaire = true;
}

} // namespace

bool tiragevalide(const TTirage& tirage) {
    std::array<int, 50> tally{};
    const auto ajoute = [&tally](std::int32_t n) {
        if (!numerovalide(n))
            return false;
        return ++tally[static_cast<std::size_t>(n)] == 1;
    };
    for (const std::int32_t d : tirage.numeros)
        if (!ajoute(d))
            return false;
    return ajoute(tirage.complementaire);
}

TResultat comparegrille(const TDrapeaux& grille, const TTirage& tirage) {
    TResultat resultat;
    for (std::int32_t n = 1; n <= 49; ++n)
        if (grille[static_cast<std::size_t>(n)] == 1)
            compare(n, tirage, resultat);
    return resultat;
}

TResultat comparegrille(const std::array<std::int32_t, 6>& numeros, const TTirage& tirage) {
    TResultat resultat;
    for (const std::int32_t n : numeros)
        compare(n, tirage, resultat);
    return resultat;
}

TClasse classe(const TResultat& resultat) {
    const bool c = resultat.complementaire;
    switch (resultat.bons) {
    case 6:
        return TClasse::nb6;
    case 5:
        return c ? TClasse::nb5c : TClasse::nb5;
    case 4:
        return c ? TClasse::nb4c : TClasse::nb4;
    case 3:
        return c ? TClasse::nb3c : TClasse::nb3;
    default:
        return TClasse::aucune;
    }
}

std::string lignecomparaison(std::int32_t g, const TDrapeaux& grille, const TTirage& tirage) {
    std::string ligne = g < 10 ? "B.:00" : g < 100 ? "B.:0" : "B.:";
    ligne += std::to_string(g);
    ligne += " :";
    for (std::int32_t n = 1; n <= 49; ++n) {
        if (grille[static_cast<std::size_t>(n)] != 1)
            continue;
        ligne += n < 10 ? "-0" : "-";
        ligne += std::to_string(n);
    }
    const TResultat resultat = comparegrille(grille, tirage);
    ligne += " ->";
    ligne += std::to_string(resultat.bons);
    if (resultat.complementaire)
        ligne += " + Complémentaire.";
    return ligne;
}

TComparaison comparemethode(TEtat& etat, const TTirage& tirage) {
    TComparaison comparaison;
    if (etat.nbgrilles > 0)
        comparaison.lignes.reserve(static_cast<std::size_t>(etat.nbgrilles));
    parcourtserie(etat, 1, etat.nbgrilles, [&](std::int32_t g) {
        comparaison.lignes.push_back(lignecomparaison(g, etat.grillecour, tirage));
        comparaison.compteurs.compte(classe(comparegrille(etat.grillecour, tirage)));
        return true;
    });
    return comparaison;
}

} // namespace vormigral

#include "history/argent.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace vormigral {

namespace {

constexpr std::int64_t plusgrand = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t pluspetit = std::numeric_limits<std::int64_t>::min();

std::int64_t somme(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    return __builtin_add_overflow(a, b, &r) ? (b > 0 ? plusgrand : pluspetit) : r;
}

std::int64_t produit(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    return __builtin_mul_overflow(a, b, &r) ? ((a < 0) != (b < 0) ? pluspetit : plusgrand) : r;
}

// The length of the blank at the start of `texte`: a space, or a no-break space (U+00A0) or narrow
// no-break space (U+202F) in UTF-8, which French number formats put between groups of digits.
std::size_t blanc(std::string_view texte) {
    if (!texte.empty() && texte.front() == ' ')
        return 1;
    if (texte.substr(0, 2) == "\xC2\xA0")
        return 2;
    if (texte.substr(0, 3) == "\xE2\x80\xAF")
        return 3;
    return 0;
}

std::string_view sansblancs(std::string_view texte) {
    while (std::size_t n = blanc(texte))
        texte.remove_prefix(n);
    while (!texte.empty()) {
        std::size_t n = 0;
        for (const std::size_t taille : {std::size_t{1}, std::size_t{2}, std::size_t{3}})
            if (texte.size() >= taille && blanc(texte.substr(texte.size() - taille)) == taille)
                n = taille;
        if (n == 0)
            break;
        texte.remove_suffix(n);
    }
    return texte;
}

bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

// Digits from the start of `texte`, at most `maximum` of them, added to `valeur`.
std::size_t chiffres(std::string_view texte, std::size_t maximum, std::int64_t& valeur) {
    std::size_t n = 0;
    while (n < texte.size() && n < maximum && chiffre(texte[n]))
        valeur = valeur * 10 + (texte[n++] - '0');
    return n;
}

constexpr std::int64_t unitesmax = 1000000000;

} // namespace

bool TGains::aucun() const {
    return std::none_of(centimes.begin(), centimes.end(), [](std::int64_t c) { return c > gaininconnu; });
}

bool litmontant(std::string_view texte, std::int64_t& centimes) {
    texte = sansblancs(texte);
    std::int64_t unites = 0;
    // Eleven digits are already past the bound; more would overflow.
    std::size_t n = chiffres(texte, 11, unites);
    if (n == 0)
        return false;
    texte.remove_prefix(n);
    // Groups of three after blanks, only when the first group has one to three digits.
    const bool groupes = n <= 3;
    while (groupes && blanc(texte) > 0) {
        texte.remove_prefix(blanc(texte));
        if (texte.size() < 3 || chiffres(texte, 3, unites) != 3 || (texte.size() > 3 && chiffre(texte[3])))
            return false;
        texte.remove_prefix(3);
        if (unites > unitesmax)
            return false;
    }
    std::int64_t decimales = 0;
    if (!texte.empty() && (texte.front() == ',' || texte.front() == '.')) {
        texte.remove_prefix(1);
        n = chiffres(texte, 2, decimales);
        if (n == 0)
            return false;
        texte.remove_prefix(n);
        if (n == 1)
            decimales *= 10;
    }
    if (!texte.empty() || unites * 100 + decimales > unitesmax * 100)
        return false;
    centimes = unites * 100 + decimales;
    return true;
}

std::int64_t francsencentimes(std::int64_t centimes) {
    // cents = centimes / 6.55957, rounded half up: (2 * centimes * 100000 + 655957) / (2 * 655957).
    return (2 * centimes * 100000 + 655957) / (2 * 655957);
}

TBilanArgent bilanargent(const TRecapitulatif& verification, const std::vector<TGains>& gains,
                         std::int64_t prixgrille) {
    TBilanArgent bilan;
    prixgrille = std::clamp(prixgrille, std::int64_t{0}, prixgrillemax);
    const std::size_t nb = verification.tirages.size();
    bilan.tirages.reserve(nb);
    for (std::size_t i = 0; i < nb; ++i) {
        const TRecapTirage& b = verification.tirages[i];
        const TGains* g = i < gains.size() ? &gains[i] : nullptr;
        TArgentTirage a;
        std::int64_t grilles = 0;
        for (int k = 0; k < 8; ++k)
            grilles += b.compteurs[static_cast<TClasse>(k)];
        a.cout = produit(grilles, prixgrille);
        for (int k = 1; k < 8; ++k) {
            const TClasse classe = static_cast<TClasse>(k);
            const std::int32_t n = b.compteurs[classe];
            if (n == 0)
                continue;
            if (g && g->connu(classe)) {
                a.gagne = somme(a.gagne, produit(n, g->centimes[static_cast<std::size_t>(k)]));
            } else {
                a.inconnus[static_cast<std::size_t>(k)] += n;
                a.nbinconnus += n;
            }
        }
        a.net = somme(a.gagne, -a.cout);
        bilan.cout = somme(bilan.cout, a.cout);
        bilan.gagne = somme(bilan.gagne, a.gagne);
        for (std::size_t k = 0; k < a.inconnus.size(); ++k)
            bilan.inconnus[k] += a.inconnus[k];
        bilan.nbinconnus += a.nbinconnus;
        bilan.tiragesincomplets += a.nbinconnus > 0 ? 1 : 0;
        bilan.tiragessansgains += !g || g->aucun() ? 1 : 0;
        bilan.tirages.push_back(a);
    }
    bilan.net = somme(bilan.gagne, -bilan.cout);

    // The chart runs in calendar order whatever the order of the check (the history lists the
    // newest first); two draws of one day keep their order.
    std::vector<std::size_t> ordre(nb);
    std::iota(ordre.begin(), ordre.end(), std::size_t{0});
    std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) {
        return verification.tirages[a].tirage.date < verification.tirages[b].tirage.date;
    });
    bilan.cumul.reserve(nb);
    TPointArgent point;
    for (const std::size_t i : ordre) {
        point.date = verification.tirages[i].tirage.date;
        point.cumul = somme(point.cumul, bilan.tirages[i].net);
        point.incomplet = point.incomplet || bilan.tirages[i].nbinconnus > 0;
        point.tirage = i;
        bilan.cumul.push_back(point);
    }
    return bilan;
}

} // namespace vormigral

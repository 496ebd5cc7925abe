#include "history/prixgrille.h"

#include "history/argent.h"

#include <charconv>
#include <string_view>

namespace vormigral {

namespace {

constexpr std::string_view signature = "VORMIGRAL prix 1\n";
// The signature and a price of at most seven digits, with a line end or two.
constexpr std::size_t taillemax = 64;

bool valide(std::int64_t centimes) {
    return centimes >= prixgrillemin && centimes <= prixgrillemax;
}

} // namespace

std::int64_t lisprixgrille(const std::string& chemin) {
    std::string contenu;
    if (lisfichier(chemin, contenu, taillemax).ouverture != Ouverture::Lu ||
        contenu.compare(0, signature.size(), signature) != 0)
        return prixgrilleordinaire;
    std::string_view reste(contenu);
    reste.remove_prefix(signature.size());
    while (!reste.empty() && (reste.back() == '\n' || reste.back() == '\r'))
        reste.remove_suffix(1);
    std::int64_t centimes = 0;
    const auto [fin, erreur] = std::from_chars(reste.data(), reste.data() + reste.size(), centimes);
    if (erreur != std::errc() || fin != reste.data() + reste.size() || !valide(centimes))
        return prixgrilleordinaire;
    return centimes;
}

Ecriture memoriseprixgrille(const std::string& chemin, std::int64_t centimes) {
    if (!valide(centimes))
        return {Refus::Autre};
    const std::string texte = std::string(signature) + std::to_string(centimes) + '\n';
    return ecrirefichier(chemin, reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size());
}

} // namespace vormigral

#include "history/correspondances.h"

#include <algorithm>

namespace vormigral {

namespace {

constexpr std::string_view signature = "VORMIGRAL correspondances 1";
// What cleentete gives at most: 240 bytes, "#" and sixteen hexadecimal digits.
constexpr std::size_t clemax = 257;

bool clevalide(std::string_view cle) {
    return !cle.empty() && cle.size() <= clemax && std::all_of(cle.begin(), cle.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ';' || c == '#';
    });
}

bool correspondancevalide(const TCorrespondance& correspondance) {
    const std::array<int, 8>& c = correspondance.colonnes;
    for (std::size_t f = 0; f < c.size(); ++f)
        if (c[f] < 0 || static_cast<std::size_t>(c[f]) >= colonnesmax ||
            std::find(c.begin(), c.begin() + f, c[f]) != c.begin() + f)
            return false;
    return true;
}

// "3,4,5,6,7,8,9,1": eight column numbers of at most three digits.
bool lisindices(std::string_view texte, TCorrespondance& correspondance) {
    for (std::size_t f = 0; f < correspondance.colonnes.size(); ++f) {
        if (f > 0) {
            if (texte.empty() || texte.front() != ',')
                return false;
            texte.remove_prefix(1);
        }
        std::size_t n = 0;
        int valeur = 0;
        while (n < texte.size() && n < 3 && texte[n] >= '0' && texte[n] <= '9')
            valeur = valeur * 10 + (texte[n++] - '0');
        if (n == 0)
            return false;
        texte.remove_prefix(n);
        correspondance.colonnes[f] = valeur;
    }
    return texte.empty() && correspondancevalide(correspondance);
}

// Keeps `entree` as the newest, in place of an earlier one of its key; the oldest go beyond the bound.
void ajoute(std::vector<TCorrespondanceMemorisee>& entrees, TCorrespondanceMemorisee entree) {
    entrees.erase(std::remove_if(entrees.begin(), entrees.end(),
                                 [&](const TCorrespondanceMemorisee& e) { return e.cle == entree.cle; }),
                  entrees.end());
    entrees.push_back(std::move(entree));
    if (entrees.size() > correspondancesmax)
        entrees.erase(entrees.begin(), entrees.end() - correspondancesmax);
}

} // namespace

TMemoireColonnes lismemoirecolonnes(std::string_view texte) {
    TMemoireColonnes memoire;
    memoire.ouverture = Ouverture::Lu;
    bool premiere = true;
    while (!texte.empty()) {
        const std::size_t fin = std::min(texte.find('\n'), texte.size());
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(std::min(fin + 1, texte.size()));
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        const bool entete = premiere && ligne == signature;
        premiere = false;
        if (entete || ligne.empty())
            continue;
        const std::size_t tab = ligne.find('\t');
        TCorrespondanceMemorisee entree;
        if (tab == std::string_view::npos || !lisindices(ligne.substr(0, tab), entree.correspondance) ||
            !clevalide(ligne.substr(tab + 1))) {
            ++memoire.ignorees;
            continue;
        }
        entree.cle = std::string(ligne.substr(tab + 1));
        ajoute(memoire.entrees, std::move(entree));
    }
    return memoire;
}

TMemoireColonnes liscorrespondances(const std::string& chemin) {
    std::string contenu;
    const Debut debut = lisfichier(chemin, contenu, taillecorrespondancesmax);
    if (debut.ouverture != Ouverture::Lu) {
        TMemoireColonnes memoire;
        memoire.ouverture = debut.ouverture;
        memoire.erreur = debut.erreur;
        return memoire;
    }
    // A file cut short by the bound ends in part of a line, which could pass for a shorter key.
    if (debut.taille > contenu.size())
        contenu.erase(contenu.rfind('\n') == std::string::npos ? 0 : contenu.rfind('\n') + 1);
    return lismemoirecolonnes(contenu);
}

std::optional<TCorrespondance> correspondancememorisee(const TMemoireColonnes& memoire,
                                                       const std::string& cle) {
    for (const TCorrespondanceMemorisee& e : memoire.entrees)
        if (e.cle == cle)
            return e.correspondance;
    return std::nullopt;
}

Ecriture memorisecorrespondance(const std::string& chemin, const std::string& cle,
                                const TCorrespondance& correspondance) {
    if (!clevalide(cle) || !correspondancevalide(correspondance))
        return {Refus::Autre};
    TMemoireColonnes memoire = liscorrespondances(chemin);
    if (memoire.ouverture == Ouverture::Dossier || memoire.ouverture == Ouverture::PasFichier)
        return {Refus::PasFichier};
    // What cannot be read is not replaced: the mappings it holds would be lost.
    if (memoire.ouverture == Ouverture::Refuse)
        return {Refus::Protege};
    ajoute(memoire.entrees, {cle, correspondance});
    std::string texte(signature);
    texte += '\n';
    for (const TCorrespondanceMemorisee& e : memoire.entrees) {
        for (std::size_t f = 0; f < e.correspondance.colonnes.size(); ++f)
            texte += (f > 0 ? "," : "") + std::to_string(e.correspondance.colonnes[f]);
        texte += '\t' + e.cle + '\n';
    }
    return ecrirefichier(chemin, reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size());
}

} // namespace vormigral

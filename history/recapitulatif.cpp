#include "history/recapitulatif.h"

#include "files/csv.h"
#include "files/exportgrilles.h"

#include <algorithm>
#include <bitset>

namespace vormigral {

namespace {

int compte(TMasque m) {
    return static_cast<int>(std::bitset<64>(m).count());
}

// Classes from the best down, as the table's columns run.
constexpr TClasse classesdecroissantes[] = {TClasse::nb6, TClasse::nb5c, TClasse::nb5, TClasse::nb4c,
                                            TClasse::nb4, TClasse::nb3c, TClasse::nb3};

} // namespace

TMasque masque(const std::array<std::int32_t, 6>& numeros) {
    TMasque m = 0;
    for (const std::int32_t n : numeros)
        if (n >= 1 && n <= 49)
            m |= TMasque{1} << n;
    return m;
}

std::vector<TMasque> grillesdelaserie(TEtat etat) {
    std::vector<TMasque> grilles;
    for (const TGrilleExport& grille : grillesmethode(std::move(etat)))
        grilles.push_back(masque(grille));
    return grilles;
}

TMasque masquecoches(const TEtat& etat) {
    TMasque m = 0;
    for (std::size_t i = 1; i <= 49; ++i)
        if (etat.numcoch[i] >= 1 && etat.numcoch[i] <= 49)
            m |= TMasque{1} << etat.numcoch[i];
    return m;
}

TRecapitulatif recapitule(const std::vector<TMasque>& grilles, TMasque coches, TGarantie garantie,
                          const std::vector<TTirageDate>& tirages) {
    TRecapitulatif resultat;
    resultat.tirages.reserve(tirages.size());
    for (const TTirageDate& t : tirages) {
        TRecapTirage b;
        b.tirage = t;
        const TMasque tire = masque(t.tirage.numeros);
        const int c = t.tirage.complementaire;
        for (const TMasque grille : grilles) {
            const TResultat r{compte(grille & tire), c >= 1 && c <= 49 && ((grille >> c) & 1) != 0};
            const TClasse k = classe(r);
            b.compteurs.compte(k);
            resultat.totaux.compte(k);
            b.meilleure = std::max(b.meilleure, k);
            b.meilleursbons = std::max(b.meilleursbons, r.bons);
        }
        b.trouves = compte(coches & tire);
        if (b.trouves >= garantie.y)
            b.promesse = b.meilleursbons >= garantie.x ? TPromesse::tenue : TPromesse::manquee;
        resultat.promises += b.promesse != TPromesse::sansobjet ? 1 : 0;
        resultat.tenues += b.promesse == TPromesse::tenue ? 1 : 0;
        resultat.tirages.push_back(b);
    }
    return resultat;
}

std::vector<std::size_t> placesperiode(const std::vector<TTirageDate>& tirages, const TDate& debut,
                                       const TDate& fin) {
    std::vector<std::size_t> places;
    for (std::size_t i = 0; i < tirages.size(); ++i)
        if (debut <= tirages[i].date && tirages[i].date <= fin)
            places.push_back(i);
    return places;
}

std::vector<TTirageDate> periode(const std::vector<TTirageDate>& tirages, const TDate& debut,
                                 const TDate& fin) {
    std::vector<TTirageDate> resultat;
    for (const std::size_t i : placesperiode(tirages, debut, fin))
        resultat.push_back(tirages[i]);
    return resultat;
}

std::string csvrecapitulatif(const std::vector<const TRecapTirage*>& lignes, const TLibellesCsv& libelles) {
    std::string texte;
    ajoutelignecsv(texte, {libelles.entetes.begin(), libelles.entetes.end()});
    std::vector<std::string> champs;
    for (const TRecapTirage* b : lignes) {
        champs.clear();
        champs.push_back(dateiso(b->tirage.date));
        for (const std::int32_t n : b->tirage.tirage.numeros)
            champs.push_back(std::to_string(n));
        champs.push_back(std::to_string(b->tirage.tirage.complementaire));
        champs.push_back(libelles.classes[static_cast<std::size_t>(b->meilleure)]);
        for (const TClasse k : classesdecroissantes)
            champs.push_back(std::to_string(b->compteurs[k]));
        champs.push_back(std::to_string(b->trouves));
        champs.push_back(libelles.promesses[static_cast<std::size_t>(b->promesse)]);
        ajoutelignecsv(texte, champs);
    }
    return texte;
}

} // namespace vormigral

#include "history/tirage.h"

#include <algorithm>
#include <cstdio>

namespace vormigral {

namespace {

bool bissextile(int annee) {
    return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
}

int joursdumois(int annee, int mois) {
    static constexpr int jours[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mois == 2 && bissextile(annee) ? 29 : jours[mois - 1];
}

std::array<std::int32_t, 6> ordonnes(std::array<std::int32_t, 6> numeros) {
    std::sort(numeros.begin(), numeros.end());
    return numeros;
}

bool jourexiste(const TDate& date) {
    return date.mois >= 1 && date.mois <= 12 && date.jour >= 1 &&
           date.jour <= joursdumois(date.annee, date.mois);
}

} // namespace

bool datevalide(const TDate& date) {
    return date.annee >= premiereannee && date.annee <= derniereannee && jourexiste(date);
}

std::string dateiso(const TDate& date) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "%04d-%02d-%02d", date.annee, date.mois, date.jour);
    return texte;
}

std::string datecourte(const TDate& date) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "%02d/%02d/%04d", date.jour, date.mois, date.annee);
    return texte;
}

void ordonne(TTirageDate& tirage) {
    tirage.tirage.numeros = ordonnes(tirage.tirage.numeros);
}

TMotif validetirage(const TTirageDate& tirage, const TDate& aujourdhui) {
    if (tirage.date.annee < premiereannee)
        return TMotif::annee;
    if (!jourexiste(tirage.date))
        return TMotif::dateinexistante;
    if (aujourdhui < tirage.date)
        return TMotif::future;
    const TTirage& t = tirage.tirage;
    const auto dansplage = [](std::int32_t n) { return n >= 1 && n <= 49; };
    if (!std::all_of(t.numeros.begin(), t.numeros.end(), dansplage) || !dansplage(t.complementaire))
        return TMotif::horsplage;
    const auto tries = ordonnes(t.numeros);
    if (std::adjacent_find(tries.begin(), tries.end()) != tries.end())
        return TMotif::repete;
    if (std::find(tries.begin(), tries.end(), t.complementaire) != tries.end())
        return TMotif::complementaire;
    return TMotif::aucun;
}

TMotif validetirage(const TTirageDate& tirage) {
    return validetirage(tirage, TDate{derniereannee, 12, 31});
}

bool memetirage(const TTirageDate& a, const TTirageDate& b) {
    return a.date == b.date && ordonnes(a.tirage.numeros) == ordonnes(b.tirage.numeros);
}

} // namespace vormigral

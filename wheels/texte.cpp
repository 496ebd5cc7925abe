#include "wheels/texte.h"

#include <algorithm>
#include <cstdio>

namespace vormigral {

namespace {

constexpr char enteteroue[] = "# VORMIGRAL wheel";

bool separateur(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ';';
}

bool controleinterdit(unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7f;
}

// Reads "key=value" as a whole number in 1..999 after the expected key.
bool champ(const std::string& mot, const char* cle, int& valeur) {
    const std::string prefixe = std::string(cle) + "=";
    if (mot.compare(0, prefixe.size(), prefixe) != 0 || mot.size() == prefixe.size() ||
        mot.size() > prefixe.size() + 6)
        return false;
    valeur = 0;
    for (std::size_t i = prefixe.size(); i < mot.size(); ++i) {
        if (mot[i] < '0' || mot[i] > '9')
            return false;
        valeur = valeur * 10 + (mot[i] - '0');
    }
    return true;
}

} // namespace

bool litentete(const std::string& ligne, TEnTete& e) {
    if (ligne.compare(0, sizeof enteteroue - 1, enteteroue) != 0)
        return false;
    std::vector<std::string> mots;
    std::string mot;
    for (std::size_t i = sizeof enteteroue - 1; i <= ligne.size(); ++i) {
        if (i == ligne.size() || separateur(ligne[i])) {
            if (!mot.empty())
                mots.push_back(mot);
            mot.clear();
        } else {
            mot += ligne[i];
        }
    }
    return mots.size() == 4 && champ(mots[0], "N", e.nbnumeros) && champ(mots[1], "t", e.t) &&
           champ(mots[2], "m", e.m) && champ(mots[3], "size", e.taille) &&
           controledemande(e.nbnumeros, e.t, e.m) == Demande::Valide;
}

namespace {

// One grid line; Bonne with the grid sorted, or what is wrong with it.
Lecture litgrille(const std::string& ligne, std::array<int, 6>& grille) {
    int compte = 0;
    std::size_t i = 0;
    while (i < ligne.size()) {
        if (separateur(ligne[i])) {
            ++i;
            continue;
        }
        int valeur = 0;
        std::size_t chiffres = 0;
        for (; i < ligne.size() && !separateur(ligne[i]); ++i, ++chiffres) {
            if (ligne[i] < '0' || ligne[i] > '9')
                return Lecture::Nombre;
            if (chiffres < 4)
                valeur = valeur * 10 + (ligne[i] - '0');
        }
        if (compte == 6)
            return Lecture::Compte;
        grille[static_cast<std::size_t>(compte++)] = chiffres > 4 ? 10000 : valeur;
    }
    if (compte != 6)
        return Lecture::Compte;
    for (const int v : grille)
        if (v < 1 || v > rouemaxnumeros)
            return Lecture::Limites;
    std::sort(grille.begin(), grille.end());
    if (std::adjacent_find(grille.begin(), grille.end()) != grille.end())
        return Lecture::Repete;
    return Lecture::Bonne;
}

TLecture faute(Lecture cause, int ligne) {
    TLecture l;
    l.cause = cause;
    l.ligne = ligne;
    return l;
}

} // namespace

TLecture litroue(const std::string& octets) {
    if (octets.size() > limiteoctetsroue)
        return faute(Lecture::TropGrand, 0);
    TLecture l;
    TEnTete e;
    int ligneentete = 0;
    std::size_t debut = octets.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (int numero = 1; debut < octets.size(); ++numero) {
        std::size_t fin = octets.find_first_of("\r\n", debut);
        if (fin == std::string::npos)
            fin = octets.size();
        std::string ligne = octets.substr(debut, fin - debut);
        // CR LF, LF or CR alone end a line.
        debut = fin + (octets.compare(fin, 2, "\r\n") == 0 ? 2 : 1);
        if (std::any_of(ligne.begin(), ligne.end(),
                        [](char c) { return controleinterdit(static_cast<unsigned char>(c)); }))
            return faute(Lecture::Binaire, numero);
        const std::size_t premier = ligne.find_first_not_of(" \t");
        if (premier == std::string::npos)
            continue;
        if (ligne[premier] == '#') {
            if (ligne.compare(premier, sizeof enteteroue - 1, enteteroue) == 0 && !l.entete &&
                l.grilles.empty()) {
                if (!litentete(ligne.substr(premier), e))
                    return faute(Lecture::EnTete, numero);
                l.entete = true;
                l.nbnumeros = e.nbnumeros;
                l.t = e.t;
                l.m = e.m;
                ligneentete = numero;
            }
            continue;
        }
        std::array<int, 6> grille{};
        const Lecture cause = litgrille(ligne, grille);
        if (cause == Lecture::Bonne && l.entete && grille[5] > l.nbnumeros)
            return faute(Lecture::Limites, numero);
        if (cause != Lecture::Bonne)
            return faute(cause, numero);
        if (l.grilles.size() == limitelignesroue)
            return faute(Lecture::TropGrand, numero);
        l.grilles.push_back(grille);
    }
    if (l.grilles.empty())
        return faute(Lecture::Vide, 0);
    if (l.entete && static_cast<std::size_t>(e.taille) != l.grilles.size())
        return faute(Lecture::EnTete, ligneentete);
    std::vector<bool> vus(rouemaxnumeros + 1, false);
    for (const auto& g : l.grilles)
        for (const int v : g)
            vus[static_cast<std::size_t>(v)] = true;
    if (!l.entete && std::count(vus.begin(), vus.end(), true) < roueminnumeros)
        return faute(Lecture::TropPeu, 0);
    return l;
}

TImport importe(const TLecture& lecture, int t, int m) {
    TImport i;
    if (lecture.cause != Lecture::Bonne)
        return i;
    i.roue.t = lecture.entete ? lecture.t : t;
    i.roue.m = lecture.entete ? lecture.m : m;
    std::vector<int> place(rouemaxnumeros + 1, 0);
    if (lecture.entete) {
        i.roue.nbnumeros = lecture.nbnumeros;
        for (int p = 1; p <= lecture.nbnumeros; ++p) {
            i.numeros.push_back(p);
            place[static_cast<std::size_t>(p)] = p;
        }
    } else {
        for (const auto& g : lecture.grilles)
            for (const int v : g)
                place[static_cast<std::size_t>(v)] = 1;
        for (int v = 1; v <= rouemaxnumeros; ++v)
            if (place[static_cast<std::size_t>(v)] != 0) {
                i.numeros.push_back(v);
                place[static_cast<std::size_t>(v)] = static_cast<int>(i.numeros.size());
            }
        i.roue.nbnumeros = static_cast<int>(i.numeros.size());
    }
    for (const auto& g : lecture.grilles) {
        std::uint64_t masque = 0;
        for (const int v : g)
            masque |= std::uint64_t{1} << (place[static_cast<std::size_t>(v)] - 1);
        i.roue.grilles.push_back(masque);
    }
    return i;
}

std::string ecritroue(const TRoue& roue) {
    std::string texte = std::string(enteteroue) + " N=" + std::to_string(roue.nbnumeros) +
                        " t=" + std::to_string(roue.t) + " m=" + std::to_string(roue.m) +
                        " size=" + std::to_string(roue.grilles.size()) + "\n";
    for (const std::uint64_t g : roue.grilles) {
        const auto p = positions(g);
        for (std::size_t k = 0; k < p.size(); ++k)
            texte += (k == 0 ? "" : " ") + std::to_string(p[k]);
        texte += '\n';
    }
    return texte;
}

} // namespace vormigral

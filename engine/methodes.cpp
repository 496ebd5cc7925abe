#include "engine/methodes.h"

#include <algorithm>
#include <cctype>

namespace vormigral {

namespace {

struct Description {
    int x; // numbers guaranteed in one grid
    int y; // drawn numbers that must fall among the ticked ones
    int nbnumeros;
    int nbgrilles;
};

// X, Y, N and G of methods 1..50; the descriptions are built from them.
constexpr std::array<Description, nbmethodes> catalogue = {{
    {3, 3, 11, 11},  {4, 5, 12, 20},  {3, 3, 10, 10}, {5, 6, 9, 8},    {4, 6, 10, 3},   {4, 6, 11, 6},
    {4, 4, 7, 5},    {5, 5, 7, 6},    {3, 3, 8, 4},   {4, 6, 12, 10},  {4, 6, 11, 5},   {3, 3, 7, 4},
    {3, 6, 14, 5},   {4, 4, 10, 21},  {3, 6, 20, 10}, {3, 6, 17, 6},   {4, 6, 14, 17},  {4, 6, 15, 24},
    {5, 6, 8, 4},    {5, 6, 12, 48},  {3, 3, 12, 15}, {4, 4, 8, 6},    {4, 4, 9, 12},   {3, 4, 9, 3},
    {3, 4, 10, 4},   {3, 4, 11, 5},   {3, 4, 12, 6},  {4, 6, 13, 10},  {5, 5, 8, 12},   {5, 5, 9, 30},
    {4, 4, 11, 32},  {5, 5, 11, 100}, {3, 3, 13, 24}, {3, 3, 14, 26},  {4, 4, 13, 66},  {4, 4, 14, 80},
    {5, 5, 12, 132}, {5, 5, 10, 50},  {3, 3, 15, 31}, {3, 3, 16, 38},  {4, 4, 15, 118}, {3, 4, 14, 11},
    {5, 6, 11, 22},  {5, 6, 13, 61},  {5, 6, 14, 98}, {5, 5, 13, 245}, {5, 5, 14, 371}, {4, 4, 16, 152},
    {3, 3, 19, 63},  {3, 3, 20, 72},
}};

// The one English description that keeps the French last word.
constexpr int methodegrilles = 23;

std::string deuxchiffres(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string libellefr(const Description& d) {
    return std::to_string(d.x) + " numéros si " + std::to_string(d.y) + " numéros parmi les " +
           deuxchiffres(d.nbnumeros) + " en " + std::to_string(d.nbgrilles) + " grilles";
}

std::string libelleang(const Description& d, int m) {
    return std::to_string(d.x) + " numbers if " + std::to_string(d.y) + " numbers in the " +
           deuxchiffres(d.nbnumeros) + " in " + std::to_string(d.nbgrilles) +
           (m == methodegrilles ? " grilles" : " grids");
}

// The list compares its texts character by character without regard to case.
bool avantsansCasse(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char ca, char cb) {
        return std::tolower(static_cast<unsigned char>(ca)) < std::tolower(static_cast<unsigned char>(cb));
    });
}

} // namespace

void initmethodes(TMethodes& methodes) {
    for (int m = 1; m <= nbmethodes; ++m) {
        const Description& d = catalogue[m - 1];
        methodes[m] = TMethode{libellefr(d), libelleang(d, m), d.nbgrilles, d.nbnumeros};
    }
}

const std::string& libelle(const TMethode& methode, std::int32_t langue) {
    return langue == 2 ? methode.libang : methode.libfr;
}

std::vector<std::string> listemethodes(const TMethodes& methodes, std::int32_t langue) {
    std::array<std::string, nbmethodes + 1> libelles;
    for (int m = 1; m <= nbmethodes; ++m)
        libelles[static_cast<std::size_t>(m)] = libelle(methodes[m], langue);
    return listemethodes(libelles);
}

std::vector<std::string> listemethodes(const std::array<std::string, nbmethodes + 1>& libelles) {
    std::vector<std::string> items;
    items.reserve(nbmethodes);
    for (int m = 1; m <= nbmethodes; ++m)
        items.push_back(libelles[static_cast<std::size_t>(m)] + std::string(50, ' ') + std::to_string(m));
    std::stable_sort(items.begin(), items.end(), avantsansCasse);
    return items;
}

std::int32_t methodedutexte(const std::string& item) {
    if (item.size() < 3)
        return -1;
    const std::string fin = item.substr(item.size() - 3);
    std::size_t i = 0;
    while (i < fin.size() && fin[i] == ' ')
        ++i;
    bool negatif = false;
    if (i < fin.size() && (fin[i] == '+' || fin[i] == '-')) {
        negatif = fin[i] == '-';
        ++i;
    }
    if (i == fin.size())
        return -1;
    std::int32_t valeur = 0;
    for (; i < fin.size(); ++i) {
        if (fin[i] < '0' || fin[i] > '9')
            return -1;
        valeur = valeur * 10 + (fin[i] - '0');
    }
    return negatif ? -valeur : valeur;
}

TGarantie garantie(int m) {
    const Description& d = catalogue.at(static_cast<std::size_t>(m - 1));
    return {d.x, d.y};
}

const TMethode* methode(const TMethodes& methodes, std::int32_t m) {
    if (m < 1 || m > nbmethodes)
        return nullptr;
    return &methodes[m];
}

} // namespace vormigral

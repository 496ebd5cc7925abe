#include "history/importation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

namespace vormigral {

namespace {

void ajouteutf8(std::string& texte, std::uint32_t point) {
    if (point < 0x80) {
        texte += static_cast<char>(point);
    } else if (point < 0x800) {
        texte += static_cast<char>(0xC0 | (point >> 6));
        texte += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        texte += static_cast<char>(0xE0 | (point >> 12));
        texte += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        texte += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        texte += static_cast<char>(0xF0 | (point >> 18));
        texte += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        texte += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        texte += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// Spreadsheets save "Unicode text" as UTF-16 with a byte-order mark; anything unpaired becomes "?".
std::string depuisutf16(std::string_view octets, bool petitboutiste) {
    std::string texte;
    texte.reserve(octets.size() / 2);
    const auto unite = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(octets[i]);
        const auto b = static_cast<unsigned char>(octets[i + 1]);
        return static_cast<std::uint32_t>(petitboutiste ? a | (b << 8) : (a << 8) | b);
    };
    for (std::size_t i = 2; i + 1 < octets.size(); i += 2) {
        const std::uint32_t u = unite(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < octets.size()) {
            const std::uint32_t v = unite(i + 2);
            if (v >= 0xDC00 && v < 0xE000) {
                ajouteutf8(texte, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        ajouteutf8(texte, u >= 0xD800 && u < 0xE000 ? '?' : u);
    }
    return texte;
}

bool utf8valide(std::string_view texte) {
    std::size_t i = 0;
    while (i < texte.size()) {
        const auto c = static_cast<unsigned char>(texte[i]);
        std::size_t suite = 0;
        if (c >= 0xC2 && c <= 0xDF)
            suite = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            suite = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            suite = 3;
        else if (c >= 0x80)
            return false;
        if (i + suite >= texte.size() && suite > 0)
            return false;
        for (std::size_t k = 1; k <= suite; ++k)
            if ((static_cast<unsigned char>(texte[i + k]) & 0xC0) != 0x80)
                return false;
        i += suite + 1;
    }
    return true;
}

// Tab, line ends, form feed and the end-of-file mark of old editors are text; other control
// bytes only come from binary files.
bool pastexte(std::string_view texte) {
    return std::any_of(texte.begin(), texte.end(), [](char c) {
        const auto o = static_cast<unsigned char>(c);
        return o < 0x20 && o != '\t' && o != '\n' && o != '\r' && o != '\f' && o != '\v' && o != 0x1A;
    });
}

std::optional<std::string> entexte(std::string_view octets) {
    std::string texte;
    if (octets.size() >= 2 && octets[0] == '\xFF' && octets[1] == '\xFE')
        texte = depuisutf16(octets, true);
    else if (octets.size() >= 2 && octets[0] == '\xFE' && octets[1] == '\xFF')
        texte = depuisutf16(octets, false);
    else
        texte = std::string(octets.substr(octets.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0));
    if (pastexte(texte))
        return std::nullopt;
    if (utf8valide(texte))
        return texte;
    std::string converti;
    converti.reserve(texte.size() + texte.size() / 8);
    for (const char c : texte)
        ajouteutf8(converti, static_cast<unsigned char>(c));
    return converti;
}

std::vector<std::string_view> lignes(std::string_view texte) {
    std::vector<std::string_view> resultat;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '\n' && texte[i] != '\r')
            continue;
        resultat.push_back(texte.substr(debut, i - debut));
        if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n')
            ++i;
        debut = i + 1;
    }
    if (debut < texte.size())
        resultat.push_back(texte.substr(debut));
    return resultat;
}

bool blanc(char c) {
    return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\x1A';
}

std::string_view nettoie(std::string_view champ) {
    while (!champ.empty() && blanc(champ.front()))
        champ.remove_prefix(1);
    while (!champ.empty() && blanc(champ.back()))
        champ.remove_suffix(1);
    return champ;
}

bool videligne(std::string_view ligne) {
    return nettoie(ligne).empty();
}

// The separator of the file, read off its first non-blank line; 0 for runs of blanks.
char separateur(std::string_view ligne) {
    char choisi = 0;
    long plus = 0;
    for (const char s : {'\t', ';', ','}) {
        const long n = std::count(ligne.begin(), ligne.end(), s);
        if (n > plus) {
            plus = n;
            choisi = s;
        }
    }
    return choisi;
}

// Fields with their blanks and surrounding double quotes removed; a quoted field may hold the
// separator and doubled quotes.
std::vector<std::string> champs(std::string_view ligne, char sep) {
    std::vector<std::string> resultat;
    if (sep == 0) {
        std::size_t i = 0;
        while (i < ligne.size()) {
            while (i < ligne.size() && blanc(ligne[i]))
                ++i;
            const std::size_t debut = i;
            while (i < ligne.size() && !blanc(ligne[i]))
                ++i;
            if (i > debut)
                resultat.emplace_back(ligne.substr(debut, i - debut));
        }
        return resultat;
    }
    std::size_t i = 0;
    while (true) {
        std::string champ;
        while (i < ligne.size() && blanc(ligne[i]) && ligne[i] != sep)
            ++i;
        if (i < ligne.size() && ligne[i] == '"') {
            for (++i; i < ligne.size(); ++i) {
                if (ligne[i] == '"' && i + 1 < ligne.size() && ligne[i + 1] == '"')
                    champ += ligne[++i];
                else if (ligne[i] == '"')
                    break;
                else
                    champ += ligne[i];
            }
            ++i;
            while (i < ligne.size() && ligne[i] != sep)
                ++i;
        } else {
            const std::size_t debut = i;
            while (i < ligne.size() && ligne[i] != sep)
                ++i;
            champ = std::string(nettoie(ligne.substr(debut, i - debut)));
        }
        resultat.push_back(std::move(champ));
        if (i >= ligne.size())
            break;
        ++i;
    }
    // A separator closing every line adds nothing.
    while (!resultat.empty() && resultat.back().empty())
        resultat.pop_back();
    return resultat;
}

// Lower-case ASCII letters and digits only, accented Latin letters folded to their base letter.
std::string nomnormalise(std::string_view nom) {
    // U+00C0..U+00FF, '.' where the character is no letter to keep.
    static constexpr char latin[] = "aaaaaaaceeeeiiiidnooooo.ouuuuy.saaaaaaaceeeeiiiidnooooo.ouuuuy.y";
    static_assert(sizeof latin == 65);
    std::string resultat;
    for (std::size_t i = 0; i < nom.size(); ++i) {
        const auto c = static_cast<unsigned char>(nom[i]);
        if (c == 0xC3 && i + 1 < nom.size()) {
            const char base = latin[static_cast<unsigned char>(nom[++i]) & 0x3F];
            if (base != '.')
                resultat += base;
        } else if (c >= 'A' && c <= 'Z') {
            resultat += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            resultat += static_cast<char>(c);
        }
    }
    return resultat;
}

bool contient(const std::string& texte, std::string_view morceau) {
    return texte.find(morceau) != std::string::npos;
}

bool finit(const std::string& texte, std::string_view fin) {
    return texte.size() >= fin.size() && texte.compare(texte.size() - fin.size(), fin.size(), fin) == 0;
}

// Main number k (1..6) named by a header, else 0.
int numeroboule(const std::string& nom) {
    if (nom.size() < 2 || nom.back() < '1' || nom.back() > '6')
        return 0;
    if (nom.size() >= 2 && nom[nom.size() - 2] >= '0' && nom[nom.size() - 2] <= '9')
        return 0;
    const std::string prefixe = nom.substr(0, nom.size() - 1);
    const bool court = prefixe == "n" || prefixe == "no" || prefixe == "b" || prefixe == "num";
    const bool mot = finit(prefixe, "boule") || finit(prefixe, "ball") || finit(prefixe, "numero") ||
                     finit(prefixe, "number");
    return court || mot ? nom.back() - '0' : 0;
}

struct TColonnes {
    std::array<int, 8> indices; // by TColonneImport; -1 when not found
    int plusgrand = 0;
};

std::optional<TColonneImport> colonnesentete(const std::vector<std::string>& entete, TColonnes& colonnes) {
    colonnes.indices.fill(-1);
    std::vector<std::string> noms;
    for (const std::string& champ : entete)
        noms.push_back(nomnormalise(champ));
    const int n = static_cast<int>(noms.size());
    int& date = colonnes.indices[0];
    for (int pass = 0; pass < 3 && date < 0; ++pass)
        for (int i = 0; i < n && date < 0; ++i) {
            const std::string& nom = noms[static_cast<std::size_t>(i)];
            if (!contient(nom, "date"))
                continue;
            if ((pass == 0 && (contient(nom, "tirage") || contient(nom, "draw"))) ||
                (pass == 1 && !contient(nom, "forclusion")) || pass == 2)
                date = i;
        }
    for (int i = 0; i < n; ++i) {
        const int k = numeroboule(noms[static_cast<std::size_t>(i)]);
        if (k > 0 && i != date && colonnes.indices[static_cast<std::size_t>(k)] < 0)
            colonnes.indices[static_cast<std::size_t>(k)] = i;
    }
    int& complementaire = colonnes.indices[7];
    for (int i = 0; i < n && complementaire < 0; ++i) {
        const std::string& nom = noms[static_cast<std::size_t>(i)];
        const bool prise =
            std::find(colonnes.indices.begin(), colonnes.indices.end(), i) != colonnes.indices.end();
        if (!prise && (contient(nom, "compl") || contient(nom, "bonus") || nom == "c" || nom == "bc"))
            complementaire = i;
    }
    for (std::size_t c = 0; c < colonnes.indices.size(); ++c)
        if (colonnes.indices[c] < 0)
            return static_cast<TColonneImport>(c);
    colonnes.plusgrand = *std::max_element(colonnes.indices.begin(), colonnes.indices.end());
    return std::nullopt;
}

bool estentete(std::string_view ligne) {
    return std::any_of(ligne.begin(), ligne.end(), [](char c) {
        const auto o = static_cast<unsigned char>(c);
        return (o >= 'a' && o <= 'z') || (o >= 'A' && o <= 'Z') || o >= 0x80;
    });
}

bool chiffres(std::string_view texte) {
    return !texte.empty() &&
           std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int valeur(std::string_view texte) {
    int v = 0;
    for (const char c : texte)
        v = v * 10 + (c - '0');
    return v;
}

// The three parts of a date as written, before the order of day and month is known.
struct TDateLue {
    enum Forme { inconnue, jourdabord, anneedabord } forme = inconnue;
    int a = 0, b = 0, c = 0; // in the order written
    bool siecle = true;      // the year carries its century
};

TDateLue lisdate(std::string_view champ) {
    TDateLue lue;
    // A time after the day ("2024-03-09 20:15:00", "2024-03-09T20:15") plays no part.
    const std::size_t heure = champ.find_first_of(" T");
    if (heure != std::string_view::npos && heure >= 6)
        champ = champ.substr(0, heure);
    if (champ.size() == 8 && chiffres(champ)) {
        lue.forme = TDateLue::anneedabord;
        lue.a = valeur(champ.substr(0, 4));
        lue.b = valeur(champ.substr(4, 2));
        lue.c = valeur(champ.substr(6, 2));
        return lue;
    }
    const std::size_t s1 = champ.find_first_of("/-.");
    if (s1 == std::string_view::npos)
        return lue;
    const std::size_t s2 = champ.find(champ[s1], s1 + 1);
    if (s2 == std::string_view::npos)
        return lue;
    const std::string_view p1 = champ.substr(0, s1);
    const std::string_view p2 = champ.substr(s1 + 1, s2 - s1 - 1);
    const std::string_view p3 = champ.substr(s2 + 1);
    if (!chiffres(p1) || !chiffres(p2) || !chiffres(p3) || p2.size() > 2)
        return lue;
    if (p1.size() == 4 && p3.size() <= 2) {
        lue.forme = TDateLue::anneedabord;
    } else if (p1.size() <= 2 && (p3.size() == 4 || p3.size() == 2)) {
        lue.forme = TDateLue::jourdabord;
        lue.siecle = p3.size() == 4;
    } else {
        return lue;
    }
    lue.a = valeur(p1);
    lue.b = valeur(p2);
    lue.c = valeur(p3);
    return lue;
}

TDate date(const TDateLue& lue, bool moisdabord) {
    if (lue.forme == TDateLue::anneedabord)
        return {lue.a, lue.b, lue.c};
    const int annee = lue.siecle ? lue.c : lue.c < 70 ? 2000 + lue.c : 1900 + lue.c;
    return moisdabord ? TDate{annee, lue.a, lue.b} : TDate{annee, lue.b, lue.a};
}

struct TCle {
    int jour;
    std::uint64_t numeros;
    bool operator==(const TCle& autre) const { return jour == autre.jour && numeros == autre.numeros; }
};

struct THachage {
    std::size_t operator()(const TCle& cle) const {
        return std::hash<std::uint64_t>()(cle.numeros * 0x9E3779B97F4A7C15ULL ^
                                          static_cast<std::uint64_t>(cle.jour));
    }
};

TCle cle(const TTirageDate& t) {
    std::uint64_t numeros = 0;
    for (const std::int32_t n : t.tirage.numeros)
        numeros |= std::uint64_t{1} << n;
    return {t.date.cle(), numeros};
}

struct TConnu {
    int ligne; // 0 for a stored draw
    std::int32_t complementaire;
};

std::string extrait(std::string_view ligne) {
    std::size_t taille = std::min<std::size_t>(ligne.size(), 120);
    while (taille < ligne.size() && taille > 0 && (static_cast<unsigned char>(ligne[taille]) & 0xC0) == 0x80)
        --taille;
    return std::string(ligne.substr(0, taille));
}

// Reads the fields of one line into a draw, or says why not.
TMotif litligne(const std::vector<std::string>& c, const TColonnes* colonnes, bool moisdabord,
                TTirageDate& t) {
    std::array<int, 8> indices = {0, 1, 2, 3, 4, 5, 6, 7};
    if (colonnes) {
        if (static_cast<int>(c.size()) <= colonnes->plusgrand)
            return TMotif::champs;
        indices = colonnes->indices;
    } else if (c.size() != 8) {
        return TMotif::champs;
    }
    const TDateLue lue = lisdate(c[static_cast<std::size_t>(indices[0])]);
    if (lue.forme == TDateLue::inconnue)
        return TMotif::date;
    t.date = date(lue, moisdabord);
    if (!datevalide(t.date))
        return TMotif::dateinexistante;
    std::array<int, 7> nombres{};
    for (std::size_t k = 0; k < 7; ++k) {
        const std::string& champ = c[static_cast<std::size_t>(indices[k + 1])];
        // Three digits at most: "007" is 7, a longer run is no lottery number.
        if (!chiffres(champ) || champ.size() > 3)
            return TMotif::nombre;
        nombres[k] = valeur(champ);
    }
    std::copy(nombres.begin(), nombres.begin() + 6, t.tirage.numeros.begin());
    t.tirage.complementaire = nombres[6];
    const TMotif motif = validetirage(t);
    ordonne(t);
    return motif;
}

// The fields of every data line from `debut` on; blank lines stay without fields.
std::vector<std::vector<std::string>> decoupe(const std::vector<std::string_view>& toutes, std::size_t debut,
                                              char sep) {
    std::vector<std::vector<std::string>> decoupees(toutes.size());
    for (std::size_t i = debut; i < toutes.size(); ++i)
        if (!videligne(toutes[i]))
            decoupees[i] = champs(toutes[i], sep);
    return decoupees;
}

// Whether the file's day-first dates are really month first: some second part above 12, no first.
bool moisdabord(const std::vector<std::vector<std::string>>& decoupees, std::size_t colonnedate) {
    bool jourplusde12 = false;
    bool moisplusde12 = false;
    for (const std::vector<std::string>& c : decoupees) {
        if (c.size() <= colonnedate)
            continue;
        const TDateLue lue = lisdate(c[colonnedate]);
        if (lue.forme == TDateLue::jourdabord) {
            jourplusde12 = jourplusde12 || lue.a > 12;
            moisplusde12 = moisplusde12 || lue.b > 12;
        }
    }
    return moisplusde12 && !jourplusde12;
}

using TConnus = std::unordered_map<TCle, TConnu, THachage>;

// Files one line: a new draw, one already stored, or a rejected line.
void range(TProjetImport& apercu, TConnus& connus, int numero, const TTirageDate& t, TMotif motif,
           std::string_view ligne) {
    int autre = 0;
    if (motif == TMotif::aucun) {
        const auto [place, nouveau] = connus.emplace(cle(t), TConnu{numero, t.tirage.complementaire});
        if (nouveau) {
            apercu.aajouter.push_back({numero, t});
            return;
        }
        const TConnu& connu = place->second;
        if (connu.complementaire != t.tirage.complementaire)
            motif = TMotif::contradiction;
        else if (connu.ligne > 0)
            motif = TMotif::repetition;
        if (motif == TMotif::aucun) {
            apercu.presents.push_back({numero, t});
            return;
        }
        autre = connu.ligne;
    }
    apercu.rejetees.push_back({numero, motif, autre, extrait(ligne)});
}

TProjetImport refuse(TRefus refus) {
    TProjetImport apercu;
    apercu.refus = refus;
    return apercu;
}

} // namespace

TProjetImport analyseimport(std::string_view contenu, const std::vector<TTirageDate>& existants) {
    if (contenu.size() > tailleimportmax)
        return refuse(TRefus::troplong);
    const std::optional<std::string> texte = entexte(contenu);
    if (!texte)
        return refuse(TRefus::pastexte);
    const std::vector<std::string_view> toutes = lignes(*texte);
    const auto premiere = std::find_if_not(toutes.begin(), toutes.end(), videligne);
    if (premiere == toutes.end())
        return refuse(TRefus::aucuntirage);

    TProjetImport apercu;
    const char sep = separateur(*premiere);
    TColonnes colonnes;
    apercu.entete = estentete(*premiere);
    if (apercu.entete) {
        if (const auto manque = colonnesentete(champs(*premiere, sep), colonnes)) {
            apercu = refuse(TRefus::enteteinconnue);
            apercu.colonnemanquante = *manque;
            return apercu;
        }
    }
    const std::size_t debut = static_cast<std::size_t>(premiere - toutes.begin()) + (apercu.entete ? 1 : 0);
    const std::vector<std::vector<std::string>> decoupees = decoupe(toutes, debut, sep);
    apercu.moisdabord =
        moisdabord(decoupees, apercu.entete ? static_cast<std::size_t>(colonnes.indices[0]) : 0);

    TConnus connus;
    connus.reserve(existants.size() + toutes.size());
    for (const TTirageDate& t : existants)
        connus.emplace(cle(t), TConnu{0, t.tirage.complementaire});
    for (std::size_t i = debut; i < toutes.size(); ++i) {
        if (videligne(toutes[i]))
            continue;
        TTirageDate t;
        const TMotif motif =
            litligne(decoupees[i], apercu.entete ? &colonnes : nullptr, apercu.moisdabord, t);
        range(apercu, connus, static_cast<int>(i) + 1, t, motif, toutes[i]);
    }
    if (apercu.aajouter.empty() && apercu.presents.empty())
        apercu.refus = TRefus::aucuntirage;
    return apercu;
}

} // namespace vormigral

#include "history/importation.h"

#include "files/utf8.h"

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

// Tab, line ends, form feed and the end-of-file mark of old editors are text; other control
// bytes only come from binary files.
bool pastexte(std::string_view texte) {
    return std::any_of(texte.begin(), texte.end(), [](char c) {
        const auto o = static_cast<unsigned char>(c);
        return o < 0x20 && o != '\t' && o != '\n' && o != '\r' && o != '\f' && o != '\v' && o != 0x1A;
    });
}

// The file as UTF-8 text: a view of the bytes themselves when they are UTF-8 already, else of
// `converti`, which holds them converted. False for a file that is no text.
bool entexte(std::string_view octets, std::string& converti, std::string_view& texte) {
    if (octets.size() >= 2 && octets[0] == '\xFF' && octets[1] == '\xFE')
        texte = converti = depuisutf16(octets, true);
    else if (octets.size() >= 2 && octets[0] == '\xFE' && octets[1] == '\xFF')
        texte = converti = depuisutf16(octets, false);
    else
        texte = octets.substr(octets.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0);
    if (pastexte(texte))
        return false;
    if (utf8valide(texte))
        return true;
    std::string latin1;
    latin1.reserve(texte.size() + texte.size() / 8);
    for (const char c : texte)
        ajouteutf8(latin1, static_cast<unsigned char>(c));
    converti = std::move(latin1);
    texte = converti;
    return true;
}

// The lines of a text one after the other, ended by LF, CRLF or CR, numbered from 1; none are kept.
class Lignes {
public:
    explicit Lignes(std::string_view texte) : texte_(texte) {}

    bool suivante(std::string_view& ligne) {
        if (debut_ >= texte_.size())
            return false;
        std::size_t fin = debut_;
        while (fin < texte_.size() && texte_[fin] != '\n' && texte_[fin] != '\r')
            ++fin;
        ligne = texte_.substr(debut_, fin - debut_);
        debut_ = fin + (texte_.compare(fin, 2, "\r\n") == 0 ? 2 : 1);
        ++numero_;
        return true;
    }
    int numero() const { return numero_; }

private:
    std::string_view texte_;
    std::size_t debut_ = 0;
    int numero_ = 0;
};

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

// Hands the fields of a line to `prend` in order, with their blanks and surrounding double quotes
// removed (a quoted field may hold the separator and doubled quotes), until it returns false.
template <class Prend> void parcourt(std::string_view ligne, char sep, Prend&& prend) {
    std::size_t i = 0;
    if (sep == 0) {
        while (i < ligne.size()) {
            while (i < ligne.size() && blanc(ligne[i]))
                ++i;
            const std::size_t debut = i;
            while (i < ligne.size() && !blanc(ligne[i]))
                ++i;
            if (i > debut && !prend(std::string(ligne.substr(debut, i - debut))))
                return;
        }
        return;
    }
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
        if (!prend(std::move(champ)) || i >= ligne.size())
            return;
        ++i;
    }
}

std::vector<std::string> champs(std::string_view ligne, char sep) {
    std::vector<std::string> resultat;
    parcourt(ligne, sep, [&resultat](std::string&& champ) {
        resultat.push_back(std::move(champ));
        return true;
    });
    // A separator closing every line adds nothing.
    while (!resultat.empty() && resultat.back().empty())
        resultat.pop_back();
    return resultat;
}

// Field `rang` of a line, as champs() gives it; empty when the line has fewer.
std::string champ(std::string_view ligne, char sep, std::size_t rang) {
    std::string trouve;
    std::size_t vus = 0;
    parcourt(ligne, sep, [&](std::string&& champ) {
        if (vus++ < rang)
            return true;
        trouve = std::move(champ);
        return false;
    });
    return trouve;
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
                     finit(prefixe, "number") || finit(prefixe, "drawn");
    return court || mot ? nom.back() - '0' : 0;
}

// The ranks of a payout layout: the French 6/49's seven, best first.
constexpr int nbrangs = 7;

struct TColonnes {
    std::array<int, 8> indices; // by TColonneImport; -1 when not found
    int plusgrand = 0;
    // The payout layout: by rank 1..nbrangs (entry 0 unused), the column of its payout and of its
    // winners' count, -1 when none; the column of the currency.
    bool gains = false;
    std::array<int, nbrangs + 1> rapports{};
    std::array<int, nbrangs + 1> gagnants{};
    int devise = -1;
};

// The rank a column's name gives after `debut` and `milieu` ("rapportdurang3": 3), else 0.
int rang(const std::string& nom, std::string_view debut, std::string_view milieu) {
    if (nom.compare(0, debut.size(), debut) != 0 || nom.find(milieu) == std::string::npos)
        return 0;
    std::size_t n = 0;
    while (n < nom.size() && nom[nom.size() - 1 - n] >= '0' && nom[nom.size() - 1 - n] <= '9')
        ++n;
    if (n == 0 || n > 2)
        return 0;
    return std::stoi(nom.substr(nom.size() - n));
}

// The payout columns of a header: the layout counts only with a payout for each of the seven ranks
// and for no other.
void colonnesgains(const std::vector<std::string>& noms, TColonnes& colonnes) {
    colonnes.rapports.fill(-1);
    colonnes.gagnants.fill(-1);
    colonnes.devise = -1;
    bool autres = false;
    for (std::size_t i = 0; i < noms.size(); ++i) {
        const int c = static_cast<int>(i);
        const int payes = rang(noms[i], "rapport", "rang");
        const int gagnants = rang(noms[i], "nombre", "gagnantaurang");
        if (payes > nbrangs)
            autres = true;
        else if (payes > 0 && colonnes.rapports[static_cast<std::size_t>(payes)] < 0)
            colonnes.rapports[static_cast<std::size_t>(payes)] = c;
        else if (gagnants > 0 && gagnants <= nbrangs &&
                 colonnes.gagnants[static_cast<std::size_t>(gagnants)] < 0)
            colonnes.gagnants[static_cast<std::size_t>(gagnants)] = c;
        else if (noms[i] == "devise" && colonnes.devise < 0)
            colonnes.devise = c;
    }
    colonnes.gains = !autres && std::all_of(colonnes.rapports.begin() + 1, colonnes.rapports.end(),
                                            [](int c) { return c >= 0; });
}

std::optional<TColonneImport> colonnesentete(const std::vector<std::string>& noms, TColonnes& colonnes) {
    colonnes.indices.fill(-1);
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

// The columns the player named, or the first field whose column is missing, repeated or past the
// `nbcolonnes` the file has.
std::optional<TColonneImport> colonnesdonnees(const TCorrespondance& correspondance, std::size_t nbcolonnes,
                                              TColonnes& colonnes) {
    const std::array<int, 8>& c = correspondance.colonnes;
    for (std::size_t f = 0; f < c.size(); ++f)
        if (c[f] < 0 || static_cast<std::size_t>(c[f]) >= nbcolonnes ||
            std::find(c.begin(), c.begin() + f, c[f]) != c.begin() + f)
            return static_cast<TColonneImport>(f);
    colonnes.indices = c;
    colonnes.plusgrand = *std::max_element(c.begin(), c.end());
    return std::nullopt;
}

// Whether a text holds a letter (ASCII, or any byte of an accented one).
bool aunelettre(std::string_view ligne) {
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
    enum Forme { inconnue, jourdabord, anneedabord, lettres } forme = inconnue;
    int a = 0, b = 0, c = 0; // in the order written; for a named month: day, month, year
    bool siecle = true;      // the year carries its century
};

// A run of a date field: digits, or a word (ASCII letters and the bytes of accented ones).
struct TMorceau {
    std::string_view texte;
    bool nombre = false;
    std::size_t fin = 0; // where it ends in the field
};

// The first runs of a field, as many as a date with a weekday and a time may hold; kept on the
// stack, since every line's date goes through here twice.
struct TMorceaux {
    std::array<TMorceau, 6> m;
    std::size_t n = 0;
};

TMorceaux morceaux(std::string_view champ) {
    TMorceaux resultat;
    const auto lettre = [](char c) {
        const auto o = static_cast<unsigned char>(c);
        return (o >= 'a' && o <= 'z') || (o >= 'A' && o <= 'Z') || o >= 0x80;
    };
    const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0;
    while (i < champ.size() && resultat.n < resultat.m.size()) {
        const bool nombre = chiffre(champ[i]);
        if (!nombre && !lettre(champ[i])) {
            ++i;
            continue;
        }
        const std::size_t debut = i;
        while (i < champ.size() && (nombre ? chiffre(champ[i]) : lettre(champ[i])))
            ++i;
        resultat.m[resultat.n++] = {champ.substr(debut, i - debut), nombre, i};
    }
    return resultat;
}

// The month or weekday (1-based) a word names in English or French, whole or cut to three letters
// or more, any case, accents and dots aside; 0 when it names none, or several.
template <std::size_t N> int nomme(std::string_view mot, const char* const (&noms)[N][2]) {
    const std::string m = nomnormalise(mot);
    if (m.size() < 3)
        return 0;
    int trouve = 0;
    for (std::size_t i = 0; i < N; ++i)
        for (const char* nom : noms[i])
            if (std::string_view(nom).substr(0, m.size()) == m) {
                if (trouve != 0 && trouve != static_cast<int>(i) + 1)
                    return 0;
                trouve = static_cast<int>(i) + 1;
            }
    return trouve;
}

constexpr const char* nomsmois[12][2] = {
    {"janvier", "january"}, {"fevrier", "february"},  {"mars", "march"},
    {"avril", "april"},     {"mai", "may"},           {"juin", "june"},
    {"juillet", "july"},    {"aout", "august"},       {"septembre", "september"},
    {"octobre", "october"}, {"novembre", "november"}, {"decembre", "december"}};
constexpr const char* nomsjours[7][2] = {
    {"lundi", "monday"},    {"mardi", "tuesday"},   {"mercredi", "wednesday"}, {"jeudi", "thursday"},
    {"vendredi", "friday"}, {"samedi", "saturday"}, {"dimanche", "sunday"}};

// A day, a month's name and a year in either order ("3 Oct 2015", "Oct 3, 2015"), from `premier`
// on; what follows the year must be a time, after a blank or a "T".
bool jourmoisannee(std::string_view champ, const TMorceaux& morceaux, std::size_t premier, TDateLue& lue) {
    if (morceaux.n < premier + 3)
        return false;
    const std::array<TMorceau, 6>& m = morceaux.m;
    const TMorceau& annee = m[premier + 2];
    const bool jourdabord = m[premier].nombre;
    const TMorceau& jour = m[jourdabord ? premier : premier + 1];
    const TMorceau& mot = m[jourdabord ? premier + 1 : premier];
    if (!jour.nombre || jour.texte.size() > 2 || mot.nombre || !annee.nombre ||
        (annee.texte.size() != 4 && annee.texte.size() != 2))
        return false;
    if (annee.fin < champ.size() && champ[annee.fin] != ' ' && champ[annee.fin] != 'T')
        return false;
    const int mois = nomme(mot.texte, nomsmois);
    if (mois == 0)
        return false;
    lue.forme = TDateLue::lettres;
    lue.a = valeur(jour.texte);
    lue.b = mois;
    lue.c = valeur(annee.texte);
    lue.siecle = annee.texte.size() == 4;
    return true;
}

TDateLue lisdate(std::string_view champ) {
    TDateLue lue;
    const TMorceaux m = aunelettre(champ) ? morceaux(champ) : TMorceaux{};
    if (jourmoisannee(champ, m, 0, lue) ||
        (m.n > 0 && !m.m[0].nombre && nomme(m.m[0].texte, nomsjours) > 0 && jourmoisannee(champ, m, 1, lue)))
        return lue;
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
    return moisdabord && lue.forme == TDateLue::jourdabord ? TDate{annee, lue.a, lue.b}
                                                           : TDate{annee, lue.b, lue.a};
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

// The start of a text, at most `maximum` bytes, never cutting a UTF-8 character.
std::string extrait(std::string_view ligne, std::size_t maximum) {
    std::size_t taille = std::min<std::size_t>(ligne.size(), maximum);
    while (taille < ligne.size() && taille > 0 && (static_cast<unsigned char>(ligne[taille]) & 0xC0) == 0x80)
        --taille;
    return std::string(ligne.substr(0, taille));
}

bool jourmois(const TDateLue& lue) {
    return lue.forme == TDateLue::jourdabord;
}

// A line's fields, read into a draw with `t`, and what came of it.
struct TLue {
    TMotif motif = TMotif::aucun;
    const std::string* date = nullptr; // the date field, when it was read as a day that exists
};

// Field `i` of a line's fields; empty when the line has fewer (or for -1).
std::string_view champde(const std::vector<std::string>& c, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < c.size() ? std::string_view(c[static_cast<std::size_t>(i)])
                                                            : std::string_view();
}

// The euro cents of an amount read in the line's currency; gaininconnu for no amount.
std::int64_t montant(std::string_view texte, bool francs) {
    std::int64_t centimes = gaininconnu;
    if (!litmontant(texte, centimes) || centimes <= 0)
        return gaininconnu;
    return francs ? francsencentimes(centimes) : centimes;
}

// The payouts of a line of the French 6/49's layout (see the header), for a draw of `jour`.
TGains litgains(const std::vector<std::string>& c, const TColonnes& colonnes, const TDate& jour) {
    TGains gains;
    bool francs = jour < TDate{2002, 1, 1};
    const std::string devise = nomnormalise(champde(c, colonnes.devise));
    if (devise == "frf" || devise == "ff" || devise == "f" || devise == "franc" || devise == "francs")
        francs = true;
    else if (devise == "eur" || devise == "euro" || devise == "euros" ||
             nettoie(champde(c, colonnes.devise)) == "\xE2\x82\xAC")
        francs = false;
    else if (!nettoie(champde(c, colonnes.devise)).empty())
        return gains;
    const auto rempli = [&](int k) {
        return !champde(c, colonnes.rapports[static_cast<std::size_t>(k)]).empty() ||
               !champde(c, colonnes.gagnants[static_cast<std::size_t>(k)]).empty();
    };
    // A draw of years with fewer ranks: which classes its ranks were cannot be told.
    if (!rempli(nbrangs))
        return gains;
    std::array<std::int64_t, nbrangs + 1> paye{};
    for (int k = 1; k <= nbrangs; ++k) {
        const std::size_t r = static_cast<std::size_t>(k);
        std::int64_t gagnants = 1;
        if (colonnes.gagnants[r] >= 0 && !litmontant(champde(c, colonnes.gagnants[r]), gagnants))
            gagnants = 0;
        paye[r] = gagnants > 0 ? montant(champde(c, colonnes.rapports[r]), francs) : gaininconnu;
    }
    if (paye[2] == gaininconnu)
        paye[1] = gaininconnu;
    // Rank k is class 8 - k: rank 1 is 6 (TClasse::nb6, 7), rank 7 is 3 (TClasse::nb3, 1).
    for (int k = 1; k <= nbrangs; ++k)
        gains.centimes[static_cast<std::size_t>(8 - k)] = paye[static_cast<std::size_t>(k)];
    return gains;
}

// Reads the fields of one line into a draw, or says why not.
TLue litligne(const std::vector<std::string>& c, const TColonnes* colonnes, bool moisdabord,
              const TDate& aujourdhui, TTirageDate& t) {
    std::array<int, 8> indices = {0, 1, 2, 3, 4, 5, 6, 7};
    if (colonnes) {
        if (static_cast<int>(c.size()) <= colonnes->plusgrand)
            return {TMotif::champs};
        indices = colonnes->indices;
    } else if (c.size() != 8) {
        return {TMotif::champs};
    }
    const std::string& champ = c[static_cast<std::size_t>(indices[0])];
    const TDateLue lue = lisdate(champ);
    if (lue.forme == TDateLue::inconnue)
        return {TMotif::date};
    t.date = date(lue, moisdabord);
    TTirageDate autreordre;
    autreordre.date = date(lue, !moisdabord);
    const TMotif motifdate = validetirage(t, aujourdhui);
    if (motifdate == TMotif::dateinexistante && jourmois(lue) &&
        validetirage(autreordre, aujourdhui) != TMotif::dateinexistante)
        return {TMotif::ordre};
    if (motifdate == TMotif::annee || motifdate == TMotif::dateinexistante)
        return {motifdate};
    std::array<int, 7> nombres{};
    for (std::size_t k = 0; k < 7; ++k) {
        const std::string& numero = c[static_cast<std::size_t>(indices[k + 1])];
        // Three digits at most: "007" is 7, a longer run is no lottery number.
        if (!chiffres(numero) || numero.size() > 3)
            return {TMotif::nombre, &champ};
        nombres[k] = valeur(numero);
    }
    std::copy(nombres.begin(), nombres.begin() + 6, t.tirage.numeros.begin());
    t.tirage.complementaire = nombres[6];
    const TMotif motif = validetirage(t, aujourdhui);
    ordonne(t);
    return {motif, &champ};
}

// Whether the file writes the month first: its unambiguous dates decide, day first unless at least
// three read month first and more than twice as many as read day first. Also tells whether any
// date is written with the day or the month first.
struct TVotes {
    int jour = 0;
    int mois = 0;
    bool jourmois = false;
    bool lettres = false;     // some date names its month
    bool anneedabord = false; // some date starts with its year
    std::size_t dates = 0;    // lines with a date in a known form: at most that many draws to add
    bool moisdabord() const { return mois >= 3 && mois > 2 * jour; }
};

TVotes votes(Lignes lignes, char sep, const TColonnes* colonnes) {
    TVotes v;
    const auto jour = [](int n) { return n >= 13 && n <= 31; };
    std::string_view ligne;
    while (lignes.suivante(ligne)) {
        if (videligne(ligne))
            continue;
        const TDateLue lue =
            lisdate(champ(ligne, sep, static_cast<std::size_t>(colonnes ? colonnes->indices[0] : 0)));
        v.dates += lue.forme != TDateLue::inconnue;
        v.lettres = v.lettres || lue.forme == TDateLue::lettres;
        v.anneedabord = v.anneedabord || lue.forme == TDateLue::anneedabord;
        if (!jourmois(lue))
            continue;
        v.jourmois = true;
        if (jour(lue.a) && lue.b >= 1 && lue.b <= 12)
            ++v.jour;
        else if (jour(lue.b) && lue.a >= 1 && lue.a <= 12)
            ++v.mois;
    }
    return v;
}

using TConnus = std::unordered_map<TCle, TConnu, THachage>;

// The reference a line keeps to its payouts, which join the import's list when there are some.
std::uint32_t retiensgains(TProjetImport& apercu, const TGains& gains) {
    if (gains.aucun())
        return 0;
    apercu.gains.push_back(gains);
    return static_cast<std::uint32_t>(apercu.gains.size());
}

// Files one line: a new draw, one already stored, or a rejected line.
void range(TProjetImport& apercu, TConnus& connus, int numero, const TTirageDate& t, const TGains& gains,
           TMotif motif, std::string_view ligne) {
    int autre = 0;
    if (motif == TMotif::aucun) {
        const auto [place, nouveau] = connus.emplace(cle(t), TConnu{numero, t.tirage.complementaire});
        if (nouveau) {
            apercu.aajouter.push_back({numero, t, retiensgains(apercu, gains)});
            return;
        }
        const TConnu& connu = place->second;
        if (connu.complementaire != t.tirage.complementaire)
            motif = TMotif::contradiction;
        else if (connu.ligne > 0)
            motif = TMotif::repetition;
        if (motif == TMotif::aucun) {
            apercu.presents.push_back({numero, t, retiensgains(apercu, gains)});
            return;
        }
        autre = connu.ligne;
    }
    if (apercu.nbrejetees++ < rejetsdetailles)
        apercu.rejetees.push_back({numero, motif, autre, extrait(ligne, 120)});
}

TProjetImport refuse(TRefus refus) {
    TProjetImport apercu;
    apercu.refus = refus;
    return apercu;
}

} // namespace

TGains gainsdelaligne(const TProjetImport& projet, const TLigneTirage& ligne) {
    return ligne.gains > 0 && ligne.gains <= projet.gains.size() ? projet.gains[ligne.gains - 1] : TGains{};
}

std::string cleentete(const std::vector<std::string>& colonnes) {
    std::string cle;
    for (std::size_t i = 0; i < colonnes.size(); ++i) {
        if (i > 0)
            cle += ';';
        cle += nomnormalise(colonnes[i]);
    }
    constexpr std::size_t longueurmax = 240;
    if (cle.size() <= longueurmax)
        return cle;
    // FNV-1a, 64 bits: the same on every machine and every run.
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : cle)
        h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    static constexpr char hex[] = "0123456789abcdef";
    std::string suite = "#";
    for (int decalage = 60; decalage >= 0; decalage -= 4)
        suite += hex[(h >> decalage) & 0xF];
    return cle.substr(0, longueurmax) + suite;
}

TProjetImport analyseimport(std::string_view contenu, const std::vector<TTirageDate>& existants,
                            const TDate& aujourdhui, const TCorrespondance* correspondance) {
    if (contenu.size() > tailleimportmax)
        return refuse(TRefus::troplong);
    std::string converti;
    std::string_view texte;
    if (!entexte(contenu, converti, texte))
        return refuse(TRefus::pastexte);
    Lignes lignes(texte);
    std::string_view premiere;
    while (lignes.suivante(premiere) && videligne(premiere)) {
    }
    if (videligne(premiere))
        return refuse(TRefus::aucuntirage);

    TProjetImport apercu;
    const char sep = separateur(premiere);
    TColonnes colonnes;
    colonnes.indices.fill(-1);
    // A first line with letters is the header, unless its date field holds a date ("3 Oct 2015").
    const std::size_t colonnedate =
        correspondance ? static_cast<std::size_t>(std::max(0, correspondance->colonnes[0])) : 0;
    apercu.entete =
        aunelettre(premiere) && lisdate(champ(premiere, sep, colonnedate)).forme == TDateLue::inconnue;
    std::size_t nbcolonnes = colonnesmax;
    std::optional<TColonneImport> manque;
    if (apercu.entete) {
        const std::vector<std::string> entete = champs(premiere, sep);
        nbcolonnes = std::min(entete.size(), colonnesmax);
        for (std::size_t i = 0; i < nbcolonnes; ++i)
            apercu.colonnes.push_back(extrait(entete[i], 80));
        apercu.cle = cleentete(entete);
        std::vector<std::string> noms;
        noms.reserve(entete.size());
        for (const std::string& champ : entete)
            noms.push_back(nomnormalise(champ));
        manque = colonnesentete(noms, colonnes);
        apercu.reconnues.colonnes = colonnes.indices;
        colonnesgains(noms, colonnes);
        Lignes suite = lignes;
        std::string_view ligne;
        while (suite.suivante(ligne) && videligne(ligne)) {
        }
        const std::vector<std::string> exemple = champs(ligne, sep);
        for (std::size_t i = 0; i < exemple.size() && i < colonnesmax; ++i)
            apercu.exemple.push_back(extrait(exemple[i], 80));
    }
    if (correspondance)
        manque = colonnesdonnees(*correspondance, nbcolonnes, colonnes);
    if (manque) {
        apercu.refus = TRefus::enteteinconnue;
        apercu.colonnemanquante = *manque;
        return apercu;
    }
    apercu.avecgains = colonnes.gains;
    const TColonnes* entete = apercu.entete || correspondance ? &colonnes : nullptr;
    // The lines of draws: those after the header, or from the first one on.
    Lignes donnees = lignes;
    if (!apercu.entete)
        donnees = Lignes(texte);
    const TVotes v = votes(donnees, sep, entete);
    const bool moisdabord = v.moisdabord();
    apercu.ordre = v.jourmois ? (moisdabord ? TOrdreDates::moisjour : TOrdreDates::jourmois)
                   : v.lettres && !v.anneedabord ? TOrdreDates::lettres
                                                 : TOrdreDates::annee;

    // Room for every draw at once: a list of a million draws grown by doubling would need half as
    // much again while it moves.
    apercu.aajouter.reserve(v.dates);
    TConnus connus;
    connus.reserve(existants.size());
    for (const TTirageDate& t : existants)
        connus.emplace(cle(t), TConnu{0, t.tirage.complementaire});
    std::string_view ligne;
    while (donnees.suivante(ligne)) {
        if (videligne(ligne))
            continue;
        TTirageDate t;
        const std::vector<std::string> c = champs(ligne, sep);
        const TLue lue = litligne(c, entete, moisdabord, aujourdhui, t);
        if (lue.date && apercu.exemples.size() < nbexemplesdates)
            apercu.exemples.push_back({donnees.numero(), extrait(*lue.date, 40), t.date});
        const TGains gains =
            lue.motif == TMotif::aucun && colonnes.gains ? litgains(c, colonnes, t.date) : TGains{};
        range(apercu, connus, donnees.numero(), t, gains, lue.motif, ligne);
    }
    if (apercu.aajouter.empty() && apercu.presents.empty())
        apercu.refus = TRefus::aucuntirage;
    return apercu;
}

} // namespace vormigral

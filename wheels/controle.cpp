#include "wheels/controle.h"

#include <algorithm>
#include <array>
#include <thread>

namespace vormigral {

namespace {

constexpr int maxpoints = 63;

// C(p, i) for 0 <= p <= 64, 0 <= i <= 6.
struct Binomes {
    std::array<std::array<std::int64_t, 7>, 65> c{};
    Binomes() {
        for (int p = 0; p <= 64; ++p)
            for (int i = 0; i <= 6; ++i)
                c[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] = binomial(p, i);
    }
    std::int64_t operator()(int p, int i) const {
        return c[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
    }
};

const Binomes& binomes() {
    static const Binomes b;
    return b;
}

// The rank of a set among the sets of its size listed by increasing mask (colexicographic order).
std::int64_t rang(std::uint64_t ensemble) {
    const Binomes& c = binomes();
    std::int64_t r = 0;
    for (int i = 1; ensemble != 0; ensemble &= ensemble - 1, ++i)
        r += c(__builtin_ctzll(ensemble), i);
    return r;
}

struct Morceau {
    std::array<int, 6> prefixe{};
    int longueur = 0;
    std::uint64_t libres = 0;
    std::int64_t trous = 0;
    std::vector<std::uint64_t> premiers;
};

// A set of m positions is a hole when none of its t-subsets lies in a grid. For each (t-1)-subset
// R, couvre_[rank of R] holds the positions q such that R + q lies in some grid; a prefix P then
// admits as its next position only the q above it that no (t-1)-subset of P rules out.
class Compteur {
public:
    Compteur(const std::vector<std::uint64_t>& grilles, int n, int t, int m) : n_(n), t_(t), m_(m) {
        couvre_.assign(static_cast<std::size_t>(binomial(n, t - 1)), 0);
        const std::uint64_t toutes = touteslespositions(n);
        for (std::uint64_t g : grilles) {
            g &= toutes;
            for (const std::uint64_t r : sousensembles(g, t - 1))
                couvre_[static_cast<std::size_t>(rang(r))] |= g & ~r;
        }
        // For each prefix length j, the choices of t-2 of its j positions, as masks of indices.
        for (int j = 0; j < 6; ++j)
            for (std::uint32_t c = 0; c < (1u << j); ++c)
                if (t >= 2 && __builtin_popcount(c) == t - 2)
                    choix_[static_cast<std::size_t>(j)].push_back(static_cast<std::uint8_t>(c));
    }

    // The positions a prefix of no position may start with.
    std::uint64_t depart() const {
        const std::uint64_t toutes = touteslespositions(n_);
        return t_ == 1 ? toutes & ~couvre_[0] : toutes;
    }

    // Positions that cannot follow P[0..j) + p: those completing a t-subset held by a grid.
    std::uint64_t exclus(const std::array<int, 6>& p, int j, int suivant) const {
        if (t_ < 2)
            return 0;
        const Binomes& c = binomes();
        const std::int64_t haut = c(suivant, t_ - 1);
        std::uint64_t exclus = 0;
        for (const std::uint8_t choix : choix_[static_cast<std::size_t>(j)]) {
            std::int64_t r = haut;
            int rangdans = 1;
            for (std::uint32_t x = choix; x != 0; x &= x - 1)
                r += c(p[static_cast<std::size_t>(__builtin_ctz(x))], rangdans++);
            exclus |= couvre_[static_cast<std::size_t>(r)];
        }
        return exclus;
    }

    // Extends the prefix P[0..j) over `libres`, the positions that may come next.
    void explore(std::array<int, 6>& p, int j, std::uint64_t libres, Morceau& sortie,
                 std::size_t garde) const {
        if (j == m_ - 1) {
            sortie.trous += __builtin_popcountll(libres);
            if (sortie.premiers.size() < garde) {
                std::uint64_t base = 0;
                for (int i = 0; i < j; ++i)
                    base |= std::uint64_t{1} << p[static_cast<std::size_t>(i)];
                for (std::uint64_t x = libres; x != 0 && sortie.premiers.size() < garde; x &= x - 1)
                    sortie.premiers.push_back(base | (x & (~x + 1)));
            }
            return;
        }
        const int manquent = m_ - 1 - j;
        for (std::uint64_t x = libres; x != 0; x &= x - 1) {
            const int q = __builtin_ctzll(x);
            const std::uint64_t audessus = libres & ~((std::uint64_t{2} << q) - 1);
            if (__builtin_popcountll(audessus) < manquent)
                break;
            p[static_cast<std::size_t>(j)] = q;
            explore(p, j + 1, audessus & ~exclus(p, j, q), sortie, garde);
        }
    }

    // The prefixes of `longueur` positions worth exploring, in lexicographic order.
    void decoupe(std::array<int, 6>& p, int j, std::uint64_t libres, int longueur,
                 std::vector<Morceau>& morceaux) const {
        if (j == longueur) {
            Morceau m;
            m.prefixe = p;
            m.longueur = j;
            m.libres = libres;
            morceaux.push_back(m);
            return;
        }
        for (std::uint64_t x = libres; x != 0; x &= x - 1) {
            const int q = __builtin_ctzll(x);
            const std::uint64_t audessus = libres & ~((std::uint64_t{2} << q) - 1);
            if (__builtin_popcountll(audessus) < m_ - 1 - j)
                break;
            p[static_cast<std::size_t>(j)] = q;
            decoupe(p, j + 1, audessus & ~exclus(p, j, q), longueur, morceaux);
        }
    }

private:
    // The subsets of k points of a mask.
    static std::vector<std::uint64_t> sousensembles(std::uint64_t g, int k) {
        std::vector<std::uint64_t> r;
        std::array<std::uint64_t, 64> points{};
        int nb = 0;
        for (std::uint64_t x = g; x != 0; x &= x - 1)
            points[static_cast<std::size_t>(nb++)] = x & (~x + 1);
        if (k == 0 || k > nb)
            return k == 0 ? std::vector<std::uint64_t>{0} : r;
        for (std::uint64_t s = (std::uint64_t{1} << k) - 1; s < (std::uint64_t{1} << nb);) {
            std::uint64_t e = 0;
            for (std::uint64_t y = s; y != 0; y &= y - 1)
                e |= points[static_cast<std::size_t>(__builtin_ctzll(y))];
            r.push_back(e);
            const std::uint64_t bas = s & (~s + 1);
            const std::uint64_t monte = s + bas;
            s = monte | (((s ^ monte) >> 2) / bas);
        }
        return r;
    }

    int n_, t_, m_;
    std::vector<std::uint64_t> couvre_;
    std::array<std::vector<std::uint8_t>, 6> choix_;
};

int nombrefils(int fils, std::int64_t ensembles) {
    if (ensembles < 200'000)
        return 1;
    if (fils > 0)
        return fils;
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace

TControle controle(const std::vector<std::uint64_t>& grilles, int nbnumeros, int t, int m, std::size_t garde,
                   int fils, const std::atomic<bool>* arret) {
    TControle r;
    if (nbnumeros < 1 || nbnumeros > maxpoints || t < 1 || t > m || m > 6 || m > nbnumeros)
        return r;
    r.nbensembles = binomial(nbnumeros, m);
    const Compteur compteur(grilles, nbnumeros, t, m);
    // The walk is cut into prefixes of up to two positions, shared among the threads in order.
    std::vector<Morceau> morceaux;
    std::array<int, 6> p{};
    compteur.decoupe(p, 0, compteur.depart(), std::min(2, m - 1), morceaux);
    std::atomic<std::size_t> suivant{0};
    const auto travaille = [&] {
        for (std::size_t i = suivant++; i < morceaux.size(); i = suivant++) {
            if (arret != nullptr && arret->load(std::memory_order_relaxed))
                return;
            Morceau& mo = morceaux[i];
            std::array<int, 6> q = mo.prefixe;
            compteur.explore(q, mo.longueur, mo.libres, mo, garde);
        }
    };
    const int nb = std::min<int>(nombrefils(fils, r.nbensembles), static_cast<int>(morceaux.size()));
    std::vector<std::thread> autres;
    for (int f = 1; f < nb; ++f)
        autres.emplace_back(travaille);
    travaille();
    for (std::thread& f : autres)
        f.join();
    r.complet = arret == nullptr || !arret->load();
    for (const Morceau& mo : morceaux) {
        r.trous += mo.trous;
        for (const std::uint64_t trou : mo.premiers)
            if (r.premiers.size() < garde)
                r.premiers.push_back(trou);
    }
    return r;
}

std::int64_t comptetrous(const std::vector<std::uint64_t>& grilles, int nbnumeros, int t, int m, int fils) {
    return controle(grilles, nbnumeros, t, m, 0, fils).trous;
}

bool roueverifiee(const TRoue& roue, int fils) {
    if (controledemande(roue.nbnumeros, roue.t, roue.m) != Demande::Valide || roue.grilles.empty() ||
        !grillesvalides(roue.grilles, roue.nbnumeros))
        return false;
    std::uint64_t utilisees = 0;
    for (const std::uint64_t g : roue.grilles)
        utilisees |= g;
    if (utilisees != touteslespositions(roue.nbnumeros))
        return false;
    const TControle c = controle(roue.grilles, roue.nbnumeros, roue.t, roue.m, 0, fils);
    return c.complet && c.trous == 0;
}

} // namespace vormigral

#include "wheels/construction.h"

#include "wheels/controle.h"
#include "wheels/hasard.h"
#include "wheels/lotto.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <limits>
#include <mutex>
#include <random>
#include <tuple>

namespace vormigral {

namespace {

using Horloge = std::chrono::steady_clock;

// Steps of one plain descent at a size, and of one structured try, where a step weighs its swaps
// over a few hundred sets, as it does for "t if t".
constexpr std::int64_t patience = 200'000;
constexpr std::int64_t essai = 60'000;
constexpr std::int64_t ensemblesparpas = 300;

// C(p, i) for p <= 64, i <= 6, for the ranks of sets of positions.
struct Binomes {
    std::array<std::array<std::int32_t, 7>, 65> c{};
    Binomes() {
        for (int p = 0; p <= 64; ++p)
            for (int i = 0; i <= 6; ++i)
                c[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] = static_cast<std::int32_t>(
                    std::min<std::int64_t>(binomial(p, i), std::numeric_limits<std::int32_t>::max()));
    }
};

const Binomes& binomes() {
    static const Binomes b;
    return b;
}

int points(std::uint64_t masque, std::array<int, 64>& liste) {
    int n = 0;
    for (; masque != 0; masque &= masque - 1)
        liste[static_cast<std::size_t>(n++)] = __builtin_ctzll(masque);
    return n;
}

// The index masks with k bits among `places` slots.
std::vector<std::uint64_t> choix(int places, int k) {
    std::vector<std::uint64_t> r;
    if (k < 0 || k > places)
        return r;
    if (k == 0)
        return {0};
    for (std::uint64_t s = (std::uint64_t{1} << k) - 1; s < (std::uint64_t{1} << places);) {
        r.push_back(s);
        const std::uint64_t bas = s & (~s + 1);
        const std::uint64_t monte = s + bas;
        s = monte | (((s ^ monte) >> 2) / bas);
    }
    return r;
}

std::uint64_t deplie(std::uint64_t indices, const std::array<int, 64>& liste) {
    std::uint64_t m = 0;
    for (; indices != 0; indices &= indices - 1)
        m |= std::uint64_t{1} << liste[static_cast<std::size_t>(__builtin_ctzll(indices))];
    return m;
}

} // namespace

// What the threads share: the best verified wheel, the stop, the figures shown while searching.
struct Construction::Partage {
    std::mutex mutex;
    std::vector<std::uint64_t> meilleure; // verified, fixed grids first
    std::atomic<int> taille{0};
    std::atomic<bool> arret{false};
    std::atomic<bool> demande{false}; // the stop came from arrete()
    std::atomic<int> actifs{0};
    std::atomic<std::int64_t> pas{0};
    std::atomic<int> cible{0};
    std::atomic<std::int64_t> restants{0};
    int plancher = 0; // searching stops once the best is this small
    const std::atomic<bool>* parent = nullptr;
    int voisinsrang = 0; // the thread that derives wheels from N - 1 and N + 1: the second if any
    int fils = 1;
    Horloge::time_point debut;
    Horloge::time_point echeance;
    TFaisabilite faisabilite;
    std::int64_t borne = 0;
    bool refusee = false;
};

namespace {

// One thread's search. Every set of m positions has a counter of the grids meeting it in t or more
// positions; the holes are those at 0. A move swaps one position of a grid for one outside it.
//
// Some wheels are found far more easily among those a permutation of the positions maps onto
// themselves: the permutation turns k blocks of L positions one step round and fixes the others,
// and all but a few grids come in orbits of L images of one grid (a moved grid moves its images
// the same way). The search then has L times fewer grids to place, and the best known sizes are
// often reached that way only.
class Chercheur {
public:
    Chercheur(const TDemandeRoue& d, Construction::Partage& p, std::uint32_t graine, int rang)
        : n_(d.nbnumeros), t_(d.t), m_(d.m), fixes_(static_cast<int>(d.fixes.size())), rang_(rang),
          toutes_(d.fixes.empty()), profondeur_(d.profondeur), graine_(graine), paslimite_(d.paslimite),
          partage_(p), hasard_(graine), fixees_(d.fixes) {
        const std::size_t nb = static_cast<std::size_t>(binomial(n_, m_));
        couverts_.assign(nb, 0);
        poids_.assign(nb, 1);
        place_.assign(nb, -1);
        choixa_ = choix(rouetaillegrille - 1, t_ - 1);
        choixc_ = choix(n_ - rouetaillegrille - 1, m_ - t_);
        initialise({}, 1);
    }

    void cherche();

private:
    std::int32_t rang(std::uint64_t e) const {
        std::int32_t r = 0;
        for (std::size_t i = 1; e != 0; e &= e - 1, ++i)
            r += bin_[static_cast<std::size_t>(__builtin_ctzll(e))][i];
        return r;
    }
    // The set of m positions of a colexicographic rank: its largest position p is the last with
    // C(p, m) <= r, and so on down with what is left of the rank.
    std::uint64_t ensemble(std::int64_t r) const {
        std::uint64_t e = 0;
        int p = n_;
        for (int i = m_; i >= 1; --i) {
            --p;
            while (bin_[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] > r)
                --p;
            r -= bin_[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
            e |= std::uint64_t{1} << p;
        }
        return e;
    }
    // Calls f(T) for every set T of m positions that the grid meets in t or more positions.
    template <class F> void couvertspar(std::uint64_t bloc, F&& f) const;
    // The fixed grids, then `libres` (orbits of `orbite` images first, when orbite > 1).
    void initialise(const std::vector<std::uint64_t>& libres, int orbite, int nborbites = 0);
    void ajoute(std::uint64_t bloc);
    void retire(std::size_t i);
    void ajoutetrou(std::int32_t s);
    void retiretrou(std::int32_t s);
    template <bool Applique> void echange(std::size_t i, int a, int c, std::int64_t& dpoids, int& dtrous);
    bool enorbite(std::size_t i) const {
        return orbite_ > 1 && i >= static_cast<std::size_t>(fixes_) &&
               i < static_cast<std::size_t>(fixes_ + nborbites_ * orbite_);
    }
    template <bool Applique> void surimages(std::size_t i, int a, int c, std::int64_t& dpoids, int& dtrous);
    // Swaps a for c in grid i, and in every image of it when it lies in an orbit.
    void applique(std::size_t i, int a, int c, std::int64_t& dpoids, int& dtrous) {
        surimages<true>(i, a, c, dpoids, dtrous);
    }
    // What that would change, without changing anything.
    void evalue(std::size_t i, int a, int c, std::int64_t& dpoids, int& dtrous) {
        surimages<false>(i, a, c, dpoids, dtrous);
    }
    std::uint64_t image(int k, std::uint64_t e) const {
        std::uint64_t r = 0;
        for (; e != 0; e &= e - 1)
            r |= std::uint64_t{1}
                 << perm_[static_cast<std::size_t>(k)][static_cast<std::size_t>(__builtin_ctzll(e))];
        return r;
    }
    std::int64_t pertesiretire(std::size_t i) const;
    // Where one evaluation walks thousands of sets, a step weighs only this many swaps, at random.
    std::int64_t maxcandidats(int orbite) const {
        return std::max<std::int64_t>(
            8, 40'000 / std::max<std::int64_t>(1, static_cast<std::int64_t>(choixa_.size() * choixc_.size()) *
                                                      orbite));
    }
    void gourmand();
    void reduit(int taille);
    bool descend(int cible, std::int64_t budget);
    // `budget` steps of about ensemblesparpas sets each (a step of "t if t"), as steps of this
    // search: where one swap walks thousands of sets ("3 if 6" among 20), one structured try of
    // 60,000 steps took all the time given, and the plain descents never came.
    std::int64_t pasmesures(std::int64_t budget) const;
    bool placeinutile();
    void publie();
    bool structure(int cible, int orbite, std::int64_t budget);
    void voisins(std::vector<std::uint64_t>& plain);
    void essaie(const std::vector<std::uint64_t>& grilles, std::vector<std::uint64_t>& plain);
    TResultatRoue sousconstruction(int n, std::vector<std::uint64_t> fixes, double part);
    // The deadline or a stop, looked at outside the search's steps too.
    bool arrete() {
        if (Horloge::now() >= partage_.echeance ||
            (partage_.parent != nullptr && partage_.parent->load(std::memory_order_relaxed)))
            partage_.arret = true;
        return partage_.arret.load(std::memory_order_relaxed);
    }
    // Reading the clock costs a few nanoseconds, a step at least a microsecond.
    bool fini() { return arrete() || (paslimite_ > 0 && pas_ >= paslimite_); }
    // Another thread has a wheel this small already.
    bool dejatrouvee(int cible) const {
        const int t = partage_.taille.load(std::memory_order_relaxed);
        return t != 0 && t <= cible;
    }
    int inutiles() const {
        if (!toutes_)
            return 0;
        int u = 0;
        for (int p = 0; p < n_; ++p)
            u += usage_[static_cast<std::size_t>(p)] == 0 ? 1 : 0;
        return u;
    }

    const std::array<std::array<std::int32_t, 7>, 65>& bin_ = binomes().c;
    int n_, t_, m_, fixes_, rang_;
    bool toutes_; // a build wants every position in some grid; a repair only plugs holes
    int profondeur_;
    std::uint32_t graine_;
    std::int64_t paslimite_;
    Construction::Partage& partage_;
    Hasard hasard_;
    std::vector<std::uint64_t> fixees_;
    std::vector<std::uint64_t> blocs_;
    std::vector<std::int32_t> couverts_;
    std::vector<std::int32_t> poids_;
    std::vector<std::int32_t> place_;
    std::vector<std::int32_t> trous_;
    std::array<int, 64> usage_{};
    std::array<std::int32_t, 64> poidsusage_{};
    std::vector<std::uint64_t> choixa_, choixc_;
    std::vector<std::int64_t> tabou_;
    std::int64_t pas_ = 0;
    int orbite_ = 1;                        // L, 1 without structure
    int nborbites_ = 0;                     // orbits among the free grids
    std::vector<std::array<int, 64>> perm_; // perm_[k][p]: image of p by the k-th power
};

template <class F> void Chercheur::couvertspar(std::uint64_t bloc, F&& f) const {
    std::array<int, 64> dedans{};
    std::array<int, 64> dehors{};
    const int nbdedans = points(bloc, dedans);
    const int nbdehors = points(touteslespositions(n_) & ~bloc, dehors);
    for (int i = t_; i <= std::min(m_, nbdedans); ++i)
        for (const std::uint64_t a : choix(nbdedans, i)) {
            const std::uint64_t partie = deplie(a, dedans);
            for (const std::uint64_t c : choix(nbdehors, m_ - i))
                f(rang(partie | deplie(c, dehors)));
        }
}

void Chercheur::ajoutetrou(std::int32_t s) {
    place_[static_cast<std::size_t>(s)] = static_cast<std::int32_t>(trous_.size());
    trous_.push_back(s);
}

void Chercheur::retiretrou(std::int32_t s) {
    const std::int32_t ici = place_[static_cast<std::size_t>(s)];
    const std::int32_t dernier = trous_.back();
    trous_[static_cast<std::size_t>(ici)] = dernier;
    place_[static_cast<std::size_t>(dernier)] = ici;
    trous_.pop_back();
    place_[static_cast<std::size_t>(s)] = -1;
}

void Chercheur::ajoute(std::uint64_t bloc) {
    couvertspar(bloc, [&](std::int32_t s) {
        if (couverts_[static_cast<std::size_t>(s)]++ == 0 && place_[static_cast<std::size_t>(s)] >= 0)
            retiretrou(s);
    });
    for (std::uint64_t x = bloc; x != 0; x &= x - 1)
        ++usage_[static_cast<std::size_t>(__builtin_ctzll(x))];
}

void Chercheur::retire(std::size_t i) {
    const std::uint64_t bloc = blocs_[i];
    couvertspar(bloc, [&](std::int32_t s) {
        if (--couverts_[static_cast<std::size_t>(s)] == 0)
            ajoutetrou(s);
    });
    for (std::uint64_t x = bloc; x != 0; x &= x - 1)
        --usage_[static_cast<std::size_t>(__builtin_ctzll(x))];
    blocs_[i] = blocs_.back();
    blocs_.pop_back();
}

// Swapping a (in grid i) for c changes only the sets T holding exactly one of the two: with a, T
// loses the grid when the grid held exactly t of T; with c, T gains it when the grid held t - 1
// of T. Both kinds are {a or c} + A + C, A a (t-1)-subset of the grid's other five positions and C
// an (m-t)-subset of the positions outside the grid other than c, so one walk finds them all.
template <bool Applique>
void Chercheur::echange(std::size_t i, int a, int c, std::int64_t& dpoids, int& dtrous) {
    const std::uint64_t bloc = blocs_[i];
    const std::uint64_t bita = std::uint64_t{1} << a;
    const std::uint64_t bitc = std::uint64_t{1} << c;
    // Left uninitialised: only the entries points() writes are read, and for t = m none of dehors.
    std::array<int, 64> dedans;
    std::array<int, 64> dehors;
    points(bloc & ~bita, dedans);
    if (m_ > t_)
        points(touteslespositions(n_) & ~bloc & ~bitc, dehors);
    for (const std::uint64_t ia : choixa_) {
        const std::uint64_t partie = deplie(ia, dedans);
        for (const std::uint64_t ic : choixc_) {
            const std::uint64_t reste = partie | deplie(ic, dehors);
            const std::int32_t perdu = rang(reste | bita);
            const std::int32_t gagne = rang(reste | bitc);
            std::int32_t& cp = couverts_[static_cast<std::size_t>(perdu)];
            std::int32_t& cg = couverts_[static_cast<std::size_t>(gagne)];
            if (cp == 1) {
                dpoids += poids_[static_cast<std::size_t>(perdu)];
                ++dtrous;
            }
            if (cg == 0) {
                dpoids -= poids_[static_cast<std::size_t>(gagne)];
                --dtrous;
            }
            if constexpr (Applique) {
                if (--cp == 0)
                    ajoutetrou(perdu);
                if (cg++ == 0)
                    retiretrou(gagne);
            }
        }
    }
    if (toutes_) {
        if (usage_[static_cast<std::size_t>(a)] == 1)
            dpoids += poidsusage_[static_cast<std::size_t>(a)];
        if (usage_[static_cast<std::size_t>(c)] == 0)
            dpoids -= poidsusage_[static_cast<std::size_t>(c)];
    }
    if constexpr (Applique) {
        --usage_[static_cast<std::size_t>(a)];
        ++usage_[static_cast<std::size_t>(c)];
        blocs_[i] = bloc ^ bita ^ bitc;
    }
}

std::int64_t Chercheur::pertesiretire(std::size_t i) const {
    std::int64_t perte = 0;
    couvertspar(blocs_[i], [&](std::int32_t s) {
        if (couverts_[static_cast<std::size_t>(s)] == 1)
            perte += poids_[static_cast<std::size_t>(s)];
    });
    return perte;
}

// A first wheel: while a hole is left, a grid through t of its positions, completed one position
// at a time by the one that plugs the most holes.
void Chercheur::gourmand() {
    std::array<int, 64> liste{};
    while (!trous_.empty() && !arrete()) {
        const std::uint64_t trou = ensemble(trous_[hasard_.sous(static_cast<std::uint32_t>(trous_.size()))]);
        std::uint64_t bloc = 0;
        const int nb = points(trou, liste);
        for (int k = 0; k < t_; ++k) {
            const int j = k + static_cast<int>(hasard_.sous(static_cast<std::uint32_t>(nb - k)));
            std::swap(liste[static_cast<std::size_t>(k)], liste[static_cast<std::size_t>(j)]);
            bloc |= std::uint64_t{1} << liste[static_cast<std::size_t>(k)];
        }
        while (__builtin_popcountll(bloc) < rouetaillegrille) {
            std::array<int, 64> dedans{};
            const int nbdedans = points(bloc, dedans);
            const std::vector<std::uint64_t> lesa = choix(nbdedans, t_ - 1);
            int meilleur = -1;
            int choisi = -1;
            int ex = 0;
            for (int p = 0; p < n_; ++p) {
                if ((bloc >> p) & 1)
                    continue;
                std::array<int, 64> dehors{};
                const int nbdehors =
                    points(touteslespositions(n_) & ~bloc & ~(std::uint64_t{1} << p), dehors);
                int gain = 0;
                for (const std::uint64_t ia : lesa) {
                    const std::uint64_t partie = deplie(ia, dedans) | (std::uint64_t{1} << p);
                    for (const std::uint64_t ic : choix(nbdehors, m_ - t_))
                        gain += couverts_[static_cast<std::size_t>(rang(partie | deplie(ic, dehors)))] == 0
                                    ? 1
                                    : 0;
                }
                if (toutes_ && usage_[static_cast<std::size_t>(p)] == 0)
                    ++gain;
                if (gain > meilleur) {
                    meilleur = gain;
                    choisi = p;
                    ex = 1;
                } else if (gain == meilleur && hasard_.sous(static_cast<std::uint32_t>(++ex)) == 0) {
                    choisi = p;
                }
            }
            bloc |= std::uint64_t{1} << choisi;
        }
        blocs_.push_back(bloc);
        ajoute(bloc);
    }
    // Positions still in no grid go six to a grid.
    std::uint64_t seules = 0;
    for (int p = 0; p < n_; ++p)
        if (toutes_ && usage_[static_cast<std::size_t>(p)] == 0)
            seules |= std::uint64_t{1} << p;
    while (seules != 0) {
        std::uint64_t bloc = 0;
        for (; seules != 0 && __builtin_popcountll(bloc) < rouetaillegrille; seules &= seules - 1)
            bloc |= seules & (~seules + 1);
        while (__builtin_popcountll(bloc) < rouetaillegrille)
            bloc |= std::uint64_t{1} << hasard_.sous(static_cast<std::uint32_t>(n_));
        blocs_.push_back(bloc);
        ajoute(bloc);
    }
}

// Down to `taille` grids, each time leaving out the free grid whose loss weighs least.
void Chercheur::reduit(int taille) {
    while (static_cast<int>(blocs_.size()) > taille && static_cast<int>(blocs_.size()) > fixes_ &&
           !arrete()) {
        std::int64_t moindre = std::numeric_limits<std::int64_t>::max();
        std::size_t choisi = 0;
        int ex = 0;
        for (std::size_t i = static_cast<std::size_t>(fixes_); i < blocs_.size(); ++i) {
            if (arrete())
                return;
            const std::int64_t perte = pertesiretire(i);
            if (perte < moindre) {
                moindre = perte;
                choisi = i;
                ex = 1;
            } else if (perte == moindre && hasard_.sous(static_cast<std::uint32_t>(++ex)) == 0) {
                choisi = i;
            }
        }
        retire(choisi);
    }
}

void Chercheur::initialise(const std::vector<std::uint64_t>& libres, int orbite, int nborbites) {
    std::fill(couverts_.begin(), couverts_.end(), 0);
    std::fill(poids_.begin(), poids_.end(), 1);
    std::fill(place_.begin(), place_.end(), -1);
    trous_.clear();
    for (std::size_t s = 0; s < couverts_.size(); ++s)
        ajoutetrou(static_cast<std::int32_t>(s));
    usage_.fill(0);
    poidsusage_.fill(1);
    orbite_ = orbite;
    nborbites_ = nborbites;
    perm_.assign(static_cast<std::size_t>(orbite), {});
    const int tournants = n_ / orbite * orbite;
    for (int k = 0; k < orbite; ++k)
        for (int p = 0; p < 64; ++p)
            perm_[static_cast<std::size_t>(k)][static_cast<std::size_t>(p)] =
                p < tournants ? p / orbite * orbite + (p % orbite + k) % orbite : p;
    blocs_.clear();
    for (const std::uint64_t b : fixees_) {
        blocs_.push_back(b);
        ajoute(b);
    }
    for (const std::uint64_t b : libres) {
        blocs_.push_back(b);
        ajoute(b);
    }
}

// A swap in an orbit is made, or weighed, in every image of the grid. Weighed, each image counts
// on its own: a set that two images both touch is counted twice, an error rare enough for choosing
// a move, while swapping every image and back would cost twice as many walks and writes; made, the
// images are swapped one after the other and the counters stay exact.
template <bool Applique>
void Chercheur::surimages(std::size_t i, int a, int c, std::int64_t& dpoids, int& dtrous) {
    if (!enorbite(i)) {
        echange<Applique>(i, a, c, dpoids, dtrous);
        return;
    }
    const std::size_t k = (i - static_cast<std::size_t>(fixes_)) % static_cast<std::size_t>(orbite_);
    const std::size_t base = i - k;
    const auto& inverse = perm_[(static_cast<std::size_t>(orbite_) - k) % static_cast<std::size_t>(orbite_)];
    const int a0 = inverse[static_cast<std::size_t>(a)];
    const int c0 = inverse[static_cast<std::size_t>(c)];
    for (std::size_t j = 0; j < static_cast<std::size_t>(orbite_); ++j)
        echange<Applique>(base + j, perm_[j][static_cast<std::size_t>(a0)],
                          perm_[j][static_cast<std::size_t>(c0)], dpoids, dtrous);
}

// Every hole plugged but a position in no grid: bring it into the free grid where that costs least.
bool Chercheur::placeinutile() {
    int p = 0;
    while (p < n_ && usage_[static_cast<std::size_t>(p)] != 0)
        ++p;
    std::int64_t meilleur = std::numeric_limits<std::int64_t>::max();
    std::size_t choisi = 0;
    int choisia = -1;
    int ex = 0;
    for (std::size_t i = static_cast<std::size_t>(fixes_); i < blocs_.size(); ++i)
        for (std::uint64_t x = blocs_[i]; x != 0 && ((blocs_[i] >> p) & 1) == 0; x &= x - 1) {
            // Large wheels make this walk long: a stop must not wait for its end.
            if (arrete())
                return false;
            const int a = __builtin_ctzll(x);
            std::int64_t dp = 0;
            int dt = 0;
            evalue(i, a, p, dp, dt);
            if (dp < meilleur) {
                meilleur = dp;
                choisi = i;
                choisia = a;
                ex = 1;
            } else if (dp == meilleur && hasard_.sous(static_cast<std::uint32_t>(++ex)) == 0) {
                choisi = i;
                choisia = a;
            }
        }
    if (choisia < 0)
        return false;
    std::int64_t dp = 0;
    int dt = 0;
    applique(choisi, choisia, p, dp, dt);
    return true;
}

// Weighted tabu search at a fixed number of grids, until no hole (and, for a build, no unused
// position) is left, or `budget` steps. Each step takes a hole at random, looks at the free grids
// meeting it most and at every swap that brings one more of its positions into one of them, and
// makes the swap that lowers the weighted holes most, even when that is a rise; when no swap
// lowers them, the hole's weight goes up by one. A position taken out of a grid may not come back
// into it for a few steps, unless that leaves fewer holes than ever at this size.
bool Chercheur::descend(int cible, std::int64_t budget) {
    constexpr int tenure = 3;
    tabou_.assign(blocs_.size() * static_cast<std::size_t>(n_), -1);
    std::int64_t record = std::numeric_limits<std::int64_t>::max();
    const std::int64_t fin = pas_ + budget;
    struct Candidat {
        std::size_t i;
        int a, c;
    };
    std::vector<Candidat> candidats;
    const std::size_t maxcandidats = static_cast<std::size_t>(this->maxcandidats(orbite_));
    partage_.cible = cible;
    while (true) {
        const std::int64_t reste = static_cast<std::int64_t>(trous_.size()) + inutiles();
        record = std::min(record, reste);
        if (reste == 0)
            return true;
        if (fini() || dejatrouvee(cible) || pas_ >= fin)
            return false;
        ++pas_;
        if ((pas_ & 1023) == 0) {
            partage_.pas += 1024;
            partage_.restants = record;
        }
        if (trous_.empty()) {
            placeinutile();
            continue;
        }
        const std::int32_t s = trous_[hasard_.sous(static_cast<std::uint32_t>(trous_.size()))];
        const std::uint64_t ens = ensemble(s);
        int plus = 0;
        for (std::size_t i = static_cast<std::size_t>(fixes_); i < blocs_.size(); ++i)
            plus = std::max(plus, __builtin_popcountll(blocs_[i] & ens));
        candidats.clear();
        for (std::size_t i = static_cast<std::size_t>(fixes_); i < blocs_.size(); ++i) {
            const std::uint64_t g = blocs_[i];
            if (__builtin_popcountll(g & ens) != plus)
                continue;
            for (std::uint64_t xa = g & ~ens; xa != 0; xa &= xa - 1)
                for (std::uint64_t xc = ens & ~g; xc != 0; xc &= xc - 1)
                    candidats.push_back({i, __builtin_ctzll(xa), __builtin_ctzll(xc)});
        }
        // Where one evaluation walks thousands of sets, a random part of the swaps is looked at.
        const std::size_t evalues = std::min(candidats.size(), maxcandidats);
        for (std::size_t k = 0; k < evalues && evalues < candidats.size(); ++k)
            std::swap(candidats[k],
                      candidats[k + hasard_.sous(static_cast<std::uint32_t>(candidats.size() - k))]);
        std::int64_t meilleur = std::numeric_limits<std::int64_t>::max();
        std::size_t choisi = 0;
        int choisia = -1;
        int choisic = -1;
        int ex = 0;
        for (std::size_t k = 0; k < evalues; ++k) {
            const auto [i, a, c] = candidats[k];
            std::int64_t dp = 0;
            int dt = 0;
            evalue(i, a, c, dp, dt);
            if (tabou_[i * static_cast<std::size_t>(n_) + static_cast<std::size_t>(c)] >= pas_ &&
                static_cast<std::int64_t>(trous_.size()) + dt >= record)
                continue;
            if (dp < meilleur) {
                meilleur = dp;
                ex = 1;
            } else if (dp > meilleur || hasard_.sous(static_cast<std::uint32_t>(++ex)) != 0) {
                continue;
            }
            choisi = i;
            choisia = a;
            choisic = c;
        }
        if (choisia >= 0) {
            std::int64_t dp = 0;
            int dt = 0;
            applique(choisi, choisia, choisic, dp, dt);
            tabou_[choisi * static_cast<std::size_t>(n_) + static_cast<std::size_t>(choisia)] = pas_ + tenure;
        }
        if (meilleur >= 0) {
            ++poids_[static_cast<std::size_t>(s)];
            for (int p = 0; p < n_; ++p)
                if (usage_[static_cast<std::size_t>(p)] == 0)
                    ++poidsusage_[static_cast<std::size_t>(p)];
        }
    }
}

std::int64_t Chercheur::pasmesures(std::int64_t budget) const {
    const std::int64_t parpas = std::min<std::int64_t>(maxcandidats(1), 30) *
                                static_cast<std::int64_t>(choixa_.size() * choixc_.size());
    return std::max<std::int64_t>(200, budget * ensemblesparpas / std::max(parpas, ensemblesparpas));
}

// One try at `cible` grids among the wheels that turn into themselves under the rotation of
// blocks of `orbite` positions: random orbits, and as many grids outside them as the count needs.
bool Chercheur::structure(int cible, int orbite, std::int64_t budget) {
    const int nborbites = cible / orbite;
    std::vector<std::uint64_t> libres;
    const auto auhasard = [&] {
        std::uint64_t b = 0;
        while (__builtin_popcountll(b) < rouetaillegrille)
            b |= std::uint64_t{1} << hasard_.sous(static_cast<std::uint32_t>(n_));
        return b;
    };
    perm_.assign(static_cast<std::size_t>(orbite), {});
    initialise({}, orbite, nborbites);
    for (int o = 0; o < nborbites; ++o) {
        const std::uint64_t b = auhasard();
        for (int k = 0; k < orbite; ++k)
            libres.push_back(image(k, b));
    }
    while (static_cast<int>(libres.size()) < cible)
        libres.push_back(auhasard());
    initialise(libres, orbite, nborbites);
    return descend(cible, budget);
}

// A build of its own on one thread, for a share of the time left, stopped with this one.
TResultatRoue Chercheur::sousconstruction(int n, std::vector<std::uint64_t> fixes, double part) {
    const double reste = std::chrono::duration<double>(partage_.echeance - Horloge::now()).count();
    TDemandeRoue d = demanderoue(n, t_, m_, std::max(0.0, reste * part), graine_, 1);
    d.fixes = std::move(fixes);
    d.profondeur = profondeur_ + 1;
    d.arretparent = &partage_.arret;
    d.paslimite =
        paslimite_ > 0 ? std::max<std::int64_t>(1, static_cast<std::int64_t>(paslimite_ * part)) : 0;
    return construitroue(d);
}

// A wheel from elsewhere: grids that no set needs are left out, and it is published when it beats
// the best, and kept as this thread's start when it beats `plain`.
void Chercheur::essaie(const std::vector<std::uint64_t>& grilles, std::vector<std::uint64_t>& plain) {
    initialise(grilles, 1);
    if (!trous_.empty())
        return;
    for (std::size_t i = blocs_.size(); i-- > static_cast<std::size_t>(fixes_);) {
        bool seule = false;
        for (std::uint64_t x = blocs_[i]; x != 0; x &= x - 1)
            seule = seule || usage_[static_cast<std::size_t>(__builtin_ctzll(x))] == 1;
        if (!seule && pertesiretire(i) == 0)
            retire(i);
    }
    publie();
    if (blocs_.size() < plain.size())
        plain.assign(blocs_.begin(), blocs_.end());
}

// Wheels one position away are often far better starts than a greedy one: a wheel for N + 1 less
// its last position (the grids that held it take another position instead), and a wheel for N - 1
// with the grids a repair adds for the last position. "3 if 3" among 21 and among 23 come that way
// out of the Steiner system on 22 positions that the structured tries find at once.
void Chercheur::voisins(std::vector<std::uint64_t>& plain) {
    std::array<int, 64> liste{};
    if (faisabilite(n_ + 1, t_, m_).portee == Portee::Possible) {
        const TResultatRoue plus = sousconstruction(n_ + 1, {}, 0.15);
        std::vector<std::uint64_t> grilles;
        const std::uint64_t dernier = std::uint64_t{1} << n_;
        for (std::uint64_t g : plus.roue.grilles) {
            if (g & dernier) {
                g &= ~dernier;
                const int nb = points(touteslespositions(n_) & ~g, liste);
                g |= std::uint64_t{1} << liste[hasard_.sous(static_cast<std::uint32_t>(nb))];
            }
            grilles.push_back(g);
        }
        if (!grilles.empty() && !fini())
            essaie(grilles, plain);
    }
    if (n_ - 1 > rouetaillegrille && !fini()) {
        const TResultatRoue moins = sousconstruction(n_ - 1, {}, 0.15);
        if (!moins.roue.grilles.empty() && !fini()) {
            const TResultatRoue reparee = sousconstruction(n_, moins.roue.grilles, 0.1);
            if (!reparee.roue.grilles.empty() && !fini())
                essaie(reparee.roue.grilles, plain);
        }
    }
}

// The rotations worth a try for `cible` grids among n positions: blocks of L positions covering
// all but at most six of them, and at most three grids outside the orbits; the fewest of both first.
// No rotation at all (L = 1: a fresh random start) comes right after the rotations without either.
std::vector<int> rotations(int n, int cible) {
    std::vector<std::pair<int, int>> notes;
    for (int l = 1; l <= n; ++l) {
        const int dehors = n % l;
        const int seules = cible % l;
        if (dehors <= 6 && seules <= 3 && cible / l >= 2)
            notes.emplace_back(l == 1 ? 1 : dehors + 2 * seules, l);
    }
    std::stable_sort(notes.begin(), notes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> r;
    for (const auto& [note, l] : notes)
        r.push_back(l);
    return r;
}

// The size and rotation of the next structured try between the highest size that failed and the
// best wheel: in the lower half of the gap, the size that a rotation of at most 12 positions fits
// best (the smallest on a tie), since a size that no rotation fits rarely comes out of one.
std::pair<int, int> prochaine(int n, int echec, int meilleure) {
    const int milieu = (echec + meilleure) / 2;
    std::pair<int, int> r{meilleure - 1, 1};
    int note = std::numeric_limits<int>::max();
    for (int c = echec + 1; c <= milieu; ++c)
        for (int l = 2; l <= std::min(n, 12); ++l) {
            const int dehors = n % l;
            const int seules = c % l;
            if (dehors <= 6 && seules <= 3 && c / l >= 2 && dehors + 2 * seules < note) {
                note = dehors + 2 * seules;
                r = {c, l};
            }
        }
    return r;
}

// Turns of plain descents and structured tries. Structured tries look for the smallest size they
// can reach by halving the gap between the highest size that failed (at first, just under the best
// known size or the lower bound) and the best wheel so far; once the gap is closed they start over
// from the bottom, with other rotations. A rotation is one of the fittest few for its size, each
// thread taking them in its own order. A plain descent goes on from the best wheel this thread
// found, structured or not, one grid fewer.
void Chercheur::cherche() {
    gourmand();
    if (trous_.empty())
        publie();
    const int bas = std::max(partage_.faisabilite.connue > 0 ? partage_.faisabilite.connue
                                                             : static_cast<int>(partage_.borne),
                             partage_.plancher);
    std::vector<std::uint64_t> plain(blocs_.begin() + fixes_, blocs_.end());
    // For "t if m" with t < m a partition of the positions often gives a far smaller wheel than
    // the greedy one, and each step of the descents costs thousands of sets there. One thread
    // computes it, the same for every seed.
    if (fixes_ == 0 && t_ < m_ && rang_ == 0 && profondeur_ == 0 && !fini()) {
        const std::vector<std::uint64_t> partition = rouepartition(n_, t_, m_, &partage_.arret);
        // It is shared as the best wheel, but the descents go on from the greedy wheel: from a
        // partition wheel well above the table ("3 if 6" among 20: 13 grids) they stalled there.
        std::vector<std::uint64_t> depart = plain;
        if (!partition.empty() && partition.size() < plain.size())
            essaie(partition, depart);
    }
    // Wheels from one position away, once a first turn has shown the size is not easy (waiting for
    // more turns, under load, left no time for them).
    bool voisinage =
        fixes_ == 0 && t_ == m_ && profondeur_ < 2 && rang_ == (profondeur_ == 0 ? partage_.voisinsrang : 0);
    int tries = rang_;
    // The highest size that failed, for each of the two ways of choosing the next size.
    std::array<int, 2> echecs{bas - 1, bas - 1};
    int echecplain = bas - 1;
    for (int tour = rang_; !fini(); ++tour) {
        const int meilleure = partage_.taille.load();
        if (meilleure == 0 || meilleure <= partage_.plancher || meilleure - 1 < fixes_)
            break;
        if (voisinage && tour >= rang_ + 1) {
            voisinage = false;
            voisins(plain);
            continue;
        }
        // Odd threads give three turns in four to structured tries. Even ones make only plain
        // descents when other threads make the tries (a try starts afresh, and the holes' weights a
        // long descent has learnt were lost every other turn), and every other turn alone.
        if (fixes_ == 0 && (rang_ % 2 == 1 ? tour % 4 != 3 : partage_.fils == 1 && tour % 2 == 0)) {
            int& echec = echecs[static_cast<std::size_t>(tries % 2)];
            if (echec >= meilleure - 1)
                echec = bas - 1;
            int cible = (echec + meilleure) / 2;
            int orbite = 1;
            if (tries % 2 == 0) {
                std::tie(cible, orbite) = prochaine(n_, echec, meilleure);
            } else {
                const std::vector<int> essais = rotations(n_, cible);
                if (!essais.empty())
                    orbite = essais[static_cast<std::size_t>(tries / 2 + rang_) %
                                    std::min<std::size_t>(essais.size(), 3)];
            }
            const bool ok = cible / orbite >= 2 && structure(cible, orbite, pasmesures(essai));
            if (ok) {
                publie();
                plain.assign(blocs_.begin() + fixes_, blocs_.end());
            } else if (!dejatrouvee(cible)) {
                echec = cible;
            }
            ++tries;
            continue;
        }
        if (orbite_ != 1 || static_cast<int>(plain.size()) + fixes_ != static_cast<int>(blocs_.size()) ||
            !std::equal(plain.begin(), plain.end(), blocs_.begin() + fixes_))
            initialise(plain, 1);
        // Far above the best known size a wheel a quarter of the gap smaller is found about as fast
        // as one grid fewer; a size that failed is not aimed below again. Once the best wheel is
        // one grid above such a size, that size is aimed at again, from that wheel: aiming at the
        // best wheel's own size found it at once and did nothing but check it again and again.
        const int cible = std::min(
            meilleure - 1, std::max({meilleure - std::max(1, (meilleure - std::max(bas, echecplain + 1)) / 4),
                                     echecplain + 1, fixes_}));
        reduit(cible);
        const bool ok = descend(cible, pasmesures(patience));
        if (ok) {
            publie();
        } else if (cible < meilleure - 1) {
            // The next try aims higher, from the last wheel without holes.
            if (!dejatrouvee(cible))
                echecplain = cible;
            continue;
        }
        plain.assign(blocs_.begin() + fixes_, blocs_.end());
    }
    partage_.pas += pas_ & 1023;
}

// Checks the wheel on its own, with the exhaustive check rather than the search's counters, and
// keeps it when it beats the shared best. A repeated grid adds nothing and is dropped first.
void Chercheur::publie() {
    std::vector<std::uint64_t> roue(blocs_.begin(), blocs_.begin() + fixes_);
    std::vector<std::uint64_t> libres(blocs_.begin() + fixes_, blocs_.end());
    std::sort(libres.begin(), libres.end());
    libres.erase(std::unique(libres.begin(), libres.end()), libres.end());
    roue.insert(roue.end(), libres.begin(), libres.end());
    std::uint64_t utilisees = 0;
    for (const std::uint64_t g : roue)
        utilisees |= g;
    if (!grillesvalides(roue, n_) || (toutes_ && utilisees != touteslespositions(n_)))
        return;
    const TControle c = controle(roue, n_, t_, m_, 0, 1);
    if (!c.complet || c.trous != 0)
        return;
    const std::lock_guard<std::mutex> verrou(partage_.mutex);
    if (partage_.taille.load() == 0 || static_cast<int>(roue.size()) < partage_.taille.load()) {
        partage_.meilleure = roue;
        partage_.taille = static_cast<int>(roue.size());
        // Small enough: every thread stops, and with it the builds a thread may have started.
        if (static_cast<int>(roue.size()) <= partage_.plancher)
            partage_.arret = true;
    }
}

} // namespace

Construction::Construction(TDemandeRoue demande)
    : demande_(std::move(demande)), partage_(std::make_unique<Partage>()) {}

Construction::~Construction() {
    arrete();
    for (std::thread& f : fils_)
        if (f.joinable())
            f.join();
}

bool Construction::lance() {
    if (lancee_)
        return !partage_->refusee;
    lancee_ = true;
    Partage& p = *partage_;
    p.debut = Horloge::now();
    p.echeance = p.debut + std::chrono::duration_cast<Horloge::duration>(
                               std::chrono::duration<double>(demande_.secondes));
    const TDemandeRoue& d = demande_;
    p.faisabilite = faisabilite(d.nbnumeros, d.t, d.m);
    p.parent = d.arretparent;
    const bool reparation = !d.fixes.empty();
    if (reparation) {
        // The wheel exists already: only the sets and the moves have to fit.
        if (p.faisabilite.portee == Portee::Grilles)
            p.faisabilite.portee = Portee::Possible;
        if (p.faisabilite.portee == Portee::Possible && !grillesvalides(d.fixes, d.nbnumeros))
            p.faisabilite.portee = Portee::Demande;
    }
    if (p.faisabilite.portee != Portee::Possible) {
        p.refusee = true;
        return false;
    }
    if (reparation) {
        const std::int64_t trous = comptetrous(d.fixes, d.nbnumeros, d.t, d.m);
        p.borne = static_cast<std::int64_t>(d.fixes.size()) + (trous > 0 ? 1 : 0);
        p.plancher = static_cast<int>(p.borne);
    } else {
        p.borne = p.faisabilite.borne;
        p.plancher = static_cast<int>(p.borne);
        if (!d.audela && p.faisabilite.connue > 0)
            p.plancher = std::max(p.plancher, p.faisabilite.connue);
    }
    const int nb = d.fils > 0 ? d.fils : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    p.actifs = nb;
    p.voisinsrang = nb > 1 ? 1 : 0;
    p.fils = nb;
    for (int k = 0; k < nb; ++k)
        fils_.emplace_back([this, k] {
            Chercheur(demande_, *partage_, demande_.graine + static_cast<std::uint32_t>(k), k).cherche();
            --partage_->actifs;
        });
    return true;
}

void Construction::arrete() {
    partage_->demande = true;
    partage_->arret = true;
}

bool Construction::finie() const {
    return !lancee_ || partage_->refusee || partage_->actifs.load() == 0;
}

TAvancement Construction::avancement() const {
    const Partage& p = *partage_;
    TAvancement a;
    a.secondes = lancee_ ? std::chrono::duration<double>(Horloge::now() - p.debut).count() : 0;
    a.meilleure = p.taille.load();
    a.cible = p.cible.load();
    a.restants = p.restants.load();
    a.borne = p.borne != 0 ? p.borne : p.faisabilite.borne;
    a.connue = demande_.fixes.empty() ? p.faisabilite.connue : 0;
    a.pas = p.pas.load();
    a.fini = finie();
    return a;
}

TResultatRoue Construction::resultat() {
    if (!lancee_)
        lance();
    const bool demandee = partage_->demande.load();
    for (std::thread& f : fils_)
        if (f.joinable())
            f.join();
    Partage& p = *partage_;
    TResultatRoue r;
    r.faisabilite = p.faisabilite;
    r.secondes = std::chrono::duration<double>(Horloge::now() - p.debut).count();
    r.pas = p.pas.load();
    if (p.refusee) {
        r.issue = Issue::Refusee;
        return r;
    }
    const std::lock_guard<std::mutex> verrou(p.mutex);
    if (!p.meilleure.empty()) {
        r.roue.nbnumeros = demande_.nbnumeros;
        r.roue.t = demande_.t;
        r.roue.m = demande_.m;
        r.roue.grilles = p.meilleure;
        r.ajoutees = static_cast<int>(p.meilleure.size() - demande_.fixes.size());
        r.optimale = static_cast<std::int64_t>(p.meilleure.size()) <= p.borne;
    }
    if (demandee || p.demande.load())
        r.issue = Issue::Arretee;
    else
        r.issue = p.meilleure.empty() ? Issue::Echec : Issue::Trouvee;
    return r;
}

TResultatRoue construitroue(const TDemandeRoue& demande) {
    Construction c(demande);
    c.lance();
    return c.resultat();
}

TDemandeRoue demanderoue(int nbnumeros, int t, int m, double secondes, std::uint32_t graine, int fils) {
    TDemandeRoue d;
    d.nbnumeros = nbnumeros;
    d.t = t;
    d.m = m;
    d.secondes = secondes;
    d.graine = graine;
    d.fils = fils;
    return d;
}

TDemandeRoue demandereparation(const TRoue& roue, double secondes, std::uint32_t graine) {
    TDemandeRoue d = demanderoue(roue.nbnumeros, roue.t, roue.m, secondes, graine);
    d.fixes = roue.grilles;
    return d;
}

} // namespace vormigral

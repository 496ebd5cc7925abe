#include "wheels/lotto.h"

#include "wheels/controle.h"
#include "wheels/roue.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <numeric>

namespace vormigral {

namespace {

// Beyond this many (way the drawn fall) x (grid shape) pairs a shape costs more than a few
// milliseconds; over all shapes, a first wheel must come within a fraction of a second.
constexpr std::int64_t coutforme = 2'000'000;
constexpr std::int64_t couttotal = 10'000'000;

// Every vector v with 0 <= v[i] <= bornes[i] summing to `total`, or false once there are more
// than `plafond`.
bool vecteurs(const std::vector<int>& bornes, int total, std::size_t plafond,
              std::vector<std::vector<int>>& sortie) {
    std::vector<int> v(bornes.size(), 0);
    std::vector<int> reste(bornes.size() + 1, 0);
    for (std::size_t i = bornes.size(); i-- > 0;)
        reste[i] = reste[i + 1] + bornes[i];
    bool ok = true;
    const std::function<void(std::size_t, int)> suite = [&](std::size_t i, int gauche) {
        if (!ok)
            return;
        if (i == bornes.size()) {
            if (gauche == 0) {
                sortie.push_back(v);
                ok = sortie.size() <= plafond;
            }
            return;
        }
        for (int x = std::max(0, gauche - reste[i + 1]); x <= std::min(bornes[i], gauche); ++x) {
            v[i] = x;
            suite(i + 1, gauche - x);
        }
    };
    suite(0, total);
    return ok;
}

// How many such vectors there are, counted without listing them.
std::int64_t nombre(const std::vector<int>& bornes, int total) {
    std::vector<std::int64_t> n(static_cast<std::size_t>(total) + 1, 0);
    n[0] = 1;
    for (const int b : bornes) {
        std::vector<std::int64_t> suite(n.size(), 0);
        for (std::size_t s = 0; s < n.size(); ++s)
            for (int x = 0; x <= b && s + static_cast<std::size_t>(x) < n.size(); ++x)
                suite[s + static_cast<std::size_t>(x)] += n[s];
        n = std::move(suite);
    }
    return n[static_cast<std::size_t>(total)];
}

std::vector<int> bornees(const std::vector<int>& groupes, int plafond) {
    std::vector<int> r;
    for (const int s : groupes)
        r.push_back(std::min(s, plafond));
    return r;
}

// The grids of a shape: a greedy cover of the ways the drawn fall by grid shapes (how many
// positions of each group a grid takes), each grid then taking the next positions of its groups in
// turn so that the positions spread over the grids.
std::vector<std::uint64_t> couverture(const std::vector<int>& groupes, int t, int m, std::int64_t& cout) {
    std::vector<std::vector<int>> tirages;
    std::vector<std::vector<int>> formes;
    if (nombre(bornees(groupes, m), m) * nombre(bornees(groupes, rouetaillegrille), rouetaillegrille) >
        coutforme)
        return {};
    const auto plafond = static_cast<std::size_t>(coutforme);
    if (!vecteurs(bornees(groupes, m), m, plafond, tirages) ||
        !vecteurs(bornees(groupes, rouetaillegrille), rouetaillegrille, plafond, formes) ||
        static_cast<std::int64_t>(tirages.size() * formes.size()) > coutforme)
        return {};
    cout += static_cast<std::int64_t>(tirages.size() * formes.size());
    std::vector<std::vector<std::uint32_t>> couverts(formes.size());
    for (std::size_t f = 0; f < formes.size(); ++f)
        for (std::size_t d = 0; d < tirages.size(); ++d) {
            int surs = 0;
            for (std::size_t i = 0; i < groupes.size(); ++i)
                surs += std::max(0, tirages[d][i] - groupes[i] + formes[f][i]);
            if (surs >= t)
                couverts[f].push_back(static_cast<std::uint32_t>(d));
        }
    std::vector<char> fait(tirages.size(), 0);
    std::size_t restants = tirages.size();
    std::vector<std::size_t> choisies;
    while (restants > 0) {
        std::size_t meilleure = 0;
        std::size_t gain = 0;
        for (std::size_t f = 0; f < formes.size(); ++f) {
            std::size_t g = 0;
            for (const std::uint32_t d : couverts[f])
                g += fait[d] == 0 ? 1 : 0;
            if (g > gain) {
                gain = g;
                meilleure = f;
            }
        }
        if (gain == 0)
            return {};
        for (const std::uint32_t d : couverts[meilleure])
            if (fait[d] == 0) {
                fait[d] = 1;
                --restants;
            }
        choisies.push_back(meilleure);
    }
    std::vector<int> debut(groupes.size(), 0);
    std::partial_sum(groupes.begin(), groupes.end() - 1, debut.begin() + 1);
    std::vector<int> suivante(groupes.size(), 0);
    std::vector<std::uint64_t> grilles;
    for (const std::size_t f : choisies) {
        std::uint64_t g = 0;
        for (std::size_t i = 0; i < groupes.size(); ++i)
            for (int k = 0; k < formes[f][i]; ++k) {
                g |= std::uint64_t{1} << (debut[i] + suivante[i]);
                suivante[i] = (suivante[i] + 1) % groupes[i];
            }
        grilles.push_back(g);
    }
    std::sort(grilles.begin(), grilles.end());
    grilles.erase(std::unique(grilles.begin(), grilles.end()), grilles.end());
    return grilles;
}

} // namespace

std::vector<std::uint64_t> rouepargroupes(const std::vector<int>& groupes, int t, int m) {
    std::int64_t cout = 0;
    return couverture(groupes, t, m, cout);
}

std::vector<std::uint64_t> rouepartition(int n, int t, int m, const std::atomic<bool>* arret) {
    std::vector<std::uint64_t> meilleure;
    if (t >= m || controledemande(n, t, m) != Demande::Valide)
        return meilleure;
    std::int64_t cout = 0;
    std::vector<int> groupes;
    // Shapes as non-increasing group sizes; a shape too costly is left out before anything is listed.
    const std::function<void(int, int)> formes = [&](int reste, int plus) {
        if (cout > couttotal || (arret != nullptr && arret->load(std::memory_order_relaxed)))
            return;
        if (reste == 0) {
            if (groupes.size() < 2)
                return;
            std::vector<std::uint64_t> g = couverture(groupes, t, m, cout);
            std::uint64_t utilisees = 0;
            for (const std::uint64_t x : g)
                utilisees |= x;
            if (g.empty() || (!meilleure.empty() && g.size() >= meilleure.size()) ||
                utilisees != touteslespositions(n))
                return;
            const TControle c = controle(g, n, t, m, 0, 1, arret);
            if (c.complet && c.trous == 0)
                meilleure = std::move(g);
            return;
        }
        for (int s = std::min(reste, plus); s >= 1; --s) {
            groupes.push_back(s);
            formes(reste - s, s);
            groupes.pop_back();
        }
    };
    formes(n, n - 1);
    return meilleure;
}

} // namespace vormigral

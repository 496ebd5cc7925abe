#pragma once

#include "wheels/bornes.h"
#include "wheels/roue.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace vormigral {

// What to build: a wheel "t if m" among N, or, with `fixes`, the repair of a wheel whose grids all
// stay and to which the search adds as few grids as it can so that no hole is left.
struct TDemandeRoue {
    int nbnumeros = 0, t = 0, m = 0;
    double secondes = 10;             // time budget
    std::uint32_t graine = 1;         // thread k draws from graine + k
    int fils = 0;                     // threads; 0: one per core
    std::int64_t paslimite = 0;       // steps per thread, 0: none; a reproducible end for tests
    bool audela = false;              // keep searching below the best known size
    std::vector<std::uint64_t> fixes; // a repair's grids
    // For the builds the search starts on its own (wheels for N - 1 and N + 1 it derives a first
    // wheel from): how deep they nest, and the stop of the build they serve. Left as they are.
    int profondeur = 0;
    const std::atomic<bool>* arretparent = nullptr;
};

enum class Issue {
    Trouvee, // a verified wheel: the lower bound or the best known size was reached, or time ran out
    Arretee, // stopped on request; `roue` is the best verified wheel found until then, maybe none
    Refusee, // beyond reach: `faisabilite` says why and gives the bounds
    Echec,   // time or steps ran out before a first wheel could be verified
};

struct TAvancement {
    double secondes = 0;
    int meilleure = 0;         // grids of the best verified wheel so far, 0 before the first
    int cible = 0;             // the size a thread searches now, as last reported
    std::int64_t restants = 0; // the fewest holes that thread has left at that size
    std::int64_t borne = 0;    // lower bound (for a repair: on the whole wheel)
    int connue = 0;            // best known size, 0 when unknown
    std::int64_t pas = 0;      // steps of all threads
    bool fini = false;
};

struct TResultatRoue {
    Issue issue = Issue::Echec;
    TFaisabilite faisabilite;
    TRoue roue;            // verified exhaustively by controle(), empty when there is none
    int ajoutees = 0;      // for a repair, the grids added after the fixed ones
    bool optimale = false; // the size is the lower bound: no smaller wheel exists
    double secondes = 0;
    std::int64_t pas = 0;
};

class Construction {
public:
    explicit Construction(TDemandeRoue demande);
    ~Construction(); // stops the search and waits for its threads
    Construction(const Construction&) = delete;
    Construction& operator=(const Construction&) = delete;

    // Starts the search in the background; false when the request is refused (nothing runs then,
    // and resultat() says why at once).
    bool lance();
    // Asks the threads to stop; they do within a few milliseconds. Safe from any thread.
    void arrete();
    bool finie() const;
    TAvancement avancement() const;
    // Waits for the end of the search.
    TResultatRoue resultat();

    struct Partage;

private:
    TDemandeRoue demande_;
    std::unique_ptr<Partage> partage_;
    std::vector<std::thread> fils_;
    bool lancee_ = false;
};

// Builds (or repairs) in the calling thread's time: lance() then resultat().
TResultatRoue construitroue(const TDemandeRoue& demande);

// A build of "t if m" among N.
TDemandeRoue demanderoue(int nbnumeros, int t, int m, double secondes = 10, std::uint32_t graine = 1,
                         int fils = 0);

// The repair of `roue`: its grids stay, its N and guarantee are the request's.
TDemandeRoue demandereparation(const TRoue& roue, double secondes = 10, std::uint32_t graine = 1);

} // namespace vormigral

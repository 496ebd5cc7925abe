#pragma once

#include "engine/etat.h"
#include "printing/surface.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vormigral {

// What a print run put on paper.
struct TBilanImpression {
    bool travail = false;     // a job was opened and closed
    std::int32_t pages = 0;   // pages begun, slips or sheets
    std::int32_t grilles = 0; // grids (or list lines) printed
    bool interrompu = false;  // the user stopped it at the next-slip prompt
};

// Asked before each slip after the first in print mode 2; false (or no function) stops the run.
using TBulletinSuivant = std::function<bool()>;

// The print queue's names of the two kinds of job.
extern const char* const documentbulletins;
extern const char* const documentliste;

// Prints grids premier..dernier of method `methode` (the main window's selection) onto slips of
// ticket type `type`, an "X" in the box of each number, `nbgrillesbull` grids per slip. Mode 2
// on paper asks `suivant` before each slip after the first. A range outside 1..nbgrilles prints the whole
// series. Nothing is printed when `methode` or `type` names nothing. An error of the surface ends
// the run: the job is abandoned and the error passed on.
TBilanImpression imprimebulletins(TEtat& etat, SurfaceImpression& surface, std::int32_t methode,
                                  std::int32_t type, std::int32_t mode, std::int32_t premier,
                                  std::int32_t dernier, const TBulletinSuivant& suivant);

// Closes the job on success, abandons it otherwise: a job that failed part-way never reaches the
// printer as if it were complete.
class TravailImpression {
public:
    TravailImpression(SurfaceImpression& surface, const std::string& document);
    ~TravailImpression();
    TravailImpression(const TravailImpression&) = delete;
    TravailImpression& operator=(const TravailImpression&) = delete;

    void ferme();

private:
    SurfaceImpression& surface_;
    bool ouvert_ = false;
};

} // namespace vormigral

#pragma once

#include "engine/etat.h"
#include "engine/typesbulletin.h"
#include "printing/impression.h"
#include "printing/surface.h"

#include <cstdint>
#include <string>

namespace vormigral {

// The print queue's name of a calibration sheet.
extern const char* const documentcalage;

// The slip itself, for a preview to draw the marks over: the box of every number, with the number
// small inside, and the edge of the numbers' area, where the offsets of `parametres` assume the slip
// lies in the printer (so that each mark shows in the box it is meant for). Draws on the page
// begun; opens no job.
void dessinebulletin(SurfaceImpression& surface, const TParametres& parametres, const TTypeBulletin& type);

// What a calibration sheet says, in the user's language: its title (naming the slip type), the
// offsets it was printed with, and how to read it.
struct TTextesCalage {
    std::string titre;
    std::string decalages;
    std::string explication;
};

// The outline of the cell of every mark of slip type `type`, as a run would print it with the
// user's offsets, two millimetre scales centred on reference cells (above number 10 of the second
// grid, beside number 40 of the last), and below them `textes`, on plain paper. Laid over a real
// slip it shows the shift still needed. Errors abandon the job and are passed on.
TBilanImpression imprimecalage(TEtat& etat, SurfaceImpression& surface, std::int32_t type,
                               const TTextesCalage& textes);

} // namespace vormigral

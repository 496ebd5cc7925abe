#include "engine/typesbulletin.h"

namespace vormigral {

void initbulletins(TTypesBulletin& typesbulletin) {
    typesbulletin[1] = {"LOTO FRANCAIS MERCREDI/SAMEDI 8 GRILLES", 0.52, 3.36, 0.38, 0.50, 1.90, 8};
    typesbulletin[2] = {"LOTTO QUEBEC 6/49 6 grilles", 1.10, 1.00, 0.40, 0.63, 2.20, 6};
}

} // namespace vormigral

#pragma once

#include "app/plateforme.h"
#include "printing/surface.h"

#include <functional>

namespace vormigral {

// Runs a print job on the system's default printer. When the system has no printer at all, says
// so and offers to write the same pages to a PDF file the user chooses, then says where it went.
// A failure of the printing layer is shown with its text in the current language. True when the
// pages were printed or written.
bool lanceimpression(const Plateforme& plateforme, bool anglais,
                     const std::function<void(SurfaceImpression&)>& travail);

} // namespace vormigral

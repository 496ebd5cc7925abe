#pragma once

#include "printing/surface.h"

#include <cstdint>
#include <functional>

namespace vormigral {

// What a run would draw outside the printer's imageable area (SurfaceImpression::zoneimprimable):
// large offsets push marks off the part of the sheet the printer reaches, where it drops them.
struct THorsZone {
    std::int32_t dehors = 0; // texts and lines wholly or partly outside
    std::int32_t total = 0;  // texts and lines drawn
};

// Makes the run `travail` on a stand-in that lends the fonts and measures of `surface` but draws
// nothing, sends nothing and asks for no next slip, and counts what would fall outside.
THorsZone horszone(SurfaceImpression& surface, const std::function<void(SurfaceImpression&)>& travail);

} // namespace vormigral

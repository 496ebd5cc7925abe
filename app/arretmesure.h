#pragma once

class QWidget;

namespace vormigral {

// For the start-up benchmark (tools/bench_startup) only: when VORMIGRAL_ARRET_AFFICHAGE is set,
// the process ends as soon as the event loop is back after `fenetre` was first painted, so that
// whatever measures the whole process (CPU time, peak memory, counted instructions) measures the
// start-up and nothing after it. Without the variable nothing changes. Call it before showing.
void arretapresaffichage(QWidget& fenetre);

} // namespace vormigral

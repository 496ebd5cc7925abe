#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"

#include <QString>

namespace vormigral {

// Where VORMIG.PAR is read from: the executable's directory, unless that directory cannot be
// written and the per-user copy exists (our saves went there); then the per-user folder. An
// installed program always uses the per-user folder.
QString cheminlecture(const Systeme& systeme);

// Where VORMIG.PAR is written: the executable's directory when it is writable and the program is
// not installed, else the per-user configuration folder (created if needed).
QString cheminecriture(const Systeme& systeme);

// Fills the settings from the file. True when a file existed, whether or not it could be read;
// false after setting the defaults (French, no offsets) when there was none.
bool chargeparametres(TEtat& etat, const Systeme& systeme);

// Writes the settings; a failure beeps and says so in French, and the caller carries on.
void sauveparametres(const TEtat& etat, const Plateforme& plateforme);

} // namespace vormigral

#pragma once

#include "app/plateforme.h"
#include "files/ecriture.h"

#include <QByteArray>

#include <array>

namespace vormigral {

// How large the program draws its windows, as a percentage of their designed size: kept per user in
// the configuration folder, beside the printer choice (the settings file's 16 bytes have no room for
// it, and each user of a machine sees differently). Qt reads its scale factor once, when the
// application object is made, so a new size shows at the next start.

inline constexpr std::array<int, 4> taillesaffichage = {100, 125, 150, 200};

// The size kept; 100 when none is kept, the file cannot be read, or it holds anything but one of
// taillesaffichage.
int listailleaffichage(const Systeme& systeme);

// Keeps `pourcent`, one of taillesaffichage, and says why not when it could not be written (no
// per-user folder: DossierAbsent; no such size: Autre).
Ecriture memorisetailleaffichage(const Systeme& systeme, int pourcent);

// The value of QT_SCALE_FACTOR that draws at `pourcent` on top of `existant`, the factor the user's
// environment already asks for (empty or unreadable: none).
QByteArray facteurechelle(int pourcent, const QByteArray& existant);

// Sets the scale factor for the application object about to be made, and puts the environment back
// once it is made, so that the programs started from this one (the help's browser) keep the user's.
class EchelleAffichage {
public:
    explicit EchelleAffichage(int pourcent);
    // Call once the application object exists.
    void retablit();

private:
    bool avait_;
    QByteArray existant_;
};

} // namespace vormigral

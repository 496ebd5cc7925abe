#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"
#include "printer/lancement.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vormigral {

class Impression;
class SurfaceQt;

// A print request the user confirmed: slip type `type` (1-based), grids premier..dernier of the
// run in play, all slips at once (mode 1) or one at a time (mode 2).
struct RequeteBulletins {
    std::int32_t type;
    std::int32_t mode;
    std::int32_t premier;
    std::int32_t dernier;
};

// The pages a preview shows: the slips' marks, and the picture of the slip type beneath them.
struct PagesBulletins {
    std::unique_ptr<SurfaceQt> marques;
    std::unique_ptr<SurfaceQt> bulletin;
};

// Printing the grids of the run in play on play slips, as the print dialog offers it: the slip
// types, the range proposed, the check of a request, the run with its next-slip prompt, and the
// preview's pages.
class ImpressionBulletins {
    Q_DECLARE_TR_FUNCTIONS(vormigral::ImpressionBulletins)

public:
    ImpressionBulletins(TEtat& etat, Messages& messages, Impression& impression);

    // The names of the slip types, in their order.
    QStringList types() const;
    // The last grid of the range proposed: the count of the method or the wheel in play, 0 when
    // none is (the first is always 1).
    std::int32_t grilles() const;
    // The request the dialog holds: the slip type's row (-1 when none is selected), the mode, the
    // two bounds as typed. None when no type is selected, or, after saying why, when the range is
    // not within the run's grids.
    std::optional<RequeteBulletins> requete(int rangtype, bool unparun, const QString& premier,
                                            const QString& dernier) const;
    // Prints the request; one slip at a time, the user is asked before each slip after the first.
    TLancement imprime(const RequeteBulletins& requete);
    // The request drawn for a preview laid out as printer `file` ("" for none).
    PagesBulletins apercu(const RequeteBulletins& requete, const std::string& file);

private:
    TEtat& etat_;
    Messages& messages_;
    Impression& impression_;
};

} // namespace vormigral

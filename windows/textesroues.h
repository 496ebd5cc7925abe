#pragma once

#include "analysis/analyse.h"
#include "engine/etat.h"
#include "wheels/atelier.h"

#include <QLocale>
#include <QString>

namespace vormigral {

// The sentences of the wheels window, in the language installed, made from the codes and counts
// the wheels library gives.

// The figures' locale, the language's.
QLocale localeroues();

// Why a request is beyond reach, with the bounds; or, when it is within reach, the bounds alone.
QString texteportee(const TFaisabilite& faisabilite, int nbnumeros, int t, int m);
QString texteavancement(const TAvancement& avancement, bool reparation);
QString texteissue(const TResultatRoue& resultat, bool reparation);
// "13 numbers, 3 if 3, 21 grids".
QString textedescription(const TRoue& roue);
// The promise and whether it is kept in every case.
QString textepromesse(const TBilan& bilan);
// What is wrong with a wheel file, with the line at fault.
QString textelecture(const TLecture& lecture);
QString texteverification(const TControle& controle, int t, int m);
// A saved wheel as the library lists it.
QString texterangee(const TRoueRangee& rangee);
// Why a library operation failed.
QString texteoperation(const TOperation& operation);

// The wheel as the run code plays it: its grids as positions, its description in both of the
// record's languages.
TRoueJouee rouejouee(const TRoue& roue, const QString& libelle);

} // namespace vormigral

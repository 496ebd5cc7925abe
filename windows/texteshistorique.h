#pragma once

#include "engine/comparaison.h"
#include "history/importation.h"
#include "history/recapitulatif.h"
#include "storage/stockagetirages.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace vormigral {

// The draw history's words for what the Qt-free history and the storage report, in the language
// installed; shared by the window, its tables and its import preview.

TDate depuisqdate(const QDate& d);
QDate versqdate(const TDate& d);
QString jour(const TDate& d);
QString deuxchiffres(std::int32_t n);

// Classes from the best down, as the check's columns run.
inline constexpr TClasse classesdecroissantes[] = {TClasse::nb6, TClasse::nb5c, TClasse::nb5, TClasse::nb4c,
                                                   TClasse::nb4, TClasse::nb3c, TClasse::nb3};
QString nomclasse(TClasse k);
// The heading of a class's column ("5+B"), by its place in classesdecroissantes.
QString colonneclasse(std::size_t rang);
QString nompromesse(TPromesse p);

// Why a line was rejected; `ordre` is how the file's dates were read.
QString motif(const TLigneRejetee& rejet, TOrdreDates ordre = TOrdreDates::jourmois);
// How the file's dates are read, and its first dates as written and as read.
QString textedates(const TProjetImport& apercu);

// Why the storage refused a reading or a writing, followed by its own words as a technical detail.
QString texteerreur(const TStockageTirages::TBilan& bilan);
// The same sentence without the detail: what the window says as the history's state.
QString causeerreur(TStockageTirages::TErreur erreur, const QString& detail);

} // namespace vormigral

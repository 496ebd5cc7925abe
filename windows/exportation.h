#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

namespace vormigral {

// Writes a method's grids over the ticked numbers as a CSV file for a spreadsheet: the file picked
// through the platform's save dialog, the words in the language installed, a refusal told with its
// cause. The working state is only read: the grids are expanded on a copy, so the viewer's current
// grid stays where it was.
class ExportGrilles {
    Q_DECLARE_TR_FUNCTIONS(vormigral::ExportGrilles)

public:
    enum class Issue { Ecrit, Abandon, Echec };

    ExportGrilles(ChoixFichiers& fichiers, Messages& messages);

    // The selected method's grids, named as the method list names it. The caller has checked that
    // the ticked count fits the method.
    Issue exportemethode(const TEtat& etat);
    // Method `methode`'s grids under the name `nom`.
    Issue exporte(const TEtat& etat, std::int32_t methode, const QString& nom);

private:
    ChoixFichiers& fichiers_;
    Messages& messages_;
};

} // namespace vormigral

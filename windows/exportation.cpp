#include "windows/exportation.h"

#include "app/reglages.h"
#include "files/ecriture.h"
#include "files/exportgrilles.h"
#include "windows/libelles.h"

#include <QDir>
#include <QFile>

namespace vormigral {

ExportGrilles::ExportGrilles(ChoixFichiers& fichiers, Messages& messages)
    : fichiers_(fichiers), messages_(messages) {}

ExportGrilles::Issue ExportGrilles::exportemethode(const TEtat& etat) {
    const std::int32_t m = etat.methodechoisie;
    //: A method's number and description, as the first line of the grids' CSV file names it.
    return exporte(etat, m, tr("%1: %2").arg(m).arg(libellemethode(etat.methodes, m)));
}

ExportGrilles::Issue ExportGrilles::exporte(const TEtat& etat, std::int32_t methode, const QString& nom) {
    const QString chemin = fichiers_.aecrire(tr("Export the grids"), tr("CSV files (*.csv)"),
                                             QDir::home().filePath(tr("grids-method-%1.csv").arg(methode)));
    if (chemin.isEmpty())
        return Issue::Abandon;
    TEtat copie = etat;
    copie.methodechoisie = methode;
    TLibellesExport libelles;
    libelles.methode = tr("Method").toStdString();
    libelles.coches = tr("Ticked numbers").toStdString();
    libelles.grilles[0] = tr("Grid").toStdString();
    for (std::size_t i = 1; i < libelles.grilles.size(); ++i)
        //: The column of a grid's i-th number, N1 to N6.
        libelles.grilles[i] = tr("N%1").arg(i).toStdString();
    const std::string texte =
        csvgrilles(nom.toStdString(), numeroscoches(etat), grillesmethode(std::move(copie)), libelles);
    const Ecriture ecriture =
        ecrirefichier(QFile::encodeName(chemin).toStdString(),
                      reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size());
    if (ecriture)
        return Issue::Ecrit;
    messages_.message(
        tr("%1 could not be written: %2")
            .arg(QDir::toNativeSeparators(chemin), Reglages::texte(Reglages::cause(ecriture.refus))),
        tr("Problem !!"), Boutons::Ok, Icone::Exclamation);
    return Issue::Echec;
}

} // namespace vormigral

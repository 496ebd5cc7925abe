#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace vormigral::test {

// A word of a PDF page as pdftotext -bbox reports it, in points from the page's top-left corner.
struct MotPdf {
    QString texte;
    QRectF boite;
};

struct PagePdf {
    double largeur = 0;
    double hauteur = 0;
    std::vector<MotPdf> mots;
};

// The words of every page of a PDF file; an empty list and `erreur` set when pdftotext fails.
std::vector<PagePdf> motspdf(const QString& fichier, QString* erreur);

// The ink boxes (connected dark areas) of every page, in points, from a render of the file at
// `dpi` with pdftoppm; the renders are kept in `dossier` as PNG files named after `prefixe`.
std::vector<std::vector<QRectF>> encrespdf(const QString& fichier, int dpi, const QString& dossier,
                                           const QString& prefixe, QString* erreur);

} // namespace vormigral::test

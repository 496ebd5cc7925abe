#pragma once

#include "printing/surface.h"

#include <QFont>
#include <QPrinter>
#include <QString>

#include <vector>

namespace vormigral {

// A print surface on a QPrinter at its high resolution. The pages are kept until the job is
// closed and only then painted on the printer: Qt hands a job to CUPS as a whole when painting
// ends and cannot withdraw it afterwards, so this is what lets a failed job be dropped unprinted.
class SurfaceQt final : public SurfaceImpression {
public:
    // The system's default printer with its own settings.
    SurfaceQt();
    // A PDF file, at the same resolution and with the same page layout as the printer.
    explicit SurfaceQt(const QString& fichierpdf);

    void ouvre(const std::string& document) override;
    void nouvellepage() override;
    void envoie() override;
    void ferme() override;
    void abandonne() noexcept override;

    void police(const std::string& nom, std::int32_t points, bool gras) override;
    std::int32_t largeurtexte(const std::string& texte) const override;
    std::int32_t hauteurtexte(const std::string& texte) const override;
    void ecrit(std::int32_t x, std::int32_t y, const std::string& texte) override;

    std::int32_t largeurpage() const override;
    std::int32_t hauteurpage() const override;
    std::int32_t resolutionx() const override;
    std::int32_t resolutiony() const override;
    std::int32_t decalagex() const override;
    std::int32_t decalagey() const override;

    QPrinter& imprimante() { return imprimante_; }

    // The face installed here that stands in for a font name the print runs use ("Fixedsys", ...).
    static QFont policeimprimante(const QString& nom, int points, bool gras);

private:
    struct Trace {
        enum class Genre { Page, Police, Texte } genre;
        QFont police;
        QPointF point;
        QString texte;
    };

    void peint();
    void verifieouvert(const char* operation) const;

    QPrinter imprimante_{QPrinter::HighResolution};
    QString fichier_;
    QString document_;
    QFont police_;
    std::vector<Trace> traces_;
    bool ouvert_ = false;
    // The pages so far went to the printer as a job of their own; the next page starts the next one.
    bool envoye_ = false;
};

} // namespace vormigral

#pragma once

#include "printer/pages.h"

#include <QColor>
#include <QFont>
#include <QPrinter>
#include <QRectF>
#include <QString>

#include <chrono>
#include <vector>

class QPainter;

namespace vormigral {

// A print surface at a printer's high resolution and page layout. The pages are kept until the job
// is closed (or sent) and only then painted, all by one drawing path: on a PDF file, on a PDF that
// the spooler is handed and asked about, or on a preview. Keeping them is what lets a failed job be
// dropped unprinted.
// Exported with the module's entry points: the tests and benchmarks that link the module use it
// directly.
class __attribute__((visibility("default"))) SurfaceQt final : public SurfacePages {
public:
    SurfaceQt(Sortie sortie, const QString& nom);
    // A PDF file, at the same resolution and with the same page layout as the printer.
    explicit SurfaceQt(const QString& fichierpdf) : SurfaceQt(Sortie::Fichier, fichierpdf) {}

    void ouvre(const std::string& document) override;
    void nouvellepage() override;
    void envoie() override;
    void ferme() override;
    void abandonne() noexcept override;

    void police(const std::string& nom, std::int32_t points, bool gras) override;
    std::int32_t largeurtexte(const std::string& texte) const override;
    std::int32_t hauteurtexte(const std::string& texte) const override;
    void ecrit(std::int32_t x, std::int32_t y, const std::string& texte) override;
    void cadre(std::int32_t x, std::int32_t y, std::int32_t largeur, std::int32_t hauteur) override;
    void trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    bool papier() const override { return sortie_ == Sortie::Imprimante; }
    TRemise remise() const override { return remise_; }

    std::int32_t largeurpage() const override;
    std::int32_t hauteurpage() const override;
    std::int32_t resolutionx() const override;
    std::int32_t resolutiony() const override;
    std::int32_t decalagex() const override;
    std::int32_t decalagey() const override;

    QPrinter& imprimante() { return imprimante_; }

    int nombrepages() const override { return static_cast<int>(pages_.size()); }
    // The device of `peintre` has this surface's layout when miseenpage gave it.
    void peintpage(QPainter& peintre, int page, const QColor& encre) const override;
    void miseenpage(QPrinter& cible) const override;

    // The face installed here that stands in for a font name the print runs use ("Fixedsys", ...).
    static QFont policeimprimante(const QString& nom, int points, bool gras);

    // How long a job is followed once the spooler has it, before it counts as waiting its turn.
    static constexpr std::chrono::milliseconds suivi{4000};

private:
    struct Trace {
        enum class Genre { Police, Texte, Cadre, Trait } genre;
        QFont police;
        QRectF zone; // a text's top-left corner, a frame, or a line from corner to corner
        QString texte;
    };
    using Page = std::vector<Trace>;

    void commencepage();
    void ajoute(Trace trace);
    // Hands the pages so far to the file or the spooler; a preview keeps them.
    void livre();
    void peintsur(QPrinter& cible, const std::string& nom);
    void verifieouvert(const char* operation) const;

    Sortie sortie_;
    QString nom_; // the queue or the file
    QPrinter imprimante_{QPrinter::HighResolution};
    QString document_;
    QFont police_;
    std::vector<Page> pages_;
    TRemise remise_;
    bool ouvert_ = false;
};

} // namespace vormigral

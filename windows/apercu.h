#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QPrinter;

namespace vormigral {

class Impression;
class SurfaceQt;
class VuePagesQt;

// What a preview shows: slips over the picture of their type, a list, or a calibration sheet.
enum class GenreApercu { Bulletins, Liste, Calage };

// The preview before anything is spent: the pages a print run drew on a preview surface, painted
// by the same code that paints them for the printer, page by page.
class TApercu : public QDialog {
    Q_OBJECT
public:
    TApercu(const TEtat& etat, const Impression& impression, QWidget* parent);

    // Shows the pages of `pages` (a preview surface whose job is closed), each over the first page
    // of `fond` when there is one, laid out as printer `file` ("" when there is none), until the
    // user closes the window.
    void montre(const SurfaceQt& pages, const SurfaceQt* fond, GenreApercu genre, const std::string& file);
    // The first half of montre: takes the pages to show, which must outlive their showing.
    void prepare(const SurfaceQt& pages, const SurfaceQt* fond, GenreApercu genre, const std::string& file);
    // Paints the pages shown on `imprimante`, laid out as their printer: what the view displays.
    void peint(QPrinter* imprimante);

    void traduitapercu();
    int pagecourante() const;
    int nombrepages() const;
    void bprecedentClick();
    void bsuivantClick();

protected:
    void changeEvent(QEvent* evenement) override;

private:
    void affichepage();

    const TEtat& etat_;
    const Impression& impression_;
    VuePagesQt* vueapercu = nullptr;
    QLabel* lpage = nullptr;
    QLabel* lnote = nullptr;
    GenreApercu genre_ = GenreApercu::Bulletins;
};

} // namespace vormigral

#pragma once

#include <QPrintPreviewWidget>
#include <QPrinter>

namespace vormigral {

class SurfaceQt;

// Qt's preview of a printer's pages, painted by the code that paints them for the printer.
class VuePagesQt final : public QPrintPreviewWidget {
public:
    explicit VuePagesQt(QWidget* parent);

    // Shows each page of `pages` over the first page of `fond` (none when null), from the first page,
    // fitted to the view's width. Both must outlive their showing; null pages let them go.
    void montre(const SurfaceQt* pages, const SurfaceQt* fond);
    // Paints the pages shown on `imprimante`, laid out as their printer: what the view displays.
    void peint(QPrinter* imprimante) const;

private:
    QPrinter imprimante_{QPrinter::HighResolution};
    const SurfaceQt* pages_ = nullptr;
    const SurfaceQt* fond_ = nullptr;
};

} // namespace vormigral

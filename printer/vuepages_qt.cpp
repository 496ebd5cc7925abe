#include "printer/surface_qt.h"

#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace vormigral {

namespace {

// The slip's colour, as on the picture of the number block.
const QColor rougebulletin(0xe0, 0x60, 0x4e);

// Qt's preview of a printer's pages, painted by the code that paints them for the printer.
class VuePagesQt final : public QPrintPreviewWidget, public VuePages {
public:
    explicit VuePagesQt(QWidget* parent) : QPrintPreviewWidget(&imprimante_, parent) {
        imprimante_.setOutputFormat(QPrinter::PdfFormat);
        setViewMode(QPrintPreviewWidget::SinglePageView);
        connect(this, &QPrintPreviewWidget::paintRequested, this, &VuePagesQt::peint);
        connect(this, &QPrintPreviewWidget::previewChanged, this, [this] {
            if (suite_)
                suite_();
        });
    }

    QWidget* widget() override { return this; }

    void montre(const SurfacePages* pages, const SurfacePages* fond) override {
        pages_ = pages;
        fond_ = fond;
        // Let go of pages that are gone, without painting again what is no longer shown.
        if (!pages)
            return;
        updatePreview();
        setCurrentPage(1);
        fitToWidth();
    }

    int page() const override { return currentPage(); }
    int nombrepages() const override { return pageCount(); }
    void allera(int page) override { setCurrentPage(page); }
    void agrandit() override { zoomIn(); }
    void reduit() override { zoomOut(); }
    void quandchange(std::function<void()> suite) override { suite_ = std::move(suite); }

    void peint(QPrinter* imprimante) override {
        const SurfacePages* pages = pages_;
        if (!pages)
            return;
        // The paper, margins and resolution of the printer the pages were laid out for.
        pages->miseenpage(*imprimante);
        QPainter peintre(imprimante);
        const qreal trait = imprimante->logicalDpiX() * 0.2 / 25.4;
        for (int page = 0; page < pages->nombrepages(); ++page) {
            if (page > 0)
                imprimante->newPage();
            peintre.setPen(QPen(Qt::gray, trait, Qt::DashLine));
            peintre.setBrush(Qt::NoBrush);
            peintre.drawRect(QRectF(0, 0, imprimante->width(), imprimante->height()));
            if (fond_ && fond_->nombrepages() > 0)
                fond_->peintpage(peintre, 0, rougebulletin);
            pages->peintpage(peintre, page, Qt::black);
        }
    }

private:
    QPrinter imprimante_{QPrinter::HighResolution};
    const SurfacePages* pages_ = nullptr;
    const SurfacePages* fond_ = nullptr;
    std::function<void()> suite_;
};

} // namespace

} // namespace vormigral

// One of the module's entry points (printer/pages.h).
extern "C" __attribute__((visibility("default"))) vormigral::VuePages*
vormigral_creevuepages(QWidget* parent) {
    return new vormigral::VuePagesQt(parent);
}

#include "printer/vuepages_qt.h"

#include "printer/surface_qt.h"

#include <QPainter>

namespace vormigral {

namespace {

// The slip's colour, as on the picture of the number block.
const QColor rougebulletin(0xe0, 0x60, 0x4e);

} // namespace

VuePagesQt::VuePagesQt(QWidget* parent) : QPrintPreviewWidget(&imprimante_, parent) {
    imprimante_.setOutputFormat(QPrinter::PdfFormat);
    setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(this, &QPrintPreviewWidget::paintRequested, this, &VuePagesQt::peint);
}

void VuePagesQt::montre(const SurfaceQt* pages, const SurfaceQt* fond) {
    pages_ = pages;
    fond_ = fond;
    // Let go of pages that are gone, without painting again what is no longer shown.
    if (!pages)
        return;
    updatePreview();
    setCurrentPage(1);
    fitToWidth();
}

void VuePagesQt::peint(QPrinter* imprimante) const {
    const SurfaceQt* pages = pages_;
    if (!pages)
        return;
    // The paper, margins and resolution of the printer the pages were laid out for.
    pages->miseenpage(*imprimante);
    QPainter peintre(imprimante);
    const qreal trait = imprimante->logicalDpiX() * 0.2 / 25.4;
    // Where the printer puts ink, which may reach past the page laid out.
    const TZone zone = pages->zoneimprimable();
    for (int page = 0; page < pages->nombrepages(); ++page) {
        if (page > 0)
            imprimante->newPage();
        peintre.setPen(QPen(Qt::gray, trait, Qt::DashLine));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawRect(QRectF(QPointF(zone.gauche, zone.haut), QPointF(zone.droite, zone.bas)));
        if (fond_ && fond_->nombrepages() > 0)
            fond_->peintpage(peintre, 0, rougebulletin);
        pages->peintpage(peintre, page, Qt::black);
    }
}

} // namespace vormigral

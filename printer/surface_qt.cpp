#include "printer/surface_qt.h"

#include "printer/cups.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace vormigral {

namespace {

std::string utf8(const QString& texte) {
    return texte.toStdString();
}

// What the spooler is told besides the PDF: the options a printer of this layout is printed with.
std::vector<cups::Option> options(const QPrinter& imprimante) {
    std::vector<cups::Option> liste{{"media", utf8(imprimante.pageLayout().pageSize().key())}};
    switch (imprimante.duplex()) {
    case QPrinter::DuplexNone:
        liste.push_back({"sides", "one-sided"});
        break;
    case QPrinter::DuplexLongSide:
        liste.push_back({"sides", "two-sided-long-edge"});
        break;
    case QPrinter::DuplexShortSide:
        liste.push_back({"sides", "two-sided-short-edge"});
        break;
    case QPrinter::DuplexAuto:
        break;
    }
    if (imprimante.pageLayout().orientation() == QPageLayout::Landscape)
        liste.push_back({"landscape", ""});
    return liste;
}

} // namespace

SurfaceQt::SurfaceQt(Sortie sortie, const QString& nom) : sortie_(sortie), nom_(nom) {
    switch (sortie_) {
    case Sortie::Imprimante:
        imprimante_.setPrinterName(nom);
        break;
    case Sortie::Fichier:
        imprimante_.setOutputFormat(QPrinter::PdfFormat);
        imprimante_.setOutputFileName(nom);
        break;
    case Sortie::Apercu:
        imprimante_.setOutputFormat(QPrinter::PdfFormat);
        if (!nom.isEmpty() && !QPrinterInfo::printerInfo(nom).isNull()) {
            const SurfaceQt modele(Sortie::Imprimante, nom);
            modele.miseenpage(imprimante_);
        }
        break;
    }
    if (sortie_ != Sortie::Apercu)
        remise_.destination = utf8(nom);
}

QFont SurfaceQt::policeimprimante(const QString& nom, int points, bool gras) {
    QFont police;
    QStringList familles{nom};
    if (nom == QLatin1String("Fixedsys")) {
        // No such face here: a bold fixed-pitch one of the same size keeps the marks' look.
        familles = {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")};
        police.setStyleHint(QFont::TypeWriter);
        police.setFixedPitch(true);
    } else if (nom == QLatin1String("Times New Roman")) {
        familles << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif");
    } else if (nom == QLatin1String("Courier")) {
        familles << QStringLiteral("Liberation Mono") << QStringLiteral("DejaVu Sans Mono");
    }
    police.setFamilies(familles);
    police.setPointSize(points);
    police.setBold(gras);
    return police;
}

void SurfaceQt::miseenpage(QPrinter& cible) const {
    cible.setPageLayout(imprimante_.pageLayout());
    cible.setResolution(imprimante_.resolution());
    cible.setFullPage(imprimante_.fullPage());
}

void SurfaceQt::verifieouvert(const char* operation) const {
    if (!ouvert_)
        throw ErreurImpression(CauseImpression::AucunTravail, operation);
}

void SurfaceQt::ouvre(const std::string& document) {
    pages_.clear();
    ouvert_ = false;
    if (sortie_ == Sortie::Imprimante) {
        // Without any printer Qt quietly turns a printer into a PDF writer with no file.
        if (imprimante_.outputFormat() != QPrinter::NativeFormat || imprimante_.printerName().isEmpty())
            throw ErreurImpression(CauseImpression::AucuneImprimante);
        // Qt keeps its previous printer when the one asked for is unknown: never print there.
        if (!imprimante_.isValid() || imprimante_.printerName() != nom_)
            throw ErreurImpression(CauseImpression::Indisponible, utf8(nom_));
    } else if (sortie_ == Sortie::Fichier) {
        QFile essai(nom_);
        if (!essai.open(QIODevice::WriteOnly))
            throw ErreurImpression(CauseImpression::EcritureImpossible, utf8(nom_),
                                   utf8(essai.errorString()));
    }
    document_ = QString::fromStdString(document);
    ouvert_ = true;
    commencepage();
}

void SurfaceQt::commencepage() {
    // Re-selected on every page, whatever the engine keeps across pages.
    pages_.push_back({{Trace::Genre::Police, police_, {}, {}}});
}

void SurfaceQt::ajoute(Trace trace) {
    // After a send, the next job's first page begins with the first thing drawn.
    if (pages_.empty())
        commencepage();
    pages_.back().push_back(std::move(trace));
}

void SurfaceQt::nouvellepage() {
    verifieouvert("nouvelle page");
    commencepage();
}

void SurfaceQt::envoie() {
    verifieouvert("envoi");
    if (sortie_ != Sortie::Imprimante)
        return;
    // The spooler receives a job only as a whole, so the pages drawn so far become a job of their
    // own; nothing else would reach the printer before the user answers. The printer starts the
    // next job on a fresh sheet.
    livre();
    pages_.clear();
}

void SurfaceQt::ferme() {
    verifieouvert("fin");
    livre();
    if (sortie_ != Sortie::Apercu)
        pages_.clear();
    ouvert_ = false;
}

void SurfaceQt::abandonne() noexcept {
    pages_.clear();
    if (ouvert_ && sortie_ == Sortie::Fichier)
        QFile::remove(nom_);
    ouvert_ = false;
}

void SurfaceQt::livre() {
    if (pages_.empty() || sortie_ == Sortie::Apercu)
        return;
    const auto nombre = static_cast<std::int32_t>(pages_.size());
    if (sortie_ == Sortie::Fichier) {
        imprimante_.setDocName(document_);
        peintsur(imprimante_, utf8(nom_));
        remise_.pages += nombre;
        return;
    }
    const std::string file = utf8(nom_);
    const QTemporaryDir dossier(QDir::temp().filePath(QStringLiteral("vormigral-XXXXXX")));
    if (!dossier.isValid())
        throw ErreurImpression(CauseImpression::Preparation, file, utf8(dossier.errorString()));
    // The very PDF Qt would have handed the spooler itself, but kept, so that its fate is known.
    const QString pdf = dossier.filePath(QStringLiteral("travail.pdf"));
    QPrinter fichier(QPrinter::HighResolution);
    fichier.setOutputFormat(QPrinter::PdfFormat);
    fichier.setOutputFileName(pdf);
    fichier.setDocName(document_);
    miseenpage(fichier);
    peintsur(fichier, utf8(pdf));
    const TEnvoiCups envoi{file, utf8(pdf), utf8(document_), options(imprimante_), suivi};
    // Only a print run that waits for the spooler off the window's thread hands jobs over.
    if (!soumetteur_)
        throw ErreurImpression(CauseImpression::Indisponible, file);
    remise_.travaux.push_back(soumetteur_(envoi));
    remise_.pages += nombre;
}

void SurfaceQt::peintsur(QPrinter& cible, const std::string& nom) {
    QPainter peintre;
    if (!peintre.begin(&cible))
        throw ErreurImpression(CauseImpression::EcritureImpossible, nom);
    bool pages = true;
    for (int page = 0; page < nombrepages() && pages; ++page) {
        // Qt refuses a page only to a painter that is not active.
        if (page > 0)
            pages = cible.newPage();
        if (pages)
            peintpage(peintre, page, Qt::black);
    }
    const bool fini = peintre.end();
    if (!pages || !fini) {
        QFile::remove(QString::fromStdString(nom));
        throw ErreurImpression(CauseImpression::EcritureInterrompue, nom);
    }
}

void SurfaceQt::peintpage(QPainter& peintre, int page, const QColor& encre) const {
    QPaintDevice* appareil = peintre.device();
    // Lines a tenth and a half of a millimetre wide: thin, yet seen by any printer.
    peintre.setPen(
        QPen(encre, appareil->logicalDpiX() * 0.15 / 25.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    peintre.setBrush(Qt::NoBrush);
    qreal ascendante = 0;
    for (const Trace& trace : pages_.at(static_cast<std::size_t>(page))) {
        switch (trace.genre) {
        case Trace::Genre::Police:
            peintre.setFont(trace.police);
            ascendante = QFontMetricsF(trace.police, appareil).ascent();
            break;
        case Trace::Genre::Texte:
            peintre.drawText(QPointF(trace.zone.x(), trace.zone.y() + ascendante), trace.texte);
            break;
        case Trace::Genre::Cadre:
            peintre.drawRect(trace.zone);
            break;
        case Trace::Genre::Trait:
            peintre.drawLine(trace.zone.topLeft(), trace.zone.bottomRight());
            break;
        }
    }
}

void SurfaceQt::police(const std::string& nom, std::int32_t points, bool gras) {
    police_ = policeimprimante(QString::fromStdString(nom), points, gras);
    if (ouvert_)
        ajoute({Trace::Genre::Police, police_, {}, {}});
}

std::int32_t SurfaceQt::largeurtexte(const std::string& texte) const {
    return QFontMetrics(police_, &imprimante_).horizontalAdvance(QString::fromStdString(texte));
}

std::int32_t SurfaceQt::hauteurtexte(const std::string&) const {
    // The character cell's height, whatever the text: line spacing must not depend on what a line holds.
    return QFontMetrics(police_, &imprimante_).height();
}

void SurfaceQt::ecrit(std::int32_t x, std::int32_t y, const std::string& texte) {
    verifieouvert("texte");
    ajoute({Trace::Genre::Texte, {}, QRectF(x, y, 0, 0), QString::fromStdString(texte)});
}

void SurfaceQt::cadre(std::int32_t x, std::int32_t y, std::int32_t largeur, std::int32_t hauteur) {
    verifieouvert("cadre");
    ajoute({Trace::Genre::Cadre, {}, QRectF(x, y, largeur, hauteur), {}});
}

void SurfaceQt::trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    verifieouvert("trait");
    ajoute({Trace::Genre::Trait, {}, QRectF(QPointF(x1, y1), QPointF(x2, y2)), {}});
}

std::int32_t SurfaceQt::largeurpage() const {
    return imprimante_.width();
}

std::int32_t SurfaceQt::hauteurpage() const {
    return imprimante_.height();
}

TZone SurfaceQt::zoneimprimable() const {
    // The printer's own imageable area (its PPD's, for a CUPS queue) is the least margin its layout
    // allows; the margins laid out may be wider (Qt's 10 points on a printer that reaches the edge).
    QPageLayout miseenpage = imprimante_.pageLayout();
    miseenpage.setUnits(QPageLayout::Point);
    const QMarginsF marges = miseenpage.minimumMargins();
    const QRectF papier = imprimante_.paperRect(QPrinter::Point);
    const QRectF zone =
        papier.marginsRemoved(marges).translated(-imprimante_.pageRect(QPrinter::Point).topLeft());
    const double x = imprimante_.logicalDpiX() / 72.0;
    const double y = imprimante_.logicalDpiY() / 72.0;
    return {qRound(zone.left() * x), qRound(zone.top() * y), qRound(zone.right() * x),
            qRound(zone.bottom() * y)};
}

std::int32_t SurfaceQt::resolutionx() const {
    return imprimante_.logicalDpiX();
}

std::int32_t SurfaceQt::resolutiony() const {
    return imprimante_.logicalDpiY();
}

std::int32_t SurfaceQt::decalagex() const {
    return qRound(imprimante_.pageRect(QPrinter::DevicePixel).left() -
                  imprimante_.paperRect(QPrinter::DevicePixel).left());
}

std::int32_t SurfaceQt::decalagey() const {
    return qRound(imprimante_.pageRect(QPrinter::DevicePixel).top() -
                  imprimante_.paperRect(QPrinter::DevicePixel).top());
}

} // namespace vormigral

#include "printing/qt/surface_qt.h"

#include <QFile>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

namespace vormigral {

namespace {

std::string utf8(const QString& texte) {
    return texte.toStdString();
}

} // namespace

SurfaceQt::SurfaceQt() = default;

SurfaceQt::SurfaceQt(const QString& fichierpdf) : fichier_(fichierpdf) {
    imprimante_.setOutputFormat(QPrinter::PdfFormat);
    imprimante_.setOutputFileName(fichierpdf);
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

void SurfaceQt::verifieouvert(const char* operation) const {
    if (!ouvert_)
        throw ErreurImpression(std::string("aucun travail d'impression n'est ouvert (") + operation + ")",
                               std::string("no print job is open (") + operation + ")");
}

void SurfaceQt::ouvre(const std::string& document) {
    traces_.clear();
    ouvert_ = false;
    if (fichier_.isEmpty()) {
        // Without any printer Qt quietly turns a printer into a PDF writer with no file.
        if (imprimante_.outputFormat() != QPrinter::NativeFormat || imprimante_.printerName().isEmpty())
            throw ErreurImpression("Aucune imprimante n'est installée.", "No printer is installed.");
        if (!imprimante_.isValid())
            throw ErreurImpression(
                "L'imprimante « " + utf8(imprimante_.printerName()) + " » n'est pas disponible.",
                "The printer \"" + utf8(imprimante_.printerName()) + "\" is not available.");
    } else {
        QFile essai(fichier_);
        if (!essai.open(QIODevice::WriteOnly))
            throw ErreurImpression("Impossible d'écrire le fichier « " + utf8(fichier_) + " » (" +
                                       utf8(essai.errorString()) + ").",
                                   "Cannot write the file \"" + utf8(fichier_) + "\" (" +
                                       utf8(essai.errorString()) + ").");
    }
    document_ = QString::fromStdString(document);
    ouvert_ = true;
    envoye_ = false;
    traces_.push_back({Trace::Genre::Police, police_, {}, {}});
}

void SurfaceQt::nouvellepage() {
    verifieouvert("nouvelle page");
    if (envoye_) {
        // The printer starts the next job on a fresh sheet.
        envoye_ = false;
        return;
    }
    traces_.push_back({Trace::Genre::Page, police_, {}, {}});
}

void SurfaceQt::envoie() {
    verifieouvert("envoi");
    if (!fichier_.isEmpty())
        return;
    // CUPS receives a job only when its painting ends, so the pages drawn so far become a job of
    // their own; nothing else would reach the printer before the user answers.
    peint();
    traces_.assign(1, {Trace::Genre::Police, police_, {}, {}});
    envoye_ = true;
}

void SurfaceQt::ferme() {
    verifieouvert("fin");
    // After a send with no page begun since, there is nothing left to print.
    if (!envoye_)
        peint();
    traces_.clear();
    ouvert_ = false;
    envoye_ = false;
}

void SurfaceQt::abandonne() noexcept {
    traces_.clear();
    if (ouvert_ && !fichier_.isEmpty())
        QFile::remove(fichier_);
    ouvert_ = false;
    envoye_ = false;
}

void SurfaceQt::peint() {
    imprimante_.setDocName(document_);
    const std::string nom = fichier_.isEmpty() ? utf8(imprimante_.printerName()) : utf8(fichier_);
    QPainter peintre;
    if (!peintre.begin(&imprimante_)) {
        if (fichier_.isEmpty())
            throw ErreurImpression("L'imprimante « " + nom + " » a refusé le travail d'impression.",
                                   "The printer \"" + nom + "\" refused the print job.");
        throw ErreurImpression("Impossible d'écrire le fichier « " + nom + " ».",
                               "Cannot write the file \"" + nom + "\".");
    }
    qreal ascendante = 0;
    bool pages = true;
    for (const Trace& trace : traces_) {
        switch (trace.genre) {
        case Trace::Genre::Page:
            // Qt refuses a page only to a painter that is not active; should it happen, ending the
            // painter below still hands the pages so far to a printer, and the error says so.
            pages = imprimante_.newPage();
            // Re-selected on the new page, whatever the engine keeps across pages.
            peintre.setFont(trace.police);
            break;
        case Trace::Genre::Police:
            peintre.setFont(trace.police);
            ascendante = QFontMetricsF(trace.police, &imprimante_).ascent();
            break;
        case Trace::Genre::Texte:
            peintre.drawText(QPointF(trace.point.x(), trace.point.y() + ascendante), trace.texte);
            break;
        }
        if (!pages)
            break;
    }
    const bool fini = peintre.end();
    if (!pages || !fini) {
        if (!fichier_.isEmpty()) {
            QFile::remove(fichier_);
            throw ErreurImpression("L'écriture du fichier « " + nom + " » s'est interrompue.",
                                   "Writing the file \"" + nom + "\" broke off.");
        }
        throw ErreurImpression(
            "L'impression sur « " + nom + " » s'est interrompue ; les pages déjà préparées ont pu partir.",
            "Printing on \"" + nom + "\" broke off; the pages already prepared may have gone.");
    }
}

void SurfaceQt::police(const std::string& nom, std::int32_t points, bool gras) {
    police_ = policeimprimante(QString::fromStdString(nom), points, gras);
    if (ouvert_)
        traces_.push_back({Trace::Genre::Police, police_, {}, {}});
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
    traces_.push_back({Trace::Genre::Texte, {}, QPointF(x, y), QString::fromStdString(texte)});
}

std::int32_t SurfaceQt::largeurpage() const {
    return imprimante_.width();
}

std::int32_t SurfaceQt::hauteurpage() const {
    return imprimante_.height();
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

#include "printer/imprimantes_qt.h"

#include "app/plateforme.h"
#include "printer/cups.h"
#include "printer/surface_qt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vormigral {

std::vector<TFile> ImprimantesQt::files(const TLimitesService& limites, TEtatService& service) const {
    TReponseCups reponse;
    std::vector<TFile> files = cups::files(limites, reponse);
    service = {};
    service.serveur = reponse.serveur;
    service.detail = reponse.raison;
    if (reponse.code == TCodeCups::injoignable)
        service.etat = TService::absent;
    else if (reponse.code == TCodeCups::sansreponse || reponse.code == TCodeCups::annule)
        service.etat = TService::muet;
    return files;
}

std::unique_ptr<SurfaceImpression> ImprimantesQt::imprimante(const std::string& file) {
    return std::make_unique<SurfaceQt>(SurfaceQt::Sortie::Imprimante, QString::fromStdString(file));
}

std::unique_ptr<SurfaceImpression> ImprimantesQt::pdf(const std::string& chemin) {
    return std::make_unique<SurfaceQt>(QString::fromStdString(chemin));
}

std::string ImprimantesQt::choisitpdf(const std::string& titre) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QFileDialog dialogue(parent, QString::fromStdString(titre), QDir::homePath(),
                         QStringLiteral("PDF (*.pdf)"));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setDefaultSuffix(QStringLiteral("pdf"));
    dialogue.selectFile(QStringLiteral("vormigral.pdf"));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialogue.selectedFiles().constFirst()).absoluteFilePath().toStdString();
}

} // namespace vormigral

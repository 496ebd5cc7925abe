#include "windows/apercu.h"

#include "printer/surface_qt.h"
#include "printer/vuepages_qt.h"
#include "windows/imprimer.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace vormigral {

TApercu::TApercu(const TEtat& etat, const Impression& impression, QWidget* parent)
    : QDialog(parent), etat_(etat), impression_(impression) {
    setObjectName(QStringLiteral("apercu"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(policestandard());
    setFixedSize(720, 680);
    setModal(true);

    vueapercu = new VuePagesQt(this);
    vueapercu->setObjectName(QStringLiteral("vueapercu"));
    vueapercu->setGeometry(8, 8, 704, 556);
    vueapercu->setFocusPolicy(Qt::StrongFocus);
    connect(vueapercu, &QPrintPreviewWidget::previewChanged, this, &TApercu::affichepage);

    lnote = place<QLabel>(this, "lnote", {8, 570, 704, 48});
    lnote->setWordWrap(true);
    QPushButton* precedent = boutonimage(this, "bprecedent", {8, 628, 110, 40}, "precedent");
    lpage = place<QLabel>(this, "lpage", {122, 639, 154, 18});
    lpage->setAlignment(Qt::AlignCenter);
    QPushButton* suivant = boutonimage(this, "bsuivant", {280, 628, 110, 40}, "suivant");
    auto* reduire = place<QPushButton>(this, "breduire", {404, 628, 94, 40});
    auto* agrandir = place<QPushButton>(this, "bagrandir", {502, 628, 94, 40});
    QPushButton* fermer = boutonimage(this, "bfermer", {610, 628, 102, 40}, "retour");
    fermer->setDefault(true);
    connect(precedent, &QPushButton::clicked, this, &TApercu::bprecedentClick);
    connect(suivant, &QPushButton::clicked, this, &TApercu::bsuivantClick);
    connect(reduire, &QPushButton::clicked, vueapercu, [this] { vueapercu->zoomOut(); });
    connect(agrandir, &QPushButton::clicked, vueapercu, [this] { vueapercu->zoomIn(); });
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    QWidget* ordre[] = {vueapercu, precedent, suivant, reduire, agrandir, fermer};
    for (std::size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    traduitapercu();
}

void TApercu::traduitapercu() {
    setWindowTitle(tr("Print preview"));
    const auto bouton = [this](const char* nom) { return findChild<QPushButton*>(QString::fromLatin1(nom)); };
    legende(bouton("bprecedent"), tr("&Previous"));
    legende(bouton("bsuivant"), tr("&Next"));
    legende(bouton("bfermer"), tr("&Close"));
    legende(bouton("breduire"), tr("Zoom &out"));
    legende(bouton("bagrandir"), tr("Zoom &in"));
    vueapercu->setAccessibleName(tr("Preview of the pages"));
}

void TApercu::changeEvent(QEvent* evenement) {
    if (evenement->type() == QEvent::LanguageChange)
        traduitapercu();
    QDialog::changeEvent(evenement);
}

void TApercu::montre(const SurfaceQt& pages, const SurfaceQt* fond, GenreApercu genre,
                     const std::string& file) {
    prepare(pages, fond, genre, file);
    exec();
    vueapercu->montre(nullptr, nullptr);
}

void TApercu::prepare(const SurfaceQt& pages, const SurfaceQt* fond, GenreApercu genre,
                      const std::string& file) {
    genre_ = genre;
    const TParametres& p = etat_.parametres;
    const QString imprimante = !file.empty() ? tr("on the printer \"%1\"").arg(QString::fromStdString(file))
                               : impression_.sansimprimante()
                                   ? tr("in a PDF file (no printer is installed)")
                                   : tr("laid out as a PDF file (the printer will be chosen when printing)");
    const QString modele =
        genre == GenreApercu::Bulletins
            ? tr("The crosses are where they will be printed %1, offsets included (horizontal %2 mm, "
                 "vertical "
                 "%3 mm); in red, the slip's boxes where these offsets place it; dotted, the printable area.")
        : genre == GenreApercu::Liste
            ? tr("The pages as they will be printed %1; dotted, the printable area.")
            : tr("The calibration sheet as it will be printed %1, offsets included (horizontal %2 mm, "
                 "vertical "
                 "%3 mm); dotted, the printable area.");
    // A list is not shifted by the offsets, and its note does not name them.
    lnote->setText(genre == GenreApercu::Liste
                       ? modele.arg(imprimante)
                       : modele.arg(imprimante, QString::number(p.decalh), QString::number(p.decalv)));
    vueapercu->montre(&pages, fond);
    affichepage();
    vueapercu->setFocus();
}

int TApercu::pagecourante() const {
    return vueapercu->currentPage();
}

int TApercu::nombrepages() const {
    return vueapercu->pageCount();
}

void TApercu::bprecedentClick() {
    vueapercu->setCurrentPage(pagecourante() - 1);
    affichepage();
}

void TApercu::bsuivantClick() {
    vueapercu->setCurrentPage(pagecourante() + 1);
    affichepage();
}

void TApercu::affichepage() {
    const QString compteur = (genre_ == GenreApercu::Bulletins ? tr("Slip %1 of %2") : tr("Page %1 of %2"))
                                 .arg(pagecourante())
                                 .arg(nombrepages());
    lpage->setText(compteur);
    // The counter is the label's accessible name, so that a screen reader reads it and hears it
    // change with the page.
    if (compteur != lpage->accessibleName()) {
        lpage->setAccessibleName(compteur);
        QAccessibleEvent changement(lpage, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changement);
    }
    findChild<QPushButton*>(QStringLiteral("bprecedent"))->setEnabled(pagecourante() > 1);
    findChild<QPushButton*>(QStringLiteral("bsuivant"))->setEnabled(pagecourante() < nombrepages());
}

void TApercu::peint(QPrinter* imprimante) {
    vueapercu->peint(imprimante);
}

} // namespace vormigral

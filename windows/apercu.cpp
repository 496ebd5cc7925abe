#include "windows/apercu.h"

#include "printer/surface_qt.h"
#include "printer/vuepages_qt.h"
#include "windows/imprimer.h"
#include "windows/legendes.h"
#include "windows/outils.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

namespace vormigral {

namespace {

// Every text the window shows, in both languages.
const Legende legendesapercu[] = {
    {"", "Aperçu avant impression", "Print preview"},
    {"bprecedent", "&Précédent", "&Previous"},
    {"bsuivant", "&Suivant", "&Next"},
    {"bfermer", "&Fermer", "&Close"},
    {"acc:vueapercu", "Aperçu des pages", "Preview of the pages"},
    {"bulletin", "Bulletin %1 sur %2", "Slip %1 of %2"},
    {"page", "Page %1 sur %2", "Page %1 of %2"},
    {"breduire", "&Réduire", "Zoom &out"},
    {"bagrandir", "&Agrandir", "Zoom &in"},
    {"notebulletins",
     "Les croix sont là où elles seront imprimées %1, décalages compris (horizontal %2 mm, vertical %3 mm) ; "
     "en rouge, les cases du bulletin là où ces décalages le placent ; en pointillés, la zone imprimable.",
     "The crosses are where they will be printed %1, offsets included (horizontal %2 mm, vertical %3 mm); in "
     "red, the slip's boxes where these offsets place it; dotted, the printable area."},
    {"noteliste", "Les pages telles qu'elles seront imprimées %1 ; en pointillés, la zone imprimable.",
     "The pages as they will be printed %1; dotted, the printable area."},
    {"notecalage",
     "La feuille de calage telle qu'elle sera imprimée %1, décalages compris (horizontal %2 mm, vertical %3 "
     "mm) ; en pointillés, la zone imprimable.",
     "The calibration sheet as it will be printed %1, offsets included (horizontal %2 mm, vertical %3 mm); "
     "dotted, the printable area."},
    {"surimprimante", "sur l'imprimante « %1 »", "on the printer \"%1\""},
    {"achoisir", "avec la mise en page d'un fichier PDF (l'imprimante sera choisie en imprimant)",
     "laid out as a PDF file (the printer will be chosen when printing)"},
    {"sansimprimante", "dans un fichier PDF (aucune imprimante n'est installée)",
     "in a PDF file (no printer is installed)"},
};

} // namespace

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
    const bool en = anglais(etat_);
    appliquelegendes(this, legendesapercu, en);
}

void TApercu::montre(const SurfaceQt& pages, const SurfaceQt* fond, GenreApercu genre,
                     const std::string& file) {
    prepare(pages, fond, genre, file);
    exec();
    vueapercu->montre(nullptr, nullptr);
}

void TApercu::prepare(const SurfaceQt& pages, const SurfaceQt* fond, GenreApercu genre,
                      const std::string& file) {
    traduitapercu();
    genre_ = genre;
    const bool en = anglais(etat_);
    const TParametres& p = etat_.parametres;
    const QString imprimante =
        !file.empty() ? texte(legendesapercu, "surimprimante", en).arg(QString::fromStdString(file))
        : impression_.sansimprimante() ? texte(legendesapercu, "sansimprimante", en)
                                       : texte(legendesapercu, "achoisir", en);
    const char* note = genre == GenreApercu::Bulletins ? "notebulletins"
                       : genre == GenreApercu::Liste   ? "noteliste"
                                                       : "notecalage";
    const QString modele = texte(legendesapercu, note, en);
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
    const bool en = anglais(etat_);
    const QString compteur = texte(legendesapercu, genre_ == GenreApercu::Bulletins ? "bulletin" : "page", en)
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

#include "windows/analyse.h"

#include "app/langue.h"
#include "engine/serie.h"
#include "windows/couleurs.h"
#include "windows/libelles.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace vormigral {

namespace {

QTableWidget* tableau(QWidget* parent, const char* nom) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromLatin1(nom));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control; the arrows move between its cells.
    table->setTabKeyNavigation(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setWordWrap(false);
    return table;
}

// Gives a table the room its cells need, columns of equal width, and no scrolling.
void ajuste(QTableWidget* table) {
    const QAbstractItemView* vue = table;
    QHeaderView* entete = table->horizontalHeader();
    int colonne = 0;
    for (int c = 0; c < table->columnCount(); ++c)
        colonne = std::max({colonne, vue->sizeHintForColumn(c), entete->sectionSizeHint(c)});
    entete->setSectionResizeMode(QHeaderView::Stretch);
    table->resizeRowsToContents();
    const int cadre = 2 * table->frameWidth();
    table->setMinimumWidth(table->verticalHeader()->sizeHint().width() +
                           table->columnCount() * (colonne + 8) + cadre);
    table->setFixedHeight(entete->sizeHint().height() + table->verticalHeader()->length() + cadre);
}

void remplis(QTableWidget* table, const TableauAnalyse& contenu) {
    table->clear();
    table->setRowCount(static_cast<int>(contenu.lignes.size()));
    table->setColumnCount(static_cast<int>(contenu.colonnes.size()));
    table->setHorizontalHeaderLabels(contenu.colonnes);
    table->setVerticalHeaderLabels(contenu.lignes);
    for (std::size_t r = 0; r < contenu.cellules.size(); ++r)
        for (std::size_t c = 0; c < contenu.cellules[r].size(); ++c) {
            const CelluleAnalyse& cellule = contenu.cellules[r][c];
            auto* item = new QTableWidgetItem(cellule.texte);
            item->setTextAlignment(Qt::AlignCenter);
            if (!cellule.accessible.isEmpty())
                item->setData(Qt::AccessibleTextRole, cellule.accessible);
            table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    ajuste(table);
}

constexpr int marge = 6;
constexpr int hauteurbarre = 20;
constexpr int ecartbarres = 6;
constexpr int carre = 12;

// Darker for better: the classes of a blue scale, and the sets that miss three an orange apart. Each
// segment's text takes the colour that reads on it, whatever the desktop's palette.
const std::array<QColor, nbclasses> couleurs = {QColor(0x08, 0x30, 0x6b), QColor(0x21, 0x71, 0xb5),
                                                QColor(0x6b, 0xae, 0xd6), QColor(0xc6, 0xdb, 0xef),
                                                QColor(0xfd, 0x8d, 0x3c)};

bool fonce(int c) {
    return c < 2;
}

} // namespace

TGraphiqueAnalyse::TGraphiqueAnalyse(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TGraphiqueAnalyse::montre(std::vector<Barre> barres, QStringList legendes) {
    barres_ = std::move(barres);
    legendes_ = std::move(legendes);
    updateGeometry();
    update();
}

QSize TGraphiqueAnalyse::sizeHint() const {
    const int rangs = static_cast<int>(barres_.size());
    const int legende = fontMetrics().height() + 4;
    return {480, 2 * marge + rangs * (hauteurbarre + ecartbarres) + legende};
}

QSize TGraphiqueAnalyse::minimumSizeHint() const {
    return {320, sizeHint().height()};
}

int TGraphiqueAnalyse::gauche() const {
    int resultat = 0;
    for (const Barre& b : barres_)
        resultat = std::max(resultat, fontMetrics().horizontalAdvance(b.libelle));
    return resultat + 2 * marge;
}

int TGraphiqueAnalyse::largeur() const {
    return std::max(1, width() - gauche() - marge);
}

std::pair<int, int> TGraphiqueAnalyse::segment(const QPoint& point) const {
    const int rang = (point.y() - marge) / (hauteurbarre + ecartbarres);
    if (point.y() < marge || rang >= static_cast<int>(barres_.size()) ||
        (point.y() - marge) % (hauteurbarre + ecartbarres) >= hauteurbarre)
        return {-1, -1};
    const auto largeurs =
        largeurssegments(barres_[static_cast<std::size_t>(rang)].parts, largeur(), segmentminimal);
    int x = gauche();
    for (int c = 0; c < nbclasses; ++c) {
        const int fin = x + largeurs[static_cast<std::size_t>(c)];
        if (point.x() >= x && point.x() < fin)
            return {rang, c};
        x = fin;
    }
    return {-1, -1};
}

bool TGraphiqueAnalyse::event(QEvent* evenement) {
    if (evenement->type() == QEvent::ToolTip) {
        auto* aide = static_cast<QHelpEvent*>(evenement);
        const auto [rang, classe] = segment(aide->pos());
        if (rang < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(
                aide->globalPos(),
                barres_[static_cast<std::size_t>(rang)].bulles[static_cast<std::size_t>(classe)], this);
        return true;
    }
    return QWidget::event(evenement);
}

void TGraphiqueAnalyse::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetrics mesures = fontMetrics();
    const int debutbarres = gauche();
    const int etendue = largeur();
    int y = marge;
    for (const Barre& b : barres_) {
        peintre.setPen(palette().color(QPalette::WindowText));
        peintre.drawText(QRect(marge, y, debutbarres - 2 * marge, hauteurbarre),
                         Qt::AlignRight | Qt::AlignVCenter, b.libelle);
        const auto largeurs = largeurssegments(b.parts, etendue, segmentminimal);
        int x = debutbarres;
        for (int c = 0; c < nbclasses; ++c) {
            const int l = largeurs[static_cast<std::size_t>(c)];
            if (l <= 0)
                continue;
            const QRect zone(x, y, l, hauteurbarre);
            x += l;
            peintre.fillRect(zone, couleurs[static_cast<std::size_t>(c)]);
            const QString& part = b.textes[static_cast<std::size_t>(c)];
            if (mesures.horizontalAdvance(part) + 6 <= zone.width()) {
                peintre.setPen(fonce(c) ? Qt::white : Qt::black);
                peintre.drawText(zone, Qt::AlignCenter, part);
            }
        }
        peintre.setPen(palette().color(QPalette::Mid));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawRect(QRect(debutbarres, y, etendue, hauteurbarre).adjusted(0, 0, -1, -1));
        y += hauteurbarre + ecartbarres;
    }
    // The legend, one swatch and its text after another.
    int x = debutbarres;
    const int ligne = mesures.height();
    for (int c = 0; c < nbclasses && c < legendes_.size(); ++c) {
        const QRect echantillon(x, y + (ligne - carre) / 2, carre, carre);
        peintre.fillRect(echantillon, couleurs[static_cast<std::size_t>(c)]);
        peintre.setPen(palette().color(QPalette::Mid));
        peintre.drawRect(echantillon.adjusted(0, 0, -1, -1));
        x += carre + 4;
        peintre.setPen(palette().color(QPalette::WindowText));
        const int texte = mesures.horizontalAdvance(legendes_[c]);
        peintre.drawText(QRect(x, y, texte, ligne), Qt::AlignLeft | Qt::AlignVCenter, legendes_[c]);
        x += texte + 14;
    }
}

TAnalyse::TAnalyse(TEtat& etat, const Langue& langue, QWidget* parent)
    : QDialog(parent), etat_(etat), langue_(langue) {
    setObjectName(QStringLiteral("Analyse"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(policestandard());
    setModal(true);
    construitfenetre();
    traduitanalyse();
}

void TAnalyse::construitfenetre() {
    auto* disposition = new QVBoxLayout(this);
    contenu_ = new QWidget(this);
    contenu_->setObjectName(QStringLiteral("contenu"));
    auto* colonne = new QVBoxLayout(contenu_);
    colonne->setContentsMargins(0, 0, 0, 0);
    const auto etiquette = [this, colonne](const char* nom) {
        auto* l = new QLabel(contenu_);
        l->setObjectName(QString::fromLatin1(nom));
        l->setWordWrap(true);
        colonne->addWidget(l);
        return l;
    };
    lmethode_ = etiquette("lmethode");
    lmethode_->setFont(policestandard(true));
    lgrilles_ = etiquette("lgrilles");
    lpromesse_ = etiquette("lpromesse");
    lpromesse_->setFont(policestandard(true));
    colonne->addSpacing(6);
    lrepartition_ = etiquette("lrepartition");
    trepartition_ = tableau(contenu_, "trepartition");
    lrepartition_->setBuddy(trepartition_);
    colonne->addWidget(trepartition_);
    graphique_ = new TGraphiqueAnalyse(contenu_);
    graphique_->setObjectName(QStringLiteral("ggraphique"));
    colonne->addWidget(graphique_);
    colonne->addSpacing(6);
    ltirages_ = etiquette("ltirages");
    ttirages_ = tableau(contenu_, "ttirages");
    ltirages_->setBuddy(ttirages_);
    colonne->addWidget(ttirages_);
    disposition->addWidget(contenu_);

    laucune_ = new QLabel(this);
    laucune_->setObjectName(QStringLiteral("laucune"));
    laucune_->setWordWrap(true);
    laucune_->setMinimumWidth(360);
    disposition->addWidget(laucune_);
    disposition->addStretch(1);

    bfermer_ = boutonimage(this, "bfermer", {}, "retour");
    bfermer_->setDefault(true);
    bfermer_->setMinimumSize(110, 30);
    connect(bfermer_, &QPushButton::clicked, this, &QDialog::accept);
    disposition->addWidget(bfermer_, 0, Qt::AlignRight);
}

void TAnalyse::traduitanalyse() {
    setWindowTitle(tr("Method analysis"));
    legende(bfermer_, tr("&Close"));
    legende(laucune_, tr("No method is selected: choose one in the main window's list."));
    trepartition_->setAccessibleName(tr("Number of cases by the best result of one grid"));
    ttirages_->setAccessibleName(tr("Odds per draw"));
    graphique_->setAccessibleName(tr("Chart of the share of the cases by the best result"));
    bfermer_->setAccessibleName(tr("Close the analysis"));
}

void TAnalyse::remplitanalyse() {
    const TMethode* m = methodeselectionnee(etat_);
    contenu_->setVisible(m != nullptr);
    laucune_->setVisible(m == nullptr);
    if (!m) {
        bilan_ = TBilan{};
        return;
    }
    if (bilan_.methode != etat_.methodechoisie)
        bilan_ = analysemethode(etat_.methodechoisie);
    const QLocale locale = langue_.courante() == Langue::anglais
                               ? QLocale(QLocale::English, QLocale::UnitedStates)
                               : QLocale(QLocale::French, QLocale::France);
    FiguresAnalyse f =
        AnalyseMethode::figures(bilan_, libellemethode(etat_.methodes, etat_.methodechoisie), locale);
    lmethode_->setText(f.methode);
    lgrilles_->setText(f.grilles);
    lpromesse_->setText(f.promesse);
    colorepromesse();
    lrepartition_->setText(f.titrerepartition);
    ltirages_->setText(f.titretirages);
    remplis(trepartition_, f.repartition);
    remplis(ttirages_, f.tirages);
    graphique_->montre(std::move(f.barres), f.legendes);
    graphique_->setAccessibleDescription(f.description);
}

// The shortfall stands out in colour as well as in words, in a shade the window's ground lets read.
void TAnalyse::colorepromesse() {
    colorie(lpromesse_, bilan_.manques > 0 ? QColor(0xa0, 0x10, 0x10) : QColor(0x10, 0x60, 0x20));
}

void TAnalyse::changeEvent(QEvent* evenement) {
    if (evenement->type() == QEvent::LanguageChange) {
        traduitanalyse();
        if (isVisible())
            remplitanalyse();
    } else if (evenement->type() == QEvent::PaletteChange && lpromesse_)
        colorepromesse();
    QDialog::changeEvent(evenement);
}

void TAnalyse::showEvent(QShowEvent* evenement) {
    // The figures of the method selected now.
    if (!evenement->spontaneous()) {
        remplitanalyse();
        adjustSize();
        trepartition_->setFocus();
    }
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        centreecran(this);
}

} // namespace vormigral

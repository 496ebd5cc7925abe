#include "windows/analyse.h"

#include "engine/serie.h"
#include "windows/legendes.h"
#include "windows/outils.h"

#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vormigral {

namespace {

// Every text the analysis window shows, in both languages. Keys starting with "txt" or "acc" name
// no control: they are the patterns the figures are written with and the accessible names.
const Legende legendesanalyse[] = {
    {"", "Analyse de la méthode", "Method analysis"},
    {"bfermer", "&Fermer", "&Close"},
    {"laucune", "Aucune méthode n'est choisie : choisissez-en une dans la liste de la fenêtre principale.",
     "No method is selected: choose one in the main window's list."},
    {"txtmethode", "Méthode %1 : %2", "Method %1: %2"},
    {"txtgrilles", "Vous jouez %1 grilles sur vos %2 numéros cochés.",
     "You play %1 grids on your %2 ticked numbers."},
    {"txtpromesse", "Promesse : %1 numéros dans une grille si %2 des numéros tirés sont parmi vos %3, %4",
     "Promise: %1 numbers in one grid if %2 of the drawn numbers are among your %3, %4"},
    {"txttenue", "tenue dans tous les cas (%1 cas).", "kept in every case (%1 cases)."},
    {"txtsauf", "tenue sauf dans %1 cas sur %2, où la meilleure grille n'en contient que %3.",
     "kept except in %1 cases out of %2, where the best grid holds only %3."},
    {"txtsaufun", "tenue sauf dans %1 cas sur %2, où la meilleure grille n'en contient que %3.",
     "kept except in %1 case out of %2, where the best grid holds only %3."},
    {"txtintervalle", "%1 à %2", "%1 to %2"},
    {"txtrepartition",
     "&Nombre de cas selon le meilleur résultat d'une grille, pour 3 à 6 numéros tirés parmi vos %1 :",
     "&Number of cases by the best result of one grid, for 3 to 6 drawn numbers among your %1:"},
    {"txttires", "%1 tirés", "%1 drawn"},
    {"txtcas", "Cas", "Cases"},
    {"txtnumeros", "%1 numéros", "%1 numbers"},
    {"txtmoins", "2 ou moins", "2 or fewer"},
    {"txtcompte", "%1 (%2)", "%1 (%2)"},
    {"txtsansobjet", "sans objet", "not possible"},
    {"txttirages",
     "Chances &par tirage de 6 numéros sur 49 (%1 tirages possibles), en jouant vos %2 grilles :",
     "&Odds per draw of 6 numbers out of 49 (%1 possible draws), playing your %2 grids:"},
    {"txtparmi", "Tirés parmi vos %1\n(exactement)", "Drawn among your %1\n(exactly)"},
    {"txtdansune", "Dans une même grille\n(au moins)", "In one grid\n(at least)"},
    {"txtchance", "%1 — 1 sur %2", "%1 — 1 in %2"},
    {"txtjamais", "jamais", "never"},
    {"txtpourcent", "%1\u00a0%", "%1%"},
    {"txtdescription", "Part des cas selon le meilleur résultat d'une grille. %1",
     "Share of the cases by the best result of one grid. %1"},
    {"txtbarre", "%1 : %2.", "%1: %2."},
    {"txtpart", "%1 %2", "%1 %2"},
    {"acc:trepartition", "Nombre de cas selon le meilleur résultat d'une grille",
     "Number of cases by the best result of one grid"},
    {"acc:ttirages", "Chances par tirage", "Odds per draw"},
    {"acc:ggraphique", "Graphique de la part des cas selon le meilleur résultat",
     "Chart of the share of the cases by the best result"},
    {"acc:bfermer", "Fermer l'analyse", "Close the analysis"},
};

QString t(const char* nom, bool en) {
    return texte(legendesanalyse, nom, en);
}

QLocale locale(bool en) {
    return en ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(QLocale::French, QLocale::France);
}

QString entier(std::int64_t n, bool en) {
    return locale(en).toString(static_cast<qlonglong>(n));
}

// A share as a percentage: one decimal, or three significant digits below 1 %, and more where
// needed so that a share that is not nil never reads 0 and a share short of the whole never
// reads 100.
QString pourcentage(std::int64_t partie, std::int64_t tout, bool en) {
    QString nombre;
    if (partie <= 0 || tout <= 0) {
        nombre = QStringLiteral("0");
    } else if (partie >= tout) {
        nombre = QStringLiteral("100");
    } else {
        const double valeur = 100.0 * static_cast<double>(static_cast<long double>(partie) / tout);
        int decimales = valeur < 1.0 ? 2 - static_cast<int>(std::floor(std::log10(valeur))) : 1;
        while (decimales < 12 &&
               (std::round(valeur * std::pow(10.0, decimales)) >= 100 * std::pow(10.0, decimales)))
            ++decimales;
        nombre = locale(en).toString(valeur, 'f', decimales);
    }
    return t("txtpourcent", en).arg(nombre);
}

// "x % — 1 in n" for `partie` draws out of `tout`.
QString chance(std::int64_t partie, std::int64_t tout, bool en) {
    if (partie <= 0)
        return t("txtjamais", en);
    const long double unsur = static_cast<long double>(tout) / partie;
    const QString n = unsur < 10 ? locale(en).toString(static_cast<double>(unsur), 'f', 1)
                                 : entier(std::llround(unsur), en);
    return t("txtchance", en).arg(pourcentage(partie, tout, en), n);
}

// The count of cases whose best grid falls in class c (0: six, 1: five, ... 4: two or fewer).
std::int64_t compteclasse(const TRepartition& r, int c) {
    if (c < TGraphiqueAnalyse::nbclasses - 1)
        return r.comptes[static_cast<std::size_t>(6 - c)];
    return r.comptes[0] + r.comptes[1] + r.comptes[2];
}

// The best a grid can do in class c, to tell the classes a set of k cannot reach.
int plushaut(int c) {
    return c < TGraphiqueAnalyse::nbclasses - 1 ? 6 - c : 0;
}

QString libelleclasse(int c, bool en) {
    return c < TGraphiqueAnalyse::nbclasses - 1 ? t("txtnumeros", en).arg(6 - c) : t("txtmoins", en);
}

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

void cellule(QTableWidget* table, int rang, int colonne, const QString& texte,
             const QString& accessible = {}) {
    auto* item = new QTableWidgetItem(texte);
    item->setTextAlignment(Qt::AlignCenter);
    if (!accessible.isEmpty())
        item->setData(Qt::AccessibleTextRole, accessible);
    table->setItem(rang, colonne, item);
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

} // namespace

TGraphiqueAnalyse::TGraphiqueAnalyse(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

namespace {

constexpr int marge = 6;
constexpr int hauteurbarre = 20;
constexpr int ecartbarres = 6;
constexpr int carre = 12;

// Darker for better: the classes of a blue scale, and the sets that miss three an orange apart.
const std::array<QColor, TGraphiqueAnalyse::nbclasses> couleurs = {
    QColor(0x08, 0x30, 0x6b), QColor(0x21, 0x71, 0xb5), QColor(0x6b, 0xae, 0xd6), QColor(0xc6, 0xdb, 0xef),
    QColor(0xfd, 0x8d, 0x3c)};

bool fonce(int c) {
    return c < 2;
}

} // namespace

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

void TGraphiqueAnalyse::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetrics mesures = fontMetrics();
    int gauche = 0;
    for (const Barre& b : barres_)
        gauche = std::max(gauche, mesures.horizontalAdvance(b.libelle));
    gauche += 2 * marge;
    const int largeur = std::max(1, width() - gauche - marge);
    int y = marge;
    for (const Barre& b : barres_) {
        peintre.setPen(palette().color(QPalette::WindowText));
        peintre.drawText(QRect(marge, y, gauche - 2 * marge, hauteurbarre), Qt::AlignRight | Qt::AlignVCenter,
                         b.libelle);
        // Each segment ends where the running total ends, so the rounding never leaves a gap.
        double cumul = 0;
        for (int c = 0; c < nbclasses; ++c) {
            const int debut = gauche + static_cast<int>(std::lround(cumul * largeur));
            cumul += b.parts[static_cast<std::size_t>(c)];
            const int fin = gauche + static_cast<int>(std::lround(cumul * largeur));
            if (fin <= debut)
                continue;
            const QRect zone(debut, y, fin - debut, hauteurbarre);
            peintre.fillRect(zone, couleurs[static_cast<std::size_t>(c)]);
            const QString& part = b.textes[static_cast<std::size_t>(c)];
            if (mesures.horizontalAdvance(part) + 6 <= zone.width()) {
                peintre.setPen(fonce(c) ? Qt::white : Qt::black);
                peintre.drawText(zone, Qt::AlignCenter, part);
            }
        }
        peintre.setPen(palette().color(QPalette::Mid));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawRect(QRect(gauche, y, largeur, hauteurbarre).adjusted(0, 0, -1, -1));
        y += hauteurbarre + ecartbarres;
    }
    // The legend, one swatch and its text after another.
    int x = gauche;
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

TAnalyse::TAnalyse(TEtat& etat, QWidget* parent) : QDialog(parent), etat_(etat) {
    setObjectName(QStringLiteral("Analyse"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(policestandard());
    setModal(true);
    construitfenetre();
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
    const bool en = anglais(etat_);
    appliquelegendes(this, legendesanalyse, en);
    appliquenoms(this, legendesanalyse, en);

    const TMethode* m = methodeselectionnee(etat_);
    contenu_->setVisible(m != nullptr);
    laucune_->setVisible(m == nullptr);
    if (!m) {
        bilan_ = TBilan{};
        return;
    }
    if (bilan_.methode != etat_.methodechoisie)
        bilan_ = analysemethode(etat_.methodechoisie);
    lmethode_->setText(
        t("txtmethode", en).arg(bilan_.methode).arg(QString::fromStdString(en ? m->libang : m->libfr)));
    lgrilles_->setText(t("txtgrilles", en).arg(bilan_.nbgrilles).arg(bilan_.nbnumeros));
    lpromesse_->setText(textepromesse(en));
    // The shortfall stands out in colour as well as in words.
    QPalette couleurs = palette();
    couleurs.setColor(QPalette::WindowText,
                      bilan_.manques > 0 ? QColor(0xa0, 0x10, 0x10) : QColor(0x10, 0x60, 0x20));
    lpromesse_->setPalette(couleurs);
    lrepartition_->setText(t("txtrepartition", en).arg(bilan_.nbnumeros));
    ltirages_->setText(t("txttirages", en).arg(entier(bilan_.chances.nbtirages, en)).arg(bilan_.nbgrilles));
    remplitrepartition(en);
    remplittirages(en);
    remplitgraphique(en);
}

QString TAnalyse::textepromesse(bool en) const {
    const TGarantie p = bilan_.promesse;
    const std::int64_t cas = combinaisons(bilan_.nbnumeros, p.y);
    QString suite;
    if (bilan_.manques == 0) {
        suite = t("txttenue", en).arg(entier(cas, en));
    } else {
        // The fewest and the most the best grid holds over the sets short of the promise.
        int plus = bilan_.pire;
        for (const TRepartition& r : bilan_.repartitions)
            if (r.k == p.y)
                for (int h = bilan_.pire; h < p.x; ++h)
                    if (r.comptes[static_cast<std::size_t>(h)] > 0)
                        plus = h;
        const QString tenus =
            plus == bilan_.pire ? QString::number(plus) : t("txtintervalle", en).arg(bilan_.pire).arg(plus);
        suite = t(bilan_.manques == 1 ? "txtsaufun" : "txtsauf", en)
                    .arg(entier(bilan_.manques, en), entier(cas, en), tenus);
    }
    return t("txtpromesse", en).arg(p.x).arg(p.y).arg(bilan_.nbnumeros).arg(suite);
}

void TAnalyse::remplitrepartition(bool en) {
    QTableWidget* table = trepartition_;
    const int rangs = static_cast<int>(bilan_.repartitions.size());
    table->clear();
    table->setRowCount(rangs);
    table->setColumnCount(1 + TGraphiqueAnalyse::nbclasses);
    QStringList colonnes{t("txtcas", en)};
    for (int c = 0; c < TGraphiqueAnalyse::nbclasses; ++c)
        colonnes << libelleclasse(c, en);
    table->setHorizontalHeaderLabels(colonnes);
    QStringList lignes;
    for (int i = 0; i < rangs; ++i) {
        const TRepartition& r = bilan_.repartitions[static_cast<std::size_t>(i)];
        lignes << t("txttires", en).arg(r.k);
        cellule(table, i, 0, entier(r.nbcas, en));
        for (int c = 0; c < TGraphiqueAnalyse::nbclasses; ++c) {
            if (plushaut(c) > r.k)
                cellule(table, i, 1 + c, QString(), t("txtsansobjet", en));
            else
                cellule(
                    table, i, 1 + c,
                    t("txtcompte", en)
                        .arg(entier(compteclasse(r, c), en), pourcentage(compteclasse(r, c), r.nbcas, en)));
        }
    }
    table->setVerticalHeaderLabels(lignes);
    ajuste(table);
}

void TAnalyse::remplittirages(bool en) {
    QTableWidget* table = ttirages_;
    const TChances& c = bilan_.chances;
    table->clear();
    table->setRowCount(4);
    table->setColumnCount(2);
    table->setHorizontalHeaderLabels({t("txtparmi", en).arg(bilan_.nbnumeros), t("txtdansune", en)});
    QStringList lignes;
    for (int i = 0; i < 4; ++i) {
        const std::size_t n = static_cast<std::size_t>(3 + i);
        lignes << t("txtnumeros", en).arg(n);
        cellule(table, i, 0, chance(c.tombent[n], c.nbtirages, en));
        cellule(table, i, 1, chance(c.aumoins[n], c.nbtirages, en));
    }
    table->setVerticalHeaderLabels(lignes);
    ajuste(table);
}

void TAnalyse::remplitgraphique(bool en) {
    std::vector<TGraphiqueAnalyse::Barre> barres;
    QStringList description;
    for (const TRepartition& r : bilan_.repartitions) {
        TGraphiqueAnalyse::Barre b;
        b.libelle = t("txttires", en).arg(r.k);
        QStringList parts;
        for (int c = 0; c < TGraphiqueAnalyse::nbclasses; ++c) {
            const std::int64_t n = compteclasse(r, c);
            const std::size_t i = static_cast<std::size_t>(c);
            b.parts[i] = r.nbcas > 0 ? static_cast<double>(n) / static_cast<double>(r.nbcas) : 0.0;
            b.textes[i] = pourcentage(n, r.nbcas, en);
            if (n > 0)
                parts << t("txtpart", en).arg(libelleclasse(c, en), b.textes[i]);
        }
        description << t("txtbarre", en).arg(b.libelle, parts.join(QStringLiteral(", ")));
        barres.push_back(std::move(b));
    }
    QStringList legendes;
    for (int c = 0; c < TGraphiqueAnalyse::nbclasses; ++c)
        legendes << libelleclasse(c, en);
    graphique_->montre(std::move(barres), legendes);
    graphique_->setAccessibleDescription(t("txtdescription", en).arg(description.join(QLatin1Char(' '))));
}

void TAnalyse::showEvent(QShowEvent* evenement) {
    if (!evenement->spontaneous()) {
        traduitanalyse();
        adjustSize();
        trepartition_->setFocus();
    }
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        centreecran(this);
}

} // namespace vormigral

#include "windows/mesroues.h"

#include "engine/cases.h"
#include "engine/serie.h"
#include "windows/dialogueimpression.h"
#include "windows/historique.h"
#include "windows/listegrilles.h"
#include "windows/textesroues.h"
#include "windows/traduction.h"
#include "windows/visionneuse.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace vormigral {

namespace {

constexpr int colonnes = 6; // the cases, then the best grid holding 6, 5, 4, 3, 2 or fewer
constexpr int garde = 20;   // the holes listed

template <class T> T* nomme(T* controle, const char* nom) {
    controle->setObjectName(QString::fromLatin1(nom));
    return controle;
}

QSpinBox* nombre(const char* nom, int minimum, int maximum, int valeur) {
    auto* champ = nomme(new QSpinBox, nom);
    champ->setRange(minimum, maximum);
    champ->setValue(valeur);
    return champ;
}

QPushButton* bouton(const char* nom) {
    return nomme(new QPushButton, nom);
}

// A line of text that wraps. A window sizes itself without asking how tall a wrapped text is for
// its width: the label keeps room for the lines its longest texts take.
QLabel* ligne(const char* nom, int lignes = 3) {
    auto* etiquette = nomme(new QLabel, nom);
    etiquette->setWordWrap(true);
    etiquette->setMinimumHeight(lignes * etiquette->fontMetrics().lineSpacing() + 2);
    etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return etiquette;
}

// A scroll area as large as its content would like: the one Qt gives stops at a few hundred
// pixels, which would open the window smaller than its controls want on a screen with room.
class Defilement : public QScrollArea {
public:
    QSize sizeHint() const override {
        return widget() ? widget()->sizeHint() + QSize(2, 2) * frameWidth() : QScrollArea::sizeHint();
    }
};

} // namespace

TMesRoues::TMesRoues(TEtat& etat, const Plateforme& plateforme, const FenetresRoues& fenetres,
                     const QString& dossier, QWidget* parent)
    : QDialog(parent), etat_(etat), plateforme_(plateforme), fenetres_(fenetres),
      atelier_(QDir(dossier).absolutePath().toStdString()) {
    setObjectName(QStringLiteral("mesroues"));
    minuterie_ = new QTimer(this);
    minuterie_->setInterval(100);
    connect(minuterie_, &QTimer::timeout, this, &TMesRoues::surveille);
    construitfenetre();
    traduitroues();
    remplisbibliotheque();
    examine();
}

TMesRoues::~TMesRoues() {
    // The controls go before the window does: the focus leaving one as it goes must not reach
    // a scroll area already gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    contenu_->removeEventFilter(this);
}

void TMesRoues::construitfenetre() {
    onglets_ = nomme(new QTabWidget, "onglets");
    onglets_->addTab(pageconstruction(), QString());
    onglets_->addTab(pageverification(), QString());
    onglets_->addTab(pagebibliotheque(), QString());
    auto* fermer = bouton("bfermer");
    connect(fermer, &QPushButton::clicked, this, &QDialog::close);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(fermer);
    // The pages and the wheel's frame scroll when the screen is too short for them; Close stays
    // in sight.
    contenu_ = nomme(new QWidget, "contenu");
    auto* dedans = new QVBoxLayout(contenu_);
    dedans->setContentsMargins(0, 0, 0, 0);
    dedans->addWidget(onglets_);
    dedans->addWidget(cadreroue());
    contenu_->installEventFilter(this);
    defilement_ = nomme(new Defilement, "defilement");
    defilement_->setFrameShape(QFrame::NoFrame);
    defilement_->setWidgetResizable(true);
    defilement_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No stop of its own on Tab: the focus moving over the controls scrolls them into sight.
    defilement_->setFocusPolicy(Qt::NoFocus);
    defilement_->setWidget(contenu_);
    // Tab and the mnemonics move the focus onto a control that may be scrolled out of sight.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* vers) {
        if (vers && contenu_->isAncestorOf(vers))
            defilement_->ensureWidgetVisible(vers);
    });
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(defilement_);
    disposition->addLayout(bas);
}

QWidget* TMesRoues::pageconstruction() {
    auto* page = nomme(new QWidget, "pconstruction");
    enumeros_ = nombre("enumeros", roueminnumeros, rouemaxnumeros, 13);
    et_ = nombre("et", 2, rouetaillegrille, 3);
    em_ = nombre("em", 2, rouetaillegrille, 3);
    esecondes_ = nombre("esecondes", 1, 3600, 10);
    for (QSpinBox* champ : {enumeros_, et_, em_})
        connect(champ, &QSpinBox::valueChanged, this, &TMesRoues::examine);
    auto* formulaire = new QFormLayout;
    formulaire->addRow(nomme(new QLabel, "lnumeros"), enumeros_);
    formulaire->addRow(nomme(new QLabel, "lt"), et_);
    formulaire->addRow(nomme(new QLabel, "lm"), em_);
    formulaire->addRow(nomme(new QLabel, "lsecondes"), esecondes_);
    for (int r = 0; r < formulaire->rowCount(); ++r)
        qobject_cast<QLabel*>(formulaire->itemAt(r, QFormLayout::LabelRole)->widget())
            ->setBuddy(formulaire->itemAt(r, QFormLayout::FieldRole)->widget());
    lbornes_ = ligne("lbornes");
    bconstruire_ = bouton("bconstruire");
    barreter_ = bouton("barreter");
    barreter_->setEnabled(false);
    connect(bconstruire_, &QPushButton::clicked, this, &TMesRoues::construit);
    connect(barreter_, &QPushButton::clicked, this, &TMesRoues::arrete);
    auto* boutons = new QHBoxLayout;
    // The buttons share their row: the style's own size for a button leaves no room to spare
    // around a longer text.
    boutons->addWidget(bconstruire_);
    boutons->addWidget(barreter_);
    lavancement_ = ligne("lavancement");
    auto* disposition = new QVBoxLayout(page);
    disposition->addLayout(formulaire);
    disposition->addWidget(lbornes_);
    disposition->addLayout(boutons);
    disposition->addWidget(lavancement_);
    disposition->addStretch();
    return page;
}

QWidget* TMesRoues::pageverification() {
    auto* page = nomme(new QWidget, "pverification");
    auto* importer = bouton("bimporter");
    connect(importer, &QPushButton::clicked, this, &TMesRoues::importe);
    evt_ = nombre("evt", 2, rouetaillegrille, 3);
    evm_ = nombre("evm", 2, rouetaillegrille, 3);
    bverifier_ = bouton("bverifier");
    connect(bverifier_, &QPushButton::clicked, this, &TMesRoues::verifie);
    breparer_ = bouton("breparer");
    connect(breparer_, &QPushButton::clicked, this, &TMesRoues::repare);
    auto* garantie = new QHBoxLayout;
    for (auto [etiquette, champ] : {std::pair{"lvt", evt_}, std::pair{"lvm", evm_}}) {
        auto* l = nomme(new QLabel, etiquette);
        l->setBuddy(champ);
        garantie->addWidget(l);
        garantie->addWidget(champ);
    }
    garantie->addWidget(bverifier_);
    garantie->addWidget(breparer_);
    lverification_ = ligne("lverification");
    ltrous_ = nomme(new QListWidget, "ltrous");
    auto* disposition = new QVBoxLayout(page);
    auto* haut = new QHBoxLayout;
    haut->addWidget(importer);
    disposition->addLayout(haut);
    disposition->addLayout(garantie);
    disposition->addWidget(lverification_);
    disposition->addWidget(ltrous_);
    return page;
}

QWidget* TMesRoues::pagebibliotheque() {
    auto* page = nomme(new QWidget, "pbibliotheque");
    lbibliotheque_ = nomme(new QListWidget, "lbibliotheque");
    connect(lbibliotheque_, &QListWidget::currentTextChanged, this, [this] {
        if (auto* item = lbibliotheque_->currentItem())
            enom_->setText(item->data(Qt::UserRole).toString());
    });
    connect(lbibliotheque_, &QListWidget::itemActivated, this, &TMesRoues::ouvre);
    enom_ = nomme(new QLineEdit, "enom");
    auto* lnom = nomme(new QLabel, "lnom");
    lnom->setBuddy(enom_);
    auto* nom = new QHBoxLayout;
    nom->addWidget(lnom);
    nom->addWidget(enom_);
    auto* boutons = new QVBoxLayout;
    const std::pair<const char*, void (TMesRoues::*)()> commandes[] = {
        {"benregistrer", &TMesRoues::enregistre}, {"bouvrir", &TMesRoues::ouvre},
        {"brenommer", &TMesRoues::renomme},       {"bsupprimer", &TMesRoues::supprime},
        {"bexporter", &TMesRoues::exporte},
    };
    for (const auto& [nomb, commande] : commandes) {
        auto* b = bouton(nomb);
        connect(b, &QPushButton::clicked, this, commande);
        boutons->addWidget(b);
    }
    boutons->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addWidget(lbibliotheque_);
    haut->addLayout(boutons);
    auto* disposition = new QVBoxLayout(page);
    disposition->addLayout(haut);
    disposition->addLayout(nom);
    return page;
}

QWidget* TMesRoues::cadreroue() {
    auto* cadre = nomme(new QGroupBox, "groue");
    lroue_ = ligne("lroue", 2);
    auto* ltableau = nomme(new QLabel, "ltableau");
    tanalyse_ = nomme(new QTableWidget(0, colonnes), "tanalyse");
    tanalyse_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tanalyse_->setTabKeyNavigation(false);
    tanalyse_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tanalyse_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ltableau->setBuddy(tanalyse_);
    lpromesse_ = ligne("lpromesse");
    auto* jouer = new QGridLayout;
    // The methods' own windows, on the wheel (see joue).
    const std::pair<const char*, std::function<QDialog&()>> commandes[] = {
        {"bvoir", [this]() -> QDialog& { return fenetres_.visionneuse; }},
        {"bliste", [this]() -> QDialog& { return fenetres_.liste; }},
        {"bimprimer", [this]() -> QDialog& { return fenetres_.impression; }},
        {"bhistorique", [this]() -> QDialog& { return fenetres_.historique(); }},
    };
    for (const auto& [nom, fenetre] : commandes) {
        auto* b = bouton(nom);
        jouer->addWidget(b, jouer->count() / 2, jouer->count() % 2);
        connect(b, &QPushButton::clicked, this, [this, ouvre = fenetre] { joue(ouvre()); });
    }
    auto* disposition = new QVBoxLayout(cadre);
    disposition->addWidget(lroue_);
    disposition->addWidget(ltableau);
    disposition->addWidget(tanalyse_);
    disposition->addWidget(lpromesse_);
    disposition->addLayout(jouer);
    return cadre;
}

void TMesRoues::traduitroues() {
    setWindowTitle(tr("My wheels"));
    onglets_->setTabText(0, tr("&Build"));
    onglets_->setTabText(1, tr("&Check and repair"));
    onglets_->setTabText(2, tr("&Library"));
    const auto etiquette = [this](const char* nom) { return findChild<QLabel*>(QString::fromLatin1(nom)); };
    const auto b = [this](const char* nom) { return findChild<QPushButton*>(QString::fromLatin1(nom)); };
    legende(etiquette("lnumeros"), tr("&Numbers (N):"));
    legende(etiquette("lt"), tr("&Guaranteed (t):"));
    legende(etiquette("lm"), tr("&If drawn among them (m):"));
    legende(etiquette("lsecondes"), tr("&Time budget (seconds):"));
    legende(b("bconstruire"), tr("B&uild the wheel"));
    legende(b("barreter"), tr("&Stop"));
    legende(b("bimporter"), tr("&Import a file…"));
    legende(etiquette("lvt"), tr("G&uaranteed (t):"));
    legende(etiquette("lvm"), tr("I&f drawn among them (m):"));
    legende(b("bverifier"), tr("Chec&k"));
    legende(b("breparer"), tr("&Repair"));
    legende(etiquette("lnom"), tr("&Name:"));
    legende(b("benregistrer"), tr("&Save in the library"));
    legende(b("bouvrir"), tr("&Open"));
    legende(b("brenommer"), tr("Rena&me to this name"));
    legende(b("bsupprimer"), tr("&Delete"));
    legende(b("bexporter"), tr("Save to a &file…"));
    legende(findChild<QGroupBox*>(QStringLiteral("groue")), tr("Current wheel"));
    legende(etiquette("ltableau"), tr("Cases by the best result of one grid, for 3 to 6 drawn numbers:"));
    legende(b("bvoir"), tr("&View the grids"));
    legende(b("bliste"), tr("List th&e grids"));
    legende(b("bimprimer"), tr("&Print the grids"));
    legende(b("bhistorique"), tr("Check against the &history"));
    legende(b("bfermer"), tr("Close"));
    enumeros_->setAccessibleName(tr("Numbers of the wheel"));
    et_->setAccessibleName(tr("Numbers guaranteed in one grid"));
    em_->setAccessibleName(tr("Drawn numbers among the wheel's"));
    esecondes_->setAccessibleName(tr("Time budget in seconds"));
    evt_->setAccessibleName(tr("Numbers guaranteed, to check"));
    evm_->setAccessibleName(tr("Drawn numbers, to check"));
    ltrous_->setAccessibleName(tr("Holes: sets of drawn numbers the wheel misses"));
    lbibliotheque_->setAccessibleName(tr("Saved wheels"));
    enom_->setAccessibleName(tr("Name of the wheel"));
    tanalyse_->setAccessibleName(tr("Cases by the best result of one grid"));
    onglets_->setAccessibleName(tr("Pages of the wheels window"));
    onglets_->tabBar()->setAccessibleName(tr("Pages of the wheels window"));
    QStringList entetes{tr("Cases")};
    for (int h = 6; h >= 3; --h)
        entetes << tr("%1 numbers").arg(h);
    entetes << tr("2 or fewer");
    tanalyse_->setHorizontalHeaderLabels(entetes);
    // Four rows at most, 3 to 6 drawn numbers, under a header as tall as its texts now are.
    tanalyse_->setFixedHeight(tanalyse_->horizontalHeader()->sizeHint().height() +
                              4 * tanalyse_->verticalHeader()->defaultSectionSize() +
                              2 * tanalyse_->frameWidth());
    elargistableau();
    examine();
    afficheroue();
    remplisbibliotheque();
}

// The columns share the table's width evenly: it holds the widest header text in each of them,
// between the margins the style draws it in, whatever the language and the font.
void TMesRoues::elargistableau() {
    const QHeaderView* tete = tanalyse_->horizontalHeader();
    const int marges = 2 * tete->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, tete);
    int colonne = 0;
    for (int c = 0; c < colonnes; ++c)
        colonne = std::max(colonne, tete->fontMetrics().horizontalAdvance(
                                        tanalyse_->model()->headerData(c, Qt::Horizontal).toString()) +
                                        marges);
    tanalyse_->setMinimumWidth(colonnes * colonne + tanalyse_->verticalHeader()->sizeHint().width() +
                               2 * tanalyse_->frameWidth());
}

void TMesRoues::changeEvent(QEvent* evenement) {
    if (evenement->type() == QEvent::LanguageChange && onglets_)
        traduitroues();
    QDialog::changeEvent(evenement);
}

bool TMesRoues::event(QEvent* evenement) {
    const bool traite = QDialog::event(evenement);
    if (evenement->type() == QEvent::LayoutRequest || evenement->type() == QEvent::Resize ||
        evenement->type() == QEvent::ScreenChangeInternal)
        ajustehauteur();
    return traite;
}

// The content's own layout is asked again when one of its texts takes more lines.
bool TMesRoues::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == contenu_ && evenement->type() == QEvent::LayoutRequest)
        ajustehauteur();
    return QDialog::eventFilter(objet, evenement);
}

// The height the window may take on its screen, its frame and title bar left out. A frame thinner
// than a title bar has none yet: the window manager has not framed the window, or frames it
// without one; room is kept for one all the same.
int TMesRoues::placeecran() const {
    const QScreen* ecran = screen();
    const int disponible =
        hauteurdisponible_ ? *hauteurdisponible_ : (ecran ? ecran->availableGeometry().height() : 0);
    const int cadre = frameGeometry().height() - height();
    const int titre = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return disponible - (cadre >= titre ? cadre : cadre + titre);
}

// A window's minimum comes from its controls' minimums, whereas its layout gives a wrapped text
// the height its lines take at the window's width: a status of several lines would squeeze the
// wheel's frame and draw its controls over one another. The window grows with its texts instead,
// as far as its screen has room; beyond, the pages and the wheel's frame scroll.
void TMesRoues::ajustehauteur() {
    QLayout* disposition = layout();
    const QLayout* dedans = contenu_ ? contenu_->layout() : nullptr;
    if (!disposition || !dedans || disposition->count() == 0)
        return;
    const int largeur = defilement_->maximumViewportSize().width();
    const int besoin = std::max(dedans->totalMinimumSize().height(), dedans->totalHeightForWidth(largeur));
    const int autour =
        disposition->totalMinimumSize().height() - disposition->itemAt(0)->minimumSize().height();
    const int place = placeecran() - autour;
    const bool defile = place > 0 && besoin > place;
    const QSize minimum(dedans->totalMinimumSize().width() +
                            (defile ? defilement_->verticalScrollBar()->sizeHint().width() : 0),
                        defile ? place : besoin);
    if (minimum == defilement_->minimumSize() && autour + minimum.height() == minimumHeight())
        return;
    defilement_->setMinimumSize(minimum);
    setMinimumHeight(autour + minimum.height());
    // Placed at once: a window just shown is looked at before its layout's request comes round.
    disposition->activate();
    // A window taller than its screen's room comes back within it.
    if (defile && height() > autour + place)
        resize(width(), autour + place);
}

void TMesRoues::done(int resultat) {
    // Closed by its button, its title bar or Escape: a build left running would hold every core
    // out of sight. Its best wheel so far is kept, and shown when the window opens again.
    arrete();
    QDialog::done(resultat);
}

// The bounds of the request as it stands, and whether it can be built here.
void TMesRoues::examine() {
    if (atelier_.encours())
        return;
    const TFaisabilite f = AtelierRoues::examine(enumeros_->value(), et_->value(), em_->value());
    lbornes_->setText(texteportee(f, enumeros_->value(), et_->value(), em_->value()));
}

void TMesRoues::construit() {
    const int n = enumeros_->value(), t = et_->value(), m = em_->value();
    const TFaisabilite f = AtelierRoues::examine(n, t, m);
    if (f.portee != Portee::Possible) {
        lbornes_->setText(texteportee(f, n, t, m));
        probleme(texteportee(f, n, t, m));
        return;
    }
    if (!atelier_.construit(n, t, m, esecondes_->value(), graine_))
        return;
    reparation_ = false;
    boutons();
    barreter_->setFocus();
    afficheavancement();
    minuterie_->start();
}

// Stops a build or a repair, which then ends with its best wheel, and drops a check, which has
// nothing to show before its end.
void TMesRoues::arrete() {
    const bool verifiait = atelier_.verifieencours();
    atelier_.arrete();
    signaleabandon(verifiait);
}

// A check dropped before its end says so, rather than go on saying that it runs.
void TMesRoues::signaleabandon(bool verifiait) {
    if (!verifiait || atelier_.verifieencours())
        return;
    lverification_->setText(
        tr("The check of %1 if %2 was stopped.").arg(verifiee_.first).arg(verifiee_.second));
    boutons();
}

// Build and Repair wait for the work under way; Check waits only for a check.
void TMesRoues::boutons() {
    const bool construction = atelier_.encours(), verification = atelier_.verifieencours();
    bconstruire_->setEnabled(!construction && !verification);
    breparer_->setEnabled(!construction && !verification);
    bverifier_->setEnabled(!verification);
    barreter_->setEnabled(construction || verification);
}

void TMesRoues::surveille() {
    if (atelier_.encours()) {
        const bool verifiait = atelier_.verifieencours();
        TResultatRoue resultat;
        if (atelier_.termine(resultat)) {
            finit(resultat);
            // A repair's end says what it did on the check page.
            if (!reparation_)
                signaleabandon(verifiait);
        } else
            afficheavancement();
    }
    if (std::optional<TControle> controle = atelier_.verification())
        finisverification(*controle);
    if (std::optional<TBilan> bilan = analyse_.prends()) {
        bilan_ = std::move(bilan);
        affichebilan();
    }
    if (!atelier_.encours() && !atelier_.verifieencours() && !analyse_.encours())
        minuterie_->stop();
}

void TMesRoues::afficheavancement() {
    lavancement_->setText(texteavancement(atelier_.avancement(), reparation_));
}

void TMesRoues::finit(const TResultatRoue& resultat) {
    boutons();
    const QString texte = texteissue(resultat, reparation_);
    lavancement_->setText(texte);
    if (reparation_)
        lverification_->setText(texte);
    if (!resultat.roue.grilles.empty()) {
        evt_->setValue(resultat.roue.t);
        evm_->setValue(resultat.roue.m);
        ltrous_->clear();
        nouvelleroue();
    }
    examine();
}

// The current wheel changed: its description now, its analysis when it comes back.
void TMesRoues::nouvelleroue() {
    bilan_.reset();
    afficheroue();
    if (!atelier_.aroue())
        return;
    analyse_.lance([roue = atelier_.roue()](const std::atomic<bool>&) { return analyseroue(roue); });
    minuterie_->start();
}

void TMesRoues::afficheroue() {
    if (!atelier_.aroue()) {
        lroue_->setText(tr("No wheel yet: build one, import a file or open one from the library."));
        tanalyse_->setRowCount(0);
        lpromesse_->clear();
        return;
    }
    lroue_->setText(textedescription(atelier_.roue()));
    if (bilan_)
        affichebilan();
    else
        lpromesse_->setText(tr("Working out what the wheel gives…"));
}

void TMesRoues::affichebilan() {
    const TBilan& b = *bilan_;
    tanalyse_->setRowCount(static_cast<int>(b.repartitions.size()));
    for (int r = 0; r < tanalyse_->rowCount(); ++r) {
        const TRepartition& rep = b.repartitions[static_cast<std::size_t>(r)];
        tanalyse_->setVerticalHeaderItem(r, new QTableWidgetItem(tr("%1 drawn").arg(rep.k)));
        std::array<std::int64_t, colonnes> ligne{
            rep.nbcas,      rep.comptes[6], rep.comptes[5],
            rep.comptes[4], rep.comptes[3], rep.comptes[0] + rep.comptes[1] + rep.comptes[2]};
        for (int c = 0; c < colonnes; ++c) {
            auto* item = new QTableWidgetItem(localeroues().toString(static_cast<qlonglong>(ligne[c])));
            item->setTextAlignment(Qt::AlignCenter);
            tanalyse_->setItem(r, c, item);
        }
    }
    elargistableau();
    lpromesse_->setText(textepromesse(b));
}

void TMesRoues::importe() {
    const QString chemin =
        plateforme_.fichiers.alire(tr("Import a wheel"), tr("Wheels (*.txt);;All files (*)"));
    if (chemin.isEmpty())
        return;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        probleme(tr("The file %1 cannot be read.").arg(QDir::toNativeSeparators(chemin)));
        return;
    }
    // One byte beyond the limit is enough for the reading to say the file is too large.
    const QByteArray octets = fichier.read(static_cast<qint64>(limiteoctetsroue) + 1);
    const TLecture lecture = atelier_.importe(octets.toStdString(), evt_->value(), evm_->value());
    if (lecture.cause != Lecture::Bonne) {
        lverification_->setText(textelecture(lecture));
        probleme(textelecture(lecture));
        return;
    }
    evt_->setValue(atelier_.roue().t);
    evm_->setValue(atelier_.roue().m);
    lverification_->setText(
        tr("Imported: %n grid(s).", nullptr, static_cast<int>(atelier_.roue().grilles.size())));
    ltrous_->clear();
    boutons();
    nouvelleroue();
}

// The numbers of a set, written as the wheel's file wrote them.
QString TMesRoues::ensemble(std::uint64_t masque) const {
    QStringList nombres;
    const std::vector<int>& numeros = atelier_.numeros();
    for (int p = 1; p <= 64; ++p)
        if (masque & (std::uint64_t{1} << (p - 1)))
            nombres << QString::number(
                static_cast<std::size_t>(p) <= numeros.size() ? numeros[static_cast<std::size_t>(p - 1)] : p);
    return nombres.join(QLatin1Char(' '));
}

bool TMesRoues::garantievalide(int t, int m) {
    if (t <= m && m <= atelier_.roue().nbnumeros)
        return true;
    probleme(tr("The guarantee needs t at most m, and m at most the wheel's %1 numbers.")
                 .arg(atelier_.roue().nbnumeros));
    return false;
}

void TMesRoues::verifie() {
    if (!atelier_.aroue()) {
        probleme(tr("There is no wheel to check: build one, import a file or open one from the library."));
        return;
    }
    const int t = evt_->value(), m = evm_->value();
    if (!garantievalide(t, m) || !atelier_.lanceverification(t, m, garde))
        return;
    verifiee_ = {t, m};
    lverification_->setText(tr("Checking %1 if %2…").arg(t).arg(m));
    ltrous_->clear();
    boutons();
    minuterie_->start();
}

void TMesRoues::finisverification(const TControle& controle) {
    const TRoue& roue = atelier_.roue();
    lverification_->setText(texteverification(controle, roue.t, roue.m));
    for (std::uint64_t trou : controle.premiers)
        ltrous_->addItem(ensemble(trou));
    boutons();
    lroue_->setText(textedescription(roue));
    nouvelleroue();
}

void TMesRoues::repare() {
    if (!atelier_.aroue()) {
        probleme(tr("There is no wheel to repair: build one, import a file or open one from the library."));
        return;
    }
    const int t = evt_->value(), m = evm_->value();
    if (atelier_.roue().t != t || atelier_.roue().m != m) {
        // The repair finds the holes of the guarantee itself: no check to wait for.
        if (!garantievalide(t, m) || !atelier_.garantit(t, m))
            return;
        ltrous_->clear();
        lroue_->setText(textedescription(atelier_.roue()));
        nouvelleroue();
    }
    if (!atelier_.repare(esecondes_->value(), graine_)) {
        const TRoue& r = atelier_.roue();
        probleme(texteportee(AtelierRoues::examine(r.nbnumeros, r.t, r.m), r.nbnumeros, r.t, r.m));
        return;
    }
    reparation_ = true;
    boutons();
    lverification_->setText(tr("Repairing…"));
    onglets_->setCurrentIndex(0);
    barreter_->setFocus();
    afficheavancement();
    minuterie_->start();
}

void TMesRoues::remplisbibliotheque() {
    if (!lbibliotheque_)
        return;
    lbibliotheque_->clear();
    for (const TRoueRangee& r : atelier_.liste()) {
        const QString nom = QString::fromStdString(r.nom);
        auto* item = new QListWidgetItem(texterangee(r), lbibliotheque_);
        item->setData(Qt::UserRole, nom);
    }
}

QString TMesRoues::nomchoisi() const {
    return enom_->text();
}

void TMesRoues::enregistre() {
    const std::string nom = nomchoisi().toStdString();
    TOperation operation = atelier_.enregistre(nom);
    if (operation.cause == CauseBibliotheque::Existe &&
        plateforme_.messages.message(
            tr("A wheel named %1 is already in the library. Replace it?").arg(nomchoisi()), tr("My wheels"),
            Boutons::OuiNon, Icone::Question) == Reponse::Oui)
        operation = atelier_.enregistre(nom, true);
    else if (operation.cause == CauseBibliotheque::Existe)
        return;
    signaleoperation(operation);
}

void TMesRoues::ouvre() {
    const TOperation operation = atelier_.ouvre(nomchoisi().toStdString());
    signaleoperation(operation);
    if (!operation)
        return;
    evt_->setValue(atelier_.roue().t);
    evm_->setValue(atelier_.roue().m);
    ltrous_->clear();
    lverification_->clear();
    boutons();
    nouvelleroue();
}

void TMesRoues::renomme() {
    const QListWidgetItem* item = lbibliotheque_->currentItem();
    if (!item) {
        probleme(tr("Choose the wheel to rename in the list, then type its new name."));
        return;
    }
    signaleoperation(
        atelier_.renomme(item->data(Qt::UserRole).toString().toStdString(), nomchoisi().toStdString()));
}

void TMesRoues::supprime() {
    const QString nom = nomchoisi();
    if (plateforme_.messages.message(tr("Delete the wheel %1 from the library?").arg(nom), tr("My wheels"),
                                     Boutons::OuiNon, Icone::Question) != Reponse::Oui)
        return;
    signaleoperation(atelier_.supprime(nom.toStdString()));
}

void TMesRoues::exporte() {
    if (!atelier_.aroue()) {
        probleme(tr("There is no wheel to save."));
        return;
    }
    const TRoue& r = atelier_.roue();
    const QString propose = QStringLiteral("roue-%1-%2-%3.txt").arg(r.nbnumeros).arg(r.t).arg(r.m);
    const QString chemin =
        plateforme_.fichiers.aecrire(tr("Save the wheel"), tr("Wheels (*.txt);;All files (*)"), propose);
    if (chemin.isEmpty())
        return;
    QFile fichier(chemin);
    const QByteArray octets = QByteArray::fromStdString(atelier_.texte());
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) || fichier.write(octets) != octets.size() ||
        !fichier.flush()) {
        probleme(tr("The wheel could not be saved in %1: %2")
                     .arg(QDir::toNativeSeparators(chemin), fichier.errorString()));
        return;
    }
}

void TMesRoues::signaleoperation(const TOperation& operation) {
    remplisbibliotheque();
    if (!operation)
        probleme(texteoperation(operation));
}

// Plays the current wheel through one of the methods' windows, on the numbers ticked in the main
// window: the wheel's positions pick them out in ascending order.
void TMesRoues::joue(QDialog& fenetre) {
    if (!atelier_.aroue()) {
        probleme(tr("There is no wheel to play: build one, import a file or open one from the library."));
        return;
    }
    const TRoue& r = atelier_.roue();
    const int coches = comptecoches(etat_);
    if (coches != r.nbnumeros) {
        probleme(tr("This wheel is played on %1 numbers: tick exactly %1 numbers in the main window (%2 "
                    "ticked now).")
                     .arg(r.nbnumeros)
                     .arg(coches));
        return;
    }
    const JeuRoue jeu(etat_, rouejouee(r, textedescription(r)));
    fenetre.exec();
}

void TMesRoues::probleme(const QString& texte) {
    plateforme_.messages.message(texte, tr("My wheels"), Boutons::Ok, Icone::Exclamation);
}

} // namespace vormigral

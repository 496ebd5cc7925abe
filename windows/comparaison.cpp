#include "windows/comparaison.h"

#include "windows/outils.h"
#include "windows/traduction.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QStringList>

namespace vormigral {

namespace {

// The client area that a 606 x 413 window keeps inside a 4-pixel border and its title bar; the
// controls' places below are given within it.
constexpr int largeurbase = 598;
constexpr int hauteurbase = 386;
constexpr QSize tailleexterieure(606, 413);

void colore(QLabel* etiquette, const QColor& texte, const QColor& fond) {
    QPalette couleurs = etiquette->palette();
    couleurs.setColor(QPalette::WindowText, texte);
    couleurs.setColor(QPalette::Window, fond);
    etiquette->setPalette(couleurs);
    etiquette->setAutoFillBackground(true);
}

QLabel* tag(QWidget* parent, const char* nom, const QRect& geometrie, const char* texte, const QColor& fond) {
    auto* etiquette = place<QLabel>(parent, nom, geometrie);
    etiquette->setText(QString::fromLatin1(texte));
    etiquette->setAlignment(Qt::AlignCenter);
    etiquette->setFont(policestandard(true));
    colore(etiquette, Qt::black, fond);
    return etiquette;
}

} // namespace

TForm8::TForm8(TEtat& etat, Messages& messages) : messages_(messages), comparaison_(etat) {
    setObjectName(QStringLiteral("Form8"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(policestandard());
    setModal(true);
    setMinimumSize(largeurbase, hauteurbase);
    resize(largeurbase, hauteurbase);
}

void TForm8::construitcontroles() {
    // The counters' frames are 39 pixels high: their titles must sit on the frame line to
    // leave room for the counter. Some styles also open a selector's list over the
    // whole screen and ignore its row count; the drop-down list keeps it short, below the selector.
    // A widget that a rule applies to no longer inherits the window's font: each is given it.
    setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"
                       "QComboBox { combobox-popup: 0; }"));
    construitfenetre();
    traduitcontroles();
}

void TForm8::construitfenetre() {
    Panel1 = place<QFrame>(this, "Panel1", {5, 0, 130, 380});
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    auto* titre = place<QLabel>(Panel1, "lbullgagnant", {4, 6, 122, 22});
    titre->setAlignment(Qt::AlignCenter);
    titre->setFont(policestandard(true));
    colore(titre, Qt::red, Qt::yellow);

    QStringList numeros;
    for (int n = 1; n <= 49; ++n)
        numeros << QString::number(n);
    const char* noms[7][2] = {{"Label2", "ComboBox1"}, {"Label3", "ComboBox2"}, {"Label4", "ComboBox3"},
                              {"Label5", "ComboBox4"}, {"Label6", "ComboBox5"}, {"Label7", "ComboBox6"},
                              {"Label8", "ComboBox7"}};
    const char* tags[7] = {"1", "2", "3", "4", "5", "6", "C"};
    for (int i = 0; i < 7; ++i) {
        // The complementary stands a little apart from the six main numbers.
        const int y = i < 6 ? 42 + i * 44 : 42 + 6 * 44 + 14;
        QLabel* etiquette =
            tag(Panel1, noms[i][0], {14, y, 26, 21}, tags[i], i < 6 ? QColor(Qt::green) : QColor(Qt::cyan));
        auto* selecteur = place<QComboBox>(Panel1, noms[i][1], {48, y, 68, 21});
        etiquette->setBuddy(selecteur);
        selecteur->setEditable(false);
        selecteur->addItems(numeros);
        selecteur->setMaxVisibleItems(4);
        selecteurs_[static_cast<std::size_t>(i)] = selecteur;
    }

    listresul = place<QListWidget>(this, "listresul", {140, 7, 453, 206});
    listresul->setFont(police("Courier", 11));

    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {144, 214, 448, 91});
    GroupBox1->setFont(policestandard());
    struct Compteur {
        const char* cadre;
        const char* nom;
        TClasse classe;
        int colonne;
        int rang;
    };
    const Compteur places[7] = {
        {"GroupBox2", "lnb4c", TClasse::nb4c, 0, 0}, {"GroupBox3", "lnb5", TClasse::nb5, 1, 0},
        {"GroupBox4", "lnb5c", TClasse::nb5c, 2, 0}, {"GroupBox5", "lnb6", TClasse::nb6, 3, 0},
        {"GroupBox8", "lnb3", TClasse::nb3, 0, 1},   {"GroupBox7", "lnb3c", TClasse::nb3c, 1, 1},
        {"GroupBox6", "lnb4", TClasse::nb4, 2, 1},
    };
    for (std::size_t i = 0; i < std::size(places); ++i) {
        const Compteur& c = places[i];
        auto* cadre = place<QGroupBox>(GroupBox1, c.cadre, {17 + c.colonne * 108, 12 + c.rang * 39, 90, 39});
        cadre->setFont(policestandard());
        auto* compte = place<QLabel>(cadre, c.nom, {13, 16, 63, 18});
        compte->setAlignment(Qt::AlignCenter);
        compte->setFont(policestandard(true));
        colore(compte, Qt::red, Qt::yellow);
        compteurs_[i] = {c.classe, compte};
    }

    Button1 = place<QPushButton>(this, "Button1", {148, 319, 129, 64});
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    BitBtn1 = boutonimage(this, "BitBtn1", {447, 325, 147, 56}, "retour");
    connect(BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
}

void TForm8::traduitcontroles() {
    setWindowTitle(tr("Results Analyst"));
    legende(findChild<QLabel*>(QStringLiteral("lbullgagnant")), tr("WINNER"));
    legende(GroupBox1, tr("Numbers of good results"));
    legende(Button1, tr("View Results"));
    legende(BitBtn1, tr("Return"));
    //: The complementary number's tag, its initial in both languages.
    legende(findChild<QLabel*>(QStringLiteral("Label8")), tr("C"));
    const std::pair<const char*, QString> cadres[] = {
        {"GroupBox2", tr("4 + Bonus")}, {"GroupBox3", tr("5 numbers")}, {"GroupBox4", tr("5 + Bonus")},
        {"GroupBox5", tr("6 numbers")}, {"GroupBox6", tr("4 numbers")}, {"GroupBox7", tr("3 + Bonus")},
        {"GroupBox8", tr("3 numbers")},
    };
    for (const auto& [nom, titre] : cadres)
        legende(findChild<QGroupBox*>(QString::fromLatin1(nom)), titre);
    for (std::size_t i = 0; i < 6; ++i)
        selecteurs_[i]->setAccessibleName(tr("Number %1").arg(i + 1));
    selecteurs_[6]->setAccessibleName(tr("Bonus number"));
    listresul->setAccessibleName(tr("Results by grid"));
    //: A hint, French in both languages.
    Button1->setToolTip(tr("Show the results against the winning draw"));
    //: A hint, French in both languages.
    BitBtn1->setToolTip(tr("Back to the main screen"));
    nommecompteurs();
}

void TForm8::initform() {
    construit();
    for (QComboBox* selecteur : selecteurs_)
        selecteur->setCurrentIndex(0);
    for (const auto& compteur : compteurs_)
        compteur.second->clear();
    nommecompteurs();
    listresul->clear();
}

void TForm8::nommecompteurs() {
    for (const auto& compteur : compteurs_) {
        QLabel* etiquette = compteur.second;
        const QString titre = static_cast<QGroupBox*>(etiquette->parentWidget())->title();
        //: A counter read with its frame's title, e.g. "3 numbers: 12".
        etiquette->setAccessibleName(
            etiquette->text().isEmpty() ? titre : tr("%1: %2").arg(titre, etiquette->text()));
    }
}

TTirage TForm8::tirage() {
    construit();
    std::array<int, 7> positions{};
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = selecteurs_[i]->currentIndex();
    return ComparaisonTirage::tirage(positions);
}

void TForm8::Button1Click() {
    const std::optional<ComparaisonTirage::Resultat> resultat = comparaison_.compare(tirage());
    if (!resultat) {
        messages_.message(tr("A number is selected more than one time"), tr("Problem !!"), Boutons::Ok,
                          Icone::Exclamation);
        return;
    }
    listresul->clear();
    listresul->addItems(resultat->lignes);
    for (const auto& [classe, etiquette] : compteurs_)
        etiquette->setText(QString::number(resultat->compteurs[classe]));
    nommecompteurs();
}

void TForm8::BitBtn1Click() {
    close();
}

void TForm8::disposition() {
    // A size set before the controls exist places them when they are shown.
    if (!construite())
        return;
    const int dx = width() - largeurbase;
    const int dy = height() - hauteurbase;
    Panel1->setGeometry(5, 0, 130, 380 + dy);
    listresul->setGeometry(140, 7, 453 + dx, 206 + dy);
    const int decalage = dx / 2;
    GroupBox1->setGeometry(144 + decalage, 214 + dy, 448, 91);
    Button1->setGeometry(148 + decalage, 319 + dy, 129, 64);
    BitBtn1->setGeometry(447 + decalage, 325 + dy, 147, 56);
}

void TForm8::resizeEvent(QResizeEvent* evenement) {
    QDialog::resizeEvent(evenement);
    disposition();
}

void TForm8::showEvent(QShowEvent* evenement) {
    if (premiere_) {
        // The style sheet, applied just before, takes the window's font from the selectors: each
        // selector and its drop-down list are given it. Doing so builds the drop-down lists, which
        // is why it waits for the first showing rather than the window's creation.
        for (QComboBox* selecteur : selecteurs_) {
            selecteur->setFont(policestandard());
            selecteur->view()->setFont(policestandard());
        }
    }
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    initform();
    if (premiere_) {
        premiere_ = false;
        // Where the platform knows its window frame, the outer size is 606 x 413.
        const QSize cadre = frameGeometry().size() - size();
        if (!cadre.isEmpty())
            resize((tailleexterieure - cadre).expandedTo(minimumSize()));
    }
    centreecran(this);
}

} // namespace vormigral

#include "tests/support/doubles.h"

#include "engine/cases.h"
#include "files/parametres.h"
#include "windows/comparaison.h"
#include "windows/comparaisontirage.h"
#include "windows/principale.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <array>
#include <functional>

using namespace vormigral;
using namespace vormigral::test;

using Tirage = std::array<int, 7>; // six main numbers, then the complementary
Q_DECLARE_METATYPE(Tirage)

namespace {

const char* const nomsselecteurs[7] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4",
                                       "ComboBox5", "ComboBox6", "ComboBox7"};
// Counters in the order 6, 5+C, 5, 4+C, 4, 3+C, 3.
const char* const compteurs[7] = {"lnb6", "lnb5c", "lnb5", "lnb4c", "lnb4", "lnb3c", "lnb3"};

// Method 12 (7 numbers, 4 grids: positions 123456 / 123457 / 123467 / 123567) over these numbers.
const std::initializer_list<int> coches12 = {3, 8, 19, 27, 33, 40, 45};

void prepare(Banc& banc, int langue, int m, std::initializer_list<int> coches) {
    ecrisparametres(banc, langue);
    banc.demarre();
    choisismethode(banc.principale(), m);
    for (int n : coches)
        cliquecase(&banc.principale(), n);
}

void choisis(QWidget* w, const Tirage& tirage) {
    for (int i = 0; i < 7; ++i)
        controle<QComboBox>(w, nomsselecteurs[i])->setCurrentIndex(tirage[static_cast<std::size_t>(i)] - 1);
}

void affiche(QWidget* w) {
    QTest::mouseClick(controle<QPushButton>(w, "Button1"), Qt::LeftButton);
}

QStringList lignes(QWidget* w) {
    auto* liste = controle<QListWidget>(w, "listresul");
    QStringList resultat;
    for (int i = 0; i < liste->count(); ++i)
        resultat << liste->item(i)->text();
    return resultat;
}

QStringList valeurs(QWidget* w) {
    QStringList resultat;
    for (const char* nom : compteurs)
        resultat << controle<QLabel>(w, nom)->text();
    return resultat;
}

// Opens the comparison through the main window's command and runs `action` while it is open.
void ouvre(Banc& banc, const std::function<void(TForm8*)>& action) {
    TForm8* fenetre = &banc.application().comparaison();
    bool vu = false;
    pendantmodal([&](QWidget* w) {
        vu = true;
        QCOMPARE(w, static_cast<QWidget*>(fenetre));
        action(fenetre);
    });
    QTest::mouseClick(controle<QPushButton>(&banc.principale(), "bcomparer"), Qt::LeftButton);
    QVERIFY(vu);
}

} // namespace

class TestFenetreComparaison : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void comparaison_data();
    void comparaison();
    void refus_data();
    void refus();
    void reouverture();
    void legendes_data();
    void legendes();
    void selecteurs();
    void polices();
    void redimensionnement();
};

void TestFenetreComparaison::comparaison_data() {
    QTest::addColumn<int>("methode"); // -1: none selected
    QTest::addColumn<Tirage>("tirage");
    QTest::addColumn<QStringList>("attendues"); // empty with empty totals: refused
    QTest::addColumn<QStringList>("totaux");
    QTest::newRow("4, 3+C, 4+C") << 12 << Tirage{3, 8, 19, 40, 41, 42, 45}
                                 << QStringList{"B.:001 :-03-08-19-27-33-40 ->4",
                                                "B.:002 :-03-08-19-27-33-45 ->3 + Complémentaire.",
                                                "B.:003 :-03-08-19-27-40-45 ->4 + Complémentaire.",
                                                "B.:004 :-03-08-19-33-40-45 ->4 + Complémentaire."}
                                 << QStringList{"0", "0", "0", "2", "1", "1", "0"};
    QTest::newRow("6 et 5+C") << 12 << Tirage{40, 33, 27, 19, 8, 3, 45}
                              << QStringList{"B.:001 :-03-08-19-27-33-40 ->6",
                                             "B.:002 :-03-08-19-27-33-45 ->5 + Complémentaire.",
                                             "B.:003 :-03-08-19-27-40-45 ->5 + Complémentaire.",
                                             "B.:004 :-03-08-19-33-40-45 ->5 + Complémentaire."}
                              << QStringList{"1", "3", "0", "0", "0", "0", "0"};
    QTest::newRow("5 et 4") << 12 << Tirage{3, 8, 19, 27, 33, 41, 2}
                            << QStringList{"B.:001 :-03-08-19-27-33-40 ->5", "B.:002 :-03-08-19-27-33-45 ->5",
                                           "B.:003 :-03-08-19-27-40-45 ->4", "B.:004 :-03-08-19-33-40-45 ->4"}
                            << QStringList{"0", "0", "2", "0", "2", "0", "0"};
    QTest::newRow("complementaire sans rang")
        << 12 << Tirage{1, 2, 4, 5, 6, 7, 45}
        << QStringList{"B.:001 :-03-08-19-27-33-40 ->0", "B.:002 :-03-08-19-27-33-45 ->0 + Complémentaire.",
                       "B.:003 :-03-08-19-27-40-45 ->0 + Complémentaire.",
                       "B.:004 :-03-08-19-33-40-45 ->0 + Complémentaire."}
        << QStringList{"0", "0", "0", "0", "0", "0", "0"};
    // Should the comparison run without a selected method, there is nothing to compare.
    QTest::newRow("sans methode") << -1 << Tirage{3, 8, 19, 40, 41, 42, 45} << QStringList()
                                  << QStringList(7, QStringLiteral("0"));
    const struct {
        const char* nom;
        Tirage tirage;
    } refus[] = {{"tous a 1", {1, 1, 1, 1, 1, 1, 1}},
                 {"principal deux fois", {3, 8, 19, 40, 8, 42, 45}},
                 {"complementaire egal a un principal", {3, 8, 19, 40, 41, 42, 19}},
                 {"premier et dernier", {49, 8, 19, 40, 41, 42, 49}}};
    for (const auto& r : refus)
        QTest::addRow("refus: %s", r.nom) << 12 << r.tirage << QStringList() << QStringList();
}

// Every grid listed with its hits; each counted once, in its class; unreached classes count 0. A
// number chosen twice is refused and the run left alone. Without a window: the draw as the seven
// selectors' positions give it.
void TestFenetreComparaison::comparaison() {
    QFETCH(int, methode);
    QFETCH(Tirage, tirage);
    QFETCH(QStringList, attendues);
    QFETCH(QStringList, totaux);
    TEtat etat;
    initmethodes(etat.methodes);
    for (const int n : coches12)
        etat.casescoch[static_cast<std::size_t>(n)] = 1;
    construitnumcoch(etat);
    etat.methodechoisie = methode;
    etat.methodecour = 5;
    std::array<int, 7> positions{};
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = tirage[i] - 1;
    ComparaisonTirage comparaison(etat);
    for (int fois = 0; fois < 2; ++fois) { // a second press starts again from scratch
        const auto resultat = comparaison.compare(ComparaisonTirage::tirage(positions));
        QCOMPARE(resultat.has_value(), !totaux.isEmpty());
        if (!resultat) {
            QCOMPARE(etat.methodecour, 5);
            return;
        }
        QCOMPARE(resultat->lignes, attendues);
        QStringList comptes;
        for (const TClasse k : {TClasse::nb6, TClasse::nb5c, TClasse::nb5, TClasse::nb4c, TClasse::nb4,
                                TClasse::nb3c, TClasse::nb3})
            comptes << QString::number(resultat->compteurs[k]);
        QCOMPARE(comptes, totaux);
    }
    QCOMPARE(etat.methodecour, methode < 0 ? 5 : 12);
    QCOMPARE(etat.nbgrilles, methode < 0 ? 0 : 4);
    if (methode < 0)
        return;
    QCOMPARE(etat.numgrille, 1);
    QCOMPARE(etat.grillecour[45], 1); // the last grid stays in grillecour
    QCOMPARE(etat.grillecour[27], 0);
}

void TestFenetreComparaison::refus_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("titre");
    QTest::newRow("fr") << 1 << QStringLiteral("Un même numéro ne peut pas être selectionné plusieurs fois")
                        << QStringLiteral("Problème !!");
    QTest::newRow("en") << 2 << QStringLiteral("A number is selected more than one time")
                        << QStringLiteral("Problem !!");
}

// A number chosen twice is refused with the message of the language in force, and the list and
// counters keep what they showed, whether blank or from an earlier comparison.
void TestFenetreComparaison::refus() {
    QFETCH(int, langue);
    QFETCH(QString, texte);
    QFETCH(QString, titre);
    const Tirage tirage{3, 8, 19, 40, 8, 42, 45};
    Banc banc;
    prepare(banc, langue, 12, coches12);
    ouvre(banc, [&](TForm8* w) {
        choisis(w, tirage);
        affiche(w);
        QCOMPARE(lignes(w), QStringList());
        QCOMPARE(valeurs(w), QStringList(7, QString()));
        choisis(w, {3, 8, 19, 40, 41, 42, 45});
        affiche(w);
        const QStringList avant = lignes(w);
        const QStringList comptes = valeurs(w);
        QCOMPARE(avant.size(), 4);
        QCOMPARE(comptes, (QStringList{"0", "0", "0", "2", "1", "1", "0"}));
        choisis(w, tirage);
        affiche(w);
        QCOMPARE(lignes(w), avant);
        QCOMPARE(valeurs(w), comptes);
        QVERIFY(w->isVisible());
    });
    QCOMPARE(banc.messages.messages.size(), 2);
    for (const MessageEnregistre& m : banc.messages.messages) {
        QCOMPARE(m.texte, texte);
        QCOMPARE(m.titre, titre);
        QCOMPARE(m.icone, Icone::Exclamation);
        QCOMPARE(m.boutons, Boutons::Ok);
    }
}

// Nothing of an earlier comparison survives a reopening.
void TestFenetreComparaison::reouverture() {
    Banc banc;
    prepare(banc, 1, 12, coches12);
    ouvre(banc, [](TForm8* w) {
        choisis(w, {3, 8, 19, 40, 41, 42, 45});
        affiche(w);
        QCOMPARE(lignes(w).size(), 4);
        QTest::mouseClick(controle<QPushButton>(w, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    });
    ouvre(banc, [&banc](TForm8* w) {
        for (const char* nom : nomsselecteurs)
            QCOMPARE(controle<QComboBox>(w, nom)->currentText(), QStringLiteral("1"));
        QCOMPARE(valeurs(w), QStringList(7, QString()));
        QCOMPARE(lignes(w), QStringList());
        // Right after opening, every selector shows 1: the press is refused.
        affiche(w);
        QCOMPARE(banc.messages.messages.size(), 1);
    });
}

void TestFenetreComparaison::legendes_data() {
    QTest::addColumn<int>("langue");
    QTest::newRow("francais") << 1;
    QTest::newRow("anglais") << 2;
    QTest::newRow("langue inconnue") << 3;
}

// Captions follow the language at each showing: a window built in French shows English the next
// time it opens after the language changed.
void TestFenetreComparaison::legendes() {
    QFETCH(int, langue);
    Banc banc;
    prepare(banc, 1, 12, coches12);
    ouvre(banc, [](TForm8* w) { QCOMPARE(w->windowTitle(), QStringLiteral("Analyser Résultats")); });
    banc.changelangue(langue);
    choisismethode(banc.principale(), 12);
    const bool en = langue == 2;
    ouvre(banc, [en](TForm8* w) {
        const struct {
            const char* nom;
            const char* fr;
            const char* en;
        } attendus[] = {
            {"lbullgagnant", "BULLETIN GAGNANT", "WINNER"},
            {"GroupBox1", "Nombre de bons résultats", "Numbers of good results"},
            {"Button1", "Afficher résultats", "View Results"},
            {"BitBtn1", "Retour", "Return"},
            {"GroupBox2", "4+Comp.", "4 + Bonus"},
            {"GroupBox3", "5 numéros", "5 numbers"},
            {"GroupBox4", "5 + Comp.", "5 + Bonus"},
            {"GroupBox5", "6 numéros", "6 numbers"},
            {"GroupBox6", "4 numeros", "4 numbers"},
            {"GroupBox7", "3 + Comp.", "3 + Bonus"},
            {"GroupBox8", "3 numéros", "3 numbers"},
        };
        QCOMPARE(w->windowTitle(),
                 en ? QStringLiteral("Results Analyst") : QStringLiteral("Analyser Résultats"));
        for (const auto& a : attendus) {
            QObject* objet = w->findChild<QObject*>(QString::fromLatin1(a.nom));
            QString texte;
            QFontMetrics mesure(w->font());
            int place = 0;
            if (auto* l = qobject_cast<QLabel*>(objet)) {
                texte = l->text();
                mesure = QFontMetrics(l->font());
                place = l->contentsRect().width();
            } else if (auto* b = qobject_cast<QPushButton*>(objet)) {
                texte = b->text();
                place = b->width() - b->iconSize().width() - 12;
            } else if (auto* g = qobject_cast<QGroupBox*>(objet)) {
                texte = g->title();
                place = g->width() - 8;
            }
            QCOMPARE(texte, QString::fromUtf8(en ? a.en : a.fr));
            QVERIFY2(mesure.horizontalAdvance(texte) <= place, a.nom);
        }
        QCOMPARE(controle<QWidget>(w, "Button1")->toolTip(),
                 QStringLiteral("Afficher les résultats en fonction du bulletin gagnant"));
        QCOMPARE(controle<QWidget>(w, "BitBtn1")->toolTip(), QStringLiteral("Revenir à l'écran principal"));
        const char* tags[] = {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"};
        const char* textes[] = {"1", "2", "3", "4", "5", "6", "C"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(controle<QLabel>(w, tags[i])->text(), QString::fromLatin1(textes[i]));
    });
}

void TestFenetreComparaison::selecteurs() {
    Banc banc;
    prepare(banc, 1, 12, coches12);
    ouvre(banc, [](TForm8* w) {
        for (const char* nom : nomsselecteurs) {
            auto* s = controle<QComboBox>(w, nom);
            QVERIFY(!s->isEditable());
            QCOMPARE(s->count(), 49);
            for (int i = 0; i < 49; ++i)
                QCOMPARE(s->itemText(i), QString::number(i + 1));
            QCOMPARE(s->maxVisibleItems(), 4);
        }
        // The list is fixed-pitch so that the lines of one comparison line up.
        auto* liste = controle<QListWidget>(w, "listresul");
        QVERIFY(QFontInfo(liste->font()).fixedPitch());
        QCOMPARE(liste->font().pixelSize(), 11);
        // The counters are placed in their frames as the window gives them.
        const char* cadres[7][2] = {{"GroupBox2", "lnb4c"}, {"GroupBox3", "lnb5"}, {"GroupBox4", "lnb5c"},
                                    {"GroupBox5", "lnb6"},  {"GroupBox8", "lnb3"}, {"GroupBox7", "lnb3c"},
                                    {"GroupBox6", "lnb4"}};
        for (int i = 0; i < 7; ++i) {
            auto* cadre = controle<QGroupBox>(w, cadres[i][0]);
            auto* compte = controle<QLabel>(w, cadres[i][1]);
            QCOMPARE(compte->parentWidget(), static_cast<QWidget*>(cadre));
            QCOMPARE(cadre->parentWidget()->objectName(), QStringLiteral("GroupBox1"));
            QCOMPARE(cadre->size(), QSize(90, 39));
            QCOMPARE(compte->size(), QSize(63, 18));
            QVERIFY(cadre->rect().contains(compte->geometry()));
            const int rang = i < 4 ? 0 : 1;
            const int colonne = i < 4 ? i : i - 4;
            const auto* premier = controle<QGroupBox>(w, rang == 0 ? "GroupBox2" : "GroupBox8");
            QCOMPARE(cadre->y(), premier->y());
            if (colonne > 0)
                QVERIFY(cadre->x() > controle<QGroupBox>(w, cadres[i - 1][0])->x() + 89);
            if (rang == 1)
                QVERIFY(cadre->y() > controle<QGroupBox>(w, "GroupBox2")->y() + 38);
        }
    });
}

// Every caption shows in the window's font: a style sheet rule must not drop a control back to
// the platform's default face.
void TestFenetreComparaison::polices() {
    Banc banc;
    prepare(banc, 1, 12, coches12);
    // As in a real run, the event loop turns between the start and the first opening.
    QCoreApplication::processEvents();
    ouvre(banc, [](TForm8* w) {
        const QFontInfo attendu(w->font());
        const auto verifie = [&attendu](QWidget* c, bool gras) {
            const QFontInfo obtenu(c->font());
            QVERIFY2(obtenu.family() == attendu.family(),
                     qPrintable(c->objectName() + QLatin1Char(' ') + obtenu.family()));
            QCOMPARE(obtenu.pixelSize(), attendu.pixelSize());
            QCOMPARE(obtenu.bold(), gras);
        };
        for (auto* cadre : w->findChildren<QGroupBox*>())
            verifie(cadre, false);
        for (auto* selecteur : w->findChildren<QComboBox*>()) {
            verifie(selecteur, false);
            verifie(selecteur->view(), false);
        }
        for (const char* nom : {"Button1", "BitBtn1"})
            verifie(controle<QWidget>(w, nom), false);
        for (const char* nom : compteurs)
            verifie(controle<QWidget>(w, nom), true);
    });
}

// The list takes any extra room; the counters and buttons stay together along the bottom.
void TestFenetreComparaison::redimensionnement() {
    Banc banc;
    prepare(banc, 1, 12, coches12);
    ouvre(banc, [](TForm8* w) {
        auto* liste = controle<QWidget>(w, "listresul");
        auto* cadre = controle<QWidget>(w, "GroupBox1");
        auto* afficher = controle<QWidget>(w, "Button1");
        auto* retour = controle<QWidget>(w, "BitBtn1");
        // 606 x 413 outside where the platform reports a frame, else the client area it leaves.
        const QSize cadrefenetre = w->frameGeometry().size() - w->size();
        if (cadrefenetre.isEmpty())
            QCOMPARE(w->size(), QSize(598, 386));
        else
            QCOMPARE(w->frameGeometry().size(), QSize(606, 413));
        w->resize(598, 386);
        QCOMPARE(liste->geometry(), QRect(140, 7, 453, 206));
        QCOMPARE(cadre->geometry(), QRect(144, 214, 448, 91));
        QCOMPARE(afficher->geometry(), QRect(148, 319, 129, 64));
        QCOMPARE(retour->geometry(), QRect(447, 325, 147, 56));
        QCOMPARE(controle<QWidget>(w, "Panel1")->geometry(), QRect(5, 0, 130, 380));
        w->resize(800, 600);
        QCOMPARE(liste->geometry(), QRect(140, 7, 655, 420));
        QCOMPARE(cadre->size(), QSize(448, 91));
        QCOMPARE(cadre->y(), liste->geometry().bottom() + 2);
        QCOMPARE(afficher->pos() - cadre->pos(), QPoint(4, 105));
        QCOMPARE(retour->pos() - cadre->pos(), QPoint(303, 111));
        QVERIFY(w->rect().contains(retour->geometry()));
        QVERIFY(w->rect().contains(afficher->geometry()));
        QCOMPARE(controle<QWidget>(w, "Panel1")->height(), 594);
        // It cannot shrink below the size its controls need.
        w->resize(300, 200);
        QCOMPARE(w->size(), QSize(598, 386));
        QCOMPARE(liste->geometry(), QRect(140, 7, 453, 206));
    });
}

QTEST_MAIN(TestFenetreComparaison)
#include "test_comparaison.moc"

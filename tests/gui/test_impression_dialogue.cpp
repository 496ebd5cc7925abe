#include "tests/commun/tube.h"
#include "tests/support/doubles.h"

#include "app/imprimantechoisie.h"
#include "engine/calculgrille.h"
#include "engine/saisie.h"
#include "files/parametres.h"
#include "printing/geometrie.h"
#include "printing/impression.h"
#include "windows/apercu.h"
#include "windows/application.h"
#include "windows/choiximprimante.h"
#include "windows/dialogueimpression.h"
#include "windows/imprimer.h"
#include "windows/principale.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace vormigral;
using namespace vormigral::test;

namespace {

using Genre = TraceImpression::Genre;

// Method m selected in the main window, with as many numbers ticked as it needs.
void choisit(Banc& banc, int m) {
    choisismethode(banc.principale(), m);
    QCOMPARE(banc.principale().methodechoisie(), m);
    banc.etat().casescoch.fill(0);
    for (int t = 1; t <= banc.etat().methodes[m].nbnumeros; ++t)
        banc.etat().casescoch[3 + t] = 1;
}

// The program started in a language, then method m chosen.
void prepare(Banc& banc, int langue, int m) {
    ecrisparametres(banc, langue);
    banc.demarre();
    choisit(banc, m);
}

// Opens the print dialog through the main window's command and runs `action` in it.
void dansledialogue(Banc& banc, std::function<void(TForm7*)> action) {
    bool vu = false;
    pendantmodal([&vu, action = std::move(action)](QWidget* w) {
        vu = true;
        auto* dialogue = qobject_cast<TForm7*>(w);
        QVERIFY(dialogue);
        action(dialogue);
    });
    QTest::mouseClick(controle<QPushButton>(&banc.principale(), "bimpbull"), Qt::LeftButton);
    QVERIFY(vu);
}

QLineEdit* premier(QWidget* w) {
    return controle<QLineEdit>(w, "Gpremier");
}
QLineEdit* dernier(QWidget* w) {
    return controle<QLineEdit>(w, "gdernier");
}

void saisit(QLineEdit* champ, const QString& texte) {
    champ->setText(QString());
    QTest::keyClicks(champ, texte);
}

void lance(QWidget* w) {
    QTest::mouseClick(controle<QPushButton>(w, "boutlancer"), Qt::LeftButton);
}

} // namespace

class TestImpressionDialogue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void ouverture_data();
    void ouverture();
    void reouverture();
    void filtre();
    void rejet();
    void lancement_data();
    void lancement();
    void invites_data();
    void invites();
    void erreurs_data();
    void erreurs();
    void sansimprimante_data();
    void sansimprimante();
    void horszone_data();
    void horszone();
    void choiximprimante_data();
    void choiximprimante();
    void choixillisible_data();
    void choixillisible();
    void choixmenu_data();
    void choixmenu();
    void service_data();
    void service();
    void interruption_data();
    void interruption();
};

void TestImpressionDialogue::ouverture_data() {
    QTest::addColumn<int>("langue");
    QTest::newRow("French") << 1;
    QTest::newRow("English") << 2;
}

// Every control with its caption in the language, the French hints, both ticket types with the
// first selected, and the range 1..N of the selected method.
void TestImpressionDialogue::ouverture() {
    QFETCH(int, langue);
    const bool en = langue == 2;
    Banc banc;
    prepare(banc, langue, 1);
    dansledialogue(banc, [en](TForm7* w) {
        QVERIFY(w->isModal());
        QCOMPARE(w->size(), QSize(477, 290));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->windowTitle(), en ? QStringLiteral("Print") : QStringLiteral("Imprimer les bulletins"));
        const struct {
            const char* nom;
            const char* fr;
            const char* en;
        } legendes[] = {
            {"Label3", "TYPE DE BULLETIN", "TICKET TYPE"},
            {"GroupBox3", "Grilles à imprimer", "Grids to print"},
            {"Label1", "Première", "First"},
            {"Label2", "Dernière", "Last"},
            {"GroupBox2", "Type d impression", "Print Type"},
            {"bimptsbull", "Imprimer tous les bulletins à la fois", "Print all the tickets"},
            {"bimpunbull", "Imprimer un bulletin à la fois", "Stop after each tickets"},
            {"boutannule", "Annuler", "Cancel"},
            {"boutlancer", "Imprimer", "Print"},
        };
        for (const auto& l : legendes)
            QCOMPARE(texte(w, l.nom), QString::fromUtf8(en ? l.en : l.fr));
        QCOMPARE(premier(w)->toolTip(), QStringLiteral("Entrez le numero de la première grille à imprimer"));
        QCOMPARE(dernier(w)->toolTip(), QStringLiteral("Entrez le numero de la dernière grille à imprimer"));
        auto* types = controle<QComboBox>(w, "ComboBox1");
        QVERIFY(!types->isEditable());
        QCOMPARE(types->count(), 2);
        QCOMPARE(types->itemText(0), QStringLiteral("LOTO FRANCAIS MERCREDI/SAMEDI 8 GRILLES"));
        QCOMPARE(types->itemText(1), QStringLiteral("LOTTO QUEBEC 6/49 6 grilles"));
        QCOMPARE(types->currentIndex(), 0);
        QCOMPARE(types->width(), 445);
        QCOMPARE(premier(w)->text(), QStringLiteral("1"));
        QCOMPARE(dernier(w)->text(), QStringLiteral("11"));
        QCOMPARE(premier(w)->maxLength(), 4);
        QCOMPARE(dernier(w)->maxLength(), 4);
        QVERIFY(controle<QRadioButton>(w, "bimptsbull")->isChecked());
        QVERIFY(!controle<QRadioButton>(w, "bimpunbull")->isChecked());
        QVERIFY(!controle<QPushButton>(w, "boutannule")->icon().isNull());
        QVERIFY(!controle<QPushButton>(w, "boutlancer")->icon().isNull());
        QTest::mouseClick(controle<QPushButton>(w, "boutannule"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    });
    QVERIFY(banc.imprimantes.surfaces.empty());
}

// Each opening resets the ticket type and the range, to the method selected now, and takes the
// captions of the language now; the print mode stays as the user left it.
void TestImpressionDialogue::reouverture() {
    Banc banc;
    prepare(banc, 1, 1);
    dansledialogue(banc, [](TForm7* w) {
        controle<QComboBox>(w, "ComboBox1")->setCurrentIndex(1);
        saisit(premier(w), QStringLiteral("3"));
        saisit(dernier(w), QStringLiteral("5"));
        QTest::mouseClick(controle<QRadioButton>(w, "bimpunbull"), Qt::LeftButton);
        QTest::mouseClick(controle<QPushButton>(w, "boutannule"), Qt::LeftButton);
    });
    banc.changelangue(2);
    choisit(banc, 3);
    dansledialogue(banc, [](TForm7* w) {
        QCOMPARE(controle<QComboBox>(w, "ComboBox1")->currentIndex(), 0);
        QCOMPARE(controle<QComboBox>(w, "ComboBox1")->count(), 2);
        QCOMPARE(premier(w)->text(), QStringLiteral("1"));
        QCOMPARE(dernier(w)->text(), QStringLiteral("10"));
        QVERIFY(controle<QRadioButton>(w, "bimpunbull")->isChecked());
        QVERIFY(!controle<QRadioButton>(w, "bimptsbull")->isChecked());
        QCOMPARE(w->windowTitle(), QStringLiteral("Print"));
        QCOMPARE(texte(w, "Label3"), QStringLiteral("TICKET TYPE"));
    });
    QVERIFY(banc.imprimantes.surfaces.empty());
}

// Digits only, at most four; letters, signs, blanks and Backspace are discarded.
void TestImpressionDialogue::filtre() {
    Banc banc;
    prepare(banc, 1, 1);
    dansledialogue(banc, [](TForm7* w) {
        for (QLineEdit* champ : {premier(w), dernier(w)}) {
            saisit(champ, QStringLiteral("1a-+ 2.,B3"));
            QCOMPARE(champ->text(), QStringLiteral("123"));
            QTest::keyClick(champ, Qt::Key_Backspace);
            QCOMPARE(champ->text(), QStringLiteral("123"));
            QTest::keyClicks(champ, QStringLiteral("45"));
            QCOMPARE(champ->text(), QStringLiteral("1234"));
            QTest::mouseClick(champ, Qt::LeftButton);
            QTest::keyClick(champ, Qt::Key_Left);
            QTest::keyClick(champ, Qt::Key_Delete);
            QCOMPARE(champ->text(), QStringLiteral("123"));
            for (const QString& autre : {QStringLiteral("é"), QStringLiteral("²")}) {
                QKeyEvent touche(QEvent::KeyPress, 0, Qt::NoModifier, autre);
                QApplication::sendEvent(champ, &touche);
            }
            QCOMPARE(champ->text(), QStringLiteral("123"));
        }
    });
}

// A refused range (what is refused is the use case's) leaves the dialog open with the fields as
// typed, and prints nothing.
void TestImpressionDialogue::rejet() {
    Banc banc;
    prepare(banc, 2, 1);
    dansledialogue(banc, [&](TForm7* w) {
        saisit(premier(w), QStringLiteral("5"));
        saisit(dernier(w), QStringLiteral("4"));
        lance(w);
        QVERIFY(w->isVisible());
        QCOMPARE(premier(w)->text(), QStringLiteral("5"));
        QCOMPARE(dernier(w)->text(), QStringLiteral("4"));
    });
    QCOMPARE(banc.messages.messages.size(), 1);
    QCOMPARE(banc.messages.messages.first().texte, QStringLiteral("Incorrect grid numbers to print"));
    QVERIFY(banc.imprimantes.surfaces.empty());
}

void TestImpressionDialogue::lancement_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("de");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QList<int>>("parpage");
    QTest::newRow("the whole series on type 1")
        << 0 << QStringLiteral("1") << QStringLiteral("11") << QList<int>{8, 3};
    QTest::newRow("007 reads as 7") << 1 << QStringLiteral("007") << QStringLiteral("0007") << QList<int>{1};
    QTest::newRow("5..7 on type 2") << 1 << QStringLiteral("5") << QStringLiteral("7") << QList<int>{3};
    QTest::newRow("the last grid alone")
        << 0 << QStringLiteral("11") << QStringLiteral("11") << QList<int>{1};
}

// An accepted request prints the range on the selected ticket type, then closes the dialog.
void TestImpressionDialogue::lancement() {
    QFETCH(int, type);
    QFETCH(QString, de);
    QFETCH(QString, a);
    QFETCH(QList<int>, parpage);
    Banc banc;
    prepare(banc, 1, 1);
    banc.etat().parametres.decalh = -3;
    banc.etat().parametres.decalv = 4;
    dansledialogue(banc, [&](TForm7* w) {
        controle<QComboBox>(w, "ComboBox1")->setCurrentIndex(type);
        saisit(premier(w), de);
        saisit(dernier(w), a);
        lance(w);
        QVERIFY(!w->isVisible());
    });
    QVERIFY(banc.messages.messages.isEmpty());
    QCOMPARE(int(banc.imprimantes.surfaces.size()), 1);
    const SurfaceDouble& surface = *banc.imprimantes.surfaces.front();
    QCOMPARE(surface.compte(Genre::Ferme), 1);
    const auto pages = surface.pages();
    QCOMPARE(int(pages.size()), int(parpage.size()));
    // The printer's answer on the status line.
    QCOMPARE(texte(&banc.principale(), "Label2"),
             QStringLiteral("L'imprimante « Double » a accepté %1 (travail 1).")
                 .arg(pages.size() == 1 ? QStringLiteral("1 page")
                                        : QStringLiteral("%1 pages").arg(pages.size())));
    for (int i = 0; i < parpage.size(); ++i)
        QCOMPARE(int(pages[i].size()), 6 * parpage[i]);
    // The first grid of the range sits at position 1 of its slip, shifted by the user's offsets.
    TEtat etat = banc.etat();
    etat.methodecour = 1;
    etat.nbgrilles = 11;
    calculgrille(etat, valeurtexte(de.toStdString()));
    int n = 1;
    while (etat.grillecour[n] != 1)
        ++n;
    const TPositionCase c = positioncase(etat.typesbulletin[type + 1], 1, n);
    const TexteImprime marque = pages[0][0];
    QCOMPARE(marque.x, convposition(surface, etat.parametres, 1, c.x));
    QCOMPARE(marque.y, convposition(surface, etat.parametres, 2, c.y));
}

void TestImpressionDialogue::invites_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QList<int>>("reponses"); // 1 OK, 0 Cancel
    QTest::addColumn<QList<int>>("parpage");
    QTest::newRow("13 grids, two prompts, fr") << 1 << QList<int>{1, 1} << QList<int>{6, 6, 1};
    QTest::newRow("13 grids, two prompts, en") << 2 << QList<int>{1, 1} << QList<int>{6, 6, 1};
    QTest::newRow("cancel at the first prompt") << 1 << QList<int>{0} << QList<int>{6};
}

// Mode 2 asks, in French whatever the language, before every slip after the first; Cancel ends
// the run with the slips already marked, and the run counts as done.
void TestImpressionDialogue::invites() {
    QFETCH(int, langue);
    QFETCH(QList<int>, reponses);
    QFETCH(QList<int>, parpage);
    Banc banc;
    prepare(banc, langue, 2);
    for (int r : reponses)
        banc.messages.reponses.push_back(r ? Reponse::Ok : Reponse::Annuler);
    dansledialogue(banc, [](TForm7* w) {
        controle<QComboBox>(w, "ComboBox1")->setCurrentIndex(1);
        QTest::mouseClick(controle<QRadioButton>(w, "bimpunbull"), Qt::LeftButton);
        saisit(premier(w), QStringLiteral("4"));
        saisit(dernier(w), QStringLiteral("16"));
        lance(w);
        QVERIFY(!w->isVisible());
    });
    QCOMPARE(banc.messages.messages.size(), reponses.size());
    for (const MessageEnregistre& m : banc.messages.messages) {
        QCOMPARE(m.texte, QStringLiteral("Insérez le prochain bulletin et appuyer sur OK"));
        QCOMPARE(m.titre, QStringLiteral("Impression bulletin"));
        QCOMPARE(m.icone, Icone::Question);
        QCOMPARE(m.boutons, Boutons::OkAnnuler);
    }
    const auto pages = banc.imprimantes.surfaces.at(0)->pages();
    QCOMPARE(int(pages.size()), int(parpage.size()));
    for (int i = 0; i < parpage.size(); ++i)
        QCOMPARE(int(pages[i].size()), 6 * parpage[i]);
}

void TestImpressionDialogue::erreurs_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<int>("ou");
    QTest::addColumn<QString>("message");
    QTest::newRow("refused at the opening, fr")
        << 1 << 0
        << QStringLiteral(
               "L'impression a échoué : opening refused\nLe travail d'impression a été abandonné.");
    QTest::newRow("refused at the opening, en")
        << 2 << 0 << QStringLiteral("Printing failed: opening refused\nThe print job was abandoned.");
    QTest::newRow("part-way, fr")
        << 1 << 1
        << QStringLiteral("L'impression a échoué : page refused\nLe travail d'impression a été abandonné.");
    QTest::newRow("part-way, en") << 2 << 2
                                  << QStringLiteral(
                                         "Printing failed: text refused\nThe print job was abandoned.");
    QTest::newRow("at the closing, en")
        << 2 << 3 << QStringLiteral("Printing failed: closing refused\nThe print job was abandoned.");
    // One slip at a time, the slip sent before the failure is said to be out.
    QTest::newRow("second slip, one at a time, fr")
        << 1 << 4
        << QStringLiteral("L'impression a échoué : page refused\nLe travail d'impression a été abandonné.\n"
                          "Avant cela, l'imprimante « Double » avait accepté 1 page (travail 1).");
}

// A failure of the printing layer ends the run, is said in the user's language with the layer's
// own text, abandons the job, and leaves the dialog open.
void TestImpressionDialogue::erreurs() {
    QFETCH(int, langue);
    QFETCH(int, ou);
    QFETCH(QString, message);
    Banc banc;
    prepare(banc, langue, 1);
    SurfaceDouble& modele = banc.imprimantes.modele;
    modele.echoueouverture = ou == 0;
    modele.echouepage = ou == 1 || ou == 4 ? 1 : 0;
    modele.echouetexte = ou == 2 ? 7 : 0;
    modele.echouefermeture = ou == 3;
    dansledialogue(banc, [ou](TForm7* w) {
        if (ou == 4)
            QTest::mouseClick(controle<QRadioButton>(w, "bimpunbull"), Qt::LeftButton);
        lance(w);
        QVERIFY(w->isVisible());
        QCOMPARE(premier(w)->text(), QStringLiteral("1"));
    });
    // One slip at a time, the next-slip prompt comes first.
    QCOMPARE(banc.messages.messages.size(), ou == 4 ? 2 : 1);
    const MessageEnregistre& m = banc.messages.messages.last();
    QCOMPARE(m.texte, message);
    QCOMPARE(m.titre, langue == 2 ? QStringLiteral("Problem !!") : QStringLiteral("Problème !!"));
    QCOMPARE(m.icone, Icone::Exclamation);
    const SurfaceDouble& surface = *banc.imprimantes.surfaces.at(0);
    QCOMPARE(surface.compte(Genre::Ferme), 0);
    QCOMPARE(surface.compte(Genre::Abandon), ou == 0 ? 0 : 1);
}

void TestImpressionDialogue::sansimprimante_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<bool>("accepte");
    QTest::addColumn<QString>("fichier"); // "" the chooser is cancelled; relative to a temporary folder
    QTest::addColumn<bool>("ecrit");
    QTest::addColumn<bool>("unparun");
    QTest::newRow("declined") << 1 << false << QString() << false << false;
    QTest::newRow("chooser cancelled") << 1 << true << QString() << false << false;
    QTest::newRow("written, fr") << 1 << true << QStringLiteral("bulletins.pdf") << true << false;
    QTest::newRow("written, en") << 2 << true << QStringLiteral("tickets.pdf") << true << false;
    QTest::newRow("one slip at a time, written without prompts")
        << 1 << true << QStringLiteral("unparun.pdf") << true << true;
    QTest::newRow("folder missing") << 2 << true << QStringLiteral("absent/tickets.pdf") << false << false;
}

// With no printer at all, a request says so and offers a PDF of the same pages; once written,
// the message says where. Declining, or a file that cannot be written, leaves the dialog open.
void TestImpressionDialogue::sansimprimante() {
    QFETCH(int, langue);
    QFETCH(bool, accepte);
    QFETCH(QString, fichier);
    QFETCH(bool, ecrit);
    QFETCH(bool, unparun);
    const bool en = langue == 2;
    QTemporaryDir dossier;
    const QString chemin = fichier.isEmpty() ? QString() : dossier.filePath(fichier);
    Banc banc;
    prepare(banc, langue, 1);
    banc.imprimantes.installees = false;
    banc.messages.reponses.push_back(accepte ? Reponse::Oui : Reponse::Non);
    banc.imprimantes.choix.push_back(chemin.toStdString());
    dansledialogue(banc, [ecrit, unparun](TForm7* w) {
        if (unparun)
            QTest::mouseClick(controle<QRadioButton>(w, "bimpunbull"), Qt::LeftButton);
        lance(w);
        QCOMPARE(w->isVisible(), !ecrit);
    });
    QVERIFY(!banc.messages.messages.isEmpty());
    const MessageEnregistre& offre = banc.messages.messages.first();
    QCOMPARE(offre.texte,
             en ? QStringLiteral("No printer is installed: nothing can be printed.\n\n"
                                 "Do you want to save the same pages to a PDF file?")
                : QStringLiteral("Aucune imprimante n'est installée : rien ne peut être imprimé.\n\n"
                                 "Voulez-vous enregistrer les mêmes pages dans un fichier PDF ?"));
    QCOMPARE(offre.boutons, Boutons::OuiNon);
    QCOMPARE(offre.icone, Icone::Question);
    QCOMPARE(int(banc.imprimantes.titreschoix.size()), accepte ? 1 : 0);
    if (!accepte || chemin.isEmpty()) {
        QCOMPARE(banc.messages.messages.size(), 1);
        QVERIFY(banc.imprimantes.surfaces.empty());
        return;
    }
    QCOMPARE(banc.messages.messages.size(), 2);
    const MessageEnregistre& suite = banc.messages.messages.at(1);
    QFile pdf(chemin);
    if (!ecrit) {
        QVERIFY(!pdf.exists());
        QVERIFY(suite.texte.contains(chemin));
        QVERIFY(suite.texte.startsWith(QStringLiteral("Printing failed: Cannot write the file")));
        QCOMPARE(suite.icone, Icone::Exclamation);
        return;
    }
    QCOMPARE(suite.texte,
             en ? QStringLiteral("The pages were saved to the PDF file:\n") + chemin
                : QStringLiteral("Les pages ont été enregistrées dans le fichier PDF :\n") + chemin);
    QCOMPARE(suite.icone, Icone::Information);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray contenu = pdf.readAll();
    QVERIFY(contenu.startsWith("%PDF"));
    QVERIFY(contenu.trimmed().endsWith("%%EOF"));
    // Laid out as a printer of the same resolution and margins would print it.
    const SurfaceDouble& surface = *banc.imprimantes.surfaces.at(0);
    QCOMPARE(surface.resolutionx(), 1200);
    const auto pages = surface.pages();
    QCOMPARE(int(pages.size()), 2);
    QCOMPARE(int(pages[0].size()), 48);
    QCOMPARE(int(pages[1].size()), 18);
    TEtat etat = banc.etat();
    etat.methodecour = 1;
    etat.nbgrilles = 11;
    calculgrille(etat, 1);
    int n = 1;
    while (etat.grillecour[n] != 1)
        ++n;
    const TPositionCase c = positioncase(etat.typesbulletin[1], 1, n);
    QCOMPARE(pages[0][0].x, convposition(surface, etat.parametres, 1, c.x));
    QCOMPARE(pages[0][0].y, convposition(surface, etat.parametres, 2, c.y));
}

// When the main window's list has no selection, the dialog offers the range 1..0 and refuses
// every request: nothing indexes the catalogue with -1.
void TestImpressionDialogue::horszone_data() {
    QTest::addColumn<int>("decalh");
    QTest::addColumn<int>("marge");   // where the printer's reach starts left of the page laid out, in dots
    QTest::addColumn<int>("reponse"); // -1 no warning expected, 0 No, 1 Yes
    QTest::newRow("offsets within the sheet") << 4 << 0 << -1;
    QTest::newRow("10 mm to the left, stopped") << -10 << 0 << 0;
    QTest::newRow("10 mm to the left, printed anyway") << -10 << 0 << 1;
    // The printer prints to the sheet's edge, 12 mm left of the page laid out.
    QTest::newRow("10 mm to the left, within the printer's reach") << -10 << -142 << -1;
    // The printer's reach starts 17 mm into the page.
    QTest::newRow("within the page, short of the printer's reach") << 4 << 200 << 0;
}

// Marks pushed off the printable area by the offsets are announced before anything is printed,
// with how many; the user may stop there, the dialog staying open.
void TestImpressionDialogue::horszone() {
    QFETCH(int, decalh);
    QFETCH(int, marge);
    QFETCH(int, reponse);
    Banc banc;
    prepare(banc, 1, 1);
    banc.etat().parametres.decalh = decalh;
    if (marge != 0) {
        const SurfaceDouble& m = banc.imprimantes.modele;
        banc.imprimantes.modele.zone = TZone{marge, 0, m.largeur, m.hauteur};
    }
    if (reponse >= 0)
        banc.messages.reponses.push_back(reponse ? Reponse::Oui : Reponse::Non);
    dansledialogue(banc, [reponse](TForm7* w) {
        lance(w);
        QCOMPARE(w->isVisible(), reponse == 0);
    });
    QCOMPARE(banc.messages.messages.size(), reponse >= 0 ? 1 : 0);
    if (reponse >= 0) {
        const MessageEnregistre& m = banc.messages.messages.first();
        // Column 0 (numbers 1 to 9) of the first grid of each slip: 0.52 cm less 1 cm is off the sheet.
        QVERIFY2(
            m.texte.startsWith(QStringLiteral("Marques hors de la zone que « Double » peut imprimer : ")),
            qPrintable(m.texte));
        QCOMPARE(m.boutons, Boutons::OuiNon);
    }
    const int fermes =
        banc.imprimantes.surfaces.empty() ? 0 : banc.imprimantes.surfaces[0]->compte(Genre::Ferme);
    QCOMPARE(fermes, reponse == 0 ? 0 : 1);
}

void TestImpressionDialogue::choiximprimante_data() {
    QTest::addColumn<QStringList>("files"); // "*" marks the default
    QTest::addColumn<QString>("memorisee"); // the queue the user chose before
    QTest::addColumn<QString>("raison");    // the chooser's text; empty when it must not open
    QTest::addColumn<int>("rang");          // the queue picked, -1 cancels
    QTest::addColumn<QString>("imprimee");  // the queue printed on; empty for none
    const QString sansdefaut = QStringLiteral("Aucune imprimante par défaut n'est réglée sur cet ordinateur "
                                              ": choisissez celle qui doit imprimer. Ce "
                                              "choix sera gardé pour les impressions suivantes.");
    QTest::newRow("the default") << QStringList{"A", "*B"} << QString() << QString() << 0 << "B";
    QTest::newRow("the user's choice over the default")
        << QStringList{"A", "*B"} << "A" << QString() << 0 << "A";
    QTest::newRow("no default: asked, second picked")
        << QStringList{"A", "B"} << QString() << sansdefaut << 1 << "B";
    QTest::newRow("no default: asked, cancelled")
        << QStringList{"A", "B"} << QString() << sansdefaut << -1 << "";
    QTest::newRow("the choice gone: asked")
        << QStringList{"A", "*B"} << "C"
        << "L'imprimante que vous aviez choisie n'existe plus : choisissez celle qui doit imprimer." << 0
        << "A";
}

// A job goes to the queue the user chose, else to the default; with neither the user is asked, and
// the answer is kept for the next time. Nothing is printed on a queue nobody chose.
void TestImpressionDialogue::choiximprimante() {
    QFETCH(QStringList, files);
    QFETCH(QString, memorisee);
    QFETCH(QString, raison);
    QFETCH(int, rang);
    QFETCH(QString, imprimee);
    Banc banc;
    banc.imprimantes.listefiles.clear();
    for (const QString& f : files)
        banc.imprimantes.listefiles.push_back({f.mid(f.startsWith(QLatin1Char('*'))).toStdString(),
                                               f.startsWith(QLatin1Char('*')),
                                               true,
                                               false,
                                               {}});
    QVERIFY(memoriseimprimante(banc.systeme, memorisee));
    prepare(banc, 1, 1);
    int demandes = 0;
    QObject garde;
    quandouverte<TChoixImprimante>(&garde, [&](TChoixImprimante* choix) {
        ++demandes;
        QCOMPARE(texte(choix, "lraison"), raison);
        if (rang < 0)
            return;
        controle<QListWidget>(choix, "listeimprimantes")->setCurrentRow(rang);
        QTest::mouseClick(controle<QPushButton>(choix, "bok"), Qt::LeftButton);
    });
    dansledialogue(banc, [&](TForm7* w) {
        lance(w);
        QCOMPARE(w->isVisible(), imprimee.isEmpty());
    });
    QCOMPARE(demandes, raison.isEmpty() ? 0 : 1);
    std::vector<std::string> utilisees;
    if (!imprimee.isEmpty())
        utilisees.push_back(imprimee.toStdString());
    QCOMPARE(banc.imprimantes.filesutilisees, utilisees);
    if (!raison.isEmpty())
        QCOMPARE(imprimantememorisee(banc.systeme), rang < 0 ? memorisee : imprimee);
}

void TestImpressionDialogue::choixillisible_data() {
    QTest::addColumn<QString>("sorte");
    QTest::addColumn<QString>("cause");
    QTest::newRow("tube") << "tube"
                          << "ce n'est pas un fichier ordinaire";
    QTest::newRow("dossier") << "dossier"
                             << "c'est un dossier";
}

// A choice file that is no plain file is never opened (a pipe would freeze the program): the user
// is told once, and every print goes where it would go without a choice.
void TestImpressionDialogue::choixillisible() {
    QFETCH(QString, sorte);
    QFETCH(QString, cause);
    Banc banc;
    banc.imprimantes.listefiles = {{"A", false, true, false, {}}, {"B", true, true, false, {}}};
    const QString chemin = banc.systeme.config + QStringLiteral("imprimante");
    QVERIFY(QDir().mkpath(banc.systeme.config));
    TubeSurveille tube(sorte == QLatin1String("tube") ? chemin.toStdString() : chemin.toStdString() + ".x");
    QVERIFY(sorte == QLatin1String("dossier") ? QDir().mkdir(chemin) : tube.cree());
    prepare(banc, 1, 1);
    for (int fois = 0; fois < 2; ++fois)
        dansledialogue(banc, [](TForm7* w) {
            QTRY_COMPARE(texte(w, "limprimante"),
                         QStringLiteral("Imprimante : « B » (par défaut du système)"));
            lance(w);
        });
    QVERIFY(!tube.debloque());
    QCOMPARE(banc.imprimantes.filesutilisees, (std::vector<std::string>{"B", "B"}));
    QCOMPARE(banc.messages.messages.size(), 1);
    QCOMPARE(
        banc.messages.messages.first().texte,
        QStringLiteral("Le choix d'imprimante enregistré dans %1 ne peut pas être lu (%2) : l'impression "
                       "se fait comme si aucune imprimante n'avait été choisie.")
            .arg(chemin, cause));
    QCOMPARE(imprimantememorisee(banc.systeme), QString());
}

void TestImpressionDialogue::choixmenu_data() {
    QTest::addColumn<QStringList>("files"); // "*" marks the default
    QTest::addColumn<int>("service");
    QTest::addColumn<QStringList>("lignes"); // the chooser's rows; none when it must not open
    QTest::addColumn<QString>("message");
    QTest::newRow("the default named once")
        << QStringList{"A", "*B"} << int(TService::repond)
        << QStringList{"Imprimante par défaut du système (B)", "A", "B"} << QString();
    QTest::newRow("no default") << QStringList{"A", "B"} << int(TService::repond) << QStringList{"A", "B"}
                                << QString();
    QTest::newRow("a silent print service")
        << QStringList{"A", "*B"} << int(TService::muet) << QStringList{}
        << "Le service d'impression (/run/cups/cups.sock) ne répond pas : les imprimantes n'ont pas pu être "
           "listées après quelques secondes d'attente.";
}

// Options › Printer names the system's default once; a print service that does not answer is said,
// naming it, and never taken for "no printer installed".
void TestImpressionDialogue::choixmenu() {
    QFETCH(QStringList, files);
    QFETCH(int, service);
    QFETCH(QStringList, lignes);
    QFETCH(QString, message);
    Banc banc;
    banc.imprimantes.listefiles.clear();
    for (const QString& f : files)
        banc.imprimantes.listefiles.push_back({f.mid(f.startsWith(QLatin1Char('*'))).toStdString(),
                                               f.startsWith(QLatin1Char('*')),
                                               true,
                                               false,
                                               {}});
    banc.imprimantes.service = {TService(service), "/run/cups/cups.sock", {}};
    prepare(banc, 1, 1);
    banc.application().impressions().delai(std::chrono::milliseconds(300));
    QStringList vues;
    QObject garde;
    quandouverte<TChoixImprimante>(&garde, [&](TChoixImprimante* choix) {
        const auto* liste = controle<QListWidget>(choix, "listeimprimantes");
        for (int i = 0; i < liste->count(); ++i)
            vues << liste->item(i)->text();
        choix->reject();
    });
    dansledialogue(
        banc, [](TForm7* w) { QTest::mouseClick(controle<QToolButton>(w, "bimprimante"), Qt::LeftButton); });
    QCOMPARE(vues, lignes);
    QCOMPARE(banc.messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(banc.messages.messages.first().texte, message);
}

void TestImpressionDialogue::service_data() {
    QTest::addColumn<QString>("bouton"); // what waits for the service: a print, a preview, the chooser
    QTest::addColumn<int>("service");
    QTest::addColumn<bool>("annule");
    QTest::addColumn<QString>("message"); // none when empty
    QTest::addColumn<QString>("annonce"); // the main window's status line; unchecked when empty
    const QString absent =
        "L'impression n'est pas possible : le service d'impression (/run/cups/cups.sock) ne répond pas.";
    const QString liste = "Le service d'impression (/run/cups/cups.sock) ne répond pas : les imprimantes "
                          "n'ont pas pu être listées après quelques secondes d'attente.";
    QTest::newRow("no print service")
        << "boutlancer" << int(TService::absent) << false << absent << QString();
    QTest::newRow("a silent print service")
        << "boutlancer" << int(TService::muet) << false
        << "Le service d'impression (/run/cups/cups.sock) ne répond pas : l'impression a été abandonnée "
           "après quelques secondes d'attente."
        << QString();
    QTest::newRow("cancelled while waiting")
        << "boutlancer" << int(TService::muet) << true << QString() << "Impression annulée.";
    for (const char* bouton : {"bapercu", "bimprimante"}) {
        QTest::addRow("%s: no print service", bouton)
            << bouton << int(TService::absent) << false << absent << QString();
        QTest::addRow("%s: a silent print service", bouton)
            << bouton << int(TService::muet) << false << liste << QString();
        // Cancelling is no failure: nothing is said.
        QTest::addRow("%s: cancelled while waiting", bouton)
            << bouton << int(TService::muet) << true << QString() << QString();
    }
}

// A print service that is not there or says nothing: the dialog opens at once, says which service
// does not answer, and stays alive while a print, a preview or the printer chooser waits for it,
// with Print disabled and a Cancel that ends the wait at once.
void TestImpressionDialogue::service() {
    QFETCH(QString, bouton);
    QFETCH(int, service);
    QFETCH(bool, annule);
    QFETCH(QString, message);
    QFETCH(QString, annonce);
    Banc banc;
    banc.imprimantes.service = {TService(service), "/run/cups/cups.sock", {}};
    prepare(banc, 1, 1);
    banc.application().impressions().delai(std::chrono::milliseconds(1500));
    QObject garde;
    // The preview opens once the listing gave up or was cancelled.
    quandouverte<TApercu>(&garde, [](TApercu*) {});
    dansledialogue(banc, [&](TForm7* w) {
        // Shown before the service answered.
        if (service == int(TService::muet))
            QCOMPARE(texte(w, "limprimante"), QStringLiteral("Recherche des imprimantes…"));
        QTRY_COMPARE_WITH_TIMEOUT(texte(w, "limprimante"),
                                  QStringLiteral("Imprimante : le service d'impression (/run/cups/cups.sock) "
                                                 "ne répond pas"),
                                  5000);
        int battements = 0;
        QTimer minuterie;
        connect(&minuterie, &QTimer::timeout, [&battements] { ++battements; });
        minuterie.start(10);
        bool desactive = false;
        QTimer::singleShot(100, w, [&] { desactive = !controle<QPushButton>(w, "boutlancer")->isEnabled(); });
        bool annulable = false;
        if (annule)
            QTimer::singleShot(800, w, [&annulable] {
                for (QWidget* f : QApplication::allWidgets())
                    if (auto* attente = qobject_cast<QProgressDialog*>(f);
                        attente && attente->isVisible() && attente->windowOpacity() > 0.5 &&
                        !attente->accessibleName().isEmpty()) {
                        annulable = true;
                        QTest::mouseClick(attente->findChild<QPushButton*>(), Qt::LeftButton);
                    }
            });
        // Long enough that a cancel not heeded at once shows in the time taken.
        if (annule)
            banc.application().impressions().delai(std::chrono::milliseconds(4000));
        QElapsedTimer duree;
        duree.start();
        controle<QAbstractButton>(w, qPrintable(bouton))->click();
        QVERIFY(w->isVisible());
        if (service == int(TService::muet)) {
            QVERIFY(desactive);
            QVERIFY2(battements >= 10, qPrintable(QString::number(battements)));
        }
        QCOMPARE(annulable, annule);
        if (annule)
            QVERIFY2(duree.elapsed() < 3000, qPrintable(QString::number(duree.elapsed())));
        QVERIFY(controle<QPushButton>(w, "boutlancer")->isEnabled());
        w->reject();
    });
    QVERIFY2(banc.messages.messages.size() == (message.isEmpty() ? 0 : 1),
             qPrintable(banc.messages.messages.value(0).texte));
    if (!message.isEmpty())
        QCOMPARE(banc.messages.messages.first().texte, message);
    if (!annonce.isEmpty())
        QCOMPARE(texte(&banc.principale(), "Label2"), annonce);
    QVERIFY(banc.imprimantes.surfaces.empty());
}

void TestImpressionDialogue::interruption_data() {
    QTest::addColumn<bool>("redemarre");
    QTest::addColumn<QString>("bouton"); // what starts the wait: a print, a preview, the chooser
    // The quitting rows last: once the program quits, every later event loop ends at once.
    for (const bool redemarre : {true, false})
        for (const char* bouton : {"boutlancer", "bapercu", "bimprimante"})
            QTest::addRow("%s, %s", redemarre ? "the program started afresh" : "the program quit", bouton)
                << redemarre << QString::fromLatin1(bouton);
}

// The program started afresh, or quit (every event loop ended), while a print run, a preview or the
// printer chooser waits for the print service: the wait stops at once, prints, asks and says
// nothing, and the window it started from, once gone, is not used.
void TestImpressionDialogue::interruption() {
    QFETCH(bool, redemarre);
    QFETCH(QString, bouton);
    Banc banc;
    banc.imprimantes.service = {TService::muet, "/run/cups/cups.sock", {}};
    prepare(banc, 1, 1);
    banc.application().impressions().delai(std::chrono::milliseconds(4000));
    const QPointer<TForm7> w(&banc.application().impression());
    w->show();
    QTimer::singleShot(200, [&] { redemarre ? banc.demarre() : QCoreApplication::exit(0); });
    QElapsedTimer duree;
    duree.start();
    controle<QAbstractButton>(w, qPrintable(bouton))->click();
    QVERIFY2(duree.elapsed() < 2000, qPrintable(QString::number(duree.elapsed())));
    QCOMPARE(w.isNull(), redemarre);
    QVERIFY2(banc.messages.messages.empty(), qPrintable(banc.messages.messages.value(0).texte));
    QVERIFY(banc.imprimantes.surfaces.empty());
    // No other window opened: the wait is gone, and no printer chooser was opened. (A preview
    // asked for as the program quits opens and ends with it.)
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY2(!modal || modal == w || (!redemarre && bouton == QLatin1String("bapercu")),
             qPrintable(modal ? modal->objectName() : QString()));
}

QTEST_MAIN(TestImpressionDialogue)
#include "test_impression_dialogue.moc"

#include "tests/support/doubles.h"

#include "engine/calculgrille.h"
#include "files/parametres.h"
#include "printing/liste.h"
#include "windows/listegrilles.h"
#include "windows/principale.h"

#include <QComboBox>
#include <QFontInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

namespace {

using Genre = TraceImpression::Genre;

void choisit(Banc& banc, int m, int depuis = 4) {
    choisismethode(banc.principale(), m);
    QCOMPARE(banc.principale().methodechoisie(), m);
    banc.etat().casescoch.fill(0);
    for (int t = 0; t < banc.etat().methodes[m].nbnumeros; ++t)
        banc.etat().casescoch[depuis + t] = 1;
}

void prepare(Banc& banc, int langue, int m) {
    QVERIFY(
        ecrireparametres((banc.systeme.repertoireexe() + nomparametres).toStdString(), {0, langue, 0, 0}));
    banc.demarre();
    choisit(banc, m);
}

// Opens the grid list through the main window's command and runs `action` in it.
void danslaliste(Banc& banc, std::function<void(TForm5*)> action) {
    bool vu = false;
    pendantmodal([&vu, action = std::move(action)](QWidget* w) {
        vu = true;
        auto* liste = qobject_cast<TForm5*>(w);
        QVERIFY(liste);
        action(liste);
    });
    QTest::mouseClick(controle<QPushButton>(&banc.principale(), "bimplistbull"), Qt::LeftButton);
    QVERIFY(vu);
}

QStringList lignes(QWidget* w) {
    QStringList resultat;
    auto* liste = controle<QListWidget>(w, "listbull");
    for (int i = 0; i < liste->count(); ++i)
        resultat << liste->item(i)->text();
    return resultat;
}

// The lines the list must show, from the grids expanded apart from the window.
QStringList attendues(const TEtat& depart, int m) {
    TEtat etat = depart;
    etat.methodecour = m;
    etat.nbgrilles = etat.methodes[m].nbgrilles;
    QStringList resultat;
    for (int g = 1; g <= etat.nbgrilles; ++g) {
        calculgrille(etat, g);
        QString ligne = QStringLiteral("Bull.: %1 :").arg(g, 3, 10, QLatin1Char('0'));
        for (int n = 1; n <= 49; ++n)
            if (etat.grillecour[n] == 1)
                ligne += QStringLiteral("-%1").arg(n, 2, 10, QLatin1Char('0'));
        resultat << ligne;
    }
    return resultat;
}

} // namespace

class TestListe : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void fenetre_data();
    void fenetre();
    void remplieachaqueouverture();
    void bulletins();
    void impression_data();
    void impression();
    void erreur();
    void sansimprimante();
};

void TestListe::fenetre_data() {
    QTest::addColumn<int>("langue");
    QTest::newRow("French") << 1;
    QTest::newRow("English") << 2;
}

void TestListe::fenetre() {
    QFETCH(int, langue);
    const bool en = langue == 2;
    Banc banc;
    prepare(banc, langue, 1);
    danslaliste(banc, [&](TForm5* w) {
        QVERIFY(w->isModal());
        QCOMPARE(w->size(), QSize(509, 346));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->windowTitle(),
                 en ? QStringLiteral("List of the grids ") : QStringLiteral("Liste des bulletins à cocher"));
        QCOMPARE(controle<QPushButton>(w, "BitBtn6")->text(),
                 en ? QStringLiteral("Print the list of grids")
                    : QStringLiteral("Imprimer la liste des bulletins"));
        QCOMPARE(controle<QPushButton>(w, "BitBtn2")->text(),
                 en ? QStringLiteral("Print the grids") : QStringLiteral("Imprimer les bulletins"));
        QCOMPARE(controle<QPushButton>(w, "BitBtn1")->text(),
                 en ? QStringLiteral("Return") : QStringLiteral("Retour"));
        auto* liste = controle<QListWidget>(w, "listbull");
        QCOMPARE(liste->geometry(), QRect(24, 16, 466, 228));
        QVERIFY(QFontInfo(liste->font()).fixedPitch());
        QCOMPARE(liste->font().pixelSize(), 13);
        QCOMPARE(lignes(w), attendues(banc.etat(), 1));
        QCOMPARE(lignes(w).first().left(12), QStringLiteral("Bull.: 001 :"));
        QTest::mouseClick(controle<QPushButton>(w, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    });
    QCOMPARE(banc.etat().numgrille, 1);
    QCOMPARE(banc.etat().methodecour, 1);
    QCOMPARE(banc.etat().nbgrilles, 11);
}

// Every showing builds the list afresh, from the method and numbers selected now, in the
// language of now.
void TestListe::remplieachaqueouverture() {
    Banc banc;
    prepare(banc, 1, 1);
    QStringList premiere;
    danslaliste(banc, [&premiere](TForm5* w) { premiere = lignes(w); });
    banc.changelangue(2);
    choisit(banc, 47, 20);
    danslaliste(banc, [&](TForm5* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("List of the grids "));
        const QStringList seconde = lignes(w);
        QCOMPARE(seconde.size(), 371);
        QCOMPARE(seconde, attendues(banc.etat(), 47));
        QCOMPARE(seconde.at(99).left(12), QStringLiteral("Bull.: 100 :"));
        QVERIFY(seconde != premiere);
    });
}

// The ticket printing opens the print dialog over the list, which it leaves as it was.
void TestListe::bulletins() {
    Banc banc;
    prepare(banc, 1, 2);
    danslaliste(banc, [&banc](TForm5* w) {
        const QStringList avant = lignes(w);
        QString ouverte;
        pendantmodal([&ouverte](QWidget* d) {
            ouverte = d->objectName();
            QTest::mouseClick(controle<QPushButton>(d, "boutlancer"), Qt::LeftButton);
        });
        QTest::mouseClick(controle<QPushButton>(w, "BitBtn2"), Qt::LeftButton);
        QCOMPARE(ouverte, QStringLiteral("Form7"));
        QVERIFY(w->isVisible());
        QCOMPARE(lignes(w), avant);
        QCOMPARE(int(banc.imprimantes.surfaces.size()), 1);
        QCOMPARE(banc.imprimantes.surfaces[0]->traces.front().texte, std::string(documentbulletins));
        QCOMPARE(int(banc.imprimantes.surfaces[0]->pages().size()), 3);
    });
}

void TestListe::impression_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("pages");
    // The double's A4-like page: 3300 high, L = 60, so 24 lines on the first page, 25 after.
    QTest::newRow("French, 11 grids") << 1 << 1 << 1;
    QTest::newRow("English, 371 grids") << 2 << 47 << 15;
}

// The list prints on the printer from grids expanded again, with the title of the language, and
// the window stays open.
void TestListe::impression() {
    QFETCH(int, langue);
    QFETCH(int, methode);
    QFETCH(int, pages);
    Banc banc;
    prepare(banc, langue, methode);
    danslaliste(banc, [](TForm5* w) {
        QTest::mouseClick(controle<QPushButton>(w, "BitBtn6"), Qt::LeftButton);
        QVERIFY(w->isVisible());
    });
    QVERIFY(banc.messages.messages.isEmpty());
    QCOMPARE(int(banc.imprimantes.surfaces.size()), 1);
    const SurfaceDouble& surface = *banc.imprimantes.surfaces[0];
    QCOMPARE(surface.traces.front().texte, std::string(documentliste));
    QCOMPARE(surface.compte(Genre::Ferme), 1);
    const auto imprimees = surface.pages();
    QCOMPARE(int(imprimees.size()), pages);
    QCOMPARE(imprimees[0][0].texte, std::string(langue == 2 ? "GRID S LIST" : "LISTE DES BULLETINS"));
    int lignes = 0;
    for (const auto& page : imprimees)
        for (const TexteImprime& t : page)
            lignes += t.x == 10 ? 1 : 0;
    QCOMPARE(lignes, banc.etat().methodes[methode].nbgrilles);
}

// A failing printer says so in the user's language and leaves the list on screen.
void TestListe::erreur() {
    Banc banc;
    prepare(banc, 2, 1);
    banc.imprimantes.modele.echouefermeture = true;
    danslaliste(banc, [](TForm5* w) {
        QTest::mouseClick(controle<QPushButton>(w, "BitBtn6"), Qt::LeftButton);
        QVERIFY(w->isVisible());
    });
    QCOMPARE(banc.messages.messages.size(), 1);
    QCOMPARE(banc.messages.messages[0].texte,
             QStringLiteral("Printing failed: closing refused\nThe print job was abandoned."));
    QCOMPARE(banc.imprimantes.surfaces[0]->compte(Genre::Abandon), 1);
}

// No printer: the list, too, can go to a PDF file of the user's choosing.
void TestListe::sansimprimante() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("liste.pdf"));
    Banc banc;
    prepare(banc, 1, 1);
    banc.imprimantes.installees = false;
    banc.imprimantes.choix.push_back(chemin.toStdString());
    danslaliste(banc,
                [](TForm5* w) { QTest::mouseClick(controle<QPushButton>(w, "BitBtn6"), Qt::LeftButton); });
    QCOMPARE(banc.messages.messages.size(), 2);
    QCOMPARE(banc.messages.messages[0].boutons, Boutons::OuiNon);
    QCOMPARE(banc.messages.messages[1].texte,
             QStringLiteral("Les pages ont été enregistrées dans le fichier PDF :\n") + chemin);
    QCOMPARE(banc.imprimantes.fichierspdf, std::vector<std::string>{chemin.toStdString()});
    QFile pdf(chemin);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
}

QTEST_MAIN(TestListe)
#include "test_liste.moc"

#include "engine/calculgrille.h"
#include "engine/etat.h"
#include "printing/geometrie.h"
#include "printing/impression.h"
#include "tests/commun/grilles.h"
#include "tests/support/surfacedouble.h"

#include <QTest>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace vormigral;
using vormigral::test::numeros;
using vormigral::test::SurfaceDouble;
using vormigral::test::TexteImprime;
using vormigral::test::TraceImpression;

namespace {

using Genre = TraceImpression::Genre;

// The working state as the main window leaves it when method m may be printed: its count of
// numbers ticked, spread over the whole block, and numcoch rebuilt.
TEtat etatpour(int m) {
    TEtat etat;
    initmethodes(etat.methodes);
    initbulletins(etat.typesbulletin);
    const int nb = etat.methodes[m].nbnumeros;
    for (int k = 1; k <= nb; ++k)
        etat.numcoch[k] = 1 + (k - 1) * 48 / std::max(1, nb - 1);
    return etat;
}

using Marque = std::tuple<int, int>;

// Where the marks of grid g at position p must fall on the surface.
std::vector<Marque> marquesattendues(const TEtat& etat, const SurfaceDouble& surface, int m, int type, int p,
                                     int g) {
    std::vector<Marque> resultat;
    for (int n : numeros(etat, m, g)) {
        const TPositionCase c = positioncase(etat.typesbulletin[type], p, n);
        resultat.emplace_back(convposition(surface, etat.parametres, 1, c.x),
                              convposition(surface, etat.parametres, 2, c.y));
    }
    return resultat;
}

std::vector<Marque> marques(const std::vector<TexteImprime>& page) {
    std::vector<Marque> resultat;
    for (const TexteImprime& t : page)
        resultat.emplace_back(t.x, t.y);
    return resultat;
}

} // namespace

class TestImpression : public QObject {
    Q_OBJECT

private slots:
    void decoupage_data();
    void decoupage();
    void pointsdesmarques();
    void modeetat();
    void rienaimprimer_data();
    void rienaimprimer();
    void erreurs_data();
    void erreurs();
};

void TestImpression::decoupage_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("premier");
    QTest::addColumn<int>("dernier");
    QTest::addColumn<QList<bool>>("reponses");
    // Grids of each page, in order; a page may stay empty.
    QTest::addColumn<QList<QList<int>>>("pages");
    QTest::addColumn<int>("invites");

    using L = QList<QList<int>>;
    QTest::newRow("1..9 on type 1") << 1 << 1 << 1 << 1 << 9 << QList<bool>{}
                                    << L{{1, 2, 3, 4, 5, 6, 7, 8}, {9}} << 0;
    QTest::newRow("5..7 on type 2") << 1 << 2 << 1 << 5 << 7 << QList<bool>{} << L{{5, 6, 7}} << 0;
    QTest::newRow("13 grids on type 2, mode 2") << 2 << 2 << 2 << 3 << 15 << QList<bool>{true, true}
                                                << L{{3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14}, {15}} << 2;
    QTest::newRow("13 grids on type 2, mode 1, no prompt")
        << 2 << 2 << 1 << 1 << 13 << QList<bool>{} << L{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13}} << 0;
    QTest::newRow("cancel at the first prompt")
        << 2 << 2 << 2 << 1 << 13 << QList<bool>{false} << L{{1, 2, 3, 4, 5, 6}} << 1;
    QTest::newRow("cancel at the second prompt") << 2 << 2 << 2 << 1 << 13 << QList<bool>{true, false}
                                                 << L{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}} << 2;
    QTest::newRow("first = last, mode 1") << 1 << 1 << 1 << 4 << 4 << QList<bool>{} << L{{4}} << 0;
    QTest::newRow("first = last, mode 2") << 1 << 2 << 2 << 11 << 11 << QList<bool>{} << L{{11}} << 0;
    QTest::newRow("a full slip, no prompt after it")
        << 1 << 1 << 2 << 1 << 8 << QList<bool>{} << L{{1, 2, 3, 4, 5, 6, 7, 8}} << 0;
    QTest::newRow("first below 1 prints the series")
        << 1 << 2 << 1 << 0 << 3 << QList<bool>{} << L{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11}} << 0;
    QTest::newRow("last beyond the count prints the series")
        << 1 << 2 << 1 << 4 << 12 << QList<bool>{} << L{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11}} << 0;
    QTest::newRow("empty range: a job with nothing on it")
        << 1 << 1 << 1 << 7 << 6 << QList<bool>{} << L{{}} << 0;
}

// The grids of the range fill the slips in order, the first one at position 1 whatever its
// number, each slip taking as many as the ticket type has; in mode 2 a prompt comes before each
// slip after the first, and Cancel stops before the grid that would have begun the new slip.
void TestImpression::decoupage() {
    QFETCH(int, methode);
    QFETCH(int, type);
    QFETCH(int, mode);
    QFETCH(int, premier);
    QFETCH(int, dernier);
    QFETCH(QList<bool>, reponses);
    QFETCH(QList<QList<int>>, pages);
    QFETCH(int, invites);

    TEtat etat = etatpour(methode);
    etat.parametres.decalh = 2;
    etat.parametres.decalv = -1;
    SurfaceDouble surface;
    surface.decx = 50;
    surface.decy = 40;
    int posees = 0;
    const TBilanImpression bilan =
        imprimebulletins(etat, surface, methode, type, mode, premier, dernier,
                         [&posees, &reponses] { return reponses.value(posees++, true); });

    QCOMPARE(posees, invites);
    // Each prompt follows the sending of the slip before it.
    QCOMPARE(surface.compte(Genre::Envoi), invites);
    for (std::size_t i = 0; i + 1 < surface.traces.size(); ++i)
        if (surface.traces[i].genre == Genre::Envoi)
            QVERIFY(surface.traces[i + 1].genre == Genre::Page ||
                    surface.traces[i + 1].genre == Genre::Ferme);
    QCOMPARE(surface.compte(Genre::Ouvre), 1);
    QCOMPARE(surface.compte(Genre::Ferme), 1);
    QCOMPARE(surface.compte(Genre::Abandon), 0);
    QCOMPARE(surface.traces.front().texte, std::string(documentbulletins));
    QCOMPARE(surface.traces.back().genre, Genre::Ferme);
    const auto imprimees = surface.pages();
    QCOMPARE(int(imprimees.size()), int(pages.size()));
    QCOMPARE(bilan.pages, int(pages.size()));
    QCOMPARE(bilan.interrompu, reponses.contains(false));
    int grilles = 0;
    for (int i = 0; i < pages.size(); ++i) {
        std::vector<Marque> attendues;
        for (int p = 1; p <= pages[i].size(); ++p) {
            const auto grille = marquesattendues(etat, surface, methode, type, p, pages[i][p - 1]);
            attendues.insert(attendues.end(), grille.begin(), grille.end());
        }
        std::vector<Marque> obtenues = marques(imprimees[i]);
        std::sort(attendues.begin(), attendues.end());
        std::sort(obtenues.begin(), obtenues.end());
        QCOMPARE(obtenues, attendues);
        QCOMPARE(int(obtenues.size()), 6 * int(pages[i].size()));
        for (const TexteImprime& t : imprimees[i]) {
            QCOMPARE(t.texte, std::string("X"));
            QCOMPARE(t.police, std::string("Fixedsys"));
            QCOMPARE(t.points, 9);
            QVERIFY(t.gras);
        }
        grilles += pages[i].size();
    }
    QCOMPARE(bilan.grilles, grilles);
}

// One grid worked out by hand from the slip's measurements: the marks land on the boxes of its
// six numbers, shifted by the printer's unprintable margin and by the user's offsets.
void TestImpression::pointsdesmarques() {
    TEtat etat = etatpour(1);
    etat.parametres.decalh = 2;
    etat.parametres.decalv = -1;
    SurfaceDouble surface;
    surface.resx = 600;
    surface.resy = 300;
    surface.decx = 50;
    surface.decy = 40;
    imprimebulletins(etat, surface, 1, 2, 1, 2, 2, {});
    const auto page = surface.pages().at(0);
    std::vector<Marque> obtenues = marques(page);
    std::vector<Marque> attendues;
    for (int n : numeros(etat, 1, 2)) {
        const double x = 1.10 + (n / 10) * 0.40;
        const double y = 1.00 + (n % 10) * 0.63;
        attendues.emplace_back(int(std::nearbyint(600 * x / 2.54 - 50 + 600 * 0.2 / 2.54)),
                               int(std::nearbyint(300 * y / 2.54 - 40 - 300 * 0.1 / 2.54)));
    }
    std::sort(obtenues.begin(), obtenues.end());
    std::sort(attendues.begin(), attendues.end());
    QCOMPARE(obtenues, attendues);
}

// The run leaves the shared state as every grid window does: numgrille 1, the method and its
// grid count, the last grid printed in grillecour (the viewer redrawn once, not per grid); and the
// ticket table filled afresh.
void TestImpression::modeetat() {
    TEtat etat = etatpour(2);
    etat.typesbulletin[2].nbgrillesbull = 99;
    etat.numgrille = 7;
    int redessins = 0;
    etat.affichegrille = [&redessins] { ++redessins; };
    SurfaceDouble surface;
    imprimebulletins(etat, surface, 2, 2, 1, 3, 9, {});
    QCOMPARE(etat.numgrille, 1);
    QCOMPARE(etat.methodecour, 2);
    QCOMPARE(etat.nbgrilles, 20);
    QCOMPARE(etat.typesbulletin[2].nbgrillesbull, 6);
    QCOMPARE(surface.compte(Genre::Page), 1);
    QCOMPARE(redessins, 1);
    const std::vector<int> dernier = numeros(etatpour(2), 2, 9);
    for (int n : dernier)
        QCOMPARE(etat.grillecour[n], 1);
}

void TestImpression::rienaimprimer_data() {
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("type");
    QTest::newRow("no method selected") << -1 << 1;
    QTest::newRow("method 0") << 0 << 1;
    QTest::newRow("method 51") << 51 << 2;
    QTest::newRow("ticket type 0") << 1 << 0;
    QTest::newRow("ticket type 3") << 1 << 3;
}

// Nothing that names no method or no ticket type reaches the printer, and the state is left alone.
void TestImpression::rienaimprimer() {
    QFETCH(int, methode);
    QFETCH(int, type);
    TEtat etat = etatpour(1);
    etat.methodecour = 5;
    etat.nbgrilles = 3;
    SurfaceDouble surface;
    const TBilanImpression bilan = imprimebulletins(etat, surface, methode, type, 1, 1, 1, {});
    QVERIFY(!bilan.travail);
    QVERIFY(surface.traces.empty());
    QCOMPARE(etat.methodecour, 5);
    QCOMPARE(etat.nbgrilles, 3);
}

void TestImpression::erreurs_data() {
    QTest::addColumn<int>("ou"); // 0 opening, 1 second page, 2 a text, 3 closing
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("textes");
    QTest::newRow("at the opening") << 0 << QStringLiteral("opening refused") << 0;
    QTest::newRow("at the second slip") << 1 << QStringLiteral("page refused") << 48;
    QTest::newRow("in the middle of a grid") << 2 << QStringLiteral("text refused") << 9;
    QTest::newRow("at the closing") << 3 << QStringLiteral("closing refused") << 66;
}

// An error of the printing layer ends the run where it happens and goes up to the caller; a job
// that was open is abandoned, never closed as if it had printed.
void TestImpression::erreurs() {
    QFETCH(int, ou);
    QFETCH(QString, texte);
    QFETCH(int, textes);
    TEtat etat = etatpour(2);
    SurfaceDouble surface;
    surface.echoueouverture = ou == 0;
    surface.echouepage = ou == 1 ? 1 : 0;
    surface.echouetexte = ou == 2 ? 10 : 0;
    surface.echouefermeture = ou == 3;
    bool leve = false;
    try {
        imprimebulletins(etat, surface, 2, 1, 1, 1, 11, {});
    } catch (const ErreurImpression& erreur) {
        leve = true;
        QCOMPARE(QString::fromStdString(erreur.detail()), texte);
    }
    QVERIFY(leve);
    QCOMPARE(surface.compte(Genre::Ferme), 0);
    QCOMPARE(surface.compte(Genre::Abandon), ou == 0 ? 0 : 1);
    QCOMPARE(surface.compte(Genre::Texte), textes);
}

QTEST_APPLESS_MAIN(TestImpression)
#include "test_impression.moc"

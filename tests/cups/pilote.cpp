// The printing chain end to end, through the real Qt surface:
//   pilote_impression imprime <attentes>                 prints known jobs on the default printer
//   pilote_impression verifie <attentes> <dossier> <pdf>...  checks the PDF files the printer made
//   pilote_impression pdf <dossier>                      prints the same jobs to PDF files and checks
//   pilote_impression fenetres [QTest arguments]         the print windows on real queues (fenetres.cpp)
// The expected positions come from the slip measurements, not from what the program drew; the
// preview's are compared with the paper's.

#include "engine/calculgrille.h"
#include "engine/etat.h"
#include "printer/cups.h"
#include "printer/imprimantes_qt.h"
#include "printer/surface_qt.h"
#include "printer/travailcups.h"
#include "printing/calage.h"
#include "printing/geometrie.h"
#include "printing/impression.h"
#include "printing/liste.h"
#include "printing/relais.h"
#include "tests/cups/fenetres.h"
#include "tests/cups/lecturepdf.h"
#include "tests/support/doubles.h"
#include "windows/apercu.h"
#include "windows/imprimer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

using namespace vormigral;
using namespace vormigral::test;

namespace {

constexpr int decalh = 3;
constexpr int decalv = -2;

struct MarqueAttendue {
    int page;
    double xgeo, ygeo; // the box on the sheet with the user's offsets, in points
    double xdev, ydev; // the device point the box was rounded to, in points on the sheet
};

struct LigneAttendue {
    int page;
    int grille;
    double x, y; // top-left of the grid number's cell, in points on the sheet
};

// The outline of a mark's cell on a calibration sheet, in points on the sheet.
struct CadreAttendu {
    double x, y, largeur, hauteur;
};

struct Travail {
    QString genre; // "bulletins", "liste" or "calage"
    int pages = 0;
    std::vector<MarqueAttendue> marques;
    std::vector<LigneAttendue> lignes;
    double titre = 0; // horizontal centre of the list's title
    std::vector<CadreAttendu> cadres;
    QString apercu; // what the preview window paints for the same run, as a PDF file
};

struct Attentes {
    QRectF encre; // ink of a mark from its cell's top-left corner, in points
    std::vector<Travail> travaux;
};

// Forwards to a real surface and notes where each text went, page by page.
class Enregistreuse final : public RelaisSurface {
public:
    struct Texte {
        std::int32_t x, y;
        std::string texte;
        std::int32_t points;
    };
    using RelaisSurface::RelaisSurface;
    void ouvre(const std::string& d) override {
        RelaisSurface::ouvre(d);
        pages.assign(1, {});
    }
    void nouvellepage() override {
        RelaisSurface::nouvellepage();
        pages.emplace_back();
    }
    void police(const std::string& n, std::int32_t p, bool g) override {
        RelaisSurface::police(n, p, g);
        points_ = p;
    }
    void ecrit(std::int32_t x, std::int32_t y, const std::string& t) override {
        RelaisSurface::ecrit(x, y, t);
        pages.back().push_back({x, y, t, points_});
    }

    std::vector<std::vector<Texte>> pages;

private:
    std::int32_t points_ = 0;
};

TEtat etatpour(int m) {
    TEtat etat;
    initmethodes(etat.methodes);
    initbulletins(etat.typesbulletin);
    const int nb = etat.methodes[m].nbnumeros;
    for (int k = 1; k <= nb; ++k)
        etat.numcoch[k] = 1 + (k - 1) * 48 / (nb - 1);
    etat.parametres.decalh = decalh;
    etat.parametres.decalv = decalv;
    return etat;
}

double enpoints(double dots, int resolution) {
    return dots * 72.0 / resolution;
}

// Grids premier..dernier of method m on slips of type `type`: where each mark must go.
Travail bulletins(SurfaceImpression& surface, int m, int type, int premier, int dernier, int mode = 1) {
    TEtat etat = etatpour(m);
    Enregistreuse enregistreuse(surface);
    imprimebulletins(etat, enregistreuse, m, type, mode, premier, dernier, [] { return true; });

    Travail travail{QStringLiteral("bulletins"), int(enregistreuse.pages.size()), {}, {}, 0, {}, {}};
    TEtat grilles = etatpour(m);
    grilles.methodecour = m;
    grilles.nbgrilles = grilles.methodes[m].nbgrilles;
    const TTypeBulletin& bulletin = grilles.typesbulletin[type];
    for (int g = premier; g <= dernier; ++g) {
        const int rang = g - premier;
        const int page = rang / bulletin.nbgrillesbull;
        const int p = rang % bulletin.nbgrillesbull + 1;
        calculgrille(grilles, g);
        for (int n = 1; n <= 49; ++n) {
            if (grilles.grillecour[n] != 1)
                continue;
            const double x = bulletin.xdep + (p - 1) * bulletin.pasgrille + (n / 10) * bulletin.pascol;
            const double y = bulletin.ydep + (n % 10) * bulletin.paslig;
            const int rx = surface.resolutionx();
            const int ry = surface.resolutiony();
            const TPositionCase c = positioncase(bulletin, p, n);
            travail.marques.push_back(
                {page, (x + decalh * 0.1) / 2.54 * 72, (y + decalv * 0.1) / 2.54 * 72,
                 enpoints(convposition(surface, etat.parametres, 1, c.x) + surface.decalagex(), rx),
                 enpoints(convposition(surface, etat.parametres, 2, c.y) + surface.decalagey(), ry)});
        }
    }
    return travail;
}

Travail liste(SurfaceImpression& surface, int m) {
    TEtat etat = etatpour(m);
    Enregistreuse enregistreuse(surface);
    imprimeliste(etat, enregistreuse, m, "LISTE DES BULLETINS");
    const int rx = surface.resolutionx();
    const int ry = surface.resolutiony();
    Travail travail{QStringLiteral("liste"), int(enregistreuse.pages.size()), {}, {}, 0, {}, {}};
    travail.titre = enpoints(surface.decalagex() + surface.largeurpage() / 2.0, rx);
    for (int page = 0; page < int(enregistreuse.pages.size()); ++page)
        for (const auto& t : enregistreuse.pages[page])
            if (t.points == 10 && t.x == 10)
                travail.lignes.push_back({page, std::stoi(t.texte), enpoints(t.x + surface.decalagex(), rx),
                                          enpoints(t.y + surface.decalagey(), ry)});
    return travail;
}

// Slips one at a time: a printer gets each slip as a job of its own, a file keeps them all.
std::vector<Travail> unparun(SurfaceImpression& surface, int m, int type, int premier, int dernier,
                             bool separe) {
    const Travail tout = bulletins(surface, m, type, premier, dernier, 2);
    if (!separe)
        return {tout};
    std::vector<Travail> travaux(static_cast<std::size_t>(tout.pages));
    for (Travail& t : travaux) {
        t.genre = tout.genre;
        t.pages = 1;
    }
    for (MarqueAttendue marque : tout.marques) {
        const int page = marque.page;
        marque.page = 0;
        travaux.at(static_cast<std::size_t>(page)).marques.push_back(marque);
    }
    return travaux;
}

// The cell of an "X" on the printer, in points: the printer's own font metrics.
QSizeF cellule() {
    QPrinter imprimante(QPrinter::HighResolution);
    const QFontMetricsF mesure(SurfaceQt::policeimprimante(QStringLiteral("Fixedsys"), 9, true), &imprimante);
    return {mesure.horizontalAdvance(QStringLiteral("X")) * 72.0 / imprimante.logicalDpiX(),
            mesure.height() * 72.0 / imprimante.logicalDpiY()};
}

// The calibration sheet of slip type `type`: where each outline must be, from the slip measurements.
Travail calage(SurfaceImpression& surface, int type) {
    TEtat etat = etatpour(1);
    // The window passes the sheet's words in the program's language; they do not move an outline.
    imprimecalage(
        etat, surface, type,
        {"CALIBRATION SHEET", "Offsets applied",
         "Each frame shows where the printer will put the cross of a number. Lay this sheet on a play "
         "slip and look through it against the light."});
    Travail travail{QStringLiteral("calage"), 1, {}, {}, 0, {}, {}};
    const TTypeBulletin& b = etat.typesbulletin[type];
    const QSizeF c = cellule();
    for (int p = 1; p <= b.nbgrillesbull; ++p)
        for (int n = 1; n <= 49; ++n)
            travail.cadres.push_back(
                {(b.xdep + (p - 1) * b.pasgrille + (n / 10) * b.pascol + decalh * 0.1) / 2.54 * 72,
                 (b.ydep + (n % 10) * b.paslig + decalv * 0.1) / 2.54 * 72, c.width(), c.height()});
    return travail;
}

// The preview window's painting of the slips of a run, laid out as printer `file`, into a PDF file.
void apercu(TApercu& fenetre, int m, int type, int premier, int dernier, const std::string& file,
            const QString& chemin) {
    TEtat etat = etatpour(m);
    SurfaceQt pages(SurfaceQt::Sortie::Apercu, QString::fromStdString(file));
    imprimebulletins(etat, pages, m, type, 1, premier, dernier, {});
    fenetre.prepare(pages, nullptr, GenreApercu::Bulletins, file);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(chemin);
    fenetre.peint(&pdf);
}

Attentes imprime(const std::function<std::unique_ptr<SurfaceImpression>(int)>& surface, bool surimprimante,
                 TApercu& fenetre, const std::string& file, const QDir& dossier) {
    Attentes attentes;
    {
        const std::unique_ptr<SurfaceImpression> s = surface(0);
        attentes.travaux.push_back(bulletins(*s, 1, 1, 1, 9));
        attentes.travaux.back().apercu = dossier.filePath(QStringLiteral("apercu-1.pdf"));
        apercu(fenetre, 1, 1, 1, 9, file, attentes.travaux.back().apercu);
    }
    {
        const std::unique_ptr<SurfaceImpression> s = surface(1);
        attentes.travaux.push_back(bulletins(*s, 1, 2, 2, 11));
        attentes.travaux.back().apercu = dossier.filePath(QStringLiteral("apercu-2.pdf"));
        apercu(fenetre, 1, 2, 2, 11, file, attentes.travaux.back().apercu);
    }
    {
        const std::unique_ptr<SurfaceImpression> s = surface(2);
        attentes.travaux.push_back(liste(*s, 47));
    }
    {
        const std::unique_ptr<SurfaceImpression> s = surface(3);
        for (Travail& t : unparun(*s, 1, 2, 3, 10, surimprimante))
            attentes.travaux.push_back(std::move(t));
    }
    for (int type = 1; type <= nbtypesbulletin; ++type) {
        const std::unique_ptr<SurfaceImpression> s = surface(4 + type);
        attentes.travaux.push_back(calage(*s, type));
    }
    // The ink of an "X" from its cell's corner, measured on the printer's own font metrics.
    QPrinter imprimante(QPrinter::HighResolution);
    const QFontMetricsF mesure(SurfaceQt::policeimprimante(QStringLiteral("Fixedsys"), 9, true), &imprimante);
    const QRectF encre = mesure.tightBoundingRect(QStringLiteral("X")).translated(0, mesure.ascent());
    const double e = 72.0 / imprimante.logicalDpiX();
    attentes.encre = QRectF(encre.left() * e, encre.top() * e, encre.width() * e, encre.height() * e);
    return attentes;
}

bool ecris(const Attentes& a, const QString& fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream s(&f);
    s.setRealNumberPrecision(10);
    s << "encre " << a.encre.left() << ' ' << a.encre.top() << ' ' << a.encre.right() << ' '
      << a.encre.bottom() << '\n';
    for (const Travail& t : a.travaux) {
        s << "travail " << t.genre << ' ' << t.pages << ' ' << t.titre << '\n';
        for (const MarqueAttendue& m : t.marques)
            s << "marque " << m.page << ' ' << m.xgeo << ' ' << m.ygeo << ' ' << m.xdev << ' ' << m.ydev
              << '\n';
        for (const LigneAttendue& l : t.lignes)
            s << "ligne " << l.page << ' ' << l.grille << ' ' << l.x << ' ' << l.y << '\n';
        for (const CadreAttendu& c : t.cadres)
            s << "cadre " << c.x << ' ' << c.y << ' ' << c.largeur << ' ' << c.hauteur << '\n';
        if (!t.apercu.isEmpty())
            s << "apercu " << t.apercu << '\n';
    }
    return true;
}

bool lis(Attentes& a, const QString& fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream s(&f);
    while (!s.atEnd()) {
        const QStringList c = s.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (c.isEmpty())
            continue;
        if (c[0] == QLatin1String("encre") && c.size() == 5)
            a.encre =
                QRectF(QPointF(c[1].toDouble(), c[2].toDouble()), QPointF(c[3].toDouble(), c[4].toDouble()));
        else if (c[0] == QLatin1String("travail") && c.size() == 4)
            a.travaux.push_back({c[1], c[2].toInt(), {}, {}, c[3].toDouble(), {}, {}});
        else if (c[0] == QLatin1String("marque") && c.size() == 6 && !a.travaux.empty())
            a.travaux.back().marques.push_back(
                {c[1].toInt(), c[2].toDouble(), c[3].toDouble(), c[4].toDouble(), c[5].toDouble()});
        else if (c[0] == QLatin1String("ligne") && c.size() == 5 && !a.travaux.empty())
            a.travaux.back().lignes.push_back({c[1].toInt(), c[2].toInt(), c[3].toDouble(), c[4].toDouble()});
        else if (c[0] == QLatin1String("cadre") && c.size() == 5 && !a.travaux.empty())
            a.travaux.back().cadres.push_back(
                {c[1].toDouble(), c[2].toDouble(), c[3].toDouble(), c[4].toDouble()});
        else if (c[0] == QLatin1String("apercu") && c.size() == 2 && !a.travaux.empty())
            a.travaux.back().apercu = c[1];
        else
            return false;
    }
    return true;
}

// Counts the failed checks and says what each found.
struct Bilan {
    int echecs = 0;
    void verifie(bool ok, const QString& quoi) {
        if (!ok) {
            ++echecs;
            std::fprintf(stderr, "FAIL: %s\n", qPrintable(quoi));
        }
    }
};

constexpr double demipoint = 0.5;

// Vertical text positions are exact when `exact`; otherwise (a PDF rewritten by the print
// filters) only relative to one another, and the absolute position comes from the ink.
void verifiebulletins(const Travail& t, const QString& pdf, const QRectF& encre, bool exact,
                      const QString& dossier, const QString& nom, Bilan& bilan) {
    QString erreur;
    const std::vector<PagePdf> pages = motspdf(pdf, &erreur);
    bilan.verifie(erreur.isEmpty(), erreur);
    bilan.verifie(int(pages.size()) == t.pages,
                  QStringLiteral("%1: %2 pages, %3 expected").arg(nom).arg(pages.size()).arg(t.pages));
    const auto encres = encrespdf(pdf, 300, dossier, nom, &erreur);
    bilan.verifie(encres.size() == pages.size(), QStringLiteral("%1: render failed %2").arg(nom, erreur));
    double dxtexte = 0, dytexte = 0, dxencre = 0, dyencre = 0;
    std::vector<double> ecartsy;
    for (int page = 0; page < int(pages.size()) && page < t.pages; ++page) {
        std::vector<MarqueAttendue> attendues;
        for (const MarqueAttendue& m : t.marques)
            if (m.page == page)
                attendues.push_back(m);
        std::vector<MotPdf> mots;
        for (const MotPdf& mot : pages[page].mots)
            mots.push_back(mot);
        bilan.verifie(mots.size() == attendues.size(),
                      QStringLiteral("%1 page %2: %3 words, %4 marks expected")
                          .arg(nom)
                          .arg(page + 1)
                          .arg(mots.size())
                          .arg(attendues.size()));
        // Pair marks and words column by column, in vertical order.
        std::map<long, std::vector<MarqueAttendue>> colonnes;
        for (const MarqueAttendue& m : attendues)
            colonnes[std::lround(m.xdev * 100)].push_back(m);
        int apparies = 0;
        for (auto& [cle, colonne] : colonnes) {
            std::vector<MotPdf> trouves;
            for (const MotPdf& mot : mots)
                if (std::abs(mot.boite.left() - colonne.front().xdev) < 0.25)
                    trouves.push_back(mot);
            std::sort(colonne.begin(), colonne.end(), [](auto& a, auto& b) { return a.ydev < b.ydev; });
            std::sort(trouves.begin(), trouves.end(),
                      [](auto& a, auto& b) { return a.boite.top() < b.boite.top(); });
            if (trouves.size() != colonne.size())
                continue;
            for (std::size_t i = 0; i < colonne.size(); ++i) {
                const MotPdf& mot = trouves[i];
                const MarqueAttendue& m = colonne[i];
                bilan.verifie(mot.texte == QLatin1String("X"),
                              nom + QStringLiteral(": a word is not X: ") + mot.texte);
                dxtexte = std::max(dxtexte, std::abs(mot.boite.left() - m.xgeo));
                if (exact) {
                    bilan.verifie(std::abs(mot.boite.left() - m.xdev) < 0.01 &&
                                      std::abs(mot.boite.top() - m.ydev) < 0.01,
                                  QStringLiteral("%1: word at %2,%3 for the cell at %4,%5")
                                      .arg(nom)
                                      .arg(mot.boite.left())
                                      .arg(mot.boite.top())
                                      .arg(m.xdev)
                                      .arg(m.ydev));
                    dytexte = std::max(dytexte, std::abs(mot.boite.top() - m.ygeo));
                }
                ecartsy.push_back(mot.boite.top() - m.ydev);
                ++apparies;
            }
        }
        bilan.verifie(apparies == int(attendues.size()),
                      QStringLiteral("%1 page %2: %3 of %4 marks found in their columns")
                          .arg(nom)
                          .arg(page + 1)
                          .arg(apparies)
                          .arg(attendues.size()));
        // The ink: one blot per mark, each where the geometry puts the mark's "X".
        if (page < int(encres.size())) {
            std::vector<QRectF> taches = encres[page];
            bilan.verifie(taches.size() == attendues.size(),
                          QStringLiteral("%1 page %2: %3 ink blots, %4 marks")
                              .arg(nom)
                              .arg(page + 1)
                              .arg(taches.size())
                              .arg(attendues.size()));
            for (const MarqueAttendue& m : attendues) {
                const QPointF centre = QPointF(m.xgeo, m.ygeo) + encre.center();
                auto proche = std::min_element(
                    taches.begin(), taches.end(), [&centre](const QRectF& a, const QRectF& b) {
                        return QLineF(a.center(), centre).length() < QLineF(b.center(), centre).length();
                    });
                if (proche == taches.end()) {
                    bilan.verifie(false, nom + QStringLiteral(": a mark has no ink"));
                    continue;
                }
                dxencre = std::max(dxencre, std::abs(proche->center().x() - centre.x()));
                dyencre = std::max(dyencre, std::abs(proche->center().y() - centre.y()));
                taches.erase(proche);
            }
        }
    }
    double dispersion = 0;
    if (!ecartsy.empty()) {
        const auto [bas, haut] = std::minmax_element(ecartsy.begin(), ecartsy.end());
        dispersion = *haut - *bas;
    }
    bilan.verifie(dxtexte <= demipoint, QStringLiteral("%1: text x off by %2 pt").arg(nom).arg(dxtexte));
    bilan.verifie(dytexte <= demipoint, QStringLiteral("%1: text y off by %2 pt").arg(nom).arg(dytexte));
    bilan.verifie(dispersion <= 0.05, QStringLiteral("%1: relative y spread %2 pt").arg(nom).arg(dispersion));
    bilan.verifie(dxencre <= demipoint && dyencre <= demipoint,
                  QStringLiteral("%1: ink off by %2, %3 pt").arg(nom).arg(dxencre).arg(dyencre));
    std::printf(
        "%s: %d pages, %d marks; text x within %.4f pt of the slip geometry%s; text y spread %.4f pt; "
        "ink within %.3f pt across, %.3f pt down\n",
        qPrintable(nom), int(pages.size()), int(t.marques.size()), dxtexte,
        exact ? qPrintable(QStringLiteral(", y within %1 pt").arg(dytexte, 0, 'f', 4)) : "", dispersion,
        dxencre, dyencre);
}

void verifieliste(const Travail& t, const QString& pdf, bool exact, const QString& nom, Bilan& bilan) {
    QString erreur;
    const std::vector<PagePdf> pages = motspdf(pdf, &erreur);
    bilan.verifie(erreur.isEmpty(), erreur);
    bilan.verifie(int(pages.size()) == t.pages,
                  QStringLiteral("%1: %2 pages, %3 expected").arg(nom).arg(pages.size()).arg(t.pages));
    int lignes = 0;
    double ecart = 0;
    for (int page = 0; page < int(pages.size()) && page < t.pages; ++page) {
        std::vector<LigneAttendue> attendues;
        for (const LigneAttendue& l : t.lignes)
            if (l.page == page)
                attendues.push_back(l);
        std::vector<MotPdf> numeros;
        for (const MotPdf& mot : pages[page].mots)
            if (!attendues.empty() && std::abs(mot.boite.left() - attendues.front().x) < 0.25)
                numeros.push_back(mot);
        std::sort(numeros.begin(), numeros.end(),
                  [](auto& a, auto& b) { return a.boite.top() < b.boite.top(); });
        bilan.verifie(numeros.size() == attendues.size(), QStringLiteral("%1 page %2: %3 lines, %4 expected")
                                                              .arg(nom)
                                                              .arg(page + 1)
                                                              .arg(numeros.size())
                                                              .arg(attendues.size()));
        for (std::size_t i = 0; i < numeros.size() && i < attendues.size(); ++i) {
            bilan.verifie(numeros[i].texte.toInt() == attendues[i].grille,
                          QStringLiteral("%1: line of grid %2 reads %3")
                              .arg(nom)
                              .arg(attendues[i].grille)
                              .arg(numeros[i].texte));
            // Relative positions: each line's step from the page's first line.
            const double y = numeros[i].boite.top() - (exact ? 0 : numeros[0].boite.top() - attendues[0].y);
            ecart = std::max(ecart, std::abs(y - attendues[i].y));
            const int mots =
                int(std::count_if(pages[page].mots.begin(), pages[page].mots.end(), [&](const MotPdf& m) {
                    return std::abs(m.boite.top() - numeros[i].boite.top()) < 0.5;
                }));
            bilan.verifie(mots == 7, QStringLiteral("%1: line of grid %2 has %3 words")
                                         .arg(nom)
                                         .arg(attendues[i].grille)
                                         .arg(mots));
            ++lignes;
        }
    }
    bilan.verifie(lignes == int(t.lignes.size()),
                  QStringLiteral("%1: %2 lines, %3 expected").arg(nom).arg(lignes).arg(t.lignes.size()));
    bilan.verifie(ecart < 0.05, QStringLiteral("%1: lines off by %2 pt").arg(nom).arg(ecart));
    double gauche = 1e9, droite = -1e9;
    if (!pages.empty())
        for (const MotPdf& mot : pages[0].mots)
            if (mot.texte == QLatin1String("LISTE") || mot.texte == QLatin1String("DES") ||
                mot.texte == QLatin1String("BULLETINS")) {
                gauche = std::min(gauche, mot.boite.left());
                droite = std::max(droite, mot.boite.right());
            }
    const double centre = (gauche + droite) / 2;
    bilan.verifie(
        std::abs(centre - t.titre) <= demipoint,
        QStringLiteral("%1: title centred at %2 pt, %3 expected").arg(nom).arg(centre).arg(t.titre));
    std::printf("%s: %d pages, %d lines, each line within %.4f pt; title centred within %.3f pt\n",
                qPrintable(nom), int(pages.size()), lignes, ecart, std::abs(centre - t.titre));
}

// Every outline of the calibration sheet where the slip measurements put the cell of its mark: the
// ink of each outline centred within half a point, and of the cell's size.
void verifiecalage(const Travail& t, const QString& pdf, const QString& dossier, const QString& nom,
                   Bilan& bilan) {
    QString erreur;
    const auto encres = encrespdf(pdf, 300, dossier, nom, &erreur);
    bilan.verifie(encres.size() == 1,
                  QStringLiteral("%1: %2 pages, 1 expected %3").arg(nom).arg(encres.size()).arg(erreur));
    if (encres.empty())
        return;
    std::vector<QRectF> taches = encres[0];
    double dx = 0, dy = 0, dtaille = 0;
    for (const CadreAttendu& c : t.cadres) {
        const QPointF centre(c.x + c.largeur / 2, c.y + c.hauteur / 2);
        const auto proche =
            std::min_element(taches.begin(), taches.end(), [&centre](const QRectF& a, const QRectF& b) {
                return QLineF(a.center(), centre).length() < QLineF(b.center(), centre).length();
            });
        if (proche == taches.end()) {
            bilan.verifie(false, nom + QStringLiteral(": an outline has no ink"));
            continue;
        }
        dx = std::max(dx, std::abs(proche->center().x() - centre.x()));
        dy = std::max(dy, std::abs(proche->center().y() - centre.y()));
        // The ink is the outline plus its line's width, a few tenths of a point.
        dtaille = std::max(
            {dtaille, std::abs(proche->width() - c.largeur), std::abs(proche->height() - c.hauteur)});
        taches.erase(proche);
    }
    bilan.verifie(dx <= demipoint && dy <= demipoint,
                  QStringLiteral("%1: outlines off by %2, %3 pt").arg(nom).arg(dx).arg(dy));
    bilan.verifie(dtaille <= 1.0, QStringLiteral("%1: outlines' size off by %2 pt").arg(nom).arg(dtaille));
    std::printf("%s: %d box outlines; centres within %.3f pt across, %.3f pt down; size within %.3f pt\n",
                qPrintable(nom), int(t.cadres.size()), dx, dy, dtaille);
}

// The preview window's marks where the printed ones are: as many "X" on every page, each printed
// one with a preview one at the same place across (text) and on the sheet (ink), within half a point.
void verifieapercu(const Travail& t, const QString& pdf, const QString& dossier, const QString& nom,
                   Bilan& bilan) {
    QString erreur;
    const std::vector<PagePdf> imprime = motspdf(pdf, &erreur);
    const std::vector<PagePdf> vu = motspdf(t.apercu, &erreur);
    const auto encresimprime = encrespdf(pdf, 300, dossier, nom + QStringLiteral("-papier"), &erreur);
    const auto encresvu = encrespdf(t.apercu, 300, dossier, nom + QStringLiteral("-apercu"), &erreur);
    bilan.verifie(erreur.isEmpty(), erreur);
    bilan.verifie(
        imprime.size() == vu.size() && encresimprime.size() == encresvu.size(),
        QStringLiteral("%1: %2 pages printed, %3 previewed").arg(nom).arg(imprime.size()).arg(vu.size()));
    double dtexte = 0, dencre = 0;
    int marques = 0;
    for (std::size_t page = 0; page < imprime.size() && page < vu.size(); ++page) {
        auto abscisses = [](const PagePdf& p) {
            std::vector<double> x;
            for (const MotPdf& m : p.mots)
                x.push_back(m.boite.left());
            std::sort(x.begin(), x.end());
            return x;
        };
        const std::vector<double> a = abscisses(imprime[page]);
        const std::vector<double> b = abscisses(vu[page]);
        bilan.verifie(a.size() == b.size(), QStringLiteral("%1 page %2: %3 marks printed, %4 previewed")
                                                .arg(nom)
                                                .arg(page + 1)
                                                .arg(a.size())
                                                .arg(b.size()));
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
            dtexte = std::max(dtexte, std::abs(a[i] - b[i]));
        if (page >= encresimprime.size() || page >= encresvu.size())
            continue;
        std::vector<QRectF> restantes = encresvu[page];
        for (const QRectF& tache : encresimprime[page]) {
            const auto proche = std::min_element(restantes.begin(), restantes.end(),
                                                 [&tache](const QRectF& x, const QRectF& y) {
                                                     return QLineF(x.center(), tache.center()).length() <
                                                            QLineF(y.center(), tache.center()).length();
                                                 });
            if (proche == restantes.end())
                break;
            dencre = std::max({dencre, std::abs(proche->center().x() - tache.center().x()),
                               std::abs(proche->center().y() - tache.center().y())});
            restantes.erase(proche);
            ++marques;
        }
    }
    bilan.verifie(dtexte <= demipoint && dencre <= demipoint,
                  QStringLiteral("%1: preview off the paper by %2 pt (text), %3 pt (ink)")
                      .arg(nom)
                      .arg(dtexte)
                      .arg(dencre));
    std::printf("%s: preview and paper agree on %d marks within %.3f pt (text across), %.3f pt (ink)\n",
                qPrintable(nom), marques, dtexte, dencre);
}

int verifie(const Attentes& a, const QStringList& pdfs, const QString& dossier, bool exact) {
    Bilan bilan;
    bilan.verifie(pdfs.size() == int(a.travaux.size()),
                  QStringLiteral("%1 PDF files for %2 jobs").arg(pdfs.size()).arg(a.travaux.size()));
    for (int i = 0; i < int(a.travaux.size()) && i < pdfs.size(); ++i) {
        const QString nom = QStringLiteral("job%1-%2").arg(i + 1).arg(a.travaux[i].genre);
        if (a.travaux[i].genre == QLatin1String("liste"))
            verifieliste(a.travaux[i], pdfs[i], exact, nom, bilan);
        else if (a.travaux[i].genre == QLatin1String("calage"))
            verifiecalage(a.travaux[i], pdfs[i], dossier, nom, bilan);
        else
            verifiebulletins(a.travaux[i], pdfs[i], a.encre, exact, dossier, nom, bilan);
        if (!a.travaux[i].apercu.isEmpty())
            verifieapercu(a.travaux[i], pdfs[i], dossier, nom, bilan);
    }
    std::printf("%s\n", bilan.echecs ? "FAILED" : "all marks, outlines and lines where they belong");
    return bilan.echecs ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication programme(argc, argv);
    initialiseapplication();
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString ordre = args.value(0);
    if (ordre == QLatin1String("fenetres"))
        return fenetres(argc - 1, argv + 1);
    Banc banc;
    banc.demarre();
    TApercu& fenetre = banc.application().apercu()();
    if (ordre == QLatin1String("imprime") && args.size() == 2) {
        ImprimantesQt imprimantes;
        TEtatService service;
        const std::vector<TFile> files = imprimantes.files(TLimitesService{}, service);
        const auto defaut = std::find_if(files.begin(), files.end(), [](const TFile& f) { return f.defaut; });
        if (defaut == files.end()) {
            std::fprintf(stderr, "no default printer\n");
            return 1;
        }
        const std::string file = defaut->nom;
        try {
            // Each job goes to the spooler as a print run hands it over: off this thread.
            TTravailCups cups(imprimantes);
            const auto surface = [&](int) -> std::unique_ptr<SurfaceImpression> {
                auto s =
                    std::make_unique<SurfaceQt>(SurfaceQt::Sortie::Imprimante, QString::fromStdString(file));
                s->soumetteur([&cups](const TEnvoiCups& envoi) {
                    const TReponseCups r = cups.soumetenattendant(envoi);
                    if (r.code != TCodeCups::ok)
                        cups::leve(r);
                    return r.travail;
                });
                return s;
            };
            const Attentes a = imprime(surface, true, fenetre, file, QFileInfo(args[1]).dir());
            return ecris(a, args[1]) ? 0 : 1;
        } catch (const ErreurImpression& e) {
            std::fprintf(stderr, "printing failed: %s\n", e.what());
            return 1;
        }
    }
    if (ordre == QLatin1String("verifie") && args.size() >= 3) {
        Attentes a;
        if (!lis(a, args[1])) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
            return 1;
        }
        return verifie(a, args.mid(3), args[2], false);
    }
    if (ordre == QLatin1String("pdf") && args.size() == 2) {
        QDir dossier(args[1]);
        if (!dossier.mkpath(QStringLiteral(".")))
            return 1;
        for (const QString& ancien :
             dossier.entryList({QStringLiteral("*.pdf"), QStringLiteral("*.png")}, QDir::Files))
            dossier.remove(ancien);
        QStringList pdfs;
        try {
            const Attentes a = imprime(
                [&](int i) {
                    pdfs << dossier.filePath(QStringLiteral("direct-%1.pdf").arg(i + 1));
                    return std::make_unique<SurfaceQt>(pdfs.back());
                },
                false, fenetre, {}, dossier);
            return verifie(a, pdfs, dossier.path(), true);
        } catch (const ErreurImpression& e) {
            std::fprintf(stderr, "printing failed: %s\n", e.what());
            return 1;
        }
    }
    std::fprintf(stderr,
                 "usage: pilote_impression imprime <expected> | verifie <expected> <folder> <pdf>... | "
                 "pdf <folder> | fenetres <QTest arguments>\n");
    return 2;
}

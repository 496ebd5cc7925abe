#include "tests/support/doubles.h"

#include "windows/apercu.h"
#include "windows/calage.h"
#include "windows/choiximprimante.h"
#include "windows/dialogueimpression.h"
#include "windows/listegrilles.h"
#include "windows/principale.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QToolButton>

using namespace vormigral;
using namespace vormigral::test;

namespace {

void prepare(Banc& banc, int langue) {
    ecrisparametres(banc, langue, 3, -2);
    banc.demarre();
    choisismethode(banc.principale(), 1);
    for (int t = 1; t <= banc.etat().methodes[1].nbnumeros; ++t)
        banc.etat().casescoch[3 + t] = 1;
}

// Opens the window a command of `depuis` opens, then the one its button `bouton` opens over it, and
// runs `action` in that one.
template <class T>
void ouvre(QWidget* depuis, const char* commande, const char* bouton, std::function<void(T*)> action) {
    QObject garde;
    bool vu = false;
    quandouverte<T>(&garde, [&](T* w) {
        vu = true;
        action(w);
    });
    if (bouton) {
        pendantmodal([bouton](QWidget* w) {
            QTest::mouseClick(controle<QAbstractButton>(w, bouton), Qt::LeftButton);
        });
    }
    if (auto* action = depuis->findChild<QAction*>(QString::fromLatin1(commande)))
        action->trigger();
    else
        QTest::mouseClick(controle<QPushButton>(depuis, commande), Qt::LeftButton);
    QVERIFY(vu);
}

// Every control the keyboard reaches (or those named) has a name of its own for screen readers.
void nomsaccessibles(QWidget* fenetre, const QStringList& seulement = {}) {
    QSet<QString> noms;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(fenetre) || w->parentWidget() != fenetre ||
            (!seulement.isEmpty() && !seulement.contains(w->objectName())))
            continue;
        const QString nom = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        QVERIFY2(!nom.isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(!noms.contains(nom), qPrintable(nom));
        noms.insert(nom);
    }
}

} // namespace

class TestApercu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void apercu_data();
    void apercu();
    void accessibles_data();
    void accessibles();
    void feuillecalage_data();
    void feuillecalage();
    void changementdelangue();
};

void TestApercu::apercu_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("depuis"); // the command that opens the window with the preview button
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("unparun");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("slips of type 1, fr")
        << 1 << "bimpbull" << 0 << false << QStringList{"Bulletin 1 sur 2", "Bulletin 2 sur 2"};
    QTest::newRow("slips of type 2 one at a time, en")
        << 2 << "bimpbull" << 1 << true << QStringList{"Slip 1 of 2", "Slip 2 of 2"};
    QTest::newRow("the list, en") << 2 << "bimplistbull" << 0 << false << QStringList{"Page 1 of 1"};
    QTest::newRow("the calibration sheet, fr")
        << 1 << "mCalage1" << 0 << false << QStringList{"Page 1 sur 1"};
}

// The preview shows the run's pages one by one without printing or asking anything, and is made
// only when first asked for.
void TestApercu::apercu() {
    QFETCH(int, langue);
    QFETCH(QString, depuis);
    QFETCH(int, type);
    QFETCH(bool, unparun);
    QFETCH(QStringList, pages);
    Banc banc;
    prepare(banc, langue);
    QVERIFY(!banc.application().apercu().faite());
    QObject garde;
    quandouverte<TForm7>(&garde, [type, unparun](TForm7* w) {
        controle<QComboBox>(w, "ComboBox1")->setCurrentIndex(type);
        if (unparun)
            QTest::mouseClick(controle<QRadioButton>(w, "bimpunbull"), Qt::LeftButton);
        QTest::mouseClick(controle<QToolButton>(w, "bapercu"), Qt::LeftButton);
    });
    quandouverte<TForm5>(
        &garde, [](TForm5* w) { QTest::mouseClick(controle<QPushButton>(w, "bapercu"), Qt::LeftButton); });
    quandouverte<TCalage>(
        &garde, [](TCalage* w) { QTest::mouseClick(controle<QPushButton>(w, "bapercu"), Qt::LeftButton); });
    bool vu = false;
    quandouverte<TApercu>(&garde, [&](TApercu* w) {
        vu = true;
        QCOMPARE(w->nombrepages(), pages.size());
        for (const QString& page : pages) {
            QCOMPARE(texte(w, "lpage"), page);
            // What a screen reader reads of the counter.
            QCOMPARE(
                QAccessible::queryAccessibleInterface(controle<QLabel>(w, "lpage"))->text(QAccessible::Name),
                page);
            QTest::mouseClick(controle<QPushButton>(w, "bsuivant"), Qt::LeftButton);
        }
        QVERIFY(!controle<QPushButton>(w, "bsuivant")->isEnabled());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    });
    if (auto* action = banc.principale().findChild<QAction*>(depuis))
        action->trigger();
    else
        QTest::mouseClick(controle<QPushButton>(&banc.principale(), qPrintable(depuis)), Qt::LeftButton);
    QVERIFY(vu);
    QVERIFY(banc.messages.messages.isEmpty());
    QVERIFY(banc.imprimantes.surfaces.empty());
}

void TestApercu::accessibles_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("imprimante");
    QTest::addColumn<QString>("calage");
    QTest::newRow("fr") << 1 << QStringLiteral("Imprimante…") << QStringLiteral("Feuille de calage…");
    QTest::newRow("en") << 2 << QStringLiteral("Printer…") << QStringLiteral("Calibration sheet…");
}

// The new windows and controls speak the program's language to screen readers, one name each.
void TestApercu::accessibles() {
    QFETCH(int, langue);
    QFETCH(QString, imprimante);
    QFETCH(QString, calage);
    Banc banc;
    prepare(banc, langue);
    TForm1& principale = banc.principale();
    QCOMPARE(texte(&principale, "mImprimante1"), imprimante);
    QCOMPARE(texte(&principale, "mCalage1"), calage);
    ouvre<TChoixImprimante>(&principale, "mImprimante1", nullptr,
                            [](TChoixImprimante* w) { nomsaccessibles(w); });
    ouvre<TCalage>(&principale, "mCalage1", nullptr, [](TCalage* w) { nomsaccessibles(w); });
    ouvre<TApercu>(&principale, "bimpbull", "bapercu", [](TApercu* w) { nomsaccessibles(w); });
    // In the print dialog and the list, the controls added for printing.
    ouvre<TForm5>(&principale, "bimplistbull", nullptr, [](TForm5* w) {
        nomsaccessibles(w, {"bapercu", "BitBtn6"});
    });
    ouvre<TForm7>(&principale, "bimpbull", nullptr, [](TForm7* w) {
        nomsaccessibles(w, {"bapercu", "bimprimante", "boutlancer"});
    });
}

void TestApercu::feuillecalage_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("debut");
    QTest::addColumn<QString>("fin");
    QTest::addColumn<QString>("titre");
    QTest::newRow("fr")
        << 1 << "Chaque cadre montre où l'imprimante placera la croix d'un numéro. Posez"
        << "chaque cadre doit tomber au milieu de sa case."
        << "FEUILLE DE CALAGE : LOTO FRANCAIS MERCREDI/SAMEDI 8 GRILLES Décalages appliqués : horizontal";
    QTest::newRow("en")
        << 2 << "Each frame shows where the printer will put the cross of a number. Lay"
        << "each frame should sit in the middle of its box."
        << "CALIBRATION SHEET: LOTO FRANCAIS MERCREDI/SAMEDI 8 GRILLES Offsets applied: horizontal";
}

// The printed sheet's title, offsets and how to read it, once, in the program's language.
void TestApercu::feuillecalage() {
    QFETCH(int, langue);
    QFETCH(QString, debut);
    QFETCH(QString, fin);
    QFETCH(QString, titre);
    Banc banc;
    prepare(banc, langue);
    pendantmodal(
        [](QWidget* w) { QTest::mouseClick(controle<QPushButton>(w, "bimprimer"), Qt::LeftButton); });
    controle<QAction>(&banc.principale(), "mCalage1")->trigger();
    QCOMPARE(banc.imprimantes.surfaces.size(), std::size_t(1));
    QStringList lignes;
    for (const TraceImpression& t : banc.imprimantes.surfaces[0]->traces)
        if (t.genre == TraceImpression::Genre::Texte)
            lignes << QString::fromStdString(t.texte);
    const QString apres = lignes.join(QLatin1Char(' ')).section(QStringLiteral(" mm, vertical -2 mm "), 1);
    QVERIFY2(apres.startsWith(debut) && apres.endsWith(fin), qPrintable(apres));
    QVERIFY2(lignes.join(QLatin1Char(' ')).contains(titre), qPrintable(lignes.join(QLatin1Char(' '))));
}

// Made in French, the print windows speak English once the language changes.
void TestApercu::changementdelangue() {
    Banc banc;
    prepare(banc, 1);
    const auto titres = [&banc] {
        QStringList vus;
        QObject garde;
        quandouverte<TApercu>(&garde, [&](TApercu* w) { vus << w->windowTitle() << texte(w, "bfermer"); });
        pendantmodal([&](QWidget* w) {
            vus << w->windowTitle() << texte(w, "boutlancer");
            QTest::mouseClick(controle<QToolButton>(w, "bapercu"), Qt::LeftButton);
        });
        QTest::mouseClick(controle<QPushButton>(&banc.principale(), "bimpbull"), Qt::LeftButton);
        for (const char* commande : {"mCalage1", "mImprimante1"}) {
            pendantmodal([&](QWidget* w) { vus << w->windowTitle(); });
            controle<QAction>(&banc.principale(), commande)->trigger();
        }
        return vus;
    };
    QCOMPARE(titres(), QStringList({"Imprimer les bulletins", "Imprimer", "Aperçu avant impression",
                                    "&Fermer", "Feuille de calage", "Imprimante"}));
    banc.changelangue(2);
    choisismethode(banc.principale(), 1);
    QCOMPARE(titres(),
             QStringList({"Print", "Print", "Print preview", "&Close", "Calibration sheet", "Printer"}));
}

QTEST_MAIN(TestApercu)
#include "test_apercu.moc"

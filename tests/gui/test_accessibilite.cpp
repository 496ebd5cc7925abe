#include "tests/support/doubles.h"

#include "windows/apropos.h"
#include "windows/blocnumeros.h"
#include "windows/choixlangue.h"
#include "windows/mesroues.h"
#include "windows/principale.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

namespace {

// What a screen-reader user can act on: what takes focus, has a control's role, or answers clicks.
// Drop-down lists, lists, tables, trees and tab bars are read as one control; the menus name their items
// themselves.
void parcourt(QAccessibleInterface* parent, QList<QAccessibleInterface*>& controles) {
    static const QList<QAccessible::Role> roles = {
        QAccessible::Button,      QAccessible::CheckBox, QAccessible::RadioButton,  QAccessible::ComboBox,
        QAccessible::List,        QAccessible::Tree,     QAccessible::EditableText, QAccessible::Table,
        QAccessible::PageTabList, QAccessible::SpinBox};
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* e = parent->child(i);
        if (!e || e->state().invisible || e->role() == QAccessible::MenuBar)
            continue;
        const bool image = qobject_cast<ImageCliquable*>(e->object());
        // A container that hands its focus on (a tab widget to its tab bar) is not a control itself.
        auto* widget = qobject_cast<QWidget*>(e->object());
        const bool relais = widget && widget->focusProxy();
        if (!relais && (e->state().focusable || roles.contains(e->role()) || image)) {
            QVERIFY2(roles.contains(e->role()) || (image && e->role() == QAccessible::Graphic),
                     qPrintable(e->object()->objectName()));
            controles << e;
        }
        if (!roles.contains(e->role()))
            parcourt(e, controles);
    }
}

} // namespace

class TestAccessibilite : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void noms_data();
    void noms();
    void changementdelangue();
};

void TestAccessibilite::noms_data() {
    QTest::addColumn<QString>("commande"); // the main window's menu item that opens the window
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("temoin"); // one control, and the name it must have
    QTest::addColumn<QString>("nom");
    const char* fenetres[][4] = {
        {"", "ComboBox1", "Choix de la méthode, 3 numéros si 3 numéros parmi les 07 en 4 grilles",
         "Choose the method, 3 numbers if 3 numbers in the 07 in 4 grids"},
        {"mVoirlesbulletins1", "pgrille", "Grille 1 : 3, 8, 19, 27, 33, 40", "Grid 1: 3, 8, 19, 27, 33, 40"},
        {"mVoirlalistedesbulletins1", "listbull", "Grilles de la méthode", "Grids of the method"},
        {"mCompareraveclesrsultats1", "ComboBox7", "Complémentaire, 1", "Bonus number, 1"},
        {"Imprimerlesbulletins1", "Gpremier", "Première grille à imprimer", "First grid to print"},
        {"Chargerbulletin1", "Edit1", "Nom du fichier", "File name"},
        {"Paramtres1", "Image2", "Drapeau britannique", "British flag"},
        {"premierlancement", "Image1", "Drapeau français - French flag", "Drapeau français - French flag"},
        {"Infos1", "OKButton", "OK", "OK"},
        {"mAnalysedelamethode1", "bfermer", "Fermer l'analyse", "Close the analysis"},
        {"mMesroues1", "enumeros", "Numéros de la roue", "Numbers of the wheel"},
        {"mHistorique1", "vuetirages", "Liste des tirages enregistrés", "List of the stored draws"},
        {"mImprimante1", "listeimprimantes", "Imprimantes", "Printers"},
        {"mCalage1", "ctype", "Type de bulletin, LOTO FRANCAIS MERCREDI/SAMEDI 8 GRILLES",
         "Ticket type, LOTO FRANCAIS MERCREDI/SAMEDI 8 GRILLES"},
    };
    for (const auto& f : fenetres)
        for (int langue : {1, 2})
            QTest::addRow("%s %d", f[0], langue)
                << f[0] << langue << f[1] << QString::fromUtf8(f[langue == 2 ? 3 : 2]);
}

// Every control of every window has a name of its own, in the program's language, and a role that
// says what it is; the number cells say whether they are ticked, and only the main window's take ticks.
void TestAccessibilite::noms() {
    QFETCH(QString, commande);
    QFETCH(int, langue);
    QFETCH(QString, temoin);
    QFETCH(QString, nom);
    Banc banc;
    ecrisparametres(banc, langue);
    banc.demarre();
    TForm1& f = banc.principale();
    choisismethode(f, 12);
    for (int n : {3, 8, 19, 27, 33, 40, 45})
        cliquecase(&f, n);
    int vues = 0;
    const auto examine = [&](QWidget* w) {
        ++vues;
        QList<QAccessibleInterface*> controles;
        parcourt(QAccessible::queryAccessibleInterface(w), controles);
        QSet<QString> noms;
        for (QAccessibleInterface* c : controles) {
            const QString n = c->text(QAccessible::Name);
            QVERIFY2(!n.trimmed().isEmpty() && !noms.contains(n), qPrintable(c->object()->objectName() + n));
            noms << n;
            if (auto* cellule = qobject_cast<CaseNumero*>(c->object())) {
                const auto i = static_cast<std::size_t>(cellule->numero());
                QCOMPARE(c->state().checked,
                         w == &f ? banc.etat().casescoch[i] != 0 : banc.etat().grillecour[i] != 0);
                QCOMPARE(c->state().readOnly, w != &f);
            }
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(controle<QWidget>(w, qPrintable(temoin)))
                     ->text(QAccessible::Name),
                 nom);
        // A prize counter reads with its frame's title once the draw is compared.
        if (auto* compteur = w->findChild<QLabel*>(QStringLiteral("lnb3"))) {
            for (int i = 1; i <= 7; ++i)
                controle<QComboBox>(w, qPrintable(QStringLiteral("ComboBox%1").arg(i)))->setCurrentIndex(i);
            QTest::mouseClick(controle<QPushButton>(w, "Button1"), Qt::LeftButton);
            QVERIFY(!compteur->text().isEmpty());
            const QString lu = QAccessible::queryAccessibleInterface(compteur)->text(QAccessible::Name);
            QVERIFY2(lu.startsWith(texte(w, "GroupBox8")) && lu.endsWith(compteur->text()), qPrintable(lu));
        }
    };
    if (commande.isEmpty()) {
        examine(&f);
    } else if (commande == QLatin1String("Infos1") || commande == QLatin1String("mMesroues1")) {
        // The windows that are not modal.
        controle<QAction>(&f, qPrintable(commande))->trigger();
        QWidget* fenetre = commande == QLatin1String("Infos1")
                               ? static_cast<QWidget*>(&banc.application().apropos())
                               : f.findChild<TMesRoues*>();
        examine(fenetre);
        fenetre->close();
    } else {
        pendantmodal(examine);
        if (commande == QLatin1String("premierlancement"))
            banc.application().choixlangue().exec();
        else
            controle<QAction>(&f, qPrintable(commande))->trigger();
    }
    QCOMPARE(vues, 1);
}

// A change of language renames the controls and turns Qt's own dialogs to the new language; a
// screen reader's toggle action ticks a cell as a click does.
void TestAccessibilite::changementdelangue() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    const auto annuler = [] {
        return QDialogButtonBox(QDialogButtonBox::Cancel)
            .button(QDialogButtonBox::Cancel)
            ->text()
            .remove('&');
    };
    QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(f.methodes());
    QCOMPARE(annuler(), QStringLiteral("Annuler"));
    pendantmodal([](QWidget* w) {
        QTest::mouseClick(controle<QWidget>(w, "Image2"), Qt::LeftButton);
        QTest::mouseClick(controle<QPushButton>(w, "bok"), Qt::LeftButton);
    });
    controle<QAction>(&f, "Paramtres1")->trigger();
    QCOMPARE(annuler(), QStringLiteral("Cancel"));
    QCOMPARE(liste->text(QAccessible::Name),
             QStringLiteral("Choose the method, 3 numbers if 3 numbers in the 07 in 4 grids"));
    QAccessibleInterface* douze =
        QAccessible::queryAccessibleInterface(controle<QWidget>(&f, qPrintable(BlocNumeros::nomcellule(12))));
    douze->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(douze->state().checked);
    QCOMPARE(banc.etat().casescoch[12], 1);
}

QTEST_MAIN(TestAccessibilite)
#include "test_accessibilite.moc"

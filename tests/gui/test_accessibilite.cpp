#include "tests/support/doubles.h"

#include "windows/apropos.h"
#include "windows/blocnumeros.h"
#include "windows/choixlangue.h"
#include "windows/principale.h"

#include <QAccessible>
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <set>

using namespace vormigral;
using namespace vormigral::test;

namespace {

// Method 12 wants 7 numbers.
const std::initializer_list<int> coches = {3, 8, 19, 27, 33, 40, 45};

struct Controle {
    QString nom;
    QAccessible::Role role;
    QObject* objet;
};

// What a screen-reader user can act on: what takes focus, what has a control's role, and the
// pictures that answer clicks. Drop-down lists, lists and trees are read as one control.
void parcourt(QAccessibleInterface* parent, QList<Controle>& controles) {
    static const std::set<QAccessible::Role> roles = {
        QAccessible::Button, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::List,   QAccessible::Tree,     QAccessible::EditableText};
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* enfant = parent->child(i);
        if (!enfant || enfant->state().invisible || enfant->role() == QAccessible::MenuBar)
            continue;
        const bool image = qobject_cast<ImageCliquable*>(enfant->object());
        if (enfant->state().focusable || roles.count(enfant->role()) || image) {
            QVERIFY2(roles.count(enfant->role()) || (image && enfant->role() == QAccessible::Graphic),
                     qPrintable(enfant->object()->objectName()));
            controles << Controle{enfant->text(QAccessible::Name), enfant->role(), enfant->object()};
        }
        if (!roles.count(enfant->role()))
            parcourt(enfant, controles);
    }
}

// "Grille 1 : 3, 8, ..." from the numbers of the grid on show.
QString grillemontree(const TEtat& etat, bool anglais) {
    QStringList numeros;
    for (int n = 1; n <= 49; ++n)
        if (etat.grillecour[static_cast<std::size_t>(n)] != 0)
            numeros << QString::number(n);
    return (anglais ? QStringLiteral("Grid %1: %2") : QStringLiteral("Grille %1 : %2"))
        .arg(etat.numgrille)
        .arg(numeros.join(QStringLiteral(", ")));
}

} // namespace

class TestAccessibilite : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void noms_data();
    void noms();
    void actions();
    void dialoguesqt_data();
    void dialoguesqt();
};

void TestAccessibilite::noms_data() {
    QTest::addColumn<QString>("commande"); // the main window's menu item that opens the window
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("temoin"); // one control and the name it must have
    QTest::addColumn<QString>("nom");
    struct Fenetre {
        const char* fenetre;
        const char* commande;
        const char* controle;
        const char* fr;
        const char* en;
    };
    const Fenetre fenetres[] = {
        {"principale", "", "ComboBox1", "Choix de la méthode", "Choose the method"},
        {"visionneuse", "mVoirlesbulletins1", "pgrille", "", ""},
        {"liste", "mVoirlalistedesbulletins1", "listbull", "Grilles de la méthode", "Grids of the method"},
        {"comparaison", "mCompareraveclesrsultats1", "ComboBox7", "Complémentaire", "Bonus number"},
        {"impression", "Imprimerlesbulletins1", "Gpremier", "Première grille à imprimer",
         "First grid to print"},
        {"fichier", "Chargerbulletin1", "Edit1", "Nom du fichier", "File name"},
        {"parametres", "Paramtres1", "Image2", "Drapeau britannique", "British flag"},
        {"langue", "premierlancement", "Image1", "Drapeau français - French flag",
         "Drapeau français - French flag"},
        {"apropos", "Infos1", "OKButton", "OK", "OK"},
    };
    for (const Fenetre& f : fenetres)
        for (int langue : {1, 2})
            QTest::addRow("%s %s", f.fenetre, langue == 2 ? "en" : "fr")
                << f.commande << langue << f.controle << QString::fromUtf8(langue == 2 ? f.en : f.fr);
}

// Every control of every window has a name of its own, in the program's language, and a role that
// says what it is; the number cells say whether they are ticked.
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
    for (int n : coches)
        cliquecase(&f, n);
    bool vu = false;
    const auto examine = [&](QWidget* w) {
        vu = true;
        QList<Controle> controles;
        parcourt(QAccessible::queryAccessibleInterface(w), controles);
        QVERIFY(!controles.isEmpty());
        QSet<QString> noms;
        for (const Controle& c : controles) {
            QVERIFY2(!c.nom.trimmed().isEmpty(), qPrintable(c.objet->objectName()));
            QVERIFY2(!noms.contains(c.nom), qPrintable(c.nom));
            noms << c.nom;
            if (auto* cellule = qobject_cast<CaseNumero*>(c.objet)) {
                const auto n = static_cast<std::size_t>(cellule->numero());
                const bool cochee = w == &f ? banc.etat().casescoch[n] != 0 : banc.etat().grillecour[n] != 0;
                QCOMPARE(c.nom, QString::number(cellule->numero()));
                QCOMPARE(QAccessible::queryAccessibleInterface(cellule)->state().checked, cochee);
            }
        }
        const QString attendu = nom.isEmpty() ? grillemontree(banc.etat(), langue == 2) : nom;
        QCOMPARE(QAccessible::queryAccessibleInterface(controle<QWidget>(w, qPrintable(temoin)))
                     ->text(QAccessible::Name),
                 attendu);
    };
    if (commande.isEmpty() || commande == QLatin1String("Infos1")) {
        f.show();
        if (!commande.isEmpty())
            controle<QAction>(&f, "Infos1")->trigger();
        examine(commande.isEmpty() ? static_cast<QWidget*>(&f) : banc.contexte().apropos);
        banc.contexte().apropos->close();
        f.close();
    } else {
        pendantmodal(examine);
        if (commande == QLatin1String("premierlancement"))
            banc.contexte().form10->exec();
        else
            controle<QAction>(&f, qPrintable(commande))->trigger();
    }
    QVERIFY(vu);
}

// A screen reader ticks a cell through its toggle action, as a click does; the viewer's cells
// only show a grid and offer no action.
void TestAccessibilite::actions() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    choisismethode(f, 12);
    QAccessibleInterface* douze =
        QAccessible::queryAccessibleInterface(controle<QWidget>(&f, qPrintable(BlocNumeros::nomcellule(12))));
    QVERIFY(douze->state().checkable && !douze->state().checked && !douze->state().readOnly);
    douze->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(douze->state().checked);
    QCOMPARE(banc.etat().casescoch[12], 1);
    QCOMPARE(controle<QLabel>(&f, "nbcoch")->text(), QStringLiteral("1"));
    douze->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!douze->state().checked);
    QCOMPARE(banc.etat().casescoch[12], 0);
    for (int n : coches)
        cliquecase(&f, n);
    pendantmodal([&](QWidget* w) {
        QAccessibleInterface* cellule = QAccessible::queryAccessibleInterface(
            controle<QWidget>(w, qPrintable(BlocNumeros::nomcellule(12))));
        QVERIFY(cellule->state().readOnly);
        QVERIFY(cellule->actionInterface()->actionNames().isEmpty());
    });
    QTest::mouseClick(controle<QPushButton>(&f, "bvoirbulletin"), Qt::LeftButton);
    QVERIFY(banc.messages.messages.isEmpty());
}

void TestAccessibilite::dialoguesqt_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("annuler");
    QTest::addColumn<QString>("apres"); // after a switch to the other language
    QTest::newRow("francais") << 1 << "Annuler"
                              << "Cancel";
    QTest::newRow("anglais") << 2 << "Cancel"
                             << "Annuler";
}

// Qt's own dialogs (file and print dialogs, standard buttons) speak the program's language and
// follow it when it changes.
void TestAccessibilite::dialoguesqt() {
    QFETCH(int, langue);
    QFETCH(QString, annuler);
    QFETCH(QString, apres);
    Banc banc;
    ecrisparametres(banc, langue);
    banc.demarre();
    const auto bouton = [] {
        QDialogButtonBox boutons(QDialogButtonBox::Cancel);
        return boutons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
    };
    QCOMPARE(bouton(), annuler);
    pendantmodal([](QWidget* w) {
        QTest::mouseClick(controle<QWidget>(w, controle<QAbstractButton>(w, "lfrancais")->isChecked()
                                                   ? "Image2"
                                                   : "Image1"),
                          Qt::LeftButton);
        QTest::mouseClick(controle<QPushButton>(w, "bok"), Qt::LeftButton);
    });
    controle<QAction>(&banc.principale(), "Paramtres1")->trigger();
    QCOMPARE(bouton(), apres);
}

QTEST_MAIN(TestAccessibilite)
#include "test_accessibilite.moc"

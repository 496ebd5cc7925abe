#include "tests/support/doubles.h"

#include "windows/blocnumeros.h"
#include "windows/principale.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>

#include <set>

using namespace vormigral;
using namespace vormigral::test;

namespace {

QWidget* cible() {
    if (QWidget* menu = QApplication::activePopupWidget())
        return menu;
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

// Presses keys in turn, each on what has the keyboard at that moment (an open menu first), with
// the character the key types.
void tape(std::initializer_list<QKeyCombination> touches) {
    for (const QKeyCombination touche : touches) {
        QWidget* recoit = cible();
        QVERIFY2(recoit, "nothing has the keyboard");
        QTest::keyClick(recoit, touche.key(), touche.keyboardModifiers());
    }
}

void tape(const QKeySequence& touches) {
    for (int i = 0; i < touches.count(); ++i)
        tape({touches[i]});
}

// Tabs forward until the named control has the focus; fails after a full round.
void tabulejusqua(const char* nom) {
    for (int i = 0; i < 30 && QApplication::focusWidget()->objectName() != QLatin1String(nom); ++i)
        tape({Qt::Key_Tab});
    QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(nom));
}

// The main keyboard's Delete as X11 delivers it: it types the DEL character.
void supprime(QWidget* champ) {
    QTest::sendKeyEvent(QTest::Click, champ, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
}

std::set<int> cochees(const TEtat& etat) {
    std::set<int> resultat;
    for (int n = 1; n <= 49; ++n)
        if (etat.casescoch[n] != 0)
            resultat.insert(n);
    return resultat;
}

} // namespace

class TestClavier : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void sanssouris_data();
    void sanssouris();
    void champsnumeriques_data();
    void champsnumeriques();
};

void TestClavier::sanssouris_data() {
    QTest::addColumn<QString>("bouton"); // a command reached with Tab and pressed with Return
    QTest::addColumn<QKeySequence>("touches");
    QTest::addColumn<QString>("fenetre");
    QTest::newRow("Voir les grilles") << "bvoirbulletin" << QKeySequence() << "Form2";
    QTest::newRow("Voir la liste") << "bimplistbull" << QKeySequence() << "Form5";
    QTest::newRow("Comparer") << "bcomparer" << QKeySequence() << "Form8";
    QTest::newRow("Imprimer") << "bimpbull" << QKeySequence() << "Form7";
    QTest::newRow("Ctrl+P") << "" << QKeySequence(QKeySequence::Print) << "Form7";
    QTest::newRow("Ctrl+O") << "" << QKeySequence(QKeySequence::Open) << "Form6";
    QTest::newRow("Ctrl+S") << "" << QKeySequence(QKeySequence::Save) << "Form6";
    QTest::newRow("Alt+U, L") << "" << QKeySequence(QStringLiteral("Alt+U, L")) << "Form5";
    QTest::newRow("Alt+O, P") << "" << QKeySequence(QStringLiteral("Alt+O, P")) << "Form9";
    QTest::newRow("Alt+F, C") << "" << QKeySequence(QStringLiteral("Alt+F, C")) << "Form6";
}

// Ticks the numbers, picks the method and opens a window without the mouse; Escape closes it from
// wherever its focus starts.
void TestClavier::sanssouris() {
    QFETCH(QString, bouton);
    QFETCH(QKeySequence, touches);
    QFETCH(QString, fenetre);
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(QApplication::focusWidget(), f.methodes());
    // Back from the list to the block; its one stop is number 1.
    tape({Qt::SHIFT | Qt::Key_Backtab});
    QCOMPARE(QApplication::focusWidget()->objectName(), BlocNumeros::nomcellule(1));
    tape({Qt::Key_Space, Qt::Key_Down, Qt::Key_Return, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right});
    tape({Qt::Key_Enter, Qt::Key_End, Qt::Key_Space, Qt::Key_Up, Qt::Key_Space});
    tape({Qt::Key_Left, Qt::Key_Space, Qt::Key_Home, Qt::Key_Left, Qt::Key_Up});
    QCOMPARE(QApplication::focusWidget()->objectName(), BlocNumeros::nomcellule(1));
    // Space toggles: 11 ticked, 1 unticked and ticked again.
    tape({Qt::Key_Right, Qt::Key_Space, Qt::Key_Left, Qt::Key_Space});
    tape({Qt::Key_Space});
    QCOMPARE(cochees(banc.etat()), std::set<int>({1, 2, 11, 12, 22, 38, 48, 49}));
    tape({Qt::Key_Right, Qt::Key_Space}); // untick 11: seven numbers
    QCOMPARE(controle<QLabel>(&f, "nbcoch")->text(), QStringLiteral("7"));
    // The block is one stop: Tab leaves it for the method list at once.
    tape({Qt::Key_Tab});
    QCOMPARE(QApplication::focusWidget(), f.methodes());
    tape({Qt::Key_Down, Qt::Key_Down});
    QCOMPARE(f.methodechoisie(), 3);
    tape({Qt::Key_Home});
    QCOMPARE(f.methodechoisie(), 12); // seven numbers
    QString ouverte;
    pendantmodal([&ouverte](QWidget* w) {
        ouverte = w->objectName();
        tape({Qt::Key_Escape});
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    });
    if (bouton.isEmpty()) {
        tape(touches);
    } else {
        tabulejusqua(qPrintable(bouton));
        tape({Qt::Key_Return});
    }
    QCOMPARE(ouverte, fenetre);
    QVERIFY(banc.messages.messages.isEmpty());
    // The desktop gives the main window the keyboard back; nothing does it here.
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    // The help has its key too, and the round of Tab stops comes back to the block.
    tape(QKeySequence(QKeySequence::HelpContents));
    QCOMPARE(banc.aide.fichiers, QStringList(QStringLiteral("vormigral.hlp")));
    tabulejusqua("boutaide");
    tape({Qt::Key_Tab});
    QCOMPARE(QApplication::focusWidget()->objectName(), BlocNumeros::nomcellule(11));
    f.close();
}

void TestClavier::champsnumeriques_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("voisin"); // where Tab goes from the field
    QTest::newRow("decalage horizontal") << "Paramtres1"
                                         << "edech"
                                         << "edecv";
    QTest::newRow("decalage vertical") << "Paramtres1"
                                       << "edecv"
                                       << "lfrancais";
    QTest::newRow("premiere grille") << "Imprimerlesbulletins1"
                                     << "Gpremier"
                                     << "gdernier";
    QTest::newRow("derniere grille") << "Imprimerlesbulletins1"
                                     << "gdernier"
                                     << "bimptsbull";
}

// The digit-only fields refuse Backspace and letters, but let the keyboard through: Delete from
// either key, Tab and Shift+Tab, Return for the dialog's default button, Escape.
void TestClavier::champsnumeriques() {
    QFETCH(QString, commande);
    QFETCH(QString, champ);
    QFETCH(QString, voisin);
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    choisismethode(f, 12);
    for (int n : {1, 2, 3, 4, 5, 6, 7})
        cliquecase(&f, n);
    int fermetures = 0;
    const auto essaie = [&](const QKeySequence& fin, QDialog::DialogCode attendu) {
        pendantmodal([&](QWidget* w) {
            auto* edit = controle<QLineEdit>(w, qPrintable(champ));
            edit->setFocus();
            edit->setText(QStringLiteral("123"));
            edit->home(false);
            supprime(edit);
            QCOMPARE(edit->text(), QStringLiteral("23"));
            QTest::keyClick(edit, Qt::Key_Delete, Qt::KeypadModifier);
            QCOMPARE(edit->text(), QStringLiteral("3"));
            edit->end(false);
            tape({Qt::Key_Backspace, Qt::Key_A, Qt::Key_4});
            QCOMPARE(edit->text(), QStringLiteral("34"));
            tape({Qt::Key_Tab});
            QCOMPARE(QApplication::focusWidget()->objectName(), voisin);
            tape({Qt::SHIFT | Qt::Key_Backtab});
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit));
            tape(fin);
            QVERIFY(!w->isVisible());
            QCOMPARE(qobject_cast<QDialog*>(w)->result(), int(attendu));
            ++fermetures;
        });
        controle<QAction>(&f, qPrintable(commande))->trigger();
    };
    essaie(QKeySequence(Qt::Key_Escape), QDialog::Rejected);
    // Return in a field presses the default button; the print dialog would print, so only the
    // parameters take it here.
    if (commande == QLatin1String("Paramtres1")) {
        essaie(QKeySequence(Qt::Key_Return), QDialog::Accepted);
        QCOMPARE(champ == QLatin1String("edech") ? banc.etat().parametres.decalh
                                                 : banc.etat().parametres.decalv,
                 34);
    }
    QCOMPARE(fermetures, commande == QLatin1String("Paramtres1") ? 2 : 1);
}

QTEST_MAIN(TestClavier)
#include "test_clavier.moc"

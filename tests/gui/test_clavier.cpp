#include "tests/support/doubles.h"

#include "windows/blocnumeros.h"
#include "windows/principale.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

namespace {

// Presses keys in turn, each on what has the keyboard at that moment (an open menu first), with the
// character the key types.
void tape(const QList<QKeyCombination>& touches) {
    for (const QKeyCombination touche : touches) {
        QWidget* recoit = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                            : QApplication::focusWidget();
        QVERIFY2(recoit, "nothing has the keyboard");
        QTest::keyClick(recoit, touche.key(), touche.keyboardModifiers());
    }
}

QString focus() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class TestClavier : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void sanssouris_data();
    void sanssouris();
    void focusdailleurs_data();
    void focusdailleurs();
    void premierlancement_data();
    void premierlancement();
};

void TestClavier::sanssouris_data() {
    QTest::addColumn<QString>("bouton"); // a command reached with Tab, else the keys below
    QTest::addColumn<QKeySequence>("touches");
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("champ"); // a digit field of that window, and where Tab goes from it
    QTest::addColumn<QString>("suivant");
    const char* lignes[][5] = {
        {"bvoirbulletin", "", "Form2", "", ""},
        {"bcomparer", "", "Form8", "", ""},
        {"bimpbull", "", "Form7", "gdernier", "bimptsbull"},
        {"", "Ctrl+P", "Form7", "Gpremier", "gdernier"},
        {"", "Ctrl+O", "Form6", "", ""},
        {"", "Ctrl+S", "Form6", "", ""},
        {"", "Alt+U, L", "Form5", "", ""},
        {"", "Alt+O, P", "Form9", "edecv", "lfrancais"},
    };
    for (const auto& l : lignes)
        QTest::newRow(*l[0] ? l[0] : l[1])
            << l[0] << QKeySequence(QString::fromLatin1(l[1])) << l[2] << l[3] << l[4];
}

// Ticks the numbers, picks the method and opens a window with the keyboard alone. Its digit field
// refuses Backspace and letters but lets the keyboard through: Delete from either key (the main
// keyboard's types DEL on X11), Tab, Shift+Tab, Return; Escape closes the window.
void TestClavier::sanssouris() {
    QFETCH(QString, bouton);
    QFETCH(QKeySequence, touches);
    QFETCH(QString, fenetre);
    QFETCH(QString, champ);
    QFETCH(QString, suivant);
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    // The block is one stop before the method list; moves off the block stay where they are.
    tape({Qt::SHIFT | Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Down, Qt::Key_Return, Qt::Key_Right,
          Qt::Key_Enter, Qt::Key_End, Qt::Key_Space, Qt::Key_Right, Qt::Key_Up, Qt::Key_Space, Qt::Key_Left,
          Qt::Key_Space});
    tape({Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Space, Qt::Key_Space, Qt::Key_Space,
          Qt::Key_Down});
    QList<int> cochees;
    for (int n = 1; n <= 49; ++n)
        if (banc.etat().casescoch[n])
            cochees << n;
    QCOMPARE(cochees, QList<int>({1, 2, 11, 12, 38, 48, 49}));
    tape({Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down});
    QCOMPARE(f.methodechoisie(), 3);
    tape({Qt::Key_Home});
    QCOMPARE(f.methodechoisie(), 12); // seven numbers
    QString ouverte;
    pendantmodal([&](QWidget* w) {
        ouverte = w->objectName();
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (!champ.isEmpty()) {
            auto* edit = controle<QLineEdit>(w, qPrintable(champ));
            edit->setFocus();
            edit->setText(QStringLiteral("123"));
            edit->home(false);
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
            QTest::keyClick(edit, Qt::Key_Delete, Qt::KeypadModifier);
            edit->end(false);
            tape({Qt::Key_Backspace, Qt::Key_A, Qt::Key_4});
            QCOMPARE(edit->text(), QStringLiteral("34"));
            tape({Qt::Key_Tab});
            QCOMPARE(focus(), suivant);
            tape({Qt::SHIFT | Qt::Key_Backtab});
            QCOMPARE(focus(), champ);
        }
        // Return in a field presses the default button; the print dialog would print.
        tape({fenetre == QLatin1String("Form9") ? Qt::Key_Return : Qt::Key_Escape});
        QVERIFY(!w->isVisible());
    });
    if (bouton.isEmpty()) {
        for (int i = 0; i < touches.count(); ++i)
            tape({touches[i]});
    } else {
        for (int i = 0; i < 12 && focus() != bouton; ++i)
            tape({Qt::Key_Tab});
        tape({Qt::Key_Return});
    }
    QCOMPARE(ouverte, fenetre);
    QVERIFY(banc.messages.messages.isEmpty());
    QCOMPARE(banc.etat().parametres.decalv, fenetre == QLatin1String("Form9") ? 34 : 0);
    // The desktop gives the main window the keyboard back; nothing does it here.
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    tape({QKeySequence(QKeySequence::HelpContents)[0]});
    QCOMPARE(banc.aide.fichiers.size(), 1);
    // The round of Tab stops ends on the picture buttons and comes back to the block.
    for (int i = 0; i < 12 && focus() != QLatin1String("boutaide"); ++i)
        tape({Qt::Key_Tab});
    tape({Qt::Key_Tab});
    QCOMPARE(focus(), BlocNumeros::nomcellule(12));
}

void TestClavier::focusdailleurs_data() {
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("danslebloc"); // the block had the keyboard, on another cell, before
    for (const bool dedans : {false, true}) {
        const char* ou = dedans ? "depuis la case 5" : "depuis la liste";
        QTest::addRow("action SetFocus, %s", ou) << "accessibilite" << dedans;
        QTest::addRow("setFocus du programme, %s", ou) << "programme" << dedans;
    }
    QTest::addRow("clic, depuis la case 5") << "souris" << true;
}

// Wherever the focus lands in the block, however it got there, the arrows move on from that cell,
// Space ticks the cell the frame is on, and Tab comes back to it.
void TestClavier::focusdailleurs() {
    QFETCH(QString, comment);
    QFETCH(bool, danslebloc);
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    TForm1& f = banc.principale();
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    auto* case23 = f.findChild<CaseNumero*>(BlocNumeros::nomcellule(23));
    QVERIFY(case23);
    if (danslebloc) {
        f.findChild<CaseNumero*>(BlocNumeros::nomcellule(1))->setFocus(Qt::TabFocusReason);
        tape({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});
        QCOMPARE(focus(), BlocNumeros::nomcellule(5));
    }
    if (comment == QLatin1String("accessibilite")) {
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(case23);
        QVERIFY(interface && interface->actionInterface());
        QVERIFY(interface->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::setFocusAction()));
        interface->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    } else if (comment == QLatin1String("programme")) {
        case23->setFocus();
    } else {
        QTest::mouseClick(case23, Qt::LeftButton);
    }
    QCOMPARE(focus(), BlocNumeros::nomcellule(23));
    tape({Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
    QCOMPARE(focus(), BlocNumeros::nomcellule(25));
    QList<int> cochees;
    for (int n = 1; n <= 49; ++n)
        if (banc.etat().casescoch[n])
            cochees << n;
    QCOMPARE(cochees, (comment == QLatin1String("souris") ? QList<int>{23, 25} : QList<int>{25}));
    tape({Qt::Key_Tab, Qt::SHIFT | Qt::Key_Backtab});
    QCOMPARE(focus(), BlocNumeros::nomcellule(25));
}

void TestClavier::premierlancement_data() {
    QTest::addColumn<QKeySequence>("touches"); // from the French button
    QTest::addColumn<QString>("cochee");
    QTest::addColumn<int>("langue");
    QTest::newRow("bas") << QKeySequence(Qt::Key_Down) << "langlais" << 2;
    QTest::newRow("bas, haut") << QKeySequence(Qt::Key_Down, Qt::Key_Up) << "lfrancais" << 1;
    QTest::newRow("bas, bas") << QKeySequence(Qt::Key_Down, Qt::Key_Down) << "langlais" << 2;
}

// On the first run nothing is checked yet: the arrows check the language they move to, and
// Return applies the one checked.
void TestClavier::premierlancement() {
    QFETCH(QKeySequence, touches);
    QFETCH(QString, cochee);
    QFETCH(int, langue);
    Banc banc;
    banc.demarre();
    TForm1& f = banc.principale();
    QString vue;
    pendantmodal([&](QWidget* w) {
        QVERIFY(QTest::qWaitForWindowActive(w));
        controle<QWidget>(w, "lfrancais")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < touches.count(); ++i)
            tape({touches[i]});
        QCOMPARE(focus(), cochee);
        for (const QRadioButton* b : w->findChildren<QRadioButton*>())
            QCOMPARE(b->isChecked(), b->objectName() == cochee);
        vue = w->objectName();
        tape({Qt::Key_Return});
    });
    f.show();
    f.activateWindow();
    QTRY_COMPARE(vue, QStringLiteral("Form10"));
    QCOMPARE(banc.etat().parametres.langue, langue);
    QCOMPARE(f.windowTitle(), QStringLiteral("VORMIGRAL"));
    QCOMPARE(controle<QMenu>(&f, "Fichier1")->title(),
             langue == 2 ? QStringLiteral("&Files") : QStringLiteral("&Fichiers"));
}

QTEST_MAIN(TestClavier)
#include "test_clavier.moc"

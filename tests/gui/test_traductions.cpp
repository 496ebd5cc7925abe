// The language service and the texts the translations make: the windows' method descriptions are
// the catalogue's, a switch reaches every window before it returns, and a caption can be had in
// another language than the one installed.
#include "app/langue.h"
#include "engine/methodes.h"
#include "windows/application.h"
#include "windows/libelles.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>

using namespace vormigral;

namespace {

// Counts the changes of language it is told of.
class Temoin : public QWidget {
public:
    int changements = 0;

protected:
    void changeEvent(QEvent* evenement) override {
        if (evenement->type() == QEvent::LanguageChange)
            ++changements;
        QWidget::changeEvent(evenement);
    }
};

QString annuler() {
    return QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text().remove('&');
}

} // namespace

class TestTraductions : public QObject {
    Q_OBJECT

    TMethodes methodes;

private slots:
    void initTestCase() {
        initialiseapplication();
        initmethodes(methodes);
    }
    void descriptions_data();
    void descriptions();
    void bascule_data();
    void bascule();
    void autrelangue();
};

void TestTraductions::descriptions_data() {
    QTest::addColumn<int>("langue");
    QTest::newRow("fr") << 1;
    QTest::newRow("en") << 2;
}

// Every description the windows show is the catalogue's, and the list keeps the catalogue's order:
// a grid file stores a position in it.
void TestTraductions::descriptions() {
    QFETCH(int, langue);
    Langue l;
    l.applique(langue);
    for (int m = 1; m <= nbmethodes; ++m)
        QCOMPARE(libellemethode(methodes, m), QString::fromStdString(libelle(methodes[m], langue)));
    QCOMPARE(listemethodes(libellesmethodes(methodes)), listemethodes(methodes, langue));
    QVERIFY(libellemethode(methodes, 0).isEmpty());
}

void TestTraductions::bascule_data() {
    QTest::addColumn<QList<int>>("valeurs"); // applied in turn
    QTest::addColumn<QList<bool>>("changes");
    QTest::addColumn<QString>("qt");       // Qt's own Cancel at the end
    QTest::addColumn<QString>("reglages"); // a text of the program at the end
    QTest::newRow("francais") << QList<int>{1} << QList<bool>{true} << "Annuler"
                              << "Réglages";
    QTest::newRow("anglais") << QList<int>{2} << QList<bool>{true} << "Cancel"
                             << "Settings";
    QTest::newRow("et retour") << QList<int>{2, 1} << QList<bool>{true, true} << "Annuler"
                               << "Réglages";
    QTest::newRow("meme langue") << QList<int>{1, 1} << QList<bool>{true, false} << "Annuler"
                                 << "Réglages";
    // The settings file has always shown French for any value but 2.
    QTest::newRow("inconnue") << QList<int>{2, 5, 0} << QList<bool>{true, true, false} << "Annuler"
                              << "Réglages";
}

// A switch installs the program's and Qt's translations together, and every window has been told
// before it returns; applying the language in force tells nobody.
void TestTraductions::bascule() {
    QFETCH(QList<int>, valeurs);
    QFETCH(QList<bool>, changes);
    QFETCH(QString, qt);
    QFETCH(QString, reglages);
    Temoin temoin;
    Langue l;
    for (int i = 0; i < valeurs.size(); ++i) {
        const int avant = temoin.changements;
        QCOMPARE(l.applique(valeurs[i]), changes[i]);
        QCOMPARE(temoin.changements > avant, changes[i]);
        QCOMPARE(l.courante(), valeurs[i] == 2 ? Langue::anglais : Langue::francais);
    }
    QCOMPARE(annuler(), qt);
    QCOMPARE(QCoreApplication::translate("vormigral::Reglages", "Settings"), reglages);
}

// A caption kept in the language of a window's creation comes from that language's translation,
// whichever is installed.
void TestTraductions::autrelangue() {
    Langue l;
    l.applique(Langue::anglais);
    QCOMPARE(l.traduit(Langue::francais, "vormigral::TForm9", "Parameters"), QStringLiteral("Paramètres"));
    QCOMPARE(l.traduit(Langue::anglais, "vormigral::TForm9", "Parameters"), QStringLiteral("Parameters"));
    QCOMPARE(l.traduit(Langue::francais, "vormigral::TForm1", "&Help", "the menu entry that opens the help"),
             QStringLiteral("&Aide en ligne"));
    QCOMPARE(QCoreApplication::translate("vormigral::TForm9", "Parameters"), QStringLiteral("Parameters"));
}

QTEST_MAIN(TestTraductions)
#include "test_traductions.moc"

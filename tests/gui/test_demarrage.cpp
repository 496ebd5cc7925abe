#include "tests/support/doubles.h"

#include "windows/apropos.h"
#include "windows/choixfichier.h"
#include "windows/choixlangue.h"
#include "windows/comparaison.h"
#include "windows/dialogueimpression.h"
#include "windows/fenetreparametres.h"
#include "windows/listegrilles.h"
#include "windows/principale.h"
#include "windows/visionneuse.h"

#include <QAction>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

class TestDemarrage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void differe();
};

// A start makes every dialog without its controls: each is built when first needed, alone (the
// others stay as they were). The windows made on first use are not made at all until then, and
// then once, owned by the main window.
void TestDemarrage::differe() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    Application& a = banc.application();
    const QList<DialogueDiffere*> dialogues = {&a.visionneuse(), &a.apropos(),      &a.liste(),
                                               &a.comparaison(), &a.choixfichier(), &a.impression(),
                                               &a.parametres(),  &a.choixlangue()};
    for (const DialogueDiffere* d : dialogues)
        QVERIFY2(!d->construite(), qPrintable(d->objectName()));

    a.apropos().show();
    for (const DialogueDiffere* d : dialogues)
        QCOMPARE(d->construite(), d == &a.apropos());
    a.apropos().close();

    TForm1& f = banc.principale();
    QVERIFY(f.findChildren<QDialog*>(Qt::FindDirectChildrenOnly).isEmpty());
    QList<QWidget*> ouvertes;
    for (int fois = 0; fois < 2; ++fois) {
        pendantmodal([&ouvertes](QWidget* w) { ouvertes << w; });
        controle<QAction>(&f, "mAnalysedelamethode1")->trigger();
    }
    QCOMPARE(ouvertes.size(), 2);
    QCOMPARE(ouvertes.first(), ouvertes.last());
    QCOMPARE(ouvertes.first()->parentWidget(), &f);
    QCOMPARE(f.findChildren<QDialog*>(Qt::FindDirectChildrenOnly).size(), 1);
}

QTEST_MAIN(TestDemarrage)
#include "test_demarrage.moc"

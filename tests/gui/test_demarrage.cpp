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
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>

using namespace vormigral;
using namespace vormigral::test;

class TestDemarrage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void differe();
    void premiereouverture_data();
    void premiereouverture();
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

// The file chooser is built at start-up but reads the disk only when shown: the first showing
// opens the start directory, on the deepest volume holding it, as the directory is by then.

void TestDemarrage::premiereouverture_data() {
    // Paths within the folder holding the volumes "racine", "cle" and "lecteur".
    QTest::addColumn<QString>("depart");
    QTest::addColumn<bool>("existe");
    QTest::addColumn<QString>("supprime"); // after start-up, before the first showing
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<int>("volume");
    const auto ligne = [](const char* nom, const char* depart, bool existe, const char* supprime,
                          const char* attendu, int volume) {
        QTest::newRow(nom) << QString::fromLatin1(depart) << existe << QString::fromLatin1(supprime)
                           << QString::fromLatin1(attendu) << volume;
    };
    ligne("dossier de la racine", "racine/grilles", true, "", "racine/grilles", 0);
    ligne("dossier de la cle", "cle/sous", true, "", "cle/sous", 1);
    // Its parent exists: a directory missing from the start is not looked for upwards.
    ligne("inexistant au demarrage", "cle/x/absent", false, "", "cle", 1);
    ligne("supprime depuis", "racine/a/b", true, "racine/a/b", "racine/a", 0);
    ligne("hors des volumes", "ailleurs", true, "", "racine", 0);
}

void TestDemarrage::premiereouverture() {
    QFETCH(QString, depart);
    QFETCH(bool, existe);
    QFETCH(QString, supprime);
    QFETCH(QString, attendu);
    QFETCH(int, volume);
    Banc banc;
    ecrisparametres(banc, 1);
    const QDir volumes = QFileInfo(banc.volumes.chemin(QStringLiteral("racine"))).dir();
    banc.volumes.depart = volumes.filePath(depart);
    QVERIFY(volumes.mkpath(existe ? depart : QFileInfo(depart).path()));
    banc.demarre();
    QVERIFY(supprime.isEmpty() || QDir(volumes.filePath(supprime)).removeRecursively());
    QFile nouveau(QDir(volumes.filePath(attendu)).filePath(QStringLiteral("nouveau")));
    QVERIFY(nouveau.open(QIODevice::WriteOnly));
    nouveau.close();

    QString ouvert;
    int index = -1;
    QStringList listes;
    pendantmodal([&](QWidget* w) {
        ouvert = qobject_cast<TForm6*>(w)->repertoire();
        index = controle<QComboBox>(w, "DriveComboBox1")->currentIndex();
        auto* liste = controle<QListWidget>(w, "FileListBox1");
        for (int i = 0; i < liste->count(); ++i)
            listes << liste->item(i)->text();
    });
    controle<QAction>(&banc.principale(), "Chargerbulletin1")->trigger();
    QCOMPARE(ouvert, volumes.filePath(attendu));
    QCOMPARE(index, volume);
    QCOMPARE(listes, QStringList(QStringLiteral("nouveau")));
}

QTEST_MAIN(TestDemarrage)
#include "test_demarrage.moc"

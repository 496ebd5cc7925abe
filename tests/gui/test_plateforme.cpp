#include "tests/support/doubles.h"

#include "app/langue.h"
#include "app/plateforme_qt.h"
#include "app/reglages.h"
#include "files/parametres.h"
#include "vormigral/projet.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace vormigral;
using namespace vormigral::test;

namespace {

// The executable's directory, replaceable by a path that cannot be written.
class SystemeReglable final : public Systeme {
public:
    QString exe;
    QString config;
    QString repertoireexe() const override { return exe; }
    QString repertoireconfig() const override { return config; }
    QString repertoiredonnees() const override { return config; }
};

void ecris(const QString& chemin, int langue) {
    QVERIFY(ecrireparametres(chemin.toStdString(), {0, langue, 0, 0}));
}

} // namespace

class TestPlateforme : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;
    Langue langue;

private slots:
    void initTestCase() {
        initialiseapplication();
        langue.applique(Langue::francais);
    }
    void emplacementdesreglages();
    void reglagesutilisateur();
    void reglagesinstalles();
    void reponsesdesmessages_data();
    void boutonsdanslalangue_data();
    void boutonsdanslalangue();
    void reponsesdesmessages();
    void aideouvertesurlesommaire();
    void aideauclavier();
};

void TestPlateforme::emplacementdesreglages() {
    SystemeReglable s;
    s.exe = dossier.filePath(QStringLiteral("exe/"));
    s.config = dossier.filePath(QStringLiteral("config/"));
    QVERIFY(QDir().mkpath(s.exe));
    QCOMPARE(cheminecriture(s), s.exe + "VORMIG.PAR");
    QCOMPARE(cheminlecture(s), s.exe + "VORMIG.PAR");
    TEtat etat;
    etat.parametres = {0, 7, 7, 7};
    QVERIFY(!chargeparametres(etat, s));
    QCOMPARE(etat.parametres.langue, 1);
    QCOMPARE(etat.parametres.decalh, 0);
    QCOMPARE(etat.parametres.decalv, 0);
    ecris(s.exe + "VORMIG.PAR", 2);
    QVERIFY(chargeparametres(etat, s));
    QCOMPARE(etat.parametres.langue, 2);
}

// An executable's directory that cannot take the file sends it to the per-user folder, and the
// next start reads it back from there rather than an older copy beside the executable.
void TestPlateforme::reglagesutilisateur() {
    SystemeReglable s;
    const QString fichier = dossier.filePath(QStringLiteral("pas-un-repertoire"));
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    s.exe = fichier + "/";
    s.config = dossier.filePath(QStringLiteral("utilisateur/vormigral/"));
    QCOMPARE(cheminecriture(s), s.config + "VORMIG.PAR");
    QVERIFY(QDir(s.config).exists());
    MessagesDouble messages;
    AideDouble aide;
    HasardDouble hasard;
    VolumesDouble volumes;
    ImprimantesDouble imprimantes;
    ChoixFichiersDouble fichiers;
    HorlogeDouble horloge;
    TEtat etat;
    etat.parametres.langue = 2;
    sauveparametres(etat, {messages, aide, s, hasard, volumes, imprimantes, fichiers, horloge});
    QCOMPARE(messages.messages.size(), 0);
    QCOMPARE(QFileInfo(s.config + "VORMIG.PAR").size(), 16);
    etat.parametres.langue = 1;
    QVERIFY(chargeparametres(etat, s));
    QCOMPARE(etat.parametres.langue, 2);
}

// Installed, the program keeps its settings per user even where it could write beside itself (as
// root it can), and a file lying beside it is not read.
void TestPlateforme::reglagesinstalles() {
    SystemeReglable s;
    s.exe = dossier.filePath(QStringLiteral("usr/games/"));
    s.config = dossier.filePath(QStringLiteral("maison/VORMIGRAL/"));
    QVERIFY(QDir().mkpath(s.exe));
    ecris(s.exe + "VORMIG.PAR", 2);
    QCOMPARE(cheminlecture(s), s.exe + "VORMIG.PAR");
    const QString entree = QDir::cleanPath(s.exe + QLatin1String(entreebureauinstallee));
    QVERIFY(QDir().mkpath(QFileInfo(entree).path()));
    QFile f(entree);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QCOMPARE(cheminecriture(s), s.config + "VORMIG.PAR");
    QCOMPARE(cheminlecture(s), s.config + "VORMIG.PAR");
    TEtat etat;
    QVERIFY(!chargeparametres(etat, s));
    QCOMPARE(etat.parametres.langue, 1);
}

void TestPlateforme::reponsesdesmessages_data() {
    QTest::addColumn<int>("boutons");
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("attendu");
    QTest::newRow("ok") << int(Boutons::Ok) << int(Qt::Key_Return) << int(Reponse::Ok);
    QTest::newRow("oui") << int(Boutons::OuiNon) << int(Qt::Key_O) << int(Reponse::Oui);
    QTest::newRow("non") << int(Boutons::OuiNon) << int(Qt::Key_N) << int(Reponse::Non);
    QTest::newRow("echap sur oui/non") << int(Boutons::OuiNon) << int(Qt::Key_Escape) << int(Reponse::Non);
    QTest::newRow("echap sur ok/annuler")
        << int(Boutons::OkAnnuler) << int(Qt::Key_Escape) << int(Reponse::Annuler);
}

// Closing a question without answering must never count as consent.
void TestPlateforme::reponsesdesmessages() {
    QFETCH(int, boutons);
    QFETCH(int, touche);
    QString titre;
    QTimer::singleShot(50, [touche, &titre] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(boite);
        titre = boite->windowTitle();
        QTest::keyClick(boite, Qt::Key(touche));
    });
    MessagesQt messages;
    const Reponse r =
        messages.message(QStringLiteral("Continuer quand même ?"), QStringLiteral("Fichier existant !!"),
                         Boutons(boutons), Icone::Aucune);
    QFETCH(int, attendu);
    QCOMPARE(int(r), attendu);
    QCOMPARE(titre, QStringLiteral("Fichier existant !!"));
}

void TestPlateforme::boutonsdanslalangue_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QStringList>("legendes");
    QTest::newRow("francais") << 1 << QStringList{"Oui", "Non"};
    QTest::newRow("anglais") << 2 << QStringList{"Yes", "No"};
    QTest::newRow("inconnue") << 5 << QStringList{"Oui", "Non"};
}

void TestPlateforme::boutonsdanslalangue() {
    QFETCH(int, langue);
    QFETCH(QStringList, legendes);
    QStringList vues;
    QTimer::singleShot(50, [&vues] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(boite);
        vues << boite->button(QMessageBox::Yes)->text().remove(QLatin1Char('&'))
             << boite->button(QMessageBox::No)->text().remove(QLatin1Char('&'));
        boite->button(QMessageBox::No)->click();
    });
    MessagesQt messages;
    this->langue.applique(langue);
    QCOMPARE(messages.message(QStringLiteral("?"), QStringLiteral("!"), Boutons::OuiNon, Icone::Aucune),
             Reponse::Non);
    this->langue.applique(Langue::francais);
    QCOMPARE(vues, legendes);
}

void TestPlateforme::aideouvertesurlesommaire() {
    SystemeReglable s;
    s.exe = dossier.filePath(QStringLiteral("aide/"));
    QVERIFY(QDir().mkpath(s.exe));
    AideQt aide(s);
    QCOMPARE(aide.chemin(QStringLiteral("vormigral.hlp")), QStringLiteral(":/aide/vormigral.html"));
    aide.contenu(QStringLiteral("vormigral.hlp"));
    QTextBrowser* navigateur = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("aide") && w->isVisible())
            navigateur = w->findChild<QTextBrowser*>();
    QVERIFY(navigateur);
    const QString html = navigateur->toHtml();
    QVERIFY(html.contains(QStringLiteral("VORMIGRAL")));
    QVERIFY(navigateur->document()->toPlainText().contains(QStringLiteral("Aide")));
    // A copy beside the executable takes precedence, so the help can be updated without a rebuild.
    QFile local(s.exe + "vormigral.html");
    QVERIFY(local.open(QIODevice::WriteOnly));
    local.write("<html><body><p id=\"contents\">locale</p></body></html>");
    local.close();
    aide.contenu(QStringLiteral("vormigral.hlp"));
    QCOMPARE(navigateur->document()->toPlainText().trimmed(), QStringLiteral("locale"));
}

// The help is a window of its own, opens at the half of the program's language, and closes from
// the keyboard.
void TestPlateforme::aideauclavier() {
    SystemeReglable s;
    AideQt aide(s);
    langue.applique(Langue::francais);
    int francais = 0;
    for (const QKeySequence& touche : {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
        aide.contenu(QStringLiteral("vormigral.hlp"));
        QWidget* fenetre = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("aide"))
                fenetre = w;
        QVERIFY(fenetre && QTest::qWaitForWindowActive(fenetre));
        QCOMPARE(QAccessible::queryAccessibleInterface(fenetre)->role(), QAccessible::Window);
        const int position = fenetre->findChild<QTextBrowser*>()->verticalScrollBar()->value();
        QVERIFY(position > francais); // the English half follows the French one
        francais = position;
        langue.applique(Langue::anglais);
        QTest::keySequence(fenetre, touche);
        QVERIFY(!fenetre->isVisible());
    }
}

QTEST_MAIN(TestPlateforme)
#include "test_plateforme.moc"

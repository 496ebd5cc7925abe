// The draw history's use cases without their window, where the history is shared with another
// copy of the program, locked by it, read-only, or on a disk that fills up.
#include "tests/commun/limitetaille.h"
#include "tests/commun/sqlite.h"
#include "tests/commun/tube.h"
#include "tests/support/doubles.h"

#include "storage/basetirages.h"
#include "windows/gestionhistorique.h"
#include "windows/historique.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/stat.h>

using namespace vormigral;
using namespace vormigral::test;

namespace {

const std::vector<TTirageDate> deuxtirages = {{{2024, 3, 2}, {{1, 2, 3, 4, 5, 6}, 7}},
                                              {{2024, 3, 6}, {{8, 9, 10, 11, 12, 13}, 14}}};
const QByteArray fichiertrois = "02/03/2024;1;2;3;4;5;6;7\n06/03/2024;8;9;10;11;12;13;14\n"
                                "13/03/2024;20;21;22;23;24;25;30\n";

QString dernier(const Banc& banc) {
    return banc.messages.messages.isEmpty() ? QString() : banc.messages.messages.last().texte;
}

void demarre(Banc& banc) {
    ecrisparametres(banc, 1);
    banc.demarre();
}

// Adds a draw and waits for its storing; true when it was stored.
bool ajoutefini(TGestionHistorique& g, const TDate& date, const std::array<int, 7>& numeros) {
    QSignalSpy fin(&g, &TGestionHistorique::ajoutfini);
    return g.ajoute(date, numeros) && (!fin.isEmpty() || fin.wait(10000)) && fin.first().first().toBool();
}

} // namespace

class TestGestionHistorique : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void ajout_data();
    void ajout();
    void refus_data();
    void refus();
    void colonnes_data();
    void colonnes();
    void gains_data();
    void gains();
    void deuxcopies_data();
    void deuxcopies();
    void verrouillee_data();
    void verrouillee();
    void annulation();
    void lectureseule();
    void miseacote_data();
    void miseacote();
};

void TestGestionHistorique::ajout_data() {
    QTest::addColumn<QList<int>>("numeros");
    QTest::addColumn<QDate>("jour"); // of the second draw, when not that of the first
    QTest::addColumn<QString>("message");
    const QList<int> bons = {9, 3, 40, 12, 25, 31, 7};
    QTest::newRow("accepte") << bons << QDate() << QString();
    // The test's calendar stands on 15 June 2025.
    QTest::newRow("aujourd'hui") << bons << QDate(2025, 6, 15) << QString();
    QTest::newRow("demain") << bons << QDate(2025, 6, 16)
                            << "Tirage non ajouté : cette date est après aujourd'hui.";
    QTest::newRow("dans longtemps") << bons << QDate(2199, 12, 31)
                                    << "Tirage non ajouté : cette date est après aujourd'hui.";
    QTest::newRow("incomplet") << QList<int>{9, 3, 40, 0, 25, 31, 7} << QDate()
                               << "Choisissez les six numéros et le complémentaire.";
    QTest::newRow("repete") << QList<int>{9, 3, 40, 9, 25, 31, 7} << QDate()
                            << "Tirage non ajouté : un numéro figure deux fois parmi les six.";
    QTest::newRow("complementaire") << QList<int>{9, 3, 40, 12, 25, 31, 40} << QDate()
                                    << "Tirage non ajouté : le complémentaire est aussi un des six numéros.";
    QTest::newRow("deja enregistre") << QList<int>{1, 2, 3, 4, 5, 6, 7} << QDate()
                                     << "Tirage non ajouté : ce tirage est déjà enregistré.";
    QTest::newRow("autre complementaire")
        << QList<int>{1, 2, 3, 4, 5, 6, 8} << QDate()
        << "Tirage non ajouté : déjà enregistré avec un autre complémentaire.";
}

// A draw typed in is checked before it is stored; one already stored is said, whoever stored it.
void TestGestionHistorique::ajout() {
    QFETCH(QList<int>, numeros);
    QFETCH(QDate, jour);
    QFETCH(QString, message);
    Banc banc;
    demarre(banc);
    TGestionHistorique g(banc.etat(), banc.plateforme());
    g.ouvre();
    QVERIFY(ajoutefini(g, {2024, 3, 9}, {6, 5, 4, 3, 2, 1, 7}));
    std::array<int, 7> valeurs{};
    std::copy(numeros.begin(), numeros.end(), valeurs.begin());
    const TDate date = jour.isValid() ? TDate{jour.year(), jour.month(), jour.day()} : TDate{2024, 3, 9};
    QCOMPARE(ajoutefini(g, date, valeurs), message.isEmpty());
    QCOMPARE(dernier(banc), message);
    QCOMPARE(g.tirages().size(), message.isEmpty() ? std::size_t{2} : std::size_t{1});
    if (!message.isEmpty()) {
        QCOMPARE(banc.messages.messages.last().titre, QStringLiteral("Problème !!"));
        QCOMPARE(banc.messages.messages.last().icone, Icone::Exclamation);
    } else {
        // Newest first: a draw of today comes before the one of 2024.
        QCOMPARE(g.tirages()[jour.isValid() ? 0 : 1].tirage.numeros,
                 (std::array<std::int32_t, 6>{3, 9, 12, 25, 31, 40}));
    }
}

void TestGestionHistorique::refus_data() {
    QTest::addColumn<QString>("sorte"); // a file's name, "tube", "dossier", "absent" or a device
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("message"); // %1 the file's name
    QTest::newRow("image") << "image.png" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                           << "%1 is not a text file: nothing was imported.";
    QTest::newRow("vide") << "vide.txt" << QByteArray("\n\n")
                          << "%1 holds no valid draw line: nothing was imported.";
    QTest::newRow("dates") << "dates.csv" << QByteArray("\n2024/13/45;1;2;3;4;5;6;7\n")
                           << "%1 holds no valid draw line (line 2: no such date): nothing was imported.";
    const QString pasfichier =
        "%1 is not a regular file (it is a named pipe, a device or a socket): nothing was imported.";
    QTest::newRow("tube") << "tube" << QByteArray() << pasfichier;
    QTest::newRow("peripherique") << "/dev/null" << QByteArray() << pasfichier;
    QTest::newRow("dossier") << "dossier" << QByteArray() << "%1 is a folder: nothing was imported.";
    QTest::newRow("absent") << "absent" << QByteArray() << "%1 cannot be read: No such file or directory";
}

// A file that cannot be a draw file is refused by its name with its reason, before any preview.
// What is no plain file is never opened: a named pipe would keep the window waiting for a writer
// for ever (here a watchdog stands in for one after 3 seconds).
void TestGestionHistorique::refus() {
    QFETCH(QString, sorte);
    QFETCH(QByteArray, contenu);
    QFETCH(QString, message);
    Banc banc;
    ecrisparametres(banc, 2);
    banc.demarre();
    TGestionHistorique g(banc.etat(), banc.plateforme());
    g.ouvre();
    QTemporaryDir dossier;
    const bool nomme = sorte.contains(QLatin1Char('.'));
    const QString chemin = sorte.startsWith(QLatin1Char('/')) ? sorte
                           : nomme                            ? dossier.filePath(sorte)
                                                              : dossier.filePath(sorte + ".csv");
    TubeSurveille tube(sorte == QLatin1String("tube") ? chemin.toStdString()
                                                      : dossier.filePath("x").toStdString());
    if (sorte == QLatin1String("dossier"))
        QVERIFY(QDir().mkdir(chemin));
    if (nomme) {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size());
    }
    banc.fichiers.lectures.push_back(chemin);
    QVERIFY(!g.prepareimport());
    QVERIFY(!tube.debloque());
    QCOMPARE(dernier(banc), message.arg(QFileInfo(chemin).fileName()));
    QCOMPARE(banc.messages.messages.last().titre, QStringLiteral("Import refused"));
    QCOMPARE(banc.fichiers.titres.first(), QStringLiteral("Import draws"));
    QVERIFY(g.tirages().empty());
}

void TestGestionHistorique::colonnes_data() {
    QTest::addColumn<QList<int>>("colonnes"); // of the date, the six balls and the bonus number
    QTest::addColumn<int>("aajouter");
    QTest::addColumn<QString>("message"); // how the refusal begins, "" for none
    QTest::newRow("lisible") << QList<int>{0, 2, 3, 4, 5, 6, 7, 8} << 1 << "";
    QTest::newRow("pas de date") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << 0
                                 << "inconnues.csv holds no valid draw line (line 2: ";
}

// A header the import does not know is no refusal: the file waits for its columns, then reads
// through them, refused when it still holds no draw.
void TestGestionHistorique::colonnes() {
    QFETCH(QList<int>, colonnes);
    QFETCH(int, aajouter);
    QFETCH(QString, message);
    Banc banc;
    ecrisparametres(banc, 2);
    banc.demarre();
    TGestionHistorique g(banc.etat(), banc.plateforme());
    g.ouvre();
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("inconnues.csv"));
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly) &&
            f.write("quand;x;a;b;c;d;e;f;g\r\n2024-03-02;z;1;2;3;4;5;6;7\r\n") > 0);
    f.close();
    banc.fichiers.lectures.push_back(chemin);
    std::optional<TGestionHistorique::TApercu> apercu = g.prepareimport();
    QVERIFY(apercu && TGestionHistorique::colonnesachoisir(*apercu));
    QVERIFY(banc.messages.messages.isEmpty());
    TCorrespondance c;
    std::copy(colonnes.begin(), colonnes.end(), c.colonnes.begin());
    QCOMPARE(g.relit(*apercu, c), message.isEmpty());
    QCOMPARE(int(apercu->projet.aajouter.size()), aajouter);
    QCOMPARE(dernier(banc).left(message.size()), message);
}

void TestGestionHistorique::gains_data() {
    QTest::addColumn<bool>("avant"); // the first draw was stored before, without payouts
    QTest::newRow("tirages nouveaux") << false;
    QTest::newRow("un tirage deja enregistre sans gains") << true;
}

// An import stores the payouts of its draws, and gives them to a draw stored earlier without any.
void TestGestionHistorique::gains() {
    QFETCH(bool, avant);
    Banc banc;
    demarre(banc);
    TGestionHistorique g(banc.etat(), banc.plateforme());
    g.ouvre();
    const TTirageDate premier{{2008, 1, 5}, {{1, 2, 3, 4, 5, 6}, 7}};
    TBaseTirages a;
    a.ouvre(banc.systeme.repertoiredonnees());
    if (avant)
        QVERIFY(a.stocke({premier}).reussi());
    const QByteArray rangs =
        "1;1 234 567,8;6;10 500,2;200;1400;600;61,6;12000;30,8;20000;5,4;250000;2,7;;eur;\n";
    const QByteArray contenu =
        "annee_numero_de_tirage;1er_ou_2eme_tirage;jour_de_tirage;date_de_tirage;boule_1;boule_2;boule_3;"
        "boule_4;boule_5;boule_6;boule_complementaire;nombre_de_gagnant_au_rang1;rapport_du_rang1;"
        "nombre_de_gagnant_au_rang2;rapport_du_rang2;nombre_de_gagnant_au_rang3;rapport_du_rang3;"
        "nombre_de_gagnant_au_rang4;rapport_du_rang4;nombre_de_gagnant_au_rang5;rapport_du_rang5;"
        "nombre_de_gagnant_au_rang6;rapport_du_rang6;nombre_de_gagnant_au_rang7;rapport_du_rang7;"
        "numero_jokerplus;devise;\n2008001;1;SA;20080105;1;2;3;4;5;6;7;" +
        rangs + "2008002;1;ME;20080109;8;9;10;11;12;13;14;" + rangs;
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("gains.csv"));
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size());
    f.close();
    banc.fichiers.lectures.push_back(chemin);
    const std::optional<TGestionHistorique::TApercu> apercu = g.prepareimport();
    QVERIFY(apercu);
    QCOMPARE(apercu->projet.aajouter.size(), std::size_t(avant ? 1 : 2));
    QSignalSpy fin(&g, &TGestionHistorique::importtermine);
    QVERIFY(g.lanceimport(apercu->projet));
    QVERIFY(fin.wait(20000));
    const std::vector<TTirageDate> tous = relus(a);
    QCOMPARE(tous.size(), std::size_t{2});
    for (const TGains& lus : gainslus(a, tous))
        QCOMPARE(lus.centimes[static_cast<std::size_t>(TClasse::nb6)], std::int64_t{123456780});
}

void TestGestionHistorique::deuxcopies_data() {
    QTest::addColumn<bool>("avant");         // the other copy stores before the preview, else after it
    QTest::addColumn<int>("complementaire"); // the bonus number the other copy stores with
    QTest::addColumn<int>("apercu");         // draws the preview offers
    QTest::addColumn<QString>("message");
    QTest::newRow("avant l'apercu") << true << 0 << 1 << "1 tirage ajouté ; 0 déjà enregistrés (ignorés).";
    QTest::newRow("entre l'apercu et l'enregistrement")
        << false << 0 << 3 << "1 tirage ajouté ; 2 déjà enregistrés (ignorés).";
    QTest::newRow("autre complementaire")
        << false << 44 << 3
        << "1 tirage ajouté ; 0 déjà enregistrés (ignorés).\n2 déjà enregistrés avec un autre complémentaire "
           "(ignorés, celui de l'historique est gardé).";
}

// What another copy stored counts as already stored, in the preview and at the storing, and the
// import still stores the rest.
void TestGestionHistorique::deuxcopies() {
    QFETCH(bool, avant);
    QFETCH(int, complementaire);
    QFETCH(int, apercu);
    QFETCH(QString, message);
    Banc banc;
    demarre(banc);
    TGestionHistorique b(banc.etat(), banc.plateforme());
    b.ouvre();
    TBaseTirages a;
    a.ouvre(banc.systeme.repertoiredonnees());
    std::vector<TTirageDate> siens = deuxtirages;
    for (TTirageDate& t : siens)
        t.tirage.complementaire = complementaire ? complementaire : t.tirage.complementaire;
    if (avant)
        QVERIFY(a.stocke(siens).reussi());
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("tirages.csv"));
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(fichiertrois) == fichiertrois.size());
    f.close();
    banc.fichiers.lectures.push_back(chemin);
    const std::optional<TGestionHistorique::TApercu> projet = b.prepareimport();
    QVERIFY(projet);
    QCOMPARE(int(projet->projet.aajouter.size()), apercu);
    if (!avant)
        QVERIFY(a.stocke(siens).reussi());
    QSignalSpy fin(&b, &TGestionHistorique::importtermine);
    QVERIFY(b.lanceimport(projet->projet));
    QVERIFY(fin.wait(20000));
    QCOMPARE(dernier(banc), message);
    QCOMPARE(b.tirages().size(), std::size_t{3});
    QCOMPARE(b.tirages()[1].tirage.complementaire, complementaire ? complementaire : 14);
}

void TestGestionHistorique::verrouillee_data() {
    QTest::addColumn<bool>("retrait"); // a deletion, else an addition
    QTest::addColumn<bool>("lache");   // the other copy lets go during the wait
    QTest::newRow("addition, let go") << false << true;
    QTest::newRow("addition, held past the wait") << false << false;
    QTest::newRow("deletion, let go") << true << true;
    QTest::newRow("deletion, held past the wait") << true << false;
}

// The other copy of the program holds the history: an addition or a deletion waits for it off the
// window's thread, the events going on, nothing else written meanwhile and the wait said; it lands
// once the lock is let go, or is refused, the lock named, after the wait.
void TestGestionHistorique::verrouillee() {
    QFETCH(bool, retrait);
    QFETCH(bool, lache);
    Banc banc;
    demarre(banc);
    TGestionHistorique g(banc.etat(), banc.plateforme());
    g.attente(1500);
    g.ouvre();
    const TTirageDate present{{2024, 3, 2}, {{1, 2, 3, 4, 5, 6}, 7}};
    QVERIFY(ajoutefini(g, present.date, {1, 2, 3, 4, 5, 6, 7}));
    Autre autre(banc.systeme.repertoiredonnees() + TBaseTirages::nomfichier);
    QVERIFY(autre.execute(QStringLiteral("BEGIN EXCLUSIVE")));
    int battements = 0;
    QTimer minuterie;
    connect(&minuterie, &QTimer::timeout, [&battements] { ++battements; });
    minuterie.start(10);
    QSignalSpy fin(&g, retrait ? &TGestionHistorique::retraitfini : &TGestionHistorique::ajoutfini);
    banc.messages.reponses = {Reponse::Oui};
    QVERIFY(retrait ? g.supprime({present}) : g.ajoute({2024, 3, 9}, {9, 3, 40, 12, 25, 31, 7}));
    QVERIFY(!g.modifiable());
    QTRY_COMPARE(g.resume(),
                 QStringLiteral("En attente d'une autre copie du programme, qui utilise l'historique des "
                                "tirages…"));
    if (lache)
        QVERIFY(autre.execute(QStringLiteral("ROLLBACK")));
    QVERIFY(fin.wait(5000));
    QVERIFY2(battements >= 40, qPrintable(QString::number(battements)));
    QCOMPARE(fin.first().first().toBool(), lache);
    QVERIFY(g.modifiable());
    const std::size_t reste = retrait ? 0 : 2;
    QCOMPARE(g.tirages().size(), lache ? reste : std::size_t{1});
    QCOMPARE(banc.messages.messages.size(), (retrait ? 1 : 0) + (lache ? 0 : 1));
    if (!lache) {
        QVERIFY(dernier(banc).startsWith(QStringLiteral(
            "L'historique des tirages est occupé par une autre copie du programme depuis plus de 5 "
            "secondes : rien n'a été enregistré. Réessayez dans un moment.\n\nDétail technique : ")));
        QVERIFY(autre.execute(QStringLiteral("ROLLBACK")));
    }
    QVERIFY(!g.resume().startsWith(QStringLiteral("En attente")));
}

// A cancelled import stores nothing and says so; the commands come back once it ends.
void TestGestionHistorique::annulation() {
    Banc banc;
    demarre(banc);
    TGestionHistorique g(banc.etat(), banc.plateforme());
    g.ouvre();
    QVERIFY(ajoutefini(g, {2024, 3, 9}, {9, 3, 40, 12, 25, 31, 7}));
    TProjetImport projet;
    for (int i = 0; i < 3 * int(TBaseTirages::tranche); ++i) {
        const QDate jour = QDate(1901, 1, 1).addDays(i);
        projet.aajouter.push_back(
            {i + 1, {{jour.year(), jour.month(), jour.day()}, {{1, 2, 3, 4, 5, 6}, 7}}});
    }
    QSignalSpy fin(&g, &TGestionHistorique::importtermine);
    QVERIFY(g.lanceimport(projet));
    QVERIFY(g.encours() && !g.modifiable());
    QVERIFY(!g.lanceimport(projet));
    g.annuleimport();
    QVERIFY(fin.wait(20000));
    QCOMPARE(dernier(banc), QStringLiteral("Importation annulée : aucun tirage n'a été enregistré."));
    QCOMPARE(g.tirages().size(), std::size_t{1});
    QVERIFY(g.modifiable());
}

// A history that may only be read is said at opening; its draws are listed and checked, and the
// window offers nothing that would write.
void TestGestionHistorique::lectureseule() {
    if (::geteuid() == 0)
        QSKIP("root writes through permissions; the unprivileged run covers it");
    Banc banc;
    demarre(banc);
    const QString dossier = banc.systeme.repertoiredonnees();
    {
        TBaseTirages a;
        a.ouvre(dossier);
        QVERIFY(a.stocke(deuxtirages).reussi());
    }
    QCOMPARE(::chmod(QFile::encodeName(dossier).constData(), 0555), 0);
    {
        THistorique h(banc.etat(), banc.plateforme());
        h.show();
        QCOMPARE(banc.messages.messages.size(), 1);
        QVERIFY(dernier(banc).startsWith(QStringLiteral("L'historique des tirages ne peut qu'être lu : ") +
                                         QDir::toNativeSeparators(dossier + TBaseTirages::nomfichier)));
        QVERIFY(dernier(banc).endsWith(
            QStringLiteral(").\nSes tirages restent affichés et vérifiables, mais rien "
                           "ne peut être ajouté, importé ni supprimé.")));
        QCOMPARE(h.tirages().size(), std::size_t{2});
        for (const char* nom : {"bajouter", "bimporter", "bsupprimer"})
            QVERIFY2(!controle<QPushButton>(&h, nom)->isEnabled(), nom);
        QVERIFY(controle<QPushButton>(&h, "bverifier")->isEnabled());
    }
    ::chmod(QFile::encodeName(dossier).constData(), 0755);
}

void TestGestionHistorique::miseacote_data() {
    QTest::addColumn<bool>("tmpfs");
    QTest::addColumn<QString>("pourquoi");
    QTest::newRow("taille limite")
        << false
        << "Le système n'a pas pu lire ou écrire le fichier de l'historique : rien n'a été "
           "enregistré.";
    QTest::newRow("disque plein")
        << true << "Le disque est plein : rien n'a été enregistré dans l'historique des tirages.";
}

// A damaged history set aside, the new one failing for want of room: where the damaged one lies
// is said all the same, and nothing can be stored.
void TestGestionHistorique::miseacote() {
    QFETCH(bool, tmpfs);
    QFETCH(QString, pourquoi);
    std::signal(SIGXFSZ, SIG_IGN);
    Banc banc;
    demarre(banc);
    const QString dossier = banc.systeme.repertoiredonnees();
    std::unique_ptr<Montage> montage;
    if (tmpfs) {
        montage = std::make_unique<Montage>(dossier);
        if (!montage->monte())
            QSKIP("no small file system can be mounted here (root only)");
    }
    QDir().mkpath(dossier);
    QFile f(dossier + TBaseTirages::nomfichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("date;boule_1\n09/03/2024;1\n").repeated(20));
    f.close();
    TGestionHistorique g(banc.etat(), banc.plateforme());
    {
        const std::unique_ptr<LimiteTaille> limite(tmpfs ? nullptr : new LimiteTaille(1000));
        g.ouvre();
    }
    const QStringList aside = QDir(dossier).entryList({QStringLiteral("*.endommagee-*")}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QVERIFY(dernier(banc).startsWith(
        QStringLiteral(
            "L'historique des tirages était endommagé ; il a été mis de côté sous le nom :\n%1\nUn "
            "nouvel historique n'a pas pu être créé : %2")
            .arg(QDir::toNativeSeparators(dossier + aside.front()), pourquoi)));
    QVERIFY(!g.modifiable());
    QVERIFY(g.resume().startsWith(QStringLiteral("Historique indisponible : ")));
}

QTEST_MAIN(TestGestionHistorique)
#include "test_gestionhistorique.moc"

#include "tests/commun/sqlite.h"
#include "tests/support/doubles.h"

#include "engine/cases.h"
#include "storage/basetirages.h"
#include "windows/apercuimport.h"
#include "windows/bilanargent.h"
#include "windows/colonnes.h"
#include "windows/gestionhistorique.h"
#include "windows/historique.h"
#include "windows/principale.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <set>

using namespace vormigral;
using namespace vormigral::test;

namespace {

QString ecris(const QTemporaryDir& dossier, const char* nom, const QByteArray& contenu) {
    const QString chemin = dossier.filePath(QString::fromLatin1(nom));
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(contenu);
    return chemin;
}

void clique(QWidget* fenetre, const char* nom) {
    auto* bouton = controle<QPushButton>(fenetre, nom);
    QVERIFY2(bouton, nom);
    QTest::mouseClick(bouton, Qt::LeftButton);
}

QString dernier(Banc& banc) {
    return banc.messages.messages.isEmpty() ? QString() : banc.messages.messages.last().texte;
}

QString echantillon() {
    return QFINDTESTDATA("../donnees/historique-exemple.csv");
}

// Imports a file through the window, storing what the preview offers.
void importe(Banc& banc, THistorique& h, const QString& chemin) {
    banc.fichiers.lectures.push_back(chemin);
    pendantmodal([](QWidget* apercu) {
        QTest::mouseClick(controle<QPushButton>(apercu, "bstocker"), Qt::LeftButton);
    });
    clique(&h, "bimporter");
    QTRY_VERIFY(!h.gestion().encours());
}

} // namespace

class TestHistoriqueFenetre : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void menu_data();
    void menu();
    void apercu();
    void apercudates_data();
    void apercudates();
    void colonnes();
    void ajout();
    void suppression();
    void progression();
    void verification();
    void baseendommagee();
};

void TestHistoriqueFenetre::menu_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("titre");
    QTest::newRow("fr") << 1 << "Historique des tirages";
    QTest::newRow("en") << 2 << "Draw history";
}

// The menu entry opens the window, made on first use only; every control carries a name of its
// own for screen readers, and every caption follows the language.
void TestHistoriqueFenetre::menu() {
    QFETCH(int, langue);
    QFETCH(QString, titre);
    Banc banc;
    ecrisparametres(banc, langue);
    banc.demarre();
    auto* entree = controle<QAction>(&banc.principale(), "mHistorique1");
    QCOMPARE(texte(&banc.principale(), "mHistorique1"), titre);
    QCOMPARE(entree->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    QVERIFY(!QFile::exists(banc.systeme.repertoiredonnees() + TBaseTirages::nomfichier));
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(w->objectName() != QStringLiteral("Historique"));
    QStringList noms;
    pendantmodal([&](QWidget* w) {
        QCOMPARE(w->objectName(), QStringLiteral("Historique"));
        QCOMPARE(w->windowTitle(), titre);
        for (QWidget* c : w->findChildren<QWidget*>()) {
            // Parts of a spin box or of a tab bar go with it; a tab widget hands its focus to its
            // tab bar.
            QWidget* parent = c->parentWidget();
            if (!(c->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractSpinBox*>(parent) ||
                qobject_cast<QTabBar*>(parent) || c->focusProxy())
                continue;
            QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
            noms << c->accessibleName();
        }
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->text().contains(QLatin1Char('&')))
                QVERIFY2(l->buddy(), qPrintable(l->objectName()));
    });
    entree->trigger();
    QVERIFY(QFile::exists(banc.systeme.repertoiredonnees() + TBaseTirages::nomfichier));
    QCOMPARE(noms.size(), static_cast<int>(std::set<QString>(noms.begin(), noms.end()).size()));
    QVERIFY(noms.size() >= 20);
    // A language switch shows at the next opening.
    banc.changelangue(3 - langue);
    QString bouton;
    pendantmodal([&](QWidget* w) { bouton = texte(w, "bverifier"); });
    entree->trigger();
    QCOMPARE(bouton,
             langue == 1 ? QStringLiteral("Check &my grids") : QStringLiteral("Vérifier &mes grilles"));
}

// The preview counts the new, known and rejected lines and lists each rejected one; the store
// button writes the rest to the database, and a second import finds nothing new.
void TestHistoriqueFenetre::apercu() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    {
        TBaseTirages base;
        base.ouvre(banc.systeme.repertoiredonnees());
        QCOMPARE(base.stocke({{{2024, 3, 2}, {{1, 2, 3, 4, 5, 6}, 7}}}).ajoutes, std::size_t{1});
    }
    QTemporaryDir dossier;
    const QString chemin =
        ecris(dossier, "tirages.csv",
              "date;b1;b2;b3;b4;b5;b6;c\r\n02/03/2024;6;5;4;3;2;1;7\r\n06/03/2024;1;2;3;4;5;6;8\r\n"
              "09/03/2024;1;2;3;4;5;5;8\r\n13/03/2024;11;12;13;14;15;16;17\r\n");
    THistorique h(banc.etat(), banc.plateforme());
    h.show();
    QCOMPARE(h.tirages().size(), std::size_t{1});
    banc.fichiers.lectures.push_back(chemin);
    pendantmodal([](QWidget* w) {
        QCOMPARE(texte(w, "lresume"),
                 QStringLiteral("À ajouter : 2 · Déjà enregistrés (ignorés) : 1 · Lignes rejetées : 1"));
        auto* rejets = controle<QTableWidget>(w, "listerejets");
        QCOMPARE(rejets->rowCount(), 1);
        QCOMPARE(rejets->item(0, 0)->text(), QStringLiteral("4"));
        QCOMPARE(rejets->item(0, 1)->text(), QStringLiteral("un numéro figure deux fois parmi les six"));
        QCOMPARE(rejets->item(0, 2)->text(), QStringLiteral("09/03/2024;1;2;3;4;5;5;8"));
        QCOMPARE(texte(w, "bstocker"), QStringLiteral("&Enregistrer les 2 tirages"));
        QTest::mouseClick(controle<QPushButton>(w, "bstocker"), Qt::LeftButton);
    });
    clique(&h, "bimporter");
    QTRY_COMPARE(h.tirages().size(), std::size_t{3});
    QCOMPARE(banc.messages.messages.size(), 1);
    QCOMPARE(dernier(banc), QStringLiteral("2 tirages ajoutés ; 0 déjà enregistrés (ignorés)."));
    QCOMPARE(banc.messages.messages.last().icone, Icone::Information);
    QCOMPARE(dateiso(h.tirages().front().date), std::string("2024-03-13"));
    QCOMPARE(texte(&h, "lnombre"), QStringLiteral("3 tirages enregistrés, du 02/03/2024 au 13/03/2024."));
    QCOMPARE(controle<QTableView>(&h, "vuetirages")->model()->index(0, 7).data().toInt(), 17);
    TBaseTirages relue;
    relue.ouvre(banc.systeme.repertoiredonnees());
    QCOMPARE(relus(relue).size(), std::size_t{3});

    banc.fichiers.lectures.push_back(chemin);
    bool desactive = false;
    pendantmodal([&](QWidget* w) { desactive = !controle<QPushButton>(w, "bstocker")->isEnabled(); });
    clique(&h, "bimporter");
    QVERIFY(desactive);
    QCOMPARE(h.tirages().size(), std::size_t{3});
}

void TestHistoriqueFenetre::apercudates_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("resume");
    QTest::addColumn<QString>("dates");       // how the dates are read, and the first ones
    QTest::addColumn<QStringList>("rejets");  // the first rejected lines: "line: reason"
    QTest::addColumn<QString>("plus");        // the line under the list, "" when every line is listed
    QTest::addColumn<QStringList>("stockes"); // the days stored, newest first
    const QByteArray sept = ";1;2;3;4;5;6;7\n";
    QTest::newRow("une erreur de frappe")
        << QByteArray("date;b1;b2;b3;b4;b5;b6;c\n05/03/2022" + sept + "10/04/2022" + sept + "07/11/2022" +
                      sept + "06/13/2022" + sept)
        << "À ajouter : 3 · Déjà enregistrés (ignorés) : 0 · Lignes rejetées : 1"
        << "Les dates de ce fichier sont lues jour avant mois (JJ/MM/AAAA). Premières dates lues : "
           "05/03/2022 = "
           "5 mars 2022 · 10/04/2022 = 10 avril 2022 · 07/11/2022 = 7 novembre 2022."
        << QStringList{"5: cette date n'existe pas lue jour avant mois, comme les dates de ce fichier"} << ""
        << QStringList{"2022-11-07", "2022-04-10", "2022-03-05"};
    QTest::newRow("annees et jours refuses")
        << QByteArray("1850-06-15" + sept + "2150-01-01" + sept + "2025-06-16" + sept + "2025-06-15" + sept)
        << "À ajouter : 1 · Déjà enregistrés (ignorés) : 0 · Lignes rejetées : 3"
        << "Les dates de ce fichier sont lues année d'abord (AAAA-MM-JJ). Premières dates lues : 2150-01-01 "
           "= "
           "1 janvier 2150 · 2025-06-16 = 16 juin 2025 · 2025-06-15 = 15 juin 2025."
        << QStringList{"1: l'année est hors des années acceptées (de 1900 à aujourd'hui)",
                       "2: cette date est après aujourd'hui", "3: cette date est après aujourd'hui"}
        << "" << QStringList{"2025-06-15"};
    QTest::newRow("plus de lignes rejetees qu'il n'en est montre")
        << QByteArray("1;2\n").repeated(1200) + "09/03/2024" + sept
        << "À ajouter : 1 · Déjà enregistrés (ignorés) : 0 · Lignes rejetées : 1200"
        << "Les dates de ce fichier sont lues jour avant mois (JJ/MM/AAAA). Premières dates lues : "
           "09/03/2024 = "
           "9 mars 2024."
        << QStringList{"1: nombre de champs incorrect", "2: nombre de champs incorrect"}
        << "… et 200 autres lignes rejetées, non détaillées." << QStringList{"2024-03-09"};
}

// The preview, titled as what it is, says how the dates are read and shows the first ones as read
// before anything is stored; it lists the first rejected lines and counts the others.
void TestHistoriqueFenetre::apercudates() {
    QFETCH(QByteArray, contenu);
    QFETCH(QString, resume);
    QFETCH(QString, dates);
    QFETCH(QStringList, rejets);
    QFETCH(QString, plus);
    QFETCH(QStringList, stockes);
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    QTemporaryDir dossier;
    THistorique h(banc.etat(), banc.plateforme());
    h.show();
    banc.fichiers.lectures.push_back(ecris(dossier, "tirages.csv", contenu));
    pendantmodal([&](QWidget* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Aperçu de l'importation"));
        QCOMPARE(texte(w, "lresume"), resume);
        QCOMPARE(texte(w, "lordre"), dates);
        auto* liste = controle<QTableWidget>(w, "listerejets");
        QCOMPARE(liste->rowCount(), std::min(resume.section(QLatin1Char(' '), -1).toInt(), 1000));
        for (int i = 0; i < rejets.size(); ++i)
            QCOMPARE(liste->item(i, 0)->text() + ": " + liste->item(i, 1)->text(), rejets[i]);
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("lplusrejets")) ? texte(w, "lplusrejets") : QString(),
                 plus);
        QVERIFY(h.tirages().empty());
        QTest::mouseClick(controle<QPushButton>(w, "bstocker"), Qt::LeftButton);
    });
    clique(&h, "bimporter");
    QTRY_VERIFY(!h.gestion().encours());
    QCOMPARE(banc.fichiers.titres.last(), QStringLiteral("Importer des tirages"));
    QStringList jours;
    for (const TTirageDate& t : h.tirages())
        jours << QString::fromStdString(dateiso(t.date));
    QCOMPARE(jours, stockes);
}

// A header the import does not know is read through the columns the player picks, remembered for
// the next file with that header; the preview lets them pick again.
void TestHistoriqueFenetre::colonnes() {
    Banc banc;
    ecrisparametres(banc, 2);
    banc.demarre();
    QTemporaryDir dossier;
    THistorique h(banc.etat(), banc.plateforme());
    h.show();
    const char* const entete = "quand;x;a;b;c;d;e;f;g\r\n";
    banc.fichiers.lectures.push_back(
        ecris(dossier, "un.csv", QByteArray(entete) + "2024-03-02;z;1;2;3;4;5;6;7\r\n"));
    quandouverte<TFenetreColonnes>(&h, [](TFenetreColonnes* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("File columns"));
        QVERIFY(!controle<QPushButton>(w, "bok")->isEnabled());
        for (int f = 0; f < 8; ++f)
            controle<QComboBox>(w, qPrintable(QStringLiteral("colonne%1").arg(f)))
                ->setCurrentIndex(f ? f + 2 : 1);
        QCOMPARE(controle<QListWidget>(w, "apercucolonnes")->item(0)->text(),
                 QStringLiteral("Line 2: 02/03/2024 — 1 2 3 4 5 6 + 7"));
        QTest::mouseClick(controle<QPushButton>(w, "bok"), Qt::LeftButton);
    });
    quandouverte<TApercuImport>(&h, [](TApercuImport* w) {
        QTest::mouseClick(controle<QPushButton>(w, "bstocker"), Qt::LeftButton);
    });
    clique(&h, "bimporter");
    QTRY_VERIFY(!h.gestion().encours());
    QCOMPARE(h.tirages().size(), std::size_t{1});
    const qsizetype messages = banc.messages.messages.size();

    banc.fichiers.lectures.push_back(
        ecris(dossier, "deux.csv", QByteArray(entete) + "2024-03-05;z;11;12;13;14;15;16;17\r\n"));
    int bilan = 0;
    quandouverte<TApercuImport>(&h, [&](TApercuImport* w) {
        bilan = texte(w, "lresume").startsWith(QStringLiteral("To add: 1")) ? 1 : -1;
        QTest::mouseClick(controle<QPushButton>(w, "bcolonnes"), Qt::LeftButton);
    });
    bool gardee = false;
    quandouverte<TFenetreColonnes>(
        &h, [&](TFenetreColonnes* w) { gardee = controle<QComboBox>(w, "colonne7")->currentIndex() == 9; });
    clique(&h, "bimporter");
    QCOMPARE(bilan, 1);
    QVERIFY(gardee);
    QCOMPARE(h.tirages().size(), std::size_t{1});
    QCOMPARE(banc.messages.messages.size(), messages);
}

// A draw typed in is stored and shown where the list keeps it; the fields are cleared for the next.
void TestHistoriqueFenetre::ajout() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    THistorique h(banc.etat(), banc.plateforme());
    h.show();
    QCOMPARE(controle<QDateEdit>(&h, "edate")->date(), banc.horloge.jour);
    const char* noms[] = {"enum1", "enum2", "enum3", "enum4", "enum5", "enum6", "enumc"};
    for (const QDate& jour : {QDate(2024, 3, 9), QDate(2024, 3, 2)}) {
        controle<QDateEdit>(&h, "edate")->setDate(jour);
        for (int i = 0; i < 7; ++i)
            controle<QSpinBox>(&h, noms[i])->setValue(QList<int>{9, 3, 40, 12, 25, 31, 7}[i]);
        clique(&h, "bajouter");
        QTRY_VERIFY(!h.gestion().encours());
    }
    QCOMPARE(banc.messages.messages.size(), 0);
    QCOMPARE(h.tirages().size(), std::size_t{2});
    QCOMPARE(controle<QSpinBox>(&h, "enum1")->value(), 0);
    QCOMPARE(controle<QTableView>(&h, "vuetirages")->selectionModel()->selectedRows().front().row(), 1);
    // Another copy holding the history: the page says it waits, writes nothing else meanwhile, and
    // shows the draw once the other copy lets go.
    Autre autre(banc.systeme.repertoiredonnees() + TBaseTirages::nomfichier);
    QVERIFY(autre.execute(QStringLiteral("BEGIN EXCLUSIVE")));
    for (int i = 0; i < 7; ++i)
        controle<QSpinBox>(&h, noms[i])->setValue(QList<int>{1, 2, 3, 4, 5, 6, 7}[i]);
    clique(&h, "bajouter");
    QTRY_COMPARE(texte(&h, "lnombre"),
                 QStringLiteral("En attente d'une autre copie du programme, qui utilise "
                                "l'historique des tirages…"));
    for (const char* nom : {"bajouter", "bimporter", "bsupprimer"})
        QVERIFY2(!controle<QPushButton>(&h, nom)->isEnabled(), nom);
    QVERIFY(autre.execute(QStringLiteral("ROLLBACK")));
    QTRY_VERIFY(controle<QPushButton>(&h, "bajouter")->isEnabled());
    QCOMPARE(h.tirages().size(), std::size_t{3});
    QVERIFY(texte(&h, "lnombre").startsWith(QStringLiteral("3 tirages")));
}

void TestHistoriqueFenetre::suppression() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    THistorique h(banc.etat(), banc.plateforme());
    h.show();
    importe(banc, h, echantillon());
    QCOMPARE(h.tirages().size(), std::size_t{300});
    auto* vue = controle<QTableView>(&h, "vuetirages");
    clique(&h, "bsupprimer");
    QCOMPARE(dernier(banc),
             QStringLiteral("Choisissez d'abord dans la liste le ou les tirages à supprimer."));
    const auto choisit = [vue] {
        vue->selectionModel()->select(vue->model()->index(0, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        vue->selectionModel()->select(vue->model()->index(2, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    choisit();
    banc.messages.reponses = {Reponse::Non};
    clique(&h, "bsupprimer");
    QCOMPARE(dernier(banc), QStringLiteral("Supprimer les 2 tirages choisis ?"));
    QCOMPARE(h.tirages().size(), std::size_t{300});
    const TTirageDate deuxieme = h.tirages()[1];
    choisit();
    QApplication::setActiveWindow(&h);
    vue->setFocus();
    QTest::keyClick(vue, Qt::Key_Delete);
    QTRY_COMPARE(h.tirages().size(), std::size_t{298});
    QCOMPARE(h.tirages().front().date, deuxieme.date);
}

// A long import shows where it is, named for screen readers, with the commands that would write
// disabled meanwhile; Cancel stores nothing.
void TestHistoriqueFenetre::progression() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    QTemporaryDir dossier;
    QByteArray contenu;
    const int nombre = 3 * int(TBaseTirages::tranche);
    for (int i = 0; i < nombre; ++i)
        contenu += QDate(1901, 1, 1).addDays(i).toString(QStringLiteral("dd/MM/yyyy")).toLatin1() +
                   ";1;2;3;4;5;6;7\n";
    THistorique h(banc.etat(), banc.plateforme());
    h.show();
    banc.fichiers.lectures.push_back(ecris(dossier, "long.csv", contenu));
    pendantmodal([](QWidget* apercu) {
        QTest::mouseClick(controle<QPushButton>(apercu, "bstocker"), Qt::LeftButton);
    });
    clique(&h, "bimporter");
    auto* progression = h.findChild<QProgressDialog*>(QStringLiteral("progressionimport"));
    QVERIFY(progression);
    QCOMPARE(progression->accessibleName(),
             QStringLiteral("Enregistrement des tirages… 0 sur %1").arg(nombre));
    for (const char* nom : {"bajouter", "bimporter", "bsupprimer"})
        QVERIFY2(!controle<QPushButton>(&h, nom)->isEnabled(), nom);
    QTest::mouseClick(progression->findChild<QPushButton*>(), Qt::LeftButton);
    QTRY_VERIFY(!h.gestion().encours());
    QCOMPARE(dernier(banc), QStringLiteral("Importation annulée : aucun tirage n'a été enregistré."));
    QVERIFY(h.tirages().empty());
    QVERIFY(controle<QPushButton>(&h, "bimporter")->isEnabled());
}

// The check goes through the same gate as the other commands, agrees with the engine, sorts,
// and exports the table in the order shown.
void TestHistoriqueFenetre::verification() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    choisismethode(banc.principale(), 3);
    THistorique h(banc.etat(), banc.plateforme());
    h.show();
    importe(banc, h, echantillon());
    clique(&h, "bverifier");
    QCOMPARE(dernier(banc), QStringLiteral("Sélection incorrecte"));
    QCOMPARE(banc.messages.messages.last().titre, QStringLiteral("Problème !!"));
    for (int n : {3, 8, 14, 19, 23, 27, 31, 36, 42, 46})
        banc.etat().casescoch[static_cast<std::size_t>(n)] = 1;

    controle<QDateEdit>(&h, "edebut")->setDate(QDate(2022, 6, 1));
    controle<QDateEdit>(&h, "efin")->setDate(QDate(2022, 1, 1));
    clique(&h, "bverifier");
    QCOMPARE(dernier(banc), QStringLiteral("Le début de la période est après sa fin."));
    controle<QRadioButton>(&h, "rtous")->setChecked(true);
    const int messages = banc.messages.messages.size();
    clique(&h, "bverifier");
    QCOMPARE(banc.messages.messages.size(), messages);

    TEtat etat = banc.etat();
    construitnumcoch(etat);
    const TRecapitulatif attendu =
        recapitule(grillesdelaserie(etat), masquecoches(etat), garantie(3), h.tirages());
    const TRecapitulatif& b = h.recapitulatif();
    QCOMPARE(b.tirages.size(), std::size_t{300});
    for (int k = 0; k < 8; ++k)
        QCOMPARE(b.totaux[static_cast<TClasse>(k)], attendu.totaux[static_cast<TClasse>(k)]);
    QCOMPARE(b.promises, attendu.promises);
    QVERIFY(
        texte(&h, "ltotaux").contains(QStringLiteral("3 numéros : %1").arg(attendu.totaux[TClasse::nb3])));
    // The money check of the check shown: the sample file has no payouts.
    clique(&h, "bargent");
    auto* argent = h.findChild<TFenetreArgent*>();
    QVERIFY(argent && argent->isVisible());
    QCOMPARE(argent->cas().bilan().tiragessansgains, 300);
    QCOMPARE(argent->cas().bilan().cout,
             300 * std::int64_t(grillesdelaserie(etat).size()) * prixgrilleordinaire);
    argent->close();

    auto* vue = controle<QTableView>(&h, "vuebilan");
    vue->horizontalHeader()->setSortIndicator(2, Qt::DescendingOrder);
    const auto plus =
        std::max_element(attendu.tirages.begin(), attendu.tirages.end(),
                         [](const auto& a, const auto& c) { return a.meilleure < c.meilleure; });
    QCOMPARE(vue->model()->index(0, 2).data(Qt::UserRole).toInt(), static_cast<int>(plus->meilleure));
    const QString meilleure = vue->model()->index(0, 2).data().toString();
    const QString date = vue->model()->index(0, 0).data().toString();
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("verification.csv"));
    banc.fichiers.ecritures.push_back(sortie);
    clique(&h, "bexporter");
    QFile csv(sortie);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray octets = csv.readAll();
    QVERIFY(octets.startsWith("\xEF\xBB\xBF"));
    const QStringList lignes = QString::fromUtf8(octets.mid(3)).split(QStringLiteral("\r\n"));
    QVERIFY(lignes[0].endsWith(
        QStringLiteral("Meilleur rang;6;5+C;5;4+C;4;3+C;3;Trouvés parmi vos numéros;Promesse")));
    QCOMPARE(lignes.size(), 302);
    const QStringList premiere = lignes[1].split(QLatin1Char(';'));
    QCOMPARE(premiere[8], meilleure);
    QCOMPARE(premiere[0], QDate::fromString(date, QStringLiteral("dd/MM/yyyy")).toString(Qt::ISODate));

    const QString impossible = dossier.filePath(QStringLiteral("absent%1/verification.csv"));
    banc.fichiers.ecritures.push_back(impossible);
    clique(&h, "bexporter");
    QVERIFY(dernier(banc).startsWith(impossible + QStringLiteral(" n'a pas pu être écrit : ")));
    QVERIFY(dernier(banc).size() > impossible.size() + 26);
}

// A damaged history is named in the message, kept aside, and the window goes on with a new one.
void TestHistoriqueFenetre::baseendommagee() {
    Banc banc;
    ecrisparametres(banc, 1);
    banc.demarre();
    QDir().mkpath(banc.systeme.repertoiredonnees());
    const QString chemin = banc.systeme.repertoiredonnees() + TBaseTirages::nomfichier;
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("pas une base\n").repeated(300));
    f.close();
    THistorique h(banc.etat(), banc.plateforme());
    h.show();
    QCOMPARE(banc.messages.messages.size(), 1);
    QVERIFY(dernier(banc).startsWith(
        QStringLiteral(
            "Le fichier de l'historique était endommagé (ce n'est pas une base SQLite). Il est gardé "
            "sous le nom ") +
        QDir::toNativeSeparators(chemin) + QStringLiteral(".endommagee-")));
    QCOMPARE(banc.messages.messages.last().titre, QStringLiteral("Historique des tirages"));
    QVERIFY(controle<QPushButton>(&h, "bimporter")->isEnabled());
    importe(banc, h, echantillon());
    QCOMPARE(h.tirages().size(), std::size_t{300});
}

QTEST_MAIN(TestHistoriqueFenetre)
#include "test_historique.moc"

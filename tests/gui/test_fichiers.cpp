#include "tests/commun/limitetaille.h"
#include "tests/support/doubles.h"

#include "engine/cases.h"
#include "files/parametres.h"
#include "files/repertoire.h"
#include "windows/blocnumeros.h"
#include "windows/choixfichier.h"
#include "windows/outils.h"
#include "windows/principale.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <climits>
#include <csignal>

#include <clocale>
#include <sys/resource.h>

#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

using namespace vormigral;
using namespace vormigral::test;

namespace {

QByteArray int32(int v) {
    QByteArray resultat;
    const auto u = static_cast<quint32>(v);
    for (int i = 0; i < 4; ++i)
        resultat.append(static_cast<char>((u >> (8 * i)) & 0xff));
    return resultat;
}

// A grid file: the signature, the list position, then flags 1..50 given as {entry, value} pairs.
QByteArray grille(int posmethode, std::initializer_list<std::pair<int, int>> valeurs) {
    QByteArray resultat = QByteArray::fromHex("03475249") + int32(posmethode);
    for (int t = 1; t <= 50; ++t) {
        int v = 0;
        for (const auto& [entree, valeur] : valeurs)
            v = entree == t ? valeur : v;
        resultat += int32(v);
    }
    return resultat;
}

QByteArray grille(int posmethode, std::initializer_list<int> cochees) {
    QByteArray resultat = QByteArray::fromHex("03475249") + int32(posmethode);
    for (int t = 1; t <= 50; ++t)
        resultat += int32(std::find(cochees.begin(), cochees.end(), t) != cochees.end() ? 1 : 0);
    return resultat;
}

void ecris(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(contenu), contenu.size());
}

// A file named by raw bytes, which need not be UTF-8.
void ecrisbrut(const QByteArray& chemin, const QByteArray& contenu) {
    std::ofstream(chemin.constData(), std::ios::binary).write(contenu.constData(), contenu.size());
}

QByteArray lisbrut(const QByteArray& chemin) {
    std::ifstream f(chemin.constData(), std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(f), {}));
}

QByteArray lis(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

// What a failed command must leave alone.
struct Instantane {
    std::array<std::int32_t, 51> casescoch;
    int position;
    QString nbcoch;
    QList<bool> marques;
};

Instantane instantane(Banc& banc) {
    TForm1& f = banc.principale();
    Instantane i{
        banc.etat().casescoch, f.methodes()->currentIndex(), controle<QLabel>(&f, "nbcoch")->text(), {}};
    for (int t = 1; t <= 49; ++t)
        i.marques
            << !controle<QLabel>(&f, BlocNumeros::nomcellule(t).toLatin1().constData())->pixmap().isNull();
    return i;
}

void compare(const Instantane& a, const Instantane& b) {
    QVERIFY(a.casescoch == b.casescoch);
    QCOMPARE(a.position, b.position);
    QCOMPARE(a.nbcoch, b.nbcoch);
    QCOMPARE(a.marques, b.marques);
}

// What the system sends for a double click: press, release, double click, release.
void doubleclique(QWidget* vue, QPoint ici) {
    QTest::mouseClick(vue, Qt::LeftButton, {}, ici);
    QTest::mouseDClick(vue, Qt::LeftButton, {}, ici);
    QTest::mouseRelease(vue, Qt::LeftButton, {}, ici);
}

// Where a user clicks an item: on the part of it the view shows. An item is as wide as the
// widest one, which a long path makes wider than the view.
QPoint visible(QAbstractItemView* vue, QRect element) {
    return element.intersected(vue->viewport()->rect()).center();
}

// The chooser's controls, driven as a user drives them.
void ouvrerepertoire(QWidget* choix, const QString& nom) {
    auto* arbre = controle<QTreeWidget>(choix, "DirectoryListBox1");
    const QList<QTreeWidgetItem*> trouves = arbre->findItems(nom, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(!trouves.isEmpty(), qPrintable(nom));
    arbre->scrollToItem(trouves.last());
    doubleclique(arbre->viewport(), visible(arbre, arbre->visualItemRect(trouves.last())));
}

void choisisfichier(QWidget* choix, const QString& nom, bool double_ = false) {
    auto* liste = controle<QListWidget>(choix, "FileListBox1");
    const QList<QListWidgetItem*> trouves = liste->findItems(nom, Qt::MatchExactly);
    QVERIFY2(!trouves.isEmpty(), qPrintable(nom));
    liste->scrollToItem(trouves.first());
    const QPoint ici = visible(liste, liste->visualItemRect(trouves.first()));
    if (double_)
        doubleclique(liste->viewport(), ici);
    else
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, ici);
}

// Types a text key by key, accented letters included.
void tape(QWidget* cible, const QString& texte) {
    for (const QChar c : texte)
        QTest::sendKeyEvent(QTest::Click, cible,
                            c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
}

QStringList fichiers(QWidget* choix) {
    QStringList noms;
    auto* liste = controle<QListWidget>(choix, "FileListBox1");
    for (int i = 0; i < liste->count(); ++i)
        noms << liste->item(i)->text();
    return noms;
}

QString repertoire(QWidget* choix) {
    auto* f = qobject_cast<TForm6*>(choix);
    return f ? f->repertoire() : QString();
}

void ok(QWidget* choix) {
    QTest::mouseClick(controle<QPushButton>(choix, "boutok"), Qt::LeftButton);
}

void charge(Banc& banc, std::function<void(QWidget*)> action) {
    pendantmodal(std::move(action));
    controle<QAction>(&banc.principale(), "Chargerbulletin1")->trigger();
}

void enregistre(Banc& banc, std::function<void(QWidget*)> action) {
    pendantmodal(std::move(action));
    controle<QAction>(&banc.principale(), "EnregistrerBulletin1")->trigger();
}

} // namespace

class TestFichiers : public QObject {
    Q_OBJECT

    std::unique_ptr<Banc> banc;
    QString racine;  // the root volume, where the chooser opens
    QString dossier; // racine/grilles

    void demarre(int langue);

private slots:
    void initTestCase() { initialiseapplication(); }
    void cleanup() { banc.reset(); }
    void geometrie_data();
    void geometrie();
    void annule_data();
    void annule();
    void okavecetoile_data();
    void okavecetoile();
    void sauvepuischarge_data();
    void sauvepuischarge();
    void ecrasement_data();
    void ecrasement();
    void erreursdelecture_data();
    void erreursdelecture();
    void echecsauvegarde_data();
    void echecsauvegarde();
    void positionhorsliste_data();
    void positionhorsliste();
    void valeursetranges();
    void libelleannule_data();
    void libelleannule();
    void lecteurpaspret_data();
    void lecteurpaspret();
    void autrevolume();
    void doubleclic();
    void clavier();
    void repertoiredisparu();
    void nomsdelaliste_data();
    void nomsdelaliste();
    void nomcache_data();
    void nomcache();
};

void TestFichiers::demarre(int langue) {
    banc = std::make_unique<Banc>();
    ecrisparametres(*banc, langue);
    banc->demarre();
    racine = banc->volumes.chemin(QStringLiteral("racine"));
    dossier = QDir(racine).filePath(QStringLiteral("grilles"));
    QVERIFY(QDir().mkpath(dossier));
}

void TestFichiers::geometrie_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("DirectoryListBox1") << "DirectoryListBox1" << QRect(17, 23, 128, 177);
    QTest::newRow("FileListBox1") << "FileListBox1" << QRect(152, 23, 125, 179);
    QTest::newRow("DriveComboBox1") << "DriveComboBox1" << QRect(14, 212, 134, 19);
    QTest::newRow("Edit1") << "Edit1" << QRect(153, 209, 122, 21);
    QTest::newRow("boutok") << "boutok" << QRect(296, 23, 86, 43);
    QTest::newRow("boutannule") << "boutannule" << QRect(296, 77, 86, 43);
}

void TestFichiers::geometrie() {
    QFETCH(QString, nom);
    QFETCH(QRect, rect);
    demarre(1);
    TForm6* choix = &banc->application().choixfichier();
    QCOMPARE(choix->size(), QSize(399, 253));
    QVERIFY(choix->isModal());
    choix->construit();
    auto* w = choix->findChild<QWidget*>(nom);
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), choix);
    QCOMPARE(w->geometry(), rect);
    QCOMPARE(w->font().families(), policestandard().families());
    QCOMPARE(controle<QPushButton>(choix, "boutok")->text(), QStringLiteral("Ok"));
    QVERIFY(!controle<QPushButton>(choix, "boutok")->icon().isNull());
    QVERIFY(!controle<QPushButton>(choix, "boutannule")->icon().isNull());
    QCOMPARE(controle<QListWidget>(choix, "FileListBox1")->selectionMode(),
             QAbstractItemView::SingleSelection);
}

void TestFichiers::annule_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("facon");
    for (const char* commande : {"Chargerbulletin1", "EnregistrerBulletin1"})
        for (const char* facon : {"boutannule", "cadre", "Echap"})
            QTest::addRow("%s %s", commande, facon)
                << QString::fromLatin1(commande) << QString::fromLatin1(facon);
}

// Whatever was picked or typed, cancelling loads nothing, writes nothing and asks nothing.
void TestFichiers::annule() {
    QFETCH(QString, commande);
    QFETCH(QString, facon);
    demarre(1);
    const QByteArray contenu = grille(3, {1, 2, 3});
    ecris(QDir(racine).filePath(QStringLiteral("grille")), contenu);
    cliquecase(&banc->principale(), 5);
    const Instantane avant = instantane(*banc);
    bool vu = false;
    pendantmodal([&](QWidget* w) {
        vu = true;
        choisisfichier(w, QStringLiteral("grille"));
        QCOMPARE(controle<QLineEdit>(w, "Edit1")->text(), QStringLiteral("grille"));
        if (facon == QLatin1String("boutannule"))
            QTest::mouseClick(controle<QPushButton>(w, "boutannule"), Qt::LeftButton);
        else if (facon == QLatin1String("cadre"))
            w->close();
        else
            QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    });
    controle<QAction>(&banc->principale(), commande.toLatin1().constData())->trigger();
    QVERIFY(vu);
    QVERIFY(!banc->application().choixfichier().choisi());
    compare(instantane(*banc), avant);
    QVERIFY(banc->messages.journal.isEmpty());
    QCOMPARE(lis(QDir(racine).filePath(QStringLiteral("grille"))), contenu);
    QCOMPARE(QDir(racine).entryList(QDir::Files | QDir::Hidden), QStringList(QStringLiteral("grille")));
    QVERIFY(banc->etat().repfichier.empty());
    QVERIFY(banc->etat().nomfichier.empty());
    QCOMPARE(banc->etat().fichiergrille.posmethode, -1);
}

void TestFichiers::okavecetoile_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<bool>("fichieretoile");
    QTest::newRow("francais") << 1 << false;
    QTest::newRow("anglais") << 2 << false;
    // Linux allows a file named "*"; the star still names no file, as the user expects.
    QTest::newRow("un fichier nomme etoile") << 1 << true;
}

// Ok without picking a file: the star names no file, the message is French in both languages,
// and the title of the chooser follows the language.
void TestFichiers::okavecetoile() {
    QFETCH(int, langue);
    QFETCH(bool, fichieretoile);
    demarre(langue);
    if (fichieretoile)
        ecris(QDir(racine).filePath(QStringLiteral("*")), grille(0, {1, 2, 3}));
    cliquecase(&banc->principale(), 8);
    const Instantane avant = instantane(*banc);
    charge(*banc, [&](QWidget* w) {
        QCOMPARE(w->windowTitle(), langue == 2 ? QStringLiteral("Select the file to load")
                                               : QStringLiteral("Sélectionnez le fichier à charger"));
        auto* edit = controle<QLineEdit>(w, "Edit1");
        QCOMPARE(edit->text(), QStringLiteral("*"));
        QVERIFY(edit->isReadOnly());
        QTest::keyClicks(edit, "grille");
        QCOMPARE(edit->text(), QStringLiteral("*"));
        ok(w);
    });
    QCOMPARE(banc->messages.messages.size(), 1);
    const MessageEnregistre& m = banc->messages.messages.first();
    QCOMPARE(m.texte, QStringLiteral("Fichier inexistant"));
    QCOMPARE(m.titre, QStringLiteral("Problème !!"));
    QCOMPARE(m.boutons, Boutons::Ok);
    QCOMPARE(m.icone, Icone::Aucune);
    QCOMPARE(banc->messages.bips, 0);
    compare(instantane(*banc), avant);
    QCOMPARE(QString::fromStdString(banc->etat().repfichier), racine);
    QCOMPARE(QString::fromStdString(banc->etat().nomfichier), QStringLiteral("*"));
}

void TestFichiers::sauvepuischarge_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("methode"); // the method of that list position
    QTest::newRow("francais, premiere entree") << 1 << 0 << 12;
    QTest::newRow("anglais, premiere entree") << 2 << 0 << 12;
    QTest::newRow("derniere entree") << 1 << 49 << -1;
    QTest::newRow("anglais, entree 37") << 2 << 37 << -1;
}

// The reference file: 3, 17 and 42 ticked, saved byte for byte, loaded back
// after clearing, with the list position restored.
void TestFichiers::sauvepuischarge() {
    QFETCH(int, langue);
    QFETCH(int, position);
    QFETCH(int, methode);
    demarre(langue);
    TForm1& f = banc->principale();
    f.methodes()->setCurrentIndex(position);
    const int numero = f.methodechoisie();
    for (int n : {3, 17, 42})
        cliquecase(&f, n);
    enregistre(*banc, [&](QWidget* w) {
        QCOMPARE(w->windowTitle(), langue == 2 ? QStringLiteral("Save file")
                                               : QStringLiteral("Indiquer le nom du fichier à enregistrer"));
        auto* edit = controle<QLineEdit>(w, "Edit1");
        QVERIFY(!edit->isReadOnly());
        QCOMPARE(edit->text(), QStringLiteral("*"));
        QCOMPARE(repertoire(w), racine);
        // The star is selected when the chooser opens: typing replaces it, and the name typed
        // stays while the user looks for the directory.
        tape(edit, QStringLiteral("mes numéros"));
        ouvrerepertoire(w, QStringLiteral("grilles"));
        QCOMPARE(repertoire(w), dossier);
        QCOMPARE(edit->text(), QStringLiteral("mes numéros"));
        ok(w);
    });
    QVERIFY(banc->messages.journal.isEmpty());
    const QString chemin = QDir(dossier).filePath(QStringLiteral("mes numéros"));
    QCOMPARE(lis(chemin), grille(position, {3, 17, 42}));
    QCOMPARE(QString::fromStdString(banc->etat().repfichier), dossier);
    QCOMPARE(QString::fromUtf8(banc->etat().nomfichier.c_str()), QStringLiteral("mes numéros"));

    QTest::mouseClick(controle<QPushButton>(&f, "beffacer"), Qt::LeftButton);
    f.methodes()->setCurrentIndex(position == 0 ? 10 : 0);
    charge(*banc, [&](QWidget* w) {
        // Same directory as the save left it, the new file listed, the name back to the star.
        QCOMPARE(repertoire(w), dossier);
        QVERIFY(fichiers(w).contains(QStringLiteral("mes numéros")));
        QCOMPARE(controle<QLineEdit>(w, "Edit1")->text(), QStringLiteral("*"));
        choisisfichier(w, QStringLiteral("mes numéros"));
        QCOMPARE(controle<QLineEdit>(w, "Edit1")->text(), QStringLiteral("mes numéros"));
        ok(w);
    });
    QVERIFY(banc->messages.journal.isEmpty());
    for (int t = 1; t <= 50; ++t)
        QCOMPARE(banc->etat().casescoch[std::size_t(t)], (t == 3 || t == 17 || t == 42) ? 1 : 0);
    QCOMPARE(controle<QLabel>(&f, "nbcoch")->text(), QStringLiteral("3"));
    for (int t : {3, 17, 42})
        QVERIFY(!controle<QLabel>(&f, BlocNumeros::nomcellule(t).toLatin1().constData())->pixmap().isNull());
    QVERIFY(controle<QLabel>(&f, BlocNumeros::nomcellule(4).toLatin1().constData())->pixmap().isNull());
    QCOMPARE(f.methodes()->currentIndex(), position);
    QCOMPARE(f.methodechoisie(), numero);
    if (methode > 0)
        QCOMPARE(f.methodechoisie(), methode);
}

void TestFichiers::ecrasement_data() {
    QTest::addColumn<Reponse>("reponse");
    QTest::newRow("non") << Reponse::Non;
    QTest::newRow("oui") << Reponse::Oui;
}

// Saving over a file asks first; No leaves it byte for byte as it was.
void TestFichiers::ecrasement() {
    QFETCH(Reponse, reponse);
    demarre(1);
    const QString chemin = QDir(dossier).filePath(QStringLiteral("grille"));
    const QByteArray ancien = grille(5, {1, 2, 3, 4, 5, 6, 7});
    ecris(chemin, ancien);
    cliquecase(&banc->principale(), 9);
    banc->messages.reponses.push_back(reponse);
    enregistre(*banc, [&](QWidget* w) {
        ouvrerepertoire(w, QStringLiteral("grilles"));
        choisisfichier(w, QStringLiteral("grille"));
        QCOMPARE(controle<QLineEdit>(w, "Edit1")->text(), QStringLiteral("grille"));
        ok(w);
    });
    QCOMPARE(banc->messages.messages.size(), 1);
    const MessageEnregistre& m = banc->messages.messages.first();
    QCOMPARE(m.texte, QStringLiteral("Continuer quand même ?"));
    QCOMPARE(m.titre, QStringLiteral("Fichier existant !!"));
    QCOMPARE(m.boutons, Boutons::OuiNon);
    QCOMPARE(m.icone, Icone::Aucune);
    QCOMPARE(banc->messages.bips, 0);
    QCOMPARE(lis(chemin), reponse == Reponse::Oui ? grille(0, {9}) : ancien);
    QCOMPARE(QDir(dossier).entryList(QDir::Files | QDir::Hidden), QStringList(QStringLiteral("grille")));
}

void TestFichiers::erreursdelecture_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("message");
    const QString lecture = QStringLiteral("Erreur à la lecture du fichier");
    const QString pasgrille = QStringLiteral("Ce n'est pas un fichier grille");
    QTest::newRow("100 octets") << 1 << grille(0, {1, 2}).left(100) << lecture;
    QTest::newRow("207 octets, anglais") << 2 << grille(0, {1, 2}).left(207) << lecture;
    QTest::newRow("vide") << 1 << QByteArray() << lecture;
    QTest::newRow("texte") << 1 << QByteArray("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\n").repeated(8)
                           << pasgrille;
    QTest::newRow("signature, anglais")
        << 2 << QByteArray::fromHex("03475250") + grille(0, {1}).mid(4) << pasgrille;
}

// A file that is not a grid file changes nothing but the name remembered for the next time.
void TestFichiers::erreursdelecture() {
    QFETCH(int, langue);
    QFETCH(QByteArray, contenu);
    QFETCH(QString, message);
    demarre(langue);
    ecris(QDir(racine).filePath(QStringLiteral("fichier")), contenu);
    TForm1& f = banc->principale();
    f.methodes()->setCurrentIndex(20);
    cliquecase(&f, 5);
    cliquecase(&f, 6);
    const Instantane avant = instantane(*banc);
    charge(*banc, [](QWidget* w) {
        choisisfichier(w, QStringLiteral("fichier"));
        ok(w);
    });
    QCOMPARE(banc->messages.messages.size(), 1);
    QCOMPARE(banc->messages.messages.first().texte, message);
    QCOMPARE(banc->messages.messages.first().titre, QStringLiteral("Problème !!"));
    QCOMPARE(banc->messages.messages.first().icone, Icone::Aucune);
    QCOMPARE(banc->messages.messages.first().boutons, Boutons::Ok);
    compare(instantane(*banc), avant);
    QCOMPARE(QString::fromStdString(banc->etat().nomfichier), QStringLiteral("fichier"));
    QCOMPARE(lis(QDir(racine).filePath(QStringLiteral("fichier"))), contenu);
}

void TestFichiers::echecsauvegarde_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("existant"); // a previous file, so the question comes first
    QTest::addColumn<QString>("cause");
    QTest::newRow("etoile laissee") << "*" << false << "";
    QTest::newRow("nom generique") << "grille?" << false << "";
    QTest::newRow("le nom est un dossier") << "sous" << false << "";
    QTest::newRow("le parent est un fichier") << "grille/neuf" << true << "";
    QTest::newRow("disque plein") << "grille" << true << "disque plein";
    QTest::newRow("dossier protege") << "grille" << true << "dossier protege";
}

// A save that cannot be made beeps, says so in French, and leaves the previous file intact.
void TestFichiers::echecsauvegarde() {
    QFETCH(QString, nom);
    QFETCH(bool, existant);
    QFETCH(QString, cause);
    if (cause == QLatin1String("dossier protege") && ::geteuid() == 0)
        QSKIP("root writes into read-only directories; the full-disk row covers the failure");
    demarre(2);
    QVERIFY(QDir(dossier).mkdir(QStringLiteral("sous")));
    const QString ancien = QDir(dossier).filePath(QStringLiteral("grille"));
    const QByteArray contenu = grille(8, {10, 20, 30});
    ecris(ancien, contenu);
    TForm1& f = banc->principale();
    cliquecase(&f, 44);
    const Instantane avant = instantane(*banc);
    const QStringList avantfichiers =
        QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (cause == QLatin1String("dossier protege"))
        QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    pendantmodal([&](QWidget* w) {
        ouvrerepertoire(w, QStringLiteral("grilles"));
        auto* edit = controle<QLineEdit>(w, "Edit1");
        edit->selectAll();
        if (nom != QLatin1String("*"))
            QTest::keyClicks(edit, nom);
        QCOMPARE(edit->text(), nom);
        ok(w);
    });
    {
        std::unique_ptr<LimiteTaille> limite;
        if (cause == QLatin1String("disque plein"))
            limite = std::make_unique<LimiteTaille>(100);
        controle<QAction>(&f, "EnregistrerBulletin1")->trigger();
    }
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QStringList attendu;
    if (existant && nom == QLatin1String("grille"))
        attendu << QStringLiteral("message:Continuer quand même ?");
    attendu << QStringLiteral("bip") << QStringLiteral("message:Il y a eu un problème");
    QCOMPARE(banc->messages.journal, attendu);
    const MessageEnregistre& m = banc->messages.messages.last();
    QCOMPARE(m.titre, QStringLiteral("Fichier non sauvegardé !!"));
    QCOMPARE(m.boutons, Boutons::Ok);
    QCOMPARE(m.icone, Icone::Aucune);
    QCOMPARE(lis(ancien), contenu);
    QCOMPARE(QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), avantfichiers);
    QVERIFY(QFileInfo(QDir(dossier).filePath(QStringLiteral("sous"))).isDir());
    compare(instantane(*banc), avant);
}

void TestFichiers::positionhorsliste_data() {
    QTest::addColumn<int>("posmethode");
    QTest::addColumn<int>("attendue");
    QTest::newRow("-1 garde la selection") << -1 << 20;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("49") << 49 << 49;
    QTest::newRow("50") << 50 << 20;
    QTest::newRow("-2") << -2 << 20;
    QTest::newRow("1000") << 1000 << 20;
    QTest::newRow("INT_MIN") << INT_MIN << 20;
    QTest::newRow("INT_MAX") << INT_MAX << 20;
}

// A position the list does not have keeps the current method; the ticks still load.
void TestFichiers::positionhorsliste() {
    QFETCH(int, posmethode);
    QFETCH(int, attendue);
    demarre(1);
    ecris(QDir(racine).filePath(QStringLiteral("abimee")), grille(posmethode, {1, 2, 49}));
    TForm1& f = banc->principale();
    f.methodes()->setCurrentIndex(20);
    charge(*banc, [](QWidget* w) {
        choisisfichier(w, QStringLiteral("abimee"));
        ok(w);
    });
    QVERIFY(banc->messages.journal.isEmpty());
    QCOMPARE(f.methodes()->currentIndex(), attendue);
    QVERIFY(f.methodechoisie() >= 1);
    QCOMPARE(comptecoches(banc->etat()), 3);
    QCOMPARE(controle<QLabel>(&f, "nbcoch")->text(), QStringLiteral("3"));
    QCOMPARE(banc->etat().fichiergrille.posmethode, posmethode);
}

// Flags other than 0 and 1 from a file show ticked, are not counted, and travel on: entry 50 is
// written back by the next save.
void TestFichiers::valeursetranges() {
    demarre(1);
    ecris(QDir(racine).filePath(QStringLiteral("etrange")),
          grille(0, {{4, 2}, {5, -1}, {6, INT_MIN}, {7, 1}, {49, INT_MAX}, {50, 1}}));
    TForm1& f = banc->principale();
    charge(*banc, [](QWidget* w) {
        choisisfichier(w, QStringLiteral("etrange"));
        ok(w);
    });
    QVERIFY(banc->messages.journal.isEmpty());
    QCOMPARE(banc->etat().casescoch[4], 2);
    QCOMPARE(banc->etat().casescoch[6], INT_MIN);
    QCOMPARE(banc->etat().casescoch[50], 1);
    for (int t : {4, 5, 6, 7, 49})
        QVERIFY(!controle<QLabel>(&f, BlocNumeros::nomcellule(t).toLatin1().constData())->pixmap().isNull());
    QCOMPARE(controle<QLabel>(&f, "nbcoch")->text(), QStringLiteral("1"));
    // The commands still refuse or work as with any count.
    QTest::mouseClick(controle<QPushButton>(&f, "bvoirbulletin"), Qt::LeftButton);
    QCOMPARE(banc->messages.messages.size(), 1);
    QCOMPARE(banc->messages.messages.first().texte, QStringLiteral("Sélection incorrecte"));
    cliquecase(&f, 4);
    QCOMPARE(banc->etat().casescoch[4], 0);
    enregistre(*banc, [](QWidget* w) {
        QTest::keyClicks(controle<QLineEdit>(w, "Edit1"), "copie");
        ok(w);
    });
    QCOMPARE(lis(QDir(racine).filePath(QStringLiteral("copie"))),
             grille(0, {{5, -1}, {6, INT_MIN}, {7, 1}, {49, INT_MAX}, {50, 1}}));
}

void TestFichiers::libelleannule_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<int>("ensuite");
    QTest::addColumn<QString>("libelle");
    QTest::newRow("francais") << 1 << 1 << "Annule";
    QTest::newRow("anglais") << 2 << 2 << "Abort";
    QTest::newRow("passe a l'anglais") << 1 << 2 << "Annule";
    QTest::newRow("passe au francais") << 2 << 1 << "Abort";
}

// The cancel caption follows the language of the start only; the title follows the current one.
void TestFichiers::libelleannule() {
    QFETCH(int, langue);
    QFETCH(int, ensuite);
    QFETCH(QString, libelle);
    demarre(langue);
    banc->changelangue(ensuite);
    QString vu;
    QString titre;
    enregistre(*banc, [&](QWidget* w) {
        vu = controle<QPushButton>(w, "boutannule")->text();
        titre = w->windowTitle();
    });
    QCOMPARE(vu, libelle);
    QCOMPARE(titre, ensuite == 2 ? QStringLiteral("Save file")
                                 : QStringLiteral("Indiquer le nom du fichier à enregistrer"));
    QVERIFY(banc->messages.journal.isEmpty());
}

void TestFichiers::lecteurpaspret_data() {
    QTest::addColumn<bool>("depuislacle");
    QTest::newRow("depuis la racine") << false;
    QTest::newRow("depuis un autre volume") << true;
}

// Picking a volume that is not ready goes back to the root volume without a word. Coming from the
// root volume the directory stays; coming from another one the root volume's root is shown.
void TestFichiers::lecteurpaspret() {
    QFETCH(bool, depuislacle);
    demarre(1);
    ecris(QDir(racine).filePath(QStringLiteral("a la racine")), grille(0, {1}));
    ecris(QDir(banc->volumes.chemin(QStringLiteral("cle"))).filePath(QStringLiteral("sur la cle")),
          grille(0, {2}));
    QString repertoirefinal;
    QStringList fichiersfinaux;
    int index = -1;
    charge(*banc, [&](QWidget* w) {
        auto* lecteurs = controle<QComboBox>(w, "DriveComboBox1");
        QCOMPARE(lecteurs->count(), 3);
        QCOMPARE(lecteurs->currentIndex(), 0);
        QCOMPARE(lecteurs->currentText(), racine + QStringLiteral(" [RACINE]"));
        ouvrerepertoire(w, QStringLiteral("grilles"));
        if (depuislacle) {
            QTest::keyClick(lecteurs, Qt::Key_Down);
            QCOMPARE(lecteurs->currentIndex(), 1);
            QCOMPARE(repertoire(w), banc->volumes.chemin(QStringLiteral("cle")));
            QCOMPARE(fichiers(w), QStringList(QStringLiteral("sur la cle")));
        }
        banc->volumes.demandes.clear();
        lecteurs->setCurrentIndex(2); // "lecteur", not ready
        index = lecteurs->currentIndex();
        repertoirefinal = repertoire(w);
        fichiersfinaux = fichiers(w);
    });
    QCOMPARE(banc->volumes.demandes, QStringList(banc->volumes.chemin(QStringLiteral("lecteur"))));
    QCOMPARE(index, 0);
    QVERIFY(banc->messages.journal.isEmpty());
    if (depuislacle) {
        QCOMPARE(repertoirefinal, racine);
        QCOMPARE(fichiersfinaux, QStringList(QStringLiteral("a la racine")));
    } else {
        QCOMPARE(repertoirefinal, dossier);
        QCOMPARE(fichiersfinaux, QStringList());
    }
}

// Another volume: its files are listed, a save lands there, and the chooser opens there again.
void TestFichiers::autrevolume() {
    demarre(1);
    const QString cle = banc->volumes.chemin(QStringLiteral("cle"));
    cliquecase(&banc->principale(), 33);
    enregistre(*banc, [&](QWidget* w) {
        QTest::keyClick(controle<QComboBox>(w, "DriveComboBox1"), Qt::Key_Down);
        QCOMPARE(repertoire(w), cle);
        QTest::keyClicks(controle<QLineEdit>(w, "Edit1"), "sauvegarde");
        ok(w);
    });
    QCOMPARE(lis(QDir(cle).filePath(QStringLiteral("sauvegarde"))), grille(0, {33}));
    QCOMPARE(banc->volumes.demandes, QStringList(cle));
    charge(*banc, [&](QWidget* w) {
        QCOMPARE(controle<QComboBox>(w, "DriveComboBox1")->currentIndex(), 1);
        QCOMPARE(repertoire(w), cle);
        QCOMPARE(fichiers(w), QStringList(QStringLiteral("sauvegarde")));
    });
}

void TestFichiers::doubleclic() {
    demarre(1);
    ecris(QDir(racine).filePath(QStringLiteral("b")), grille(0, {11, 12}));
    ecris(QDir(racine).filePath(QStringLiteral("a")), grille(0, {21}));
    charge(*banc, [](QWidget* w) {
        QCOMPARE(fichiers(w), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
        choisisfichier(w, QStringLiteral("b"), true);
        QVERIFY(!w->isVisible());
    });
    QVERIFY(banc->messages.journal.isEmpty());
    QCOMPARE(comptecoches(banc->etat()), 2);
    QCOMPARE(banc->etat().casescoch[12], 1);
}

// Enter in the directory tree opens the directory and leaves the chooser open; Enter in the name
// takes it.
void TestFichiers::clavier() {
    demarre(1);
    cliquecase(&banc->principale(), 1);
    enregistre(*banc, [&](QWidget* w) {
        auto* arbre = controle<QTreeWidget>(w, "DirectoryListBox1");
        arbre->setCurrentItem(
            arbre->findItems(QStringLiteral("grilles"), Qt::MatchExactly | Qt::MatchRecursive).first());
        QTest::keyClick(arbre, Qt::Key_Return);
        QVERIFY(w->isVisible());
        QCOMPARE(repertoire(w), dossier);
        auto* edit = controle<QLineEdit>(w, "Edit1");
        QTest::keyClicks(edit, "x");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!w->isVisible());
    });
    QCOMPARE(lis(QDir(dossier).filePath(QStringLiteral("x"))), grille(0, {1}));
}

// A directory removed between two uses: the chooser opens in the nearest one that is left.
void TestFichiers::repertoiredisparu() {
    demarre(1);
    QVERIFY(QDir(dossier).mkpath(QStringLiteral("a/b")));
    charge(*banc, [&](QWidget* w) {
        ouvrerepertoire(w, QStringLiteral("grilles"));
        ouvrerepertoire(w, QStringLiteral("a"));
        ouvrerepertoire(w, QStringLiteral("b"));
        QCOMPARE(repertoire(w), QDir(dossier).filePath(QStringLiteral("a/b")));
    });
    QVERIFY(QDir(QDir(dossier).filePath(QStringLiteral("a"))).removeRecursively());
    QString ouvert;
    charge(*banc, [&](QWidget* w) { ouvert = repertoire(w); });
    QCOMPARE(ouvert, dossier);
    QVERIFY(banc->messages.journal.isEmpty());
}

void TestFichiers::nomsdelaliste_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("dossierbrut"); // a folder to open first, or none
    QTest::addColumn<QByteArray>("nom");
    QTest::addColumn<QString>("affiche"); // "folder/name" as the chooser shows them
    QTest::addColumn<bool>("remplace");
    QTest::newRow("charge etoile") << QByteArray("C.UTF-8") << QByteArray() << QByteArray("a*b") << "a*b"
                                   << false;
    QTest::newRow("remplace etoile") << QByteArray("C.UTF-8") << QByteArray() << QByteArray("a*b") << "a*b"
                                     << true;
    QTest::newRow("charge ?") << QByteArray("C.UTF-8") << QByteArray() << QByteArray("grille?") << "grille?"
                              << false;
    QTest::newRow("charge latin-1") << QByteArray("C.UTF-8") << QByteArray("r\xe9p") << QByteArray("caf\xe9")
                                    << "r%E9p/caf%E9" << false;
    QTest::newRow("remplace latin-1 et utf-8")
        << QByteArray("C.UTF-8") << QByteArray() << QByteArray("\xc3\xa9t\xe9") << "ét%E9" << true;
    QTest::newRow("charge latin-1, locale C")
        << QByteArray("C") << QByteArray("r\xe9p") << QByteArray("caf\xe9") << "r%E9p/caf%E9" << false;
    QTest::newRow("charge latin-1, locale latin-1") << QByteArray("fr_FR.ISO-8859-1") << QByteArray("r\xe9p")
                                                    << QByteArray("caf\xe9") << "rép/café" << false;
}

// A file picked in the list is the file listed, whatever its name holds: wildcards, or bytes that
// are not UTF-8, shown in the locale's character set or as %XX. It loads, and a save over it
// replaces it rather than making another file.
void TestFichiers::nomsdelaliste() {
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, dossierbrut);
    QFETCH(QByteArray, nom);
    QFETCH(QString, affiche);
    QFETCH(bool, remplace);
    QTemporaryDir locales;
    if (locale.contains("ISO-8859-1")) {
        if (QProcess::execute("localedef", {"-i", "fr_FR", "-f", "ISO-8859-1", locales.filePath(locale)}) !=
            0)
            QSKIP("localedef cannot make a Latin-1 locale here (package locales)");
        qputenv("LOCPATH", QFile::encodeName(locales.path()));
    }
    const QByteArray avant = std::setlocale(LC_CTYPE, nullptr);
    QVERIFY(std::setlocale(LC_CTYPE, locale.constData()));
    demarre(1);
    const QByteArray repertoire =
        QFile::encodeName(racine) + (dossierbrut.isEmpty() ? "" : "/" + dossierbrut);
    ::mkdir(repertoire.constData(), 0755);
    ecrisbrut(repertoire + '/' + nom, grille(3, {4, 5, 6}));
    cliquecase(&banc->principale(), 9);
    QStringList vus;
    const auto prend = [&](QWidget* w) {
        if (!dossierbrut.isEmpty())
            ouvrerepertoire(w, affiche.section('/', 0, 0));
        vus = fichiers(w);
        choisisfichier(w, affiche.section('/', -1));
        ok(w);
    };
    remplace ? enregistre(*banc, prend) : charge(*banc, prend);
    std::setlocale(LC_CTYPE, avant.constData());
    qunsetenv("LOCPATH");
    QCOMPARE(vus, QStringList(affiche.section('/', -1)));
    QCOMPARE(banc->messages.journal,
             remplace ? QStringList{"message:Continuer quand même ?"} : QStringList());
    QCOMPARE(lisbrut(repertoire + '/' + nom), remplace ? grille(0, {9}) : grille(3, {4, 5, 6}));
    QCOMPARE(comptecoches(banc->etat()), remplace ? 1 : 3);
    QCOMPARE(contenurepertoire(repertoire.toStdString()).fichiers.size(), std::size_t(1));
}

void TestFichiers::nomcache_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("debut");
    QTest::newRow("francais") << 1 << ".ma grille"
                              << "Un nom qui commence par un point désigne un fichier caché";
    QTest::newRow("anglais") << 2 << ".ma grille"
                             << "A name that starts with a dot makes a hidden file";
    QTest::newRow("dans un sous-dossier") << 1 << "grilles/.x"
                                          << "Un nom qui commence par un point";
}

// A file the list would never show could never be loaded: it is not written, and the user is told.
void TestFichiers::nomcache() {
    QFETCH(int, langue);
    QFETCH(QString, nom);
    QFETCH(QString, debut);
    demarre(langue);
    enregistre(*banc, [&](QWidget* w) {
        QTest::keyClicks(controle<QLineEdit>(w, "Edit1"), nom);
        ok(w);
    });
    QCOMPARE(banc->messages.messages.size(), 1);
    QVERIFY(banc->messages.messages.first().texte.startsWith(debut));
    QCOMPARE(banc->messages.messages.first().titre, langue == 2 ? "Problem !!" : "Problème !!");
    QCOMPARE(banc->messages.messages.first().icone, Icone::Aucune);
    QCOMPARE(QDir(racine).entryList(QDir::Files | QDir::Hidden) +
                 QDir(dossier).entryList(QDir::Files | QDir::Hidden),
             QStringList());
}

QTEST_MAIN(TestFichiers)
#include "test_fichiers.moc"

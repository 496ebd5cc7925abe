// The print windows end to end on the real CUPS queues impression_cups.sh sets up: PDF (the
// default, takes jobs), REFUS (refuses them, "Bac vide") and ARRET (stopped, "Capot ouvert"); then,
// once those are gone, DEUX and TROIS with no default at all. The queues write their PDF files to
// the folder VORMIGRAL_SORTIE_PDF names.

#include "tests/cups/fenetres.h"

#include "app/imprimantechoisie.h"
#include "printer/imprimantes_qt.h"
#include "printer/lancement.h"
#include "tests/cups/lecturepdf.h"
#include "tests/support/doubles.h"
#include "windows/calage.h"
#include "windows/choiximprimante.h"
#include "windows/dialogueimpression.h"
#include "windows/listegrilles.h"
#include "windows/principale.h"

#include <cups/cups.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>

using namespace vormigral;
using namespace vormigral::test;

namespace {

// The program on the real queues, in a language, with method m selected and its numbers ticked.
void prepare(Banc& banc, int langue, int m) {
    ecrisparametres(banc, langue);
    banc.demarre();
    choisismethode(banc.principale(), m);
    banc.etat().casescoch.fill(0);
    for (int t = 1; t <= banc.etat().methodes[m].nbnumeros; ++t)
        banc.etat().casescoch[3 + t] = 1;
}

void clique(QWidget* fenetre, const char* nom) {
    QTest::mouseClick(controle<QPushButton>(fenetre, nom), Qt::LeftButton);
}

// Opens a window through a command of the main window and runs `action` in it.
template <class T> void dans(Banc& banc, const char* commande, std::function<void(T*)> action) {
    QObject garde;
    bool vu = false;
    quandouverte<T>(&garde, [&vu, &action](T* w) {
        vu = true;
        action(w);
    });
    clique(&banc.principale(), commande);
    QVERIFY(vu);
}

// The jobs of a queue (of every queue when null): those still to print, or all of them.
std::map<int, ipp_jstate_t> travaux(const char* file, int lesquels) {
    cups_job_t* liste = nullptr;
    const int nombre = cupsGetJobs2(CUPS_HTTP_DEFAULT, &liste, file, 0, lesquels);
    std::map<int, ipp_jstate_t> resultat;
    for (int i = 0; i < nombre; ++i)
        resultat[liste[i].id] = liste[i].state;
    cupsFreeJobs(nombre, liste);
    return resultat;
}

// Which printer took how many pages under which job numbers, read back from the printer's answer.
struct Annonce {
    QString imprimante;
    int pages = 0;
    QList<int> travaux;
};

Annonce lis(const QString& annonce) {
    static const QRegularExpression forme(QStringLiteral(
        R"re(^(?:L'imprimante « (.+) » a accepté|The printer "(.+)" accepted) (\d+) pages? \((?:travail|travaux|job|jobs) ([\d, ]+)\)\.$)re"));
    const QRegularExpressionMatch m = forme.match(annonce);
    Annonce resultat;
    if (!m.hasMatch())
        return resultat;
    resultat.imprimante = m.captured(1) + m.captured(2);
    resultat.pages = m.captured(3).toInt();
    for (const QString& n : m.captured(4).split(QStringLiteral(", ")))
        resultat.travaux << n.toInt();
    return resultat;
}

// The pages of the PDF file cups-pdf wrote for a job.
int pagesdutravail(int numero) {
    const QDir sortie(qEnvironmentVariable("VORMIGRAL_SORTIE_PDF"));
    const QStringList noms = sortie.entryList({QStringLiteral("*-job_%1.pdf").arg(numero)}, QDir::Files);
    if (noms.size() != 1)
        return -1;
    QString erreur;
    return int(motspdf(sortie.filePath(noms.first()), &erreur).size());
}

QStringList lignes(QListWidget* liste) {
    QStringList resultat;
    for (int i = 0; i < liste->count(); ++i)
        resultat << liste->item(i)->text();
    return resultat;
}

} // namespace

class Fenetres : public QObject {
    Q_OBJECT

private slots:
    void refus_data();
    void refus();
    void acceptation_data();
    void acceptation();
    void choix();
    void sansdefaut_data();
    void sansdefaut();
    void lanceur_data();
    void lanceur();
    void calage_data();
    void calage();
};

void Fenetres::refus_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("liste");
    QTest::addColumn<int>("langue");
    QTest::addColumn<QStringList>("fragments");
    QTest::newRow("slips, queue refusing jobs, fr")
        << "REFUS" << false << 1
        << QStringList{"L'impression a échoué : L'imprimante « REFUS » a refusé le travail : ", "Bac vide",
                       "\nLe travail d'impression a été abandonné."};
    QTest::newRow("list, queue refusing jobs, en")
        << "REFUS" << true << 2
        << QStringList{"Printing failed: The printer \"REFUS\" refused the job: ", "Bac vide"};
    QTest::newRow("slips, stopped queue, en")
        << "ARRET" << false << 2
        << QStringList{"Printing failed: The printer \"ARRET\" is stopped (Capot ouvert)"};
    QTest::newRow("list, stopped queue, fr")
        << "ARRET" << true << 1
        << QStringList{"L'impression a échoué : L'imprimante « ARRET » est arrêtée (Capot ouvert)"};
}

// A queue that refuses the job, or a stopped one, is said so with CUPS's own reason; the window
// stays open, nothing is announced as printed, and no job is left to come out later.
void Fenetres::refus() {
    QFETCH(QString, file);
    QFETCH(bool, liste);
    QFETCH(int, langue);
    QFETCH(QStringList, fragments);
    ImprimantesQt imprimantes;
    Banc banc(&imprimantes);
    QVERIFY(memoriseimprimante(banc.systeme, file));
    prepare(banc, langue, 1);
    if (liste) {
        dans<TForm5>(banc, "bimplistbull", [](TForm5* w) {
            clique(w, "BitBtn6");
            QVERIFY(w->isVisible());
            QCOMPARE(controle<QLabel>(w, "lcompterendu")->text(), QString());
        });
    } else {
        dans<TForm7>(banc, "bimpbull", [](TForm7* w) {
            clique(w, "boutlancer");
            QVERIFY(w->isVisible());
        });
    }
    QCOMPARE(banc.messages.messages.size(), 1);
    const MessageEnregistre& m = banc.messages.messages.first();
    for (const QString& fragment : fragments)
        QVERIFY2(m.texte.contains(fragment), qPrintable(m.texte));
    QCOMPARE(m.icone, Icone::Exclamation);
    QVERIFY(lis(texte(&banc.principale(), "Label2")).imprimante.isEmpty());
    QVERIFY(travaux(file.toUtf8().constData(), CUPS_WHICHJOBS_ACTIVE).empty());
}

void Fenetres::acceptation_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<bool>("liste");
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("unparun");
    QTest::addColumn<QString>("de");
    QTest::addColumn<QString>("a");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("jobs");
    QTest::newRow("11 grids on type 1, fr") << 1 << false << 1 << 0 << false << "1"
                                            << "11" << 2 << 1;
    QTest::newRow("13 grids one slip at a time, en") << 2 << false << 2 << 1 << true << "4"
                                                     << "16" << 3 << 3;
    QTest::newRow("the list, fr") << 1 << true << 1 << 0 << false << ""
                                  << "" << 1 << 1;
}

// An accepted job is announced with the printer's name, its pages and the spooler's job numbers;
// each job is completed and its file holds those pages.
void Fenetres::acceptation() {
    QFETCH(int, langue);
    QFETCH(bool, liste);
    QFETCH(int, methode);
    QFETCH(int, type);
    QFETCH(bool, unparun);
    QFETCH(QString, de);
    QFETCH(QString, a);
    QFETCH(int, pages);
    QFETCH(int, jobs);
    ImprimantesQt imprimantes;
    Banc banc(&imprimantes);
    prepare(banc, langue, methode);
    QString annonce;
    if (liste) {
        dans<TForm5>(banc, "bimplistbull", [&annonce](TForm5* w) {
            clique(w, "BitBtn6");
            annonce = controle<QLabel>(w, "lcompterendu")->text();
        });
        QCOMPARE(texte(&banc.principale(), "Label2"), annonce);
    } else {
        dans<TForm7>(banc, "bimpbull", [&](TForm7* w) {
            controle<QComboBox>(w, "ComboBox1")->setCurrentIndex(type);
            if (unparun)
                QTest::mouseClick(controle<QRadioButton>(w, "bimpunbull"), Qt::LeftButton);
            controle<QLineEdit>(w, "Gpremier")->setText(de);
            controle<QLineEdit>(w, "gdernier")->setText(a);
            clique(w, "boutlancer");
            QVERIFY(!w->isVisible());
        });
        annonce = texte(&banc.principale(), "Label2");
    }
    // The prompts for the next slip, answered OK.
    QCOMPARE(banc.messages.messages.size(), jobs - 1);
    const Annonce lu = lis(annonce);
    QVERIFY2(lu.imprimante == QLatin1String("PDF"), qPrintable(annonce));
    QCOMPARE(lu.pages, pages);
    QCOMPARE(lu.travaux.size(), jobs);
    // The program follows a job for a few seconds only; a loaded machine may need longer to finish it.
    const auto finis = [&lu] {
        const std::map<int, ipp_jstate_t> faits = travaux("PDF", CUPS_WHICHJOBS_COMPLETED);
        return std::all_of(lu.travaux.begin(), lu.travaux.end(),
                           [&faits](int n) { return faits.count(n) > 0; });
    };
    QTRY_VERIFY_WITH_TIMEOUT(finis(), 30000);
    int papier = 0;
    for (const int numero : lu.travaux)
        papier += pagesdutravail(numero);
    QCOMPARE(papier, pages);
}

// Options › Printer lists every queue with its state and keeps the one picked; the system's default,
// named once, can be followed again.
void Fenetres::choix() {
    ImprimantesQt imprimantes;
    Banc banc(&imprimantes);
    prepare(banc, 1, 1);
    const auto choisit = [&banc](const QString& ligne, int attendue) {
        QObject garde;
        bool vu = false;
        quandouverte<TChoixImprimante>(&garde, [&](TChoixImprimante* w) {
            vu = true;
            auto* liste = controle<QListWidget>(w, "listeimprimantes");
            QCOMPARE(lignes(liste),
                     (QStringList{"Imprimante par défaut du système (PDF)", "ARRET — arrêtée (Capot ouvert)",
                                  "PDF", "REFUS — refuse les travaux (Bac vide)"}));
            QCOMPARE(liste->currentRow(), attendue);
            liste->setCurrentRow(int(lignes(liste).indexOf(ligne)));
            clique(w, "bok");
        });
        controle<QAction>(&banc.principale(), "mImprimante1")->trigger();
        QVERIFY(vu);
    };
    choisit(QStringLiteral("REFUS — refuse les travaux (Bac vide)"), 0);
    QCOMPARE(imprimantememorisee(banc.systeme), QStringLiteral("REFUS"));
    choisit(QStringLiteral("Imprimante par défaut du système (PDF)"), 3);
    QCOMPARE(imprimantememorisee(banc.systeme), QString());
}

void Fenetres::sansdefaut_data() {
    QTest::addColumn<int>("rang"); // the queue picked; -1 cancels
    QTest::newRow("the second queue picked") << 1;
    QTest::newRow("cancelled") << -1;
}

// With queues but no default, printing asks which one instead of guessing, keeps the answer and
// asks no more; cancelling prints nothing.
void Fenetres::sansdefaut() {
    QFETCH(int, rang);
    ImprimantesQt imprimantes;
    Banc banc(&imprimantes);
    prepare(banc, 1, 1);
    const std::size_t avant = travaux(nullptr, CUPS_WHICHJOBS_ALL).size();
    const auto imprimeetcompte = [&banc, rang](bool ferme) {
        QObject garde;
        int demandes = 0;
        quandouverte<TChoixImprimante>(&garde, [&](TChoixImprimante* w) {
            ++demandes;
            auto* liste = controle<QListWidget>(w, "listeimprimantes");
            QCOMPARE(lignes(liste), (QStringList{"DEUX", "TROIS"}));
            QCOMPARE(texte(w, "lraison"),
                     QStringLiteral(
                         "Aucune imprimante par défaut n'est réglée sur cet ordinateur : choisissez celle "
                         "qui doit imprimer. Ce choix sera gardé pour les impressions suivantes."));
            if (rang < 0) {
                clique(w, "bannuler");
                return;
            }
            liste->setCurrentRow(rang);
            clique(w, "bok");
        });
        dans<TForm7>(banc, "bimpbull", [ferme](TForm7* w) {
            clique(w, "boutlancer");
            QCOMPARE(w->isVisible(), !ferme);
        });
        return demandes;
    };
    QCOMPARE(imprimeetcompte(rang >= 0), 1);
    QVERIFY(banc.messages.messages.isEmpty());
    if (rang < 0) {
        QCOMPARE(travaux(nullptr, CUPS_WHICHJOBS_ALL).size(), avant);
        QCOMPARE(imprimantememorisee(banc.systeme), QString());
        return;
    }
    QCOMPARE(imprimantememorisee(banc.systeme), QStringLiteral("TROIS"));
    const Annonce lu = lis(texte(&banc.principale(), "Label2"));
    QCOMPARE(lu.imprimante, QStringLiteral("TROIS"));
    QCOMPARE(lu.travaux.size(), 1);
    QVERIFY(travaux("TROIS", CUPS_WHICHJOBS_ALL).count(lu.travaux.first()));
    QCOMPARE(imprimeetcompte(true), 0);
    QCOMPARE(lis(texte(&banc.principale(), "Label2")).imprimante, QStringLiteral("TROIS"));
}

void Fenetres::lanceur_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("queue taking jobs") << "PDF";
    QTest::newRow("queue refusing jobs") << "REFUS";
}

// The print run that keeps the window alive, on the real queues: the job goes to the spooler off
// the window's thread and is followed, announced as the windows announce it; a refusal is shown
// with CUPS's reason, and no job is left queued.
void Fenetres::lanceur() {
    QFETCH(QString, file);
    qRegisterMetaType<TFinImpression>();
    ImprimantesQt imprimantes;
    Banc banc(&imprimantes);
    QVERIFY(memoriseimprimante(banc.systeme, file));
    // The announcement is worded by the translations, as the program installs them.
    banc.langue.applique(1);
    const Plateforme plateforme = banc.plateforme();
    TLanceurImpression lanceur(plateforme, {}, [](SurfaceImpression& surface) {
        surface.ouvre("VORMIGRAL essai");
        surface.police("Courier", 12, false);
        surface.ecrit(100, 100, "X");
        surface.ferme();
    });
    QSignalSpy attente(&lanceur, &TLanceurImpression::attente);
    QSignalSpy termine(&lanceur, &TLanceurImpression::termine);
    int battements = 0;
    QTimer minuterie;
    connect(&minuterie, &QTimer::timeout, [&] { ++battements; });
    minuterie.start(10);
    QVERIFY(lanceur.lance());
    QTRY_COMPARE_WITH_TIMEOUT(termine.size(), 1, 30000);
    const auto fin = termine.takeFirst().at(0).value<TFinImpression>();
    QCOMPARE(fin.code, TCodeCups::ok);
    QCOMPARE(attente.size(), 2);
    QVERIFY(battements > 0);
    if (file == QLatin1String("REFUS")) {
        QVERIFY(!fin.lancement.fait);
        QCOMPARE(banc.messages.messages.size(), 1);
        QVERIFY2(banc.messages.messages.first().texte.contains(QStringLiteral("Bac vide")),
                 qPrintable(banc.messages.messages.first().texte));
        QVERIFY(travaux("REFUS", CUPS_WHICHJOBS_ACTIVE).empty());
        return;
    }
    QVERIFY(fin.lancement.fait);
    QVERIFY(banc.messages.messages.isEmpty());
    const Annonce annonce = lis(fin.lancement.annonce);
    QCOMPARE(annonce.imprimante, QStringLiteral("PDF"));
    QCOMPARE(annonce.pages, 1);
    QCOMPARE(annonce.travaux.size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(travaux("PDF", CUPS_WHICHJOBS_ALL)[annonce.travaux.first()],
                              IPP_JSTATE_COMPLETED, 20000);
}

void Fenetres::calage_data() {
    QTest::addColumn<int>("type");
    QTest::newRow("type 1") << 0;
    QTest::newRow("type 2") << 1;
}

// A queue whose imageable area is the whole sheet (cups-pdf's) takes the calibration sheets with no
// warning about marks it could not print.
void Fenetres::calage() {
    QFETCH(int, type);
    ImprimantesQt imprimantes;
    Banc banc(&imprimantes);
    prepare(banc, 2, 1);
    QObject garde;
    bool vu = false;
    quandouverte<TCalage>(&garde, [&](TCalage* w) {
        vu = true;
        controle<QComboBox>(w, "ctype")->setCurrentIndex(type);
        clique(w, "bimprimer");
        QVERIFY(!w->isVisible());
    });
    banc.principale().findChild<QAction*>(QStringLiteral("mCalage1"))->trigger();
    QVERIFY(vu);
    QVERIFY2(banc.messages.messages.isEmpty(), qPrintable(banc.messages.messages.value(0).texte));
    const QString annonce = texte(&banc.principale(), "Label2");
    QVERIFY2(lis(annonce).imprimante == QLatin1String("PDF"), qPrintable(annonce));
}

int fenetres(int argc, char** argv) {
    Fenetres essais;
    return QTest::qExec(&essais, argc, argv);
}

#include "fenetres.moc"

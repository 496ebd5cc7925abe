#include "printer/cups.h"
#include "printer/imprimantes_qt.h"
#include "printer/lancement.h"
#include "printer/travailcups.h"
#include "tests/support/doubles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vormigral;

Q_DECLARE_METATYPE(TCodeCups)
Q_DECLARE_METATYPE(TService)

namespace {

// A print service that takes connections on a socket and then says nothing (muet) or answers one
// byte a second (lent). It stops with the test.
class FauxService {
public:
    FauxService(const std::string& chemin, bool lent) : chemin_(chemin), lent_(lent) {
        ::unlink(chemin.c_str());
        ecoute_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        chemin.copy(adresse.sun_path, sizeof adresse.sun_path - 1);
        ::bind(ecoute_, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse);
        ::listen(ecoute_, 16);
        fil_ = std::thread([this] { sert(); });
    }
    ~FauxService() {
        fini_ = true;
        fil_.join();
        for (const int c : clients_)
            ::close(c);
        ::close(ecoute_);
        ::unlink(chemin_.c_str());
    }
    FauxService(const FauxService&) = delete;
    FauxService& operator=(const FauxService&) = delete;

private:
    void sert() {
        const char reponse[] =
            "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: 4096\r\n\r\n";
        std::size_t envoye = 0;
        while (!fini_) {
            pollfd attente{ecoute_, POLLIN, 0};
            if (::poll(&attente, 1, 50) > 0) {
                const int client = ::accept4(ecoute_, nullptr, nullptr, SOCK_CLOEXEC);
                if (client >= 0)
                    clients_.push_back(client);
            }
            if (!lent_ || clients_.empty())
                continue;
            // Reads what the client sent and trickles the answer out, a byte a second.
            char tampon[4096];
            for (const int c : clients_)
                while (::recv(c, tampon, sizeof tampon, MSG_DONTWAIT) > 0) {
                }
            if (++tours_ % 20 == 0 && envoye < sizeof reponse - 1)
                for (const int c : clients_)
                    ::send(c, reponse + envoye, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
            envoye += tours_ % 20 == 0 ? 1 : 0;
        }
    }

    std::string chemin_;
    bool lent_;
    int ecoute_ = -1;
    std::vector<int> clients_;
    int tours_ = 0;
    std::atomic<bool> fini_{false};
    std::thread fil_;
};

} // namespace

class TestTravailCups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void serviceabsent_data();
    void serviceabsent();
    void lanceur_data();
    void lanceur();
    void raisontravail_data();
    void raisontravail();

private:
    QTemporaryDir dossier_;
};

void TestTravailCups::initTestCase() {
    qRegisterMetaType<TReponseCups>();
    qRegisterMetaType<std::vector<TFile>>();
    qRegisterMetaType<TFinImpression>();
    // No user's own printer settings may add a server of their own.
    qputenv("HOME", dossier_.path().toLocal8Bit());
}

void TestTravailCups::serviceabsent_data() {
    QTest::addColumn<QString>("service");
    QTest::addColumn<bool>("soumission");
    QTest::addColumn<bool>("annulation");
    QTest::addColumn<TCodeCups>("code");
    QTest::newRow("aucun, liste") << "aucun" << false << false << TCodeCups::injoignable;
    QTest::newRow("aucun, envoi") << "aucun" << true << false << TCodeCups::injoignable;
    QTest::newRow("muet, liste") << "muet" << false << false << TCodeCups::sansreponse;
    QTest::newRow("muet, envoi") << "muet" << true << false << TCodeCups::sansreponse;
    QTest::newRow("lent, liste") << "lent" << false << false << TCodeCups::sansreponse;
    QTest::newRow("lent, envoi") << "lent" << true << false << TCodeCups::sansreponse;
    QTest::newRow("muet, annule") << "muet" << true << true << TCodeCups::annule;
}

// A print service that is not there, says nothing, or answers a byte a second: every call gives up
// within the limit with a code naming the service, and the caller's thread runs on meanwhile.
void TestTravailCups::serviceabsent() {
    QFETCH(QString, service);
    QFETCH(bool, soumission);
    QFETCH(bool, annulation);
    QFETCH(TCodeCups, code);
    const std::string chemin = dossier_.filePath(service + QStringLiteral(".sock")).toStdString();
    std::unique_ptr<FauxService> faux;
    if (service != QLatin1String("aucun"))
        faux = std::make_unique<FauxService>(chemin, service == QLatin1String("lent"));
    qputenv("CUPS_SERVER", QByteArray::fromStdString(chemin));

    ImprimantesQt imprimantes;
    TTravailCups travail(imprimantes);
    travail.delai(std::chrono::milliseconds(1500));
    QSignalSpy files(&travail, &TTravailCups::filesrecues);
    QSignalSpy soumis(&travail, &TTravailCups::soumis);
    int battements = 0;
    QTimer minuterie;
    connect(&minuterie, &QTimer::timeout, [&] { ++battements; });
    minuterie.start(10);
    const TEnvoiCups envoi{
        "PDF", dossier_.filePath(QStringLiteral("vide.pdf")).toStdString(), "essai", {}, {}};
    QVERIFY(soumission ? travail.soumet(envoi) : travail.demandefiles());
    QVERIFY(!travail.demandefiles());
    if (annulation) {
        QTest::qWait(200);
        travail.annule();
    }
    QSignalSpy& reponses = soumission ? soumis : files;
    QTRY_COMPARE_WITH_TIMEOUT(reponses.size(), 1, 15000);
    QVERIFY(!travail.occupe());
    const auto reponse = reponses.takeFirst().at(0).value<TReponseCups>();
    QCOMPARE(reponse.code, code);
    QCOMPARE(reponse.serveur, chemin);
    QCOMPARE(reponse.travail, 0);
    // The caller's timer fired on while the service kept the call waiting.
    if (faux)
        QVERIFY2(battements >= 10, qPrintable(QString::number(battements)));
}

void TestTravailCups::lanceur_data() {
    QTest::addColumn<TService>("service");
    QTest::addColumn<bool>("annulation");
    QTest::addColumn<TCodeCups>("code");
    QTest::newRow("imprime") << TService::repond << false << TCodeCups::ok;
    QTest::newRow("service absent") << TService::absent << false << TCodeCups::injoignable;
    QTest::newRow("service muet") << TService::muet << false << TCodeCups::sansreponse;
    QTest::newRow("annule") << TService::repond << true << TCodeCups::annule;
}

// The print launcher that keeps the window alive: a print service that is not there or does not
// answer ends the run with its code and the service's name, never as "no printer installed".
void TestTravailCups::lanceur() {
    QFETCH(TService, service);
    QFETCH(bool, annulation);
    QFETCH(TCodeCups, code);
    test::Banc banc;
    banc.imprimantes.service = {service, "/run/cups/cups.sock", {}};
    const Plateforme plateforme = banc.plateforme();
    int travaux = 0;
    TLanceurImpression lanceur(plateforme, {}, [&](SurfaceImpression& surface) {
        ++travaux;
        surface.ouvre("essai");
        surface.ferme();
    });
    QSignalSpy attente(&lanceur, &TLanceurImpression::attente);
    QSignalSpy termine(&lanceur, &TLanceurImpression::termine);
    QVERIFY(lanceur.lance());
    QVERIFY(!lanceur.lance());
    if (annulation)
        lanceur.annule();
    QTRY_COMPARE_WITH_TIMEOUT(termine.size(), 1, 5000);
    QTest::qWait(50);
    QCOMPARE(termine.size(), 1);
    QVERIFY(!lanceur.encours());
    QCOMPARE(attente.size(), 1);
    const auto fin = termine.takeFirst().at(0).value<TFinImpression>();
    QCOMPARE(fin.code, code);
    QCOMPARE(fin.lancement.fait, code == TCodeCups::ok);
    QCOMPARE(travaux > 0, code == TCodeCups::ok);
    QVERIFY(banc.messages.messages.isEmpty());
    if (code == TCodeCups::injoignable || code == TCodeCups::sansreponse)
        QCOMPARE(fin.serveur, std::string("/run/cups/cups.sock"));
}

void TestTravailCups::raisontravail_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("raisons");
    QTest::addColumn<QString>("raison");
    QTest::newRow("cancelled by the backend") << ""
                                              << "processing-to-stop-point"
                                              << "";
    QTest::newRow("the backend's message kept") << "Backend returned status 4 (stop printer)"
                                                << "processing-to-stop-point"
                                                << "Backend returned status 4 (stop printer)";
    QTest::newRow("the final reason kept, the passing ones dropped")
        << ""
        << "job-printing, job-canceled-at-device, processing-to-stop-point"
        << "job-canceled-at-device";
    QTest::newRow("both") << "Paper jam"
                          << "aborted-by-system, job-incoming"
                          << "Paper jam; aborted-by-system";
}

// A job the spooler ended unprinted is told with its final state's reasons, not with the reasons
// that only say it was on its way.
void TestTravailCups::raisontravail() {
    QFETCH(QString, message);
    QFETCH(QString, raisons);
    QFETCH(QString, raison);
    QCOMPARE(QString::fromStdString(cups::raisontravail(message.toStdString(), raisons.toStdString())),
             raison);
}

QTEST_MAIN(TestTravailCups)
#include "test_travailcups.moc"

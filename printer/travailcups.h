#pragma once

#include "printer/reponsecups.h"
#include "printing/imprimantes.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QThread;

namespace vormigral {

// A job for the spooler: a PDF file ready to go to a queue, with the print options.
struct TEnvoiCups {
    std::string file;
    std::string pdf;
    std::string titre;
    std::vector<std::pair<std::string, std::string>> options;
    std::chrono::milliseconds suivi{4000}; // how long the job is followed once handed over
};

// Talks to the print service off the window's thread: one call at a time on a thread of its own,
// each on a connection of its own whose every wait is bounded (delai), so that a service that does
// not answer gives up within seconds with a code naming it. The printers are listed through the
// printer seam, which tests replace. Results come back as signals on the object's thread. A cancel
// stops the call at once; a job the spooler already made is cancelled there, so that it never
// comes out later.
class TTravailCups final : public QObject {
    Q_OBJECT

public:
    // For the connection and for each answer the service owes.
    static constexpr std::chrono::milliseconds delaipardefaut{5000};

    explicit TTravailCups(const Imprimantes& imprimantes, QObject* parent = nullptr);
    // A call still going on is cancelled and waited for (within the limit).
    ~TTravailCups() override;
    TTravailCups(const TTravailCups&) = delete;
    TTravailCups& operator=(const TTravailCups&) = delete;

    void delai(std::chrono::milliseconds delai) { delai_ = delai; }

    // Asks for the queues and their states: filesrecues(). False, nothing asked, while busy.
    bool demandefiles();
    // Hands the job over and follows it: travailcree() once the spooler made it, then soumis().
    // False, nothing sent, while busy.
    bool soumet(const TEnvoiCups& envoi);
    // Hands the job over and waits for soumis() in a local event loop, the window's events going on.
    TReponseCups soumetenattendant(const TEnvoiCups& envoi);
    void annule() { annulation_ = true; }
    bool occupe() const { return static_cast<bool>(fil_); }

signals:
    // ok (with at least one queue), sansimprimante, injoignable, sansreponse or annule.
    void filesrecues(const vormigral::TReponseCups& reponse, const std::vector<vormigral::TFile>& files);
    void travailcree(qint32 numero);
    void soumis(const vormigral::TReponseCups& reponse);

private:
    template <typename Appel> void lancefil(Appel appel);
    void fin();

    const Imprimantes& imprimantes_;
    std::unique_ptr<QThread> fil_;
    std::atomic<bool> annulation_{false};
    std::chrono::milliseconds delai_ = delaipardefaut;
};

} // namespace vormigral

Q_DECLARE_METATYPE(vormigral::TReponseCups)
Q_DECLARE_METATYPE(std::vector<vormigral::TFile>)

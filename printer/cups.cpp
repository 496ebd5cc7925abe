#include "printer/cups.h"

#include <cups/cups.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#include <sys/socket.h>

namespace vormigral::cups {

namespace {

using Reponse = std::unique_ptr<ipp_t, decltype(&ippDelete)>;
using Horloge = std::chrono::steady_clock;

// A connection of its own to the print service, every wait on it bounded: each answer must come
// within the limit from the last echeance(), and the user's cancel stops it at once.
class Connexion {
public:
    explicit Connexion(const Limites& limites) : limites_(limites), serveur_(cupsServer()) {
        echeance();
        int abandon = 0;
        http_ = httpConnect2(serveur_.c_str(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             static_cast<int>(limites_.delai.count()), &abandon);
        if (!http_) {
            raison_ = std::strerror(errno);
            return;
        }
        // Short waits, so that the limit and the cancel are looked at often, even while the
        // service sends a byte now and then.
        httpSetTimeout(http_, 0.1, &Connexion::attendencore, this);
    }
    ~Connexion() {
        if (http_)
            httpClose(http_);
    }
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    http_t* http() const { return http_; }
    const std::string& serveur() const { return serveur_; }
    void echeance() { fin_ = Horloge::now() + limites_.delai; }
    bool annulee() const { return limites_.annulation && limites_.annulation->load(); }

    // Why the last call had no answer: the user's cancel, the service's silence, or its refusal to
    // be reached at all.
    TReponseCups silence() const {
        TReponseCups reponse;
        reponse.serveur = serveur_;
        reponse.code = annulee() ? TCodeCups::annule
                       : !http_  ? TCodeCups::injoignable
                                 : TCodeCups::sansreponse;
        reponse.raison = http_ ? cupsLastErrorString() : raison_;
        return reponse;
    }
    // The last call failed because time ran out or the user cancelled, not by the service's answer.
    bool interrompue() const { return annulee() || Horloge::now() >= fin_; }

private:
    static int attendencore(http_t*, void* donnees) {
        return static_cast<Connexion*>(donnees)->interrompue() ? 0 : 1;
    }

    Limites limites_;
    std::string serveur_;
    std::string raison_;
    Horloge::time_point fin_;
    http_t* http_ = nullptr;
};

// Asks the spooler for some attributes of a printer or a job (`cible`: "printer-uri" or "job-uri");
// null (with cupsLastErrorString set) when it does not answer.
Reponse interroge(Connexion& connexion, ipp_op_t operation, const char* cible, const std::string& adresse,
                  const std::vector<const char*>& attributs) {
    ipp_t* requete = ippNewRequest(operation);
    ippAddString(requete, IPP_TAG_OPERATION, IPP_TAG_URI, cible, nullptr, adresse.c_str());
    ippAddString(requete, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(requete, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(attributs.size()),
                  nullptr, attributs.data());
    connexion.echeance();
    Reponse reponse(cupsDoRequest(connexion.http(), requete, "/"), &ippDelete);
    if (reponse && ippGetStatusCode(reponse.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        reponse.reset();
    return reponse;
}

// Every value of a text or keyword attribute, joined; "none" reasons left out.
std::string valeurs(ipp_t* reponse, const char* nom) {
    std::string texte;
    ipp_attribute_t* attribut = ippFindAttribute(reponse, nom, IPP_TAG_ZERO);
    for (int i = 0; attribut && i < ippGetCount(attribut); ++i) {
        const char* valeur = ippGetString(attribut, i, nullptr);
        if (!valeur || !*valeur || std::string(valeur) == "none")
            continue;
        texte += (texte.empty() ? "" : ", ") + std::string(valeur);
    }
    return texte;
}

int entier(ipp_t* reponse, const char* nom) {
    ipp_attribute_t* attribut = ippFindAttribute(reponse, nom, IPP_TAG_ENUM);
    return attribut ? ippGetInteger(attribut, 0) : 0;
}

std::string uri(const char* format, const std::string& valeur) {
    char tampon[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, tampon, sizeof tampon, "ipp", nullptr, "localhost", 0, format,
                     valeur.c_str());
    return tampon;
}

// The queue's state, as the spooler says it now.
struct EtatImprimante {
    bool repond = false;
    bool arretee = false;
    bool accepte = true;
    std::string message; // the administrator's or the printer's own words, else the reasons
};

EtatImprimante etatimprimante(Connexion& connexion, const std::string& file) {
    const Reponse reponse = interroge(
        connexion, IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", uri("/printers/%s", file),
        {"printer-state", "printer-state-message", "printer-state-reasons", "printer-is-accepting-jobs"});
    EtatImprimante etat;
    if (!reponse)
        return etat;
    etat.repond = true;
    etat.arretee = entier(reponse.get(), "printer-state") == IPP_PSTATE_STOPPED;
    ipp_attribute_t* accepte = ippFindAttribute(reponse.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    etat.accepte = !accepte || ippGetBoolean(accepte, 0);
    etat.message = valeurs(reponse.get(), "printer-state-message");
    if (etat.message.empty())
        etat.message = valeurs(reponse.get(), "printer-state-reasons");
    return etat;
}

struct EtatTravail {
    int etat = 0; // an ipp_jstate_t; 0 when the spooler did not answer
    std::string raisons;
    std::string message;
};

EtatTravail etattravail(Connexion& connexion, std::int32_t numero) {
    const Reponse reponse =
        interroge(connexion, IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", uri("/jobs/%s", std::to_string(numero)),
                  {"job-state", "job-state-reasons", "job-state-message", "job-printer-state-message"});
    EtatTravail etat;
    if (!reponse)
        return etat;
    etat.etat = entier(reponse.get(), "job-state");
    etat.raisons = valeurs(reponse.get(), "job-state-reasons");
    etat.message = valeurs(reponse.get(), "job-printer-state-message");
    if (etat.message.empty())
        etat.message = valeurs(reponse.get(), "job-state-message");
    return etat;
}

std::string entreparentheses(const std::string& texte) {
    return texte.empty() ? std::string() : " (" + texte + ")";
}

[[noreturn]] void arretee(const std::string& file, const std::string& message) {
    throw ErreurImpression(CauseImpression::Arretee, file, message);
}

// Why a job will not print, in the spooler's words.
[[noreturn]] void nonimprime(const std::string& file, std::int32_t numero, int etat,
                             const std::string& raison) {
    CauseImpression cause = CauseImpression::TravailRetenu;
    if (etat == IPP_JSTATE_STOPPED)
        cause = CauseImpression::TravailArrete;
    else if (etat == IPP_JSTATE_CANCELED)
        cause = CauseImpression::TravailAnnule;
    else if (etat == IPP_JSTATE_ABORTED)
        cause = CauseImpression::TravailInterrompu;
    throw ErreurImpression(cause, file, raison, numero);
}

bool contient(const std::string& raisons, const char* raison) {
    return raisons.find(raison) != std::string::npos;
}

// Cancels a job the user or the spooler stopped, on a connection of its own: the one that was
// waiting may be in the middle of a request. Never waits on the user's cancel, only on the limit.
void annuletravail(const std::string& file, std::int32_t numero, const Limites& limites) {
    Connexion connexion(Limites{limites.delai, nullptr});
    if (connexion.http())
        cupsCancelJob2(connexion.http(), file.c_str(), numero, 0);
}

TReponseCups reponse(TCodeCups code, const Connexion& connexion, const std::string& file,
                     std::int32_t numero = 0, const std::string& raison = {}) {
    TReponseCups r;
    r.code = code;
    r.serveur = connexion.serveur();
    r.file = file;
    r.travail = numero;
    r.raison = raison;
    return r;
}

// Hands the PDF to job `numero` as its only document; ok, or why not.
TReponseCups envoiedocument(Connexion& connexion, const Envoi& envoi, std::int32_t numero) {
    std::ifstream pdf(envoi.pdf, std::ios::binary);
    if (!pdf)
        return reponse(TCodeCups::fichier, connexion, envoi.file, numero, std::strerror(errno));
    connexion.echeance();
    if (cupsStartDocument(connexion.http(), envoi.file.c_str(), numero, envoi.titre.c_str(), CUPS_FORMAT_AUTO,
                          1) != HTTP_STATUS_CONTINUE)
        return connexion.silence();
    std::vector<char> tampon(64 * 1024);
    while (pdf) {
        pdf.read(tampon.data(), static_cast<std::streamsize>(tampon.size()));
        const auto lus = static_cast<std::size_t>(pdf.gcount());
        connexion.echeance();
        if (lus > 0 && (connexion.annulee() ||
                        cupsWriteRequestData(connexion.http(), tampon.data(), lus) != HTTP_STATUS_CONTINUE))
            return connexion.silence();
    }
    connexion.echeance();
    if (cupsFinishDocument(connexion.http(), envoi.file.c_str()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        if (connexion.interrompue())
            return connexion.silence();
        return reponse(TCodeCups::refuse, connexion, envoi.file, numero, cupsLastErrorString());
    }
    return reponse(TCodeCups::ok, connexion, envoi.file, numero);
}

// Follows job `numero` until it is printed, will not print, or `suivi` runs out.
TReponseCups suit(Connexion& connexion, const Envoi& envoi, std::int32_t numero) {
    const auto fin = Horloge::now() + envoi.suivi;
    while (!connexion.annulee()) {
        const EtatTravail etat = etattravail(connexion, numero);
        if (etat.etat == 0 && connexion.interrompue())
            break;
        if (etat.etat == IPP_JSTATE_COMPLETED)
            return reponse(TCodeCups::ok, connexion, envoi.file, numero);
        const bool perdu = etat.etat == IPP_JSTATE_CANCELED || etat.etat == IPP_JSTATE_ABORTED;
        const bool bloque = etat.etat == IPP_JSTATE_HELD || etat.etat == IPP_JSTATE_STOPPED;
        if (perdu || bloque) {
            TReponseCups r = reponse(TCodeCups::nonimprime, connexion, envoi.file, numero,
                                     raisontravail(etat.message, etat.raisons));
            r.etat = etat.etat;
            return r;
        }
        if (etat.etat == IPP_JSTATE_PENDING && contient(etat.raisons, "printer-stopped"))
            return reponse(TCodeCups::arretee, connexion, envoi.file, numero,
                           etatimprimante(connexion, envoi.file).message);
        if (Horloge::now() >= fin)
            return reponse(TCodeCups::ok, connexion, envoi.file, numero);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // A service that stops answering once it has the job: the job is its, and it is left there.
    if (!connexion.annulee())
        return reponse(TCodeCups::ok, connexion, envoi.file, numero);
    return reponse(TCodeCups::annule, connexion, envoi.file, numero);
}

TReponseCups soumetsur(Connexion& connexion, const Envoi& envoi,
                       const std::function<void(std::int32_t)>& cree) {
    const EtatImprimante avant = etatimprimante(connexion, envoi.file);
    if (!avant.repond)
        return connexion.silence();
    // A stopped queue would take the job and keep it: it could come out hours later, unasked.
    if (avant.arretee)
        return reponse(TCodeCups::arretee, connexion, envoi.file, 0, avant.message);

    cups_option_t* liste = nullptr;
    int nombre = 0;
    for (const Option& o : envoi.options)
        nombre = cupsAddOption(o.first.c_str(), o.second.c_str(), nombre, &liste);
    connexion.echeance();
    const int numero =
        cupsCreateJob(connexion.http(), envoi.file.c_str(), envoi.titre.c_str(), nombre, liste);
    cupsFreeOptions(nombre, liste);
    if (numero == 0) {
        if (connexion.interrompue())
            return connexion.silence();
        const std::string raison = cupsLastErrorString();
        return reponse(TCodeCups::refuse, connexion, envoi.file, 0,
                       raison + entreparentheses(etatimprimante(connexion, envoi.file).message));
    }
    if (cree)
        cree(numero);
    const TReponseCups envoye = envoiedocument(connexion, envoi, numero);
    if (envoye.code != TCodeCups::ok) {
        TReponseCups r = envoye;
        r.file = envoi.file;
        r.travail = numero;
        return r;
    }
    return suit(connexion, envoi, numero);
}

} // namespace

std::vector<TFile> files(const Limites& limites, TReponseCups& reponse) {
    Connexion connexion(limites);
    reponse = {};
    reponse.serveur = connexion.serveur();
    if (!connexion.http()) {
        reponse = connexion.silence();
        return {};
    }
    cups_dest_t* destinations = nullptr;
    const int nombre = cupsGetDests2(connexion.http(), &destinations);
    std::vector<TFile> resultat;
    if (nombre == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE &&
        cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND) {
        reponse = connexion.silence();
        return resultat;
    }
    for (int i = 0; i < nombre; ++i) {
        const cups_dest_t& d = destinations[i];
        // An instance is the same queue under saved options; the queue itself is listed once.
        if (d.instance)
            continue;
        TFile file;
        file.nom = d.name;
        file.defaut = d.is_default != 0;
        const EtatImprimante etat = etatimprimante(connexion, file.nom);
        if (!etat.repond && connexion.interrompue()) {
            reponse = connexion.silence();
            resultat.clear();
            break;
        }
        file.accepte = etat.accepte;
        file.arretee = etat.arretee;
        file.message = etat.message;
        resultat.push_back(std::move(file));
    }
    cupsFreeDests(nombre, destinations);
    if (reponse.code == TCodeCups::ok && resultat.empty())
        reponse.code = TCodeCups::sansimprimante;
    return resultat;
}

TReponseCups soumet(const Envoi& envoi, const Limites& limites,
                    const std::function<void(std::int32_t)>& cree) {
    Connexion connexion(limites);
    if (!connexion.http()) {
        TReponseCups r = connexion.silence();
        r.file = envoi.file;
        return r;
    }
    TReponseCups r = soumetsur(connexion, envoi, cree);
    // A job that will not print, or that the user no longer wants, must not come out later.
    const bool bloque =
        r.code == TCodeCups::nonimprime && (r.etat == IPP_JSTATE_HELD || r.etat == IPP_JSTATE_STOPPED);
    const bool abandonne = r.code != TCodeCups::ok && r.code != TCodeCups::nonimprime;
    if (r.travail != 0 && (bloque || abandonne))
        annuletravail(envoi.file, r.travail, limites);
    return r;
}

void leve(const TReponseCups& r) {
    const std::string& file = r.file;
    switch (r.code) {
    case TCodeCups::arretee:
        arretee(file, r.raison);
    case TCodeCups::refuse:
        throw ErreurImpression(CauseImpression::Refus, file, r.raison);
    case TCodeCups::nonimprime:
        nonimprime(file, r.travail, r.etat, r.raison);
    case TCodeCups::annule:
        nonimprime(file, r.travail, IPP_JSTATE_CANCELED, r.raison);
    case TCodeCups::fichier:
        throw ErreurImpression(CauseImpression::Preparation, file, r.raison);
    case TCodeCups::ok:
    case TCodeCups::injoignable:
    case TCodeCups::sansreponse:
    case TCodeCups::sansimprimante:
        break;
    }
    throw ErreurImpression(CauseImpression::SansReponse, file, r.raison);
}

std::string raisontravail(const std::string& message, const std::string& raisons) {
    static const char* const enchemin[] = {
        "processing-to-stop-point", "job-printing", "job-queued", "job-incoming",
        "job-transforming",         "job-outgoing"};
    std::string retenues;
    std::size_t debut = 0;
    while (debut < raisons.size()) {
        std::size_t fin = raisons.find(", ", debut);
        if (fin == std::string::npos)
            fin = raisons.size();
        const std::string raison = raisons.substr(debut, fin - debut);
        if (std::find(std::begin(enchemin), std::end(enchemin), raison) == std::end(enchemin))
            retenues += (retenues.empty() ? "" : ", ") + raison;
        debut = fin + 2;
    }
    if (message.empty() || retenues.empty())
        return message + retenues;
    return message + "; " + retenues;
}

} // namespace vormigral::cups

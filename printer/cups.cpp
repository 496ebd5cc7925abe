#include "printer/cups.h"

#include <cups/cups.h>

#include <memory>
#include <thread>
#include <vector>

namespace vormigral::cups {

namespace {

using Reponse = std::unique_ptr<ipp_t, decltype(&ippDelete)>;

// Asks the spooler for some attributes of a printer or a job (`cible`: "printer-uri" or "job-uri");
// null (with cupsLastErrorString set) when it does not answer.
Reponse interroge(ipp_op_t operation, const char* cible, const std::string& adresse,
                  const std::vector<const char*>& attributs) {
    ipp_t* requete = ippNewRequest(operation);
    ippAddString(requete, IPP_TAG_OPERATION, IPP_TAG_URI, cible, nullptr, adresse.c_str());
    ippAddString(requete, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(requete, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(attributs.size()),
                  nullptr, attributs.data());
    Reponse reponse(cupsDoRequest(CUPS_HTTP_DEFAULT, requete, "/"), &ippDelete);
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

EtatImprimante etatimprimante(const std::string& file) {
    const Reponse reponse = interroge(
        IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", uri("/printers/%s", file),
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

EtatTravail etattravail(std::int32_t numero) {
    const Reponse reponse =
        interroge(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", uri("/jobs/%s", std::to_string(numero)),
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
[[noreturn]] void nonimprime(const std::string& file, std::int32_t numero, const EtatTravail& etat) {
    CauseImpression cause = CauseImpression::TravailRetenu;
    if (etat.etat == IPP_JSTATE_STOPPED)
        cause = CauseImpression::TravailArrete;
    else if (etat.etat == IPP_JSTATE_CANCELED)
        cause = CauseImpression::TravailAnnule;
    else if (etat.etat == IPP_JSTATE_ABORTED)
        cause = CauseImpression::TravailInterrompu;
    throw ErreurImpression(cause, file, etat.message.empty() ? etat.raisons : etat.message, numero);
}

bool contient(const std::string& raisons, const char* raison) {
    return raisons.find(raison) != std::string::npos;
}

} // namespace

std::vector<TFile> files() {
    cups_dest_t* destinations = nullptr;
    const int nombre = cupsGetDests2(CUPS_HTTP_DEFAULT, &destinations);
    std::vector<TFile> resultat;
    for (int i = 0; i < nombre; ++i) {
        const cups_dest_t& d = destinations[i];
        // An instance is the same queue under saved options; the queue itself is listed once.
        if (d.instance)
            continue;
        TFile file;
        file.nom = d.name;
        file.defaut = d.is_default != 0;
        const EtatImprimante etat = etatimprimante(file.nom);
        file.accepte = etat.accepte;
        file.arretee = etat.arretee;
        file.message = etat.message;
        resultat.push_back(std::move(file));
    }
    cupsFreeDests(nombre, destinations);
    return resultat;
}

std::int32_t soumet(const std::string& file, const std::string& pdf, const std::string& titre,
                    const std::vector<Option>& options, std::chrono::milliseconds delai) {
    const EtatImprimante avant = etatimprimante(file);
    if (!avant.repond)
        throw ErreurImpression(CauseImpression::SansReponse, file, cupsLastErrorString());
    // A stopped queue would take the job and keep it: it could come out hours later, unasked.
    if (avant.arretee)
        arretee(file, avant.message);

    cups_option_t* liste = nullptr;
    int nombre = 0;
    for (const Option& o : options)
        nombre = cupsAddOption(o.first.c_str(), o.second.c_str(), nombre, &liste);
    const int numero =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, file.c_str(), pdf.c_str(), titre.c_str(), nombre, liste);
    cupsFreeOptions(nombre, liste);
    if (numero == 0) {
        const std::string raison = cupsLastErrorString();
        const std::string etat = entreparentheses(etatimprimante(file).message);
        throw ErreurImpression(CauseImpression::Refus, file, raison + etat);
    }

    const auto fin = std::chrono::steady_clock::now() + delai;
    while (true) {
        const EtatTravail etat = etattravail(numero);
        if (etat.etat == IPP_JSTATE_COMPLETED)
            return numero;
        const bool perdu = etat.etat == IPP_JSTATE_CANCELED || etat.etat == IPP_JSTATE_ABORTED;
        const bool bloque = etat.etat == IPP_JSTATE_HELD || etat.etat == IPP_JSTATE_STOPPED;
        if (perdu || bloque) {
            if (bloque)
                cupsCancelJob2(CUPS_HTTP_DEFAULT, file.c_str(), numero, 0);
            nonimprime(file, numero, etat);
        }
        if (etat.etat == IPP_JSTATE_PENDING && contient(etat.raisons, "printer-stopped")) {
            cupsCancelJob2(CUPS_HTTP_DEFAULT, file.c_str(), numero, 0);
            arretee(file, etatimprimante(file).message);
        }
        if (std::chrono::steady_clock::now() >= fin)
            return numero;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace vormigral::cups

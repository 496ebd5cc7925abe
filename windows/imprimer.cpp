#include "windows/imprimer.h"

#include "app/imprimantechoisie.h"
#include "windows/choiximprimante.h"
#include "windows/outils.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <cstring>
#include <utility>

namespace vormigral {

namespace {

// How long a wait goes unseen: a print service that answers at once shows nothing.
constexpr int delaiavantattente = 400;

} // namespace

// A wait of the windows for the print service: a local event loop while their events go on, as a
// dialog's would; after a moment, what it waits for with a Cancel that stops the work. The wait
// ends with the work (fin), or earlier when the program quits (QCoreApplication::exit ends every
// event loop) or the Impression goes with the program started afresh, taking the windows and what
// the work reads from with it: the work is then cancelled.
class Impression::Attente final : public QObject {
public:
    Attente(const Impression& impression, std::function<void()> annule) : annule_(std::move(annule)) {
        minuterie_.setSingleShot(true);
        minuterie_.setInterval(delaiavantattente);
        connect(&minuterie_, &QTimer::timeout, this, &Attente::affiche);
        connect(&impression, &QObject::destroyed, &boucle_, [this] {
            annule_();
            boucle_.quit();
        });
    }
    ~Attente() override {
        if (dialogue_)
            dialogue_->deleteLater();
    }
    Attente(const Attente&) = delete;
    Attente& operator=(const Attente&) = delete;

    void montre(const QString& texte) {
        texte_ = texte;
        if (dialogue_ && dialogue_->isVisible())
            affiche();
        else
            minuterie_.start();
    }
    void cache() {
        minuterie_.stop();
        if (dialogue_)
            dialogue_->hide();
    }
    // The work is over: the wait ends.
    void fin() {
        fini_ = true;
        boucle_.quit();
    }
    // True when the work ended; false when the wait was given up, the work cancelled.
    bool attend(const std::function<bool()>& lance) {
        if (lance() && !fini_)
            boucle_.exec();
        cache();
        if (!fini_)
            annule_();
        return fini_;
    }

private:
    void affiche() {
        if (!dialogue_) {
            dialogue_ = new QProgressDialog(QApplication::activeWindow());
            dialogue_->setObjectName(QStringLiteral("attenteimpression"));
            dialogue_->setWindowModality(Qt::ApplicationModal);
            dialogue_->setRange(0, 0);
            dialogue_->setMinimumDuration(0);
            dialogue_->setAutoClose(false);
            dialogue_->setAutoReset(false);
            dialogue_->setCancelButtonText(Impression::tr("Cancel"));
            dialogue_->setWindowTitle(Impression::tr("Printing"));
            connect(dialogue_, &QProgressDialog::canceled, this, [this] { annule_(); });
        }
        dialogue_->setLabelText(texte_);
        dialogue_->setAccessibleName(texte_);
        dialogue_->show();
    }

    std::function<void()> annule_;
    QEventLoop boucle_;
    bool fini_ = false;
    QTimer minuterie_;
    QPointer<QProgressDialog> dialogue_;
    QString texte_;
};

Impression::Impression(const Plateforme& plateforme, SurDemande<TChoixImprimante>& choiximprimante)
    : plateforme_(plateforme), choiximprimante_(choiximprimante) {}

QString Impression::imprimantechoisie() {
    const TImprimanteMemorisee lue = lisimprimantememorisee(plateforme_.systeme);
    // Said once a run, before anything is printed or shown.
    if (!lue.illisible() || signale_)
        return lue.file;
    signale_ = true;
    const QString cause = lue.ouverture == Ouverture::Dossier      ? tr("it is a folder")
                          : lue.ouverture == Ouverture::PasFichier ? tr("it is not a regular file")
                                                                   : qt_error_string(lue.erreur);
    plateforme_.messages.message(
        tr("The printer choice kept in %1 cannot be read (%2): printing goes on as if "
           "no printer had been chosen.")
            .arg(QDir::toNativeSeparators(lue.chemin), cause),
        tr("Problem !!"), Boutons::Ok, Icone::Exclamation);
    return lue.file;
}

Impression::Issue Impression::attend(Attente& attente, const std::function<bool()>& lance) {
    const QPointer<Impression> vivant(this);
    encours_ = true;
    emit occupe(true);
    const bool fini = attente.attend(lance);
    if (!vivant)
        return Issue::disparu;
    encours_ = false;
    emit occupe(false);
    return fini ? Issue::fini : Issue::abandon;
}

TLancement Impression::imprime(const std::function<void(SurfaceImpression&)>& travail) {
    if (encours_ || QCoreApplication::closingDown())
        return {};
    imprimantechoisie();
    // The printer chooser may be gone with the program started afresh when the run asks for it.
    const QPointer<Impression> vivant(this);
    bool abandon = false;
    const auto demande = [this, vivant, &abandon](const std::vector<TFile>& files, bool disparue) {
        if (!vivant || abandon)
            return std::string();
        return choiximprimante_().demande(files, disparue);
    };
    TLanceurImpression lanceur(plateforme_, demande, travail);
    lanceur.delai(delai_);
    Attente attente(*this, [&lanceur] { lanceur.annule(); });
    connect(&lanceur, &TLanceurImpression::attente, &attente, [&attente](TEtapeImpression etape) {
        attente.montre(etape == TEtapeImpression::recherche ? tr("Looking for printers…")
                                                            : tr("Sending to the printer…"));
    });
    connect(&lanceur, &TLanceurImpression::reprise, &attente, &Attente::cache);
    TFinImpression fin;
    connect(&lanceur, &TLanceurImpression::termine, &attente, [&](const TFinImpression& f) {
        fin = f;
        attente.fin();
    });
    // A run cancelled by an ended wait asks nothing more; the lanceur waits for the print
    // service's call as it goes.
    abandon = attend(attente, [&lanceur] { return lanceur.lance(); }) != Issue::fini;
    if (abandon)
        return {};
    if (fin.code == TCodeCups::annule)
        emit annonce(tr("Printing cancelled."));
    signaleservice(fin.code, fin.serveur, false);
    if (fin.lancement.fait && !fin.lancement.annonce.isEmpty())
        emit annonce(fin.lancement.annonce);
    return fin.lancement;
}

std::vector<TFile> Impression::listefiles(TCodeCups& code) {
    code = TCodeCups::annule;
    if (encours_ || QCoreApplication::closingDown())
        return {};
    // A cancel ends the wait at once: libcups waits up to a second for an answer without looking at
    // the cancel, and the call ends in its own time, its object with it (or with this one).
    auto* cups = new TTravailCups(plateforme_.imprimantes, this);
    cups->delai(delai_);
    connect(cups, &TTravailCups::filesrecues, cups, &QObject::deleteLater);
    Attente attente(*this, [cups, &attente] {
        cups->annule();
        attente.fin();
    });
    bool recue = false;
    TReponseCups reponse;
    std::vector<TFile> files;
    connect(cups, &TTravailCups::filesrecues, &attente,
            [&](const TReponseCups& r, const std::vector<TFile>& f) {
                recue = true;
                reponse = r;
                files = f;
                attente.fin();
            });
    attente.montre(tr("Looking for printers…"));
    if (attend(attente, [cups] { return cups->demandefiles(); }) != Issue::fini || !recue)
        return {};
    code = reponse.code;
    derniereliste_ = code;
    signaleservice(code, reponse.serveur, true);
    return code == TCodeCups::ok ? files : std::vector<TFile>{};
}

std::string Impression::imprimanteapercu() {
    imprimantechoisie();
    const QPointer<Impression> vivant(this);
    TCodeCups code = TCodeCups::ok;
    const std::vector<TFile> files = listefiles(code);
    if (!vivant)
        return {};
    return destination(files, imprimantememorisee(plateforme_.systeme).toStdString()).file;
}

void Impression::imprimanteprevue(QObject* contexte, const std::function<void(const QString&)>& affiche) {
    affiche(tr("Looking for printers…"));
    auto* cups = new TTravailCups(plateforme_.imprimantes, this);
    cups->delai(delai_);
    connect(cups, &TTravailCups::filesrecues, cups, [cups] { cups->deleteLater(); });
    connect(cups, &TTravailCups::filesrecues, contexte,
            [this, affiche](const TReponseCups& reponse, const std::vector<TFile>& files) {
                if (reponse.code == TCodeCups::injoignable || reponse.code == TCodeCups::sansreponse)
                    return affiche(tr("Printer: the print service (%1) does not answer")
                                       .arg(QString::fromStdString(reponse.serveur)));
                if (reponse.code != TCodeCups::ok)
                    return affiche(tr("No printer: the pages can be saved as PDF"));
                const QString memorisee = imprimantechoisie();
                const TDestination prevue = destination(files, memorisee.toStdString());
                if (prevue.file.empty())
                    return affiche(tr("Printer: to be chosen when printing"));
                const QString file = QString::fromStdString(prevue.file);
                // Without a choice of the user's own, the queue found is the system's default.
                affiche(memorisee.isEmpty() ? tr("Printer: \"%1\" (system default)").arg(file)
                                            : tr("Printer: \"%1\"").arg(file));
            });
    cups->demandefiles();
}

QString Impression::texteservice(TCodeCups code, const std::string& serveur, bool liste) const {
    const QString nom = QString::fromStdString(serveur);
    if (code == TCodeCups::injoignable)
        return tr("Printing is not available: the print service (%1) does not answer.").arg(nom);
    if (code != TCodeCups::sansreponse)
        return {};
    return liste ? tr("The print service (%1) does not answer: the printers could not be listed after a few "
                      "seconds' wait.")
                       .arg(nom)
                 : tr("The print service (%1) does not answer: printing was given up after a few seconds' "
                      "wait.")
                       .arg(nom);
}

void Impression::signaleservice(TCodeCups code, const std::string& serveur, bool liste) {
    const QString texte = texteservice(code, serveur, liste);
    if (!texte.isEmpty())
        plateforme_.messages.message(texte, tr("Problem !!"), Boutons::Ok, Icone::Exclamation);
}

QToolButton* petitbouton(QWidget* parent, const char* nom, const QRect& geometrie, const char* image) {
    auto* bouton = place<QToolButton>(parent, nom, geometrie);
    bouton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bouton->setIcon(
        QIcon(pixmapsvg(QStringLiteral(":/images/boutons/%1.svg").arg(QLatin1String(image)), {16, 16})));
    bouton->setIconSize({16, 16});
    bouton->setFocusPolicy(Qt::StrongFocus);
    return bouton;
}

} // namespace vormigral

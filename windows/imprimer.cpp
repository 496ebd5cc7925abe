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

// What a print run's wait for the print service shows after a moment: what it waits for, and a
// Cancel that stops it. A print service that answers at once shows nothing.
class Attente final : public QObject {
public:
    explicit Attente(std::function<void()> annule) : annule_(std::move(annule)) {
        minuterie_.setSingleShot(true);
        minuterie_.setInterval(delaiavantattente);
        connect(&minuterie_, &QTimer::timeout, this, &Attente::affiche);
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
    QTimer minuterie_;
    QPointer<QProgressDialog> dialogue_;
    QString texte_;
};

} // namespace

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

TLancement Impression::imprime(const std::function<void(SurfaceImpression&)>& travail) {
    if (encours_ || QCoreApplication::closingDown())
        return {};
    imprimantechoisie();
    // The program may end, or be started afresh, while the run waits: this object, the window that
    // started the run and the printer chooser may be gone when the wait is over.
    const QPointer<Impression> vivant(this);
    bool abandon = false;
    const auto demande = [this, vivant, &abandon](const std::vector<TFile>& files, bool disparue) {
        if (!vivant || abandon)
            return std::string();
        return choiximprimante_().demande(files, disparue);
    };
    TLanceurImpression lanceur(plateforme_, demande, travail);
    lanceur.delai(delai_);
    Attente attente([&lanceur] { lanceur.annule(); });
    connect(&lanceur, &TLanceurImpression::attente, &attente, [&attente](TEtapeImpression etape) {
        attente.montre(etape == TEtapeImpression::recherche ? tr("Looking for printers…")
                                                            : tr("Sending to the printer…"));
    });
    connect(&lanceur, &TLanceurImpression::reprise, &attente, &Attente::cache);
    TFinImpression fin;
    bool fini = false;
    QEventLoop boucle;
    connect(&lanceur, &TLanceurImpression::termine, &boucle, [&](const TFinImpression& f) {
        fin = f;
        fini = true;
        boucle.quit();
    });
    // Gone with the program started afresh, this object takes the windows and what the run prints
    // from with it: the run stops there.
    connect(this, &QObject::destroyed, &boucle, [&] {
        lanceur.annule();
        boucle.quit();
    });
    encours_ = true;
    emit occupe(true);
    if (lanceur.lance() && !fini)
        boucle.exec();
    attente.cache();
    // A wait ended before the run did: the program is quitting (QCoreApplication::exit ends every
    // event loop). The run is cancelled and asks nothing more; the lanceur waits for the print
    // service's call as it goes.
    abandon = !fini;
    if (abandon)
        lanceur.annule();
    if (!vivant)
        return {};
    encours_ = false;
    emit occupe(false);
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
    // On the window's thread, every wait bounded: what the window shows next needs the answer.
    TEtatService service;
    std::vector<TFile> files = plateforme_.imprimantes.files(TLimitesService{delai_, nullptr}, service);
    code = service.etat == TService::absent ? TCodeCups::injoignable
           : service.etat == TService::muet ? TCodeCups::sansreponse
           : files.empty()                  ? TCodeCups::sansimprimante
                                            : TCodeCups::ok;
    derniereliste_ = code;
    signaleservice(code, service.serveur, true);
    return code == TCodeCups::ok ? files : std::vector<TFile>{};
}

std::string Impression::imprimanteapercu() {
    imprimantechoisie();
    TCodeCups code = TCodeCups::ok;
    const std::vector<TFile> files = listefiles(code);
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

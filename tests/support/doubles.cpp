#include "tests/support/doubles.h"

#include "windows/blocnumeros.h"
#include "windows/principale.h"

#include "files/parametres.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace vormigral::test {

Reponse MessagesDouble::message(const QString& texte, const QString& titre, Boutons boutons, Icone icone) {
    const MessageEnregistre m{texte, titre, boutons, icone};
    messages << m;
    journal << QStringLiteral("message:") + texte;
    if (pendant)
        pendant(m);
    if (!reponses.empty()) {
        const Reponse r = reponses.front();
        reponses.pop_front();
        return r;
    }
    return boutons == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
}

SystemeDouble::SystemeDouble()
    : exe(exe_.path() + QLatin1Char('/')), config(config_.path() + QStringLiteral("/config/")) {}

namespace {

QString suivant(std::deque<QString>& reponses) {
    if (reponses.empty())
        return QString();
    QString reponse = reponses.front();
    reponses.pop_front();
    return reponse;
}

} // namespace

QString ChoixFichiersDouble::alire(const QString& titre, const QString&) {
    titres << titre;
    return suivant(lectures);
}

QString ChoixFichiersDouble::aecrire(const QString& titre, const QString&, const QString& propose) {
    titres << titre;
    proposes << propose;
    return suivant(ecritures);
}

void absent(const char* quoi, const char* nom) {
    qFatal("%s \"%s\" not found", quoi, nom);
}

namespace {

// How long a modal window may stay open with nobody answering it.
constexpr int delaimodal = 3000;

} // namespace

Banc::Banc(Imprimantes* reelles) : reelles_(reelles), veille_(std::make_unique<QTimer>()) {
    auto ouvert = std::make_shared<std::pair<QPointer<QWidget>, int>>();
    QObject::connect(veille_.get(), &QTimer::timeout, [ouvert] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != ouvert->first) {
            *ouvert = {modal, 0};
            return;
        }
        if (!modal || (ouvert->second += 100) < delaimodal)
            return;
        QTest::qFail(qPrintable(QStringLiteral("modal window %1 left open").arg(modal->objectName())),
                     __FILE__, __LINE__);
        if (auto* dialogue = qobject_cast<QDialog*>(modal))
            dialogue->reject();
        else
            modal->close();
        ouvert->second = 0;
    });
    veille_->start(100);
}

Banc::~Banc() = default;

void Banc::demarre() {
    application_ = std::make_unique<Application>(plateforme(), langue);
}

void Banc::changelangue(std::int32_t valeur) {
    etat().parametres.langue = valeur;
    langue.applique(valeur);
}

void Banc::sansveille() {
    veille_->stop();
}

void pendantmodal(std::function<void(QWidget*)> action) {
    // Polls, since the window may open only after further events (an activation, say).
    auto* minuterie = new QTimer(qApp);
    auto restant = std::make_shared<int>(500);
    QObject::connect(minuterie, &QTimer::timeout, [minuterie, restant, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && --*restant > 0)
            return;
        minuterie->stop();
        minuterie->deleteLater();
        QVERIFY2(modal, "no modal window opened");
        action(modal);
        if (auto* dialogue = qobject_cast<QDialog*>(modal); dialogue && dialogue->isVisible())
            dialogue->reject();
    });
    minuterie->start(10);
}

void ecrisparametres(Banc& banc, int langue, int decalh, int decalv) {
    QVERIFY(ecrireparametres((banc.systeme.repertoireexe() + nomparametres).toStdString(),
                             {0, langue, decalh, decalv}));
}

void choisismethode(TForm1& principale, int m) {
    QComboBox* liste = principale.methodes();
    for (int i = 0; i < liste->count(); ++i) {
        if (methodedutexte(liste->itemText(i).toStdString()) == m) {
            liste->setCurrentIndex(i);
            return;
        }
    }
    QFAIL("method not in the list");
}

void construit(QWidget* fenetre) {
    if (auto* dialogue = qobject_cast<DialogueDiffere*>(fenetre))
        dialogue->construit();
}

QString texte(QWidget* fenetre, const char* nom) {
    construit(fenetre);
    QObject* objet = fenetre->findChild<QObject*>(QString::fromLatin1(nom));
    if (auto* l = qobject_cast<QLabel*>(objet))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(objet))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(objet))
        return g->title();
    // A menu shows its "&" as the underline of the letter after it.
    static const QRegularExpression mnemonique(QStringLiteral("&(.)"));
    if (auto* m = qobject_cast<QMenu*>(objet))
        return QString(m->title()).replace(mnemonique, QStringLiteral("\\1"));
    if (auto* a = qobject_cast<QAction*>(objet))
        return QString(a->text()).replace(mnemonique, QStringLiteral("\\1"));
    return QStringLiteral("<absent>");
}

void cliquecase(QWidget* fenetre, int numero) {
    construit(fenetre);
    auto* cellule = fenetre->findChild<QWidget*>(BlocNumeros::nomcellule(numero));
    if (!cellule)
        absent("cell", qPrintable(BlocNumeros::nomcellule(numero)));
    QTest::mouseClick(cellule, Qt::LeftButton);
}

} // namespace vormigral::test

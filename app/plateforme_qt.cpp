#include "app/plateforme_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

#include <chrono>

namespace vormigral {

namespace {

QMessageBox::Icon iconeqt(Icone icone) {
    switch (icone) {
    case Icone::Exclamation:
        return QMessageBox::Warning;
    case Icone::Question:
        return QMessageBox::Question;
    case Icone::Information:
        return QMessageBox::Information;
    case Icone::Aucune:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Reponse MessagesQt::message(const QString& texte, const QString& titre, Boutons boutons, Icone icone) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox boite(iconeqt(icone), titre, texte, QMessageBox::NoButton, parent);
    switch (boutons) {
    case Boutons::Ok:
        boite.setStandardButtons(QMessageBox::Ok);
        break;
    case Boutons::OkAnnuler:
        boite.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Boutons::OuiNon:
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    const std::pair<QMessageBox::StandardButton, QString> legendes[] = {
        {QMessageBox::Ok, tr("OK")},
        {QMessageBox::Cancel, tr("&Cancel")},
        {QMessageBox::Yes, tr("&Yes")},
        {QMessageBox::No, tr("&No")},
    };
    for (const auto& [bouton, legende] : legendes)
        if (QAbstractButton* b = boite.button(bouton))
            b->setText(legende);
    switch (boite.exec()) {
    case QMessageBox::Yes:
        return Reponse::Oui;
    case QMessageBox::No:
        return Reponse::Non;
    case QMessageBox::Cancel:
        return Reponse::Annuler;
    default:
        break;
    }
    // Escape on a Yes/No box closes it without an answer: treat it as No, never as Yes.
    if (boutons == Boutons::OuiNon)
        return boite.clickedButton() == boite.button(QMessageBox::Yes) ? Reponse::Oui : Reponse::Non;
    return Reponse::Ok;
}

void MessagesQt::bip() {
    QApplication::beep();
}

AideQt::AideQt(const Systeme& systeme) : systeme_(systeme) {}

AideQt::~AideQt() = default;

QString AideQt::chemin(const QString& fichier) const {
    const QString page = QFileInfo(fichier).completeBaseName() + QStringLiteral(".html");
    const QString apcote = systeme_.repertoireexe() + page;
    if (QFileInfo::exists(apcote))
        return apcote;
    return QStringLiteral(":/aide/") + page;
}

void AideQt::contenu(const QString& fichier) {
    if (!fenetre_) {
        // A main window of its own, so that assistive technologies list it as a window.
        fenetre_ = std::make_unique<QMainWindow>();
        fenetre_->setObjectName(QStringLiteral("aide"));
        //: The help holds both languages: its title names both.
        fenetre_->setWindowTitle(tr("VORMIGRAL - Aide / Help"));
        fenetre_->resize(640, 560);
        navigateur_ = new QTextBrowser(fenetre_.get());
        navigateur_->setOpenExternalLinks(true);
        fenetre_->setCentralWidget(navigateur_);
        for (const QKeySequence& touche : {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
            auto* raccourci = new QShortcut(touche, fenetre_.get());
            QObject::connect(raccourci, &QShortcut::activated, fenetre_.get(), &QWidget::close);
        }
    }
    navigateur_->setAccessibleName(tr("VORMIGRAL help"));
    const QString source = chemin(fichier);
    navigateur_->setSource(source.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + source)
                                                               : QUrl::fromLocalFile(source));
    // The page holds every language: it opens at the section of the program's.
    //: The anchor of this language's section in the help page (vormigral.html): "fr" or "en".
    navigateur_->scrollToAnchor(tr("en"));
    fenetre_->show();
    fenetre_->raise();
    fenetre_->activateWindow();
}

QString SystemeQt::repertoireexe() const {
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');
}

QString SystemeQt::repertoireconfig() const {
    // Without a home the system would offer /.config: no place of this user's.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (qEnvironmentVariable("HOME").isEmpty() && !QDir::isAbsolutePath(xdg))
        return QString();
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/');
}

QString SystemeQt::repertoiredonnees() const {
    // ~/.local/share/VORMIGRAL/ (XDG_DATA_HOME) for an application named VORMIGRAL.
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/');
}

QString ChoixFichiersQt::alire(const QString& titre, const QString& filtre) {
    return QFileDialog::getOpenFileName(QApplication::activeModalWidget(), titre, QString(), filtre);
}

QString ChoixFichiersQt::aecrire(const QString& titre, const QString& filtre, const QString& propose) {
    return QFileDialog::getSaveFileName(QApplication::activeModalWidget(), titre, propose, filtre);
}

void HasardQt::initialise() {
    const auto instant = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generateur_.seed(static_cast<std::mt19937::result_type>(instant ^ (instant >> 32)));
}

int HasardQt::tire(int n) {
    std::uniform_int_distribution<int> loi(0, n - 1);
    return loi(generateur_);
}

} // namespace vormigral

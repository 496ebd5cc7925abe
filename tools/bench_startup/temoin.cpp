// The two windows VORMIGRAL's start-up is measured against, built with the same Qt and the same
// stop after the first painted frame (app/arretmesure.h):
//   bench_startup_baseline nue    a main window with a menu bar, shown;
//   bench_startup_baseline riche  the same, plus ten hidden dialogs of thirty widgets each, created
//                                 before the main window is shown, as VORMIGRAL creates its windows.
// Neither loads a picture or asks for a font: they are the floor under a program of this size.

#include "app/arretmesure.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// Thirty widgets of the kinds VORMIGRAL's dialogs hold, each placed by its rectangle.
std::unique_ptr<QDialog> dialogue(int numero) {
    auto fenetre = std::make_unique<QDialog>();
    fenetre->setWindowTitle(QStringLiteral("Dialogue %1").arg(numero));
    fenetre->setFixedSize(500, 400);
    fenetre->setModal(true);
    const auto place = [&](QWidget* w, int i) {
        w->setObjectName(QStringLiteral("w%1").arg(i));
        w->setGeometry(10 + (i % 3) * 160, 10 + (i / 3) * 38, 150, 30);
    };
    int i = 0;
    for (int k = 0; k < 10; ++k, ++i)
        place(new QLabel(QStringLiteral("Etiquette %1").arg(k), fenetre.get()), i);
    for (int k = 0; k < 8; ++k, ++i)
        place(new QPushButton(QStringLiteral("Bouton %1").arg(k), fenetre.get()), i);
    for (int k = 0; k < 4; ++k, ++i) {
        auto* choix = new QComboBox(fenetre.get());
        choix->addItems({QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois")});
        place(choix, i);
    }
    for (int k = 0; k < 2; ++k, ++i)
        place(new QLineEdit(fenetre.get()), i);
    for (int k = 0; k < 2; ++k, ++i)
        place(new QGroupBox(QStringLiteral("Cadre %1").arg(k), fenetre.get()), i);
    place(new QCheckBox(QStringLiteral("Case"), fenetre.get()), i++);
    place(new QRadioButton(QStringLiteral("Choix"), fenetre.get()), i++);
    for (int k = 0; k < 2; ++k, ++i)
        place(new QListWidget(fenetre.get()), i);
    return fenetre;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication programme(argc, argv);
    const bool riche = argc > 1 && std::strcmp(argv[1], "riche") == 0;

    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Temoin"));
    for (const char* titre : {"Fichiers", "Utilisation", "Options", "Aide"}) {
        QMenu* menu = fenetre.menuBar()->addMenu(QString::fromLatin1(titre));
        for (int k = 1; k <= 3; ++k)
            menu->addAction(QStringLiteral("Entree %1").arg(k));
    }
    // The client area of VORMIGRAL's main window, so that both paint as many pixels.
    auto* zone = new QWidget(&fenetre);
    zone->setFixedSize(619, 375);
    fenetre.setCentralWidget(zone);

    std::vector<std::unique_ptr<QDialog>> dialogues;
    if (riche)
        for (int numero = 1; numero <= 10; ++numero)
            dialogues.push_back(dialogue(numero));

    vormigral::arretapresaffichage(fenetre);
    fenetre.show();
    fenetre.activateWindow();
    return QApplication::exec();
}

#include "windows/groupelangue.h"

#include <QGroupBox>
#include <QRadioButton>

namespace vormigral {

namespace {

ImageCliquable* drapeau(QWidget* parent, const char* nom, int y, const char* image) {
    auto* resultat = place<ImageCliquable>(parent, nom, {84, y, 45, 37});
    resultat->setPixmap(pixmapsvg(QStringLiteral(":/images/%1.svg").arg(QLatin1String(image)), {32, 32}));
    resultat->setAlignment(Qt::AlignCenter);
    return resultat;
}

QRadioButton* bouton(QWidget* parent, const char* nom, const QRect& geometrie, const QString& texte) {
    auto* resultat = place<QRadioButton>(parent, nom, geometrie);
    resultat->setText(texte);
    ajustelargeur(resultat);
    return resultat;
}

} // namespace

ChoixLangue creechoixlangue(QWidget* parent, QPoint position) {
    auto* groupe = place<QGroupBox>(parent, "glangue", {position, QSize(290, 101)});
    ChoixLangue choix{groupe, bouton(groupe, "lfrancais", {18, 18, 61, 17}, QStringLiteral("Français")),
                      drapeau(groupe, "Image1", 9, "france"),
                      bouton(groupe, "langlais", {18, 64, 59, 17}, QStringLiteral("English")),
                      drapeau(groupe, "Image2", 54, "grandebretagne")};
    return choix;
}

} // namespace vormigral

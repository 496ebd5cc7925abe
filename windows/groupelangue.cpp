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

void legende(QRadioButton* bouton, const QString& texte) {
    bouton->setText(texte);
    ajustelargeur(bouton);
}

} // namespace

ChoixLangue creechoixlangue(QWidget* parent, QPoint position) {
    auto* groupe = place<QGroupBox>(parent, "glangue", {position, QSize(290, 101)});
    const ChoixLangue choix{groupe, place<QRadioButton>(groupe, "lfrancais", {18, 18, 61, 17}),
                            drapeau(groupe, "Image1", 9, "france"),
                            place<QRadioButton>(groupe, "langlais", {18, 64, 59, 17}),
                            drapeau(groupe, "Image2", 54, "grandebretagne")};
    choix.traduit();
    return choix;
}

void ChoixLangue::traduit() const {
    //: French in its own name, the same in every language.
    legende(lfrancais, tr("Français"));
    //: English in its own name, the same in every language.
    legende(langlais, tr("English"));
}

} // namespace vormigral

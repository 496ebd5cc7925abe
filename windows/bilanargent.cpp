#include "windows/bilanargent.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vormigral {

TCourbeArgent::TCourbeArgent(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("courbeargent"));
    setMinimumHeight(120);
    setFocusPolicy(Qt::TabFocus);
}

void TCourbeArgent::montre(const std::vector<TPointArgent>& points) {
    points_ = points;
    update();
}

void TCourbeArgent::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QRectF cadre = QRectF(rect()).adjusted(8, 8, -8, -8);
    peintre.fillRect(rect(), palette().base());
    if (hasFocus()) {
        peintre.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        peintre.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    if (points_.empty() || cadre.width() <= 0 || cadre.height() <= 0)
        return;
    // Zero always shows, so that a loss reads as a loss.
    std::int64_t bas = 0;
    std::int64_t haut = 0;
    for (const TPointArgent& p : points_) {
        bas = std::min(bas, p.cumul);
        haut = std::max(haut, p.cumul);
    }
    const double etendue = std::max<double>(1.0, static_cast<double>(haut) - static_cast<double>(bas));
    const auto y = [&](std::int64_t v) {
        return cadre.bottom() -
               (static_cast<double>(v) - static_cast<double>(bas)) / etendue * cadre.height();
    };
    const double pas = points_.size() > 1 ? cadre.width() / static_cast<double>(points_.size() - 1) : 0.0;
    peintre.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
    peintre.drawLine(QPointF(cadre.left(), y(0)), QPointF(cadre.right(), y(0)));
    QPainterPath ligne;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const QPointF p(cadre.left() + pas * static_cast<double>(i), y(points_[i].cumul));
        if (i == 0)
            ligne.moveTo(p);
        else
            ligne.lineTo(p);
    }
    peintre.setPen(QPen(palette().text().color(), 2));
    peintre.drawPath(ligne);
    if (points_.size() == 1)
        peintre.drawEllipse(QPointF(cadre.left(), y(points_.front().cumul)), 3, 3);
}

TFenetreArgent::TFenetreArgent(const TStockageTirages& stockage, const QString& dossierconfig,
                               QWidget* parent)
    : QDialog(parent), cas_(stockage, dossierconfig) {
    setObjectName(QStringLiteral("fenetreargent"));
    resize(640, 520);
    auto* disposition = new QVBoxLayout(this);

    auto* ligneprix = new QHBoxLayout;
    lprix_ = new QLabel(this);
    eprix_ = new QDoubleSpinBox(this);
    eprix_->setObjectName(QStringLiteral("eprix"));
    eprix_->setDecimals(2);
    eprix_->setRange(static_cast<double>(prixgrillemin) / 100.0, static_cast<double>(prixgrillemax) / 100.0);
    eprix_->setSingleStep(0.10);
    eprix_->setValue(static_cast<double>(cas_.prix()) / 100.0);
    eprix_->setKeyboardTracking(false);
    lprix_->setBuddy(eprix_);
    connect(eprix_, &QDoubleSpinBox::valueChanged, this, &TFenetreArgent::prixchange);
    ligneprix->addWidget(lprix_);
    ligneprix->addWidget(eprix_);
    ligneprix->addStretch();
    disposition->addLayout(ligneprix);

    lresume_ = new QLabel(this);
    lresume_->setObjectName(QStringLiteral("lresume"));
    lresume_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont gras = lresume_->font();
    gras.setBold(true);
    lresume_->setFont(gras);
    disposition->addWidget(lresume_);
    lomissions_ = new QLabel(this);
    lomissions_->setObjectName(QStringLiteral("lomissions"));
    lomissions_->setWordWrap(true);
    disposition->addWidget(lomissions_);

    vue_ = new QTableWidget(0, 5, this);
    vue_->setObjectName(QStringLiteral("vueargent"));
    vue_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vue_->setSelectionBehavior(QAbstractItemView::SelectRows);
    vue_->setSelectionMode(QAbstractItemView::SingleSelection);
    vue_->verticalHeader()->hide();
    vue_->setTabKeyNavigation(false);
    vue_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    vue_->horizontalHeader()->setStretchLastSection(true);
    disposition->addWidget(vue_, 2);

    lcourbe_ = new QLabel(this);
    courbe_ = new TCourbeArgent(this);
    lcourbe_->setBuddy(courbe_);
    disposition->addWidget(lcourbe_);
    disposition->addWidget(courbe_, 1);

    auto* boutons = new QDialogButtonBox(this);
    bfermer_ = boutons->addButton(QDialogButtonBox::Close);
    bfermer_->setObjectName(QStringLiteral("bfermer"));
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    disposition->addWidget(boutons);
    traduit();
}

void TFenetreArgent::montre(const TRecapitulatif& verification) {
    erreur_.clear();
    lu_ = cas_.calcule(verification, &erreur_);
    affiche();
}

void TFenetreArgent::prixchange(double euros) {
    const Refus refus = cas_.changeprix(std::llround(euros * 100.0));
    refusprix_ = refus == Refus::Aucun ? QString() : cas_.fichierprix();
    affiche();
}

void TFenetreArgent::changeEvent(QEvent* evenement) {
    QDialog::changeEvent(evenement);
    if (evenement->type() == QEvent::LanguageChange)
        traduit();
}

void TFenetreArgent::traduit() {
    setWindowTitle(tr("Money check"));
    lprix_->setText(tr("&Price of one grid for one draw:"));
    eprix_->setAccessibleName(tr("Price of one grid for one draw"));
    eprix_->setSuffix(tr(" €"));
    // The price is typed as the amounts are written.
    eprix_->setLocale(QLocale(TVerificationArgent::tr("en_IE")));
    lresume_->setAccessibleName(tr("Period's totals"));
    lomissions_->setAccessibleName(tr("Not counted"));
    vue_->setAccessibleName(tr("Money per draw"));
    vue_->setHorizontalHeaderLabels({tr("Date"), tr("Cost"), tr("Winnings"), tr("Net"), tr("Not counted")});
    lcourbe_->setText(tr("C&umulative net result:"));
    courbe_->setAccessibleName(tr("Cumulative net result"));
    bfermer_->setText(tr("Close"));
    affiche();
}

void TFenetreArgent::affiche() {
    const TBilanArgent& bilan = cas_.bilan();
    const TRecapitulatif& verification = cas_.verification();
    if (lu_)
        lresume_->setText(cas_.resume());
    else if (erreur_.isEmpty())
        lresume_->setText(tr("The payouts could not be read."));
    else
        lresume_->setText(tr("The payouts could not be read: %1").arg(erreur_));
    QString omissions = cas_.omissions();
    if (!refusprix_.isEmpty())
        omissions += (omissions.isEmpty() ? QString() : QStringLiteral(" ")) +
                     tr("The price could not be kept in %1.").arg(QDir::toNativeSeparators(refusprix_));
    lomissions_->setText(omissions);
    lomissions_->setVisible(!omissions.isEmpty());
    vue_->setRowCount(static_cast<int>(bilan.tirages.size()));
    for (std::size_t i = 0; i < bilan.tirages.size(); ++i) {
        const TArgentTirage& a = bilan.tirages[i];
        const int r = static_cast<int>(i);
        const QString cellules[] = {QString::fromStdString(datecourte(verification.tirages[i].tirage.date)),
                                    TVerificationArgent::montant(a.cout),
                                    TVerificationArgent::montant(a.gagne),
                                    TVerificationArgent::montant(a.net), cas_.inconnus(a)};
        for (int c = 0; c < 5; ++c) {
            auto* cellule = new QTableWidgetItem(cellules[c]);
            if (c >= 1 && c <= 3)
                cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            vue_->setItem(r, c, cellule);
        }
    }
    courbe_->montre(bilan.cumul);
    courbe_->setAccessibleDescription(cas_.descriptioncourbe());
    courbe_->setToolTip(cas_.descriptioncourbe());
}

} // namespace vormigral

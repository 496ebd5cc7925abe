#include "app/langue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vormigral {

// One language: the program's own translation, and Qt's where the windows need it. English is
// Qt's own language: its dialogs need no translation.
struct Langue::Traduction {
    Traduction(const char* code, bool qt) : code(QLatin1String(code)), qt(qt) {}

    void charge() {
        if (charge_)
            return;
        charge_ = true;
        if (fichier.isEmpty() && !programme.load(QStringLiteral(":/i18n/vormigral_%1.qm").arg(code)))
            qWarning("The program's translation vormigral_%s.qm is missing", qPrintable(code));
        if (qt && !qtbase.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qWarning("Qt's translation qtbase_%s.qm not found: Qt's dialogs stay in English",
                     qPrintable(code));
    }

    void installe() {
        charge();
        if (qt && !qtbase.isEmpty())
            QCoreApplication::installTranslator(&qtbase);
        QCoreApplication::installTranslator(&programme);
    }

    void retire() {
        QCoreApplication::removeTranslator(&programme);
        QCoreApplication::removeTranslator(&qtbase);
    }

    const QString code;
    const bool qt;
    QString fichier; // a replacement of the built-in translation, when set
    QTranslator programme;
    QTranslator qtbase;

private:
    bool charge_ = false;
};

Langue::Langue()
    : francais_(std::make_unique<Traduction>("fr", true)),
      anglais_(std::make_unique<Traduction>("en", false)) {}

// The translators leave the application as they are destroyed.
Langue::~Langue() = default;

Langue::Traduction& Langue::traduction(std::int32_t langue) const {
    return langue == anglais ? *anglais_ : *francais_;
}

bool Langue::applique(std::int32_t langue) {
    const std::int32_t nouvelle = langue == anglais ? anglais : francais;
    if (nouvelle == courante_)
        return false;
    if (courante_ != 0)
        traduction(courante_).retire();
    courante_ = nouvelle;
    traduction(courante_).installe();
    // Qt posts the change to every window: delivered now, the windows speak the new language as
    // soon as the switch returns, as they did when the switch re-captioned them itself.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return true;
}

QString Langue::traduit(std::int32_t langue, const char* contexte, const char* source,
                        const char* precision) const {
    Traduction& t = traduction(langue == anglais ? anglais : francais);
    t.charge();
    const QString texte = t.programme.translate(contexte, source, precision);
    return texte.isNull() ? QString::fromUtf8(source) : texte;
}

bool Langue::remplace(std::int32_t langue, const QString& fichier) {
    Traduction& t = traduction(langue);
    t.fichier = fichier;
    return t.programme.load(fichier);
}

} // namespace vormigral

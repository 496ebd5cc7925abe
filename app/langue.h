#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QTranslator;

namespace vormigral {

// The program's language, through Qt's translation system: the program's own translation of the
// language (translations/vormigral_<code>.ts, built into the program) and, where the program's
// windows need it, Qt's own for its dialogs and standard buttons (Debian's qtbase_<code>.qm).
// Switching installs the other language's translators; Qt then sends every window a
// LanguageChange event, delivered before applique() returns, on which the windows re-caption.
class Langue {
public:
    // The values of the settings' `langue` field.
    static constexpr std::int32_t francais = 1;
    static constexpr std::int32_t anglais = 2;

    Langue();
    ~Langue();
    Langue(const Langue&) = delete;
    Langue& operator=(const Langue&) = delete;

    // Installs the language the settings name: English for `anglais`, French for any other value,
    // as the settings file has always been read. True when the language changed.
    bool applique(std::int32_t langue);

    // The language installed: francais or anglais; 0 before the first applique().
    std::int32_t courante() const { return courante_; }

    // `source`, a text of the translation context `contexte`, in `langue` whatever language is
    // installed: for the few captions a window keeps in the language of its creation. Mark the
    // source with QT_TR_NOOP / QT_TRANSLATE_NOOP so that it is extracted with the others.
    QString traduit(std::int32_t langue, const char* contexte, const char* source,
                    const char* precision = nullptr) const;

    // Reads the program's translation of `langue` from `fichier` (a .qm) instead of the one built
    // into the program: the pseudo-translation of the tests. Call before the first applique().
    bool remplace(std::int32_t langue, const QString& fichier);

private:
    struct Traduction;
    Traduction& traduction(std::int32_t langue) const;

    std::unique_ptr<Traduction> francais_;
    std::unique_ptr<Traduction> anglais_;
    std::int32_t courante_ = 0;
};

} // namespace vormigral

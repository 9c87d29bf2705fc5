#pragma once
// Qt's own texts (the standard buttons of message boxes and dialogs) in the
// interface language, from the translations Qt installs with it (Debian:
// qt6-translations-l10n).
#include <QTranslator>
#include <string>

namespace plix {

class QtTranslations {
public:
    ~QtTranslations();
    // Switches Qt's texts to a two-letter language ("nl"); English, or a
    // language Qt has no translation for, leaves them English. Returns
    // whether a translation was loaded.
    bool use(const std::string& code);

private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace plix

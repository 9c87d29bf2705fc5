#include "platform/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace plix {

QtTranslations::~QtTranslations() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

bool QtTranslations::use(const std::string& code) {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    if (code.empty() || code == "en") return false;
    const QLocale locale(QString::fromStdString(code));
    if (!translator_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

}  // namespace plix

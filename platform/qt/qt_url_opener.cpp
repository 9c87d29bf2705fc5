#include "platform/qt/qt_url_opener.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace plix {

bool QtUrlOpener::open(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(toQt(url)));
}

}  // namespace plix

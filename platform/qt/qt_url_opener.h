#pragma once
#include "platform/url_opener.h"

namespace plix {

class QtUrlOpener : public UrlOpener {
public:
    bool open(const std::string& url) override;
};

}  // namespace plix

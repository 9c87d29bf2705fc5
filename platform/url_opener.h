#pragma once
#include <string>

namespace plix {

// Hands a URL to the desktop (browser, download handler).
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const std::string& url) = 0;
};

}  // namespace plix

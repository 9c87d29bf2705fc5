#pragma once

namespace plix {

// The notification-area icon.
class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual bool install() = 0;   // false when the desktop has no tray
    virtual void remove() = 0;
    virtual bool installed() const = 0;
};

}  // namespace plix

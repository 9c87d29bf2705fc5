#pragma once
#include <functional>
#include <string>

namespace plix {

// How the user reached the program through its notification-area icon.
enum class TrayClick {
    Left,       // a single left click (what StatusNotifierItem trays deliver)
    Double,     // a left double click (trays that report one)
    Middle,     // a middle click
    ShowEntry,  // the first entry of the icon's pop-up menu
    TaskBar,    // the user brought the minimised window back from the task bar
                // (where there is no notification area, hiding minimises)
};

// The notification-area icon and the main window it stands for.
class TrayIcon {
public:
    virtual ~TrayIcon() = default;

    // Puts the icon up. False when the desktop has no notification area now;
    // the icon may still appear later if the area shows up.
    virtual bool install() = 0;
    virtual void remove() = 0;
    virtual bool installed() const = 0;
    // Tip shown over the icon and caption of the pop-up menu's first entry.
    virtual void setTexts(const std::string& tip, const std::string& showEntry) = 0;

    // Brings the main window back: shown, raised, given the focus (also when
    // it is open but lies under other windows).
    virtual void restoreWindow() = 0;

    // The handler for clicks on the icon and the menu's first entry.
    void onClick(std::function<void(TrayClick)> handler) { handler_ = std::move(handler); }

protected:
    void clicked(TrayClick click) {
        if (handler_) handler_(click);
    }

private:
    std::function<void(TrayClick)> handler_;
};

}  // namespace plix

#pragma once
// Every window of the program, built from a Desk: the window set runs every
// event handler and then redraws every window, follows the interface
// language with Qt's own texts, and ends the program when the logic asks.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "desk/core/desk.h"
#include "desk/gui/window_view.h"
#include "platform/qt/qt_translations.h"

namespace plix {

class QtEventPump;

class WindowSet {
public:
    // Builds the view of every window (hidden until its frame is shown).
    explicit WindowSet(Desk& desk);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    Desk& desk() const { return d_; }

    // Runs an event handler of any window (a click, a menu command, a timer
    // tick, the close box), then redraws. Every handler of the program comes
    // through here and so through the event pump: while a fetch waits, it is
    // held and runs after the fetch returns (returns false then).
    bool run(const std::function<void()>& handler);
    // Draws what changed in every shown window (hidden ones only hide), takes
    // up timer changes, and ends the program when the logic asked for it.
    void redraw();
    // The pump draws before it lets waiting events through, so what the logic
    // set before a fetch (the hourglass, a status line) is on screen while it
    // waits.
    void drawBefore(QtEventPump& pump);

    // The view of one window; every window has exactly one.
    template <class View>
    View& view() const {
        for (const auto& v : views_)
            if (auto* found = dynamic_cast<View*>(v.get())) return *found;
        throw std::logic_error("no such window in the window set");
    }
    const std::vector<std::unique_ptr<WindowView>>& views() const { return views_; }

    // Set when the desktop session ends, so that closing ends the program.
    void setSystemShuttingDown() { systemShuttingDown_ = true; }
    bool endingProgram() const { return systemShuttingDown_ || quitting_; }

private:
    template <class View>
    void add() {
        views_.push_back(std::make_unique<View>(*this));
    }
    void followLanguage();

    Desk& d_;
    std::vector<std::unique_ptr<WindowView>> views_;
    QtTranslations translations_;
    std::string language_;  // the language code Qt's own texts are in
    bool systemShuttingDown_ = false;
    bool quitting_ = false;
};

}  // namespace plix

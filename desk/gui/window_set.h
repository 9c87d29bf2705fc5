#pragma once
// Every window of a program: the window set runs every event handler and
// then redraws every window, follows the interface language with Qt's own
// texts, and ends the program when the logic asks.
//
// WindowSetBase does this for any program's state object; WindowSet is
// plixdesk's, built from a Desk (the installer has its own in inst/gui).
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

class WindowSetBase {
public:
    virtual ~WindowSetBase();
    WindowSetBase(const WindowSetBase&) = delete;
    WindowSetBase& operator=(const WindowSetBase&) = delete;

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
    const std::vector<std::unique_ptr<WindowBase>>& views() const { return views_; }

    // Set when the desktop session ends, so that closing ends the program.
    void setSystemShuttingDown() { systemShuttingDown_ = true; }
    bool endingProgram() const { return systemShuttingDown_ || quitting_; }

protected:
    WindowSetBase() = default;

    // What the set reads of its program's state.
    virtual bool programEnded() const = 0;
    // The two-letter code of the interface language ("" while none is known).
    virtual std::string languageCode() const = 0;
    virtual Scheduler* scheduler() const = 0;
    // The pump that holds handlers while a fetch waits (none: they run at once).
    virtual EventPump* events() const { return nullptr; }

    std::vector<std::unique_ptr<WindowBase>> views_;

private:
    void followLanguage();

    QtTranslations translations_;
    std::string language_;  // the language code Qt's own texts are in
    bool systemShuttingDown_ = false;
    bool quitting_ = false;
};

class WindowSet : public WindowSetBase {
public:
    // Builds the view of every window (hidden until its frame is shown).
    explicit WindowSet(Desk& desk);
    ~WindowSet() override;

    Desk& desk() const { return d_; }

protected:
    bool programEnded() const override { return d_.st.ProgramEnded; }
    std::string languageCode() const override;
    Scheduler* scheduler() const override { return d_.os.scheduler; }
    EventPump* events() const override { return d_.os.events; }

private:
    template <class View>
    void add() {
        views_.push_back(std::make_unique<View>(*this));
    }

    Desk& d_;
};

}  // namespace plix

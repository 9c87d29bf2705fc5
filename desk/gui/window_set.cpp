#include "desk/gui/window_set.h"

#include <QApplication>

#include "desk/gui/velto_view.h"
#include "desk/gui/veltolog_view.h"
#include "platform/qt/qt_event_pump.h"

namespace plix {

WindowSet::WindowSet(Desk& desk) : d_(desk) {
    // Every window of the program, one line each; the main window first.
    add<VeltoView>();
    add<VeltologView>();
}

WindowSet::~WindowSet() = default;

bool WindowSet::run(const std::function<void()>& handler) {
    const auto handle = [this, handler] {
        // Ticks that only counted while their timer slept come first.
        if (d_.os.scheduler) d_.os.scheduler->catchUp();
        handler();
        redraw();
    };
    if (d_.os.events) return d_.os.events->runHandler(handle);
    handle();
    return true;
}

void WindowSet::redraw() {
    if (d_.st.ProgramEnded) {
        if (!quitting_) {
            quitting_ = true;
            for (auto& v : views_) v->hide();
            QApplication::quit();
        }
        return;
    }
    followLanguage();
    for (auto& v : views_) v->draw();
    if (d_.os.scheduler) d_.os.scheduler->sync();
}

void WindowSet::drawBefore(QtEventPump& pump) {
    pump.setDraw([this] { redraw(); });
}

// Qt's own texts (the standard buttons of message boxes and dialogs) speak
// the language the language table is in.
void WindowSet::followLanguage() {
    const DeskState& s = d_.st;
    const int n = s.CurrentLanguage;
    const std::string code =
        n >= 1 && n < static_cast<int>(s.LanguageCodes.size()) ? s.LanguageCodes[n] : "";
    if (code.empty() || code == language_) return;
    language_ = code;
    translations_.use(code);
}

}  // namespace plix

#include <QApplication>

#include "desk/gui/window_set.h"
#include "platform/qt/qt_event_pump.h"

namespace plix {

WindowSetBase::~WindowSetBase() = default;

bool WindowSetBase::run(const std::function<void()>& handler) {
    const auto handle = [this, handler] {
        // Ticks that only counted while their timer slept come first.
        if (Scheduler* s = scheduler()) s->catchUp();
        handler();
        redraw();
    };
    if (EventPump* pump = events()) return pump->runHandler(handle);
    handle();
    return true;
}

void WindowSetBase::redraw() {
    if (programEnded()) {
        if (!quitting_) {
            quitting_ = true;
            for (auto& v : views_) v->hide();
            QApplication::quit();
        }
        return;
    }
    followLanguage();
    for (auto& v : views_) v->draw();
    if (Scheduler* s = scheduler()) s->sync();
}

void WindowSetBase::drawBefore(QtEventPump& pump) {
    pump.setDraw([this] { redraw(); });
}

// Qt's own texts (the standard buttons of message boxes and dialogs) speak
// the language the language table is in.
void WindowSetBase::followLanguage() {
    const std::string code = languageCode();
    if (code.empty() || code == language_) return;
    language_ = code;
    translations_.use(code);
}

}  // namespace plix

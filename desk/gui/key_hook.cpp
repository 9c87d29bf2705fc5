#include "desk/gui/key_hook.h"

#include <QEvent>
#include <QKeyEvent>

#include "desk/forms/controls.h"
#include "platform/qt/qt_text.h"

namespace plix {
namespace {

int keyCodeOf(const QKeyEvent& e) {
    switch (e.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnterKey;
        case Qt::Key_Up:
            return kUpKey;
        case Qt::Key_Down:
            return kDownKey;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Delete:
            return 46;
        default:
            break;
    }
    // Letters, digits and the space bar have their own codes; any other key
    // gets one that no handler tests (Qt's codes of punctuation, such as "&",
    // would read as the arrow keys).
    const int k = e.key();
    const bool own = (k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9) ||
                     k == Qt::Key_Space;
    return own ? k : 255;
}

// The character the key types, 0 for a key that types none.
int keyAsciiOf(const QKeyEvent& e) {
    const int code = keyCodeOf(e);
    if (code == kEnterKey || code == 8 || code == 27) return code;
    const std::string typed = fromQt(e.text());
    return typed.empty() || static_cast<unsigned char>(typed[0]) < 0x20
               ? 0
               : static_cast<unsigned char>(typed[0]);
}

class KeyHook : public QObject {
public:
    KeyHook(QWidget* widget, KeyHandlers handlers,
            std::function<void(const std::function<void()>&)> run)
        : QObject(widget), handlers_(std::move(handlers)), run_(std::move(run)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && handlers_.gotFocus) {
            run_(handlers_.gotFocus);
        } else if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
            if (handlers_.keyDown) {
                int code = keyCodeOf(key);
                run_([&] { handlers_.keyDown(code); });
                if (code == 0) return true;
            }
            int ascii = keyAsciiOf(key);
            if (handlers_.keyPress && ascii != 0) {
                run_([&] { handlers_.keyPress(ascii); });
                if (ascii == 0) return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    KeyHandlers handlers_;
    std::function<void(const std::function<void()>&)> run_;
};

}  // namespace

void hookKeys(QWidget* widget, KeyHandlers handlers,
              std::function<void(const std::function<void()>&)> run) {
    widget->installEventFilter(new KeyHook(widget, std::move(handlers), std::move(run)));
}

}  // namespace plix

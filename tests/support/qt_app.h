#pragma once
// Widgets need a QApplication; the tests share one for the whole program.
#include <QApplication>

namespace plix::testing {

// Never deleted: at exit Qt's own input devices may already be gone, and
// deleting the application after them crashes.
inline QApplication& app() {
    static int argc = 1;
    static char name[] = "plixdesk-test";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

}  // namespace plix::testing

#pragma once
// Widgets need a QApplication; the tests share one for the whole program.
#include <QApplication>

namespace plix::testing {

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "plixdesk-test";
    static char* argv[] = {name, nullptr};
    static QApplication instance(argc, argv);
    return instance;
}

}  // namespace plix::testing

#pragma once
// The end-of-session signals (SIGTERM, and SIGINT and SIGHUP from a
// terminal) delivered on the event loop, where the program can save and quit
// as it does when the desktop session ends.
#include <functional>

#include <QObject>

class QSocketNotifier;

namespace plix {

class QuitSignals : public QObject {
public:
    // onQuit runs on the event loop once per signal received. One instance
    // at a time; the signals get their default action back when it goes.
    explicit QuitSignals(std::function<void()> onQuit, QObject* parent = nullptr);
    ~QuitSignals() override;

private:
    std::function<void()> onQuit_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace plix

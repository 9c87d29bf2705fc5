#pragma once
// Figures for the client benchmark (bench/client.sh), taken only when the
// environment variable PLIX_PROBE names a file; without it the program makes
// no probe and pays nothing for one.
//
// - longest_stall_ms: the longest time the event loop did not turn, seen by
//   a 10 ms timer as its longest gap less its interval. A fetch that waits on
//   a silent server must not show here.
// - first_rows_after_tick_ms: from the start of the timer tick after which
//   the first request rows show to the end of their paint.
//
// The file is written again whenever a figure changes, one key=value a line,
// so a benchmark may read it while the program runs and stop it any way.
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "desk/core/desk.h"

namespace plix {

class BenchProbe {
public:
    // The probe PLIX_PROBE asks for, or none.
    static std::unique_ptr<BenchProbe> fromEnvironment(const Desk& d);
    BenchProbe(const Desk& d, QString file);

    // Starts watching the event loop (call it right before the loop runs).
    void start();
    // Wraps a timer tick so the probe sees the tick after which rows show.
    std::function<void()> aroundTick(const std::function<void()>& tick);

private:
    void beat();
    bool rowsShown() const;
    void write() const;

    const Desk& d_;
    QString file_;
    QTimer heart_;
    QElapsedTimer clock_;
    qint64 lastBeat_ = -1;
    qint64 longestStall_ = 0;
    double rowsAfterTick_ = -1;  // ms
};

}  // namespace plix

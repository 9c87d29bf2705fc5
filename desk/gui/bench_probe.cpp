#include "desk/gui/bench_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QSaveFile>

namespace plix {
namespace {

constexpr int kBeatMs = 10;

}  // namespace

std::unique_ptr<BenchProbe> BenchProbe::fromEnvironment(const Desk& d) {
    const QString file = qEnvironmentVariable("PLIX_PROBE");
    if (file.isEmpty()) return nullptr;
    return std::make_unique<BenchProbe>(d, file);
}

BenchProbe::BenchProbe(const Desk& d, QString file) : d_(d), file_(std::move(file)) {
    heart_.setTimerType(Qt::PreciseTimer);
    heart_.setInterval(kBeatMs);
    QObject::connect(&heart_, &QTimer::timeout, [this] { beat(); });
    clock_.start();
}

void BenchProbe::start() {
    lastBeat_ = clock_.elapsed();
    heart_.start();
    write();
}

void BenchProbe::beat() {
    const qint64 now = clock_.elapsed();
    const qint64 stall = now - lastBeat_ - kBeatMs;
    lastBeat_ = now;
    if (stall <= longestStall_) return;
    longestStall_ = stall;
    write();
}

bool BenchProbe::rowsShown() const {
    const VeltoForm& f = d_.velto;
    return f.form.Visible && f.fr_vraag.Visible && f.lvraag[0].Visible;
}

std::function<void()> BenchProbe::aroundTick(const std::function<void()>& tick) {
    if (rowsAfterTick_ >= 0 || rowsShown()) return tick;
    return [this, tick] {
        const qint64 start = clock_.nsecsElapsed();
        tick();
        // The window set redraws after the handler; the paint follows from
        // the event queue, where this comes after the draw's paint requests.
        QTimer::singleShot(0, [this, start] {
            if (rowsAfterTick_ >= 0 || !rowsShown()) return;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            rowsAfterTick_ = double(clock_.nsecsElapsed() - start) / 1e6;
            write();
        });
    };
}

void BenchProbe::write() const {
    QSaveFile out(file_);
    if (!out.open(QIODevice::WriteOnly)) return;
    out.write(QStringLiteral("longest_stall_ms=%1\nfirst_rows_after_tick_ms=%2\n")
                  .arg(longestStall_)
                  .arg(rowsAfterTick_, 0, 'f', 1)
                  .toUtf8());
    out.commit();
}

}  // namespace plix

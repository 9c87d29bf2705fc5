#include "platform/qt/qt_event_pump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <atomic>
#include <exception>
#include <thread>
#include <utility>

namespace plix {

void QtEventPump::drawNow() {
    if (draw_) draw_();
    // Only the paint requests the draw left behind are delivered: no timer
    // tick or click runs here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void QtEventPump::processPendingEvents() {
    if (draw_) draw_();
    QCoreApplication::processEvents();
}

void QtEventPump::runAside(const std::function<void()>& job) {
    QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
    // Without an event loop (or inside a wait, which no handler reaches)
    // there is nothing to keep alive.
    if (!loop || waiting_) {
        job();
        return;
    }
    std::atomic<bool> done = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            job();
        } catch (...) {
            failure = std::current_exception();
        }
        done.store(true, std::memory_order_release);
        loop->wakeUp();
    });
    waiting_ = true;
    while (!done.load(std::memory_order_acquire))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    worker.join();
    waiting_ = false;
    releaseHeld();
    if (failure) std::rethrow_exception(failure);
}

bool QtEventPump::runHandler(const std::function<void()>& handler) {
    if (waiting_) {
        held_.push_back(handler);
        return false;
    }
    handler();
    return true;
}

// Each held handler goes back through runHandler from the event queue: it
// runs at the next turn of an event loop (or the next fetch's one chance for
// pending events), and is held again should another wait have begun.
void QtEventPump::releaseHeld() {
    for (auto& handler : std::exchange(held_, {}))
        QMetaObject::invokeMethod(
            &context_, [this, handler = std::move(handler)] { runHandler(handler); },
            Qt::QueuedConnection);
}

}  // namespace plix

#include "platform/qt/qt_event_pump.h"

#include <QCoreApplication>
#include <QEvent>

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

}  // namespace plix

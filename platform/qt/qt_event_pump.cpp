#include "platform/qt/qt_event_pump.h"

#include <QCoreApplication>

namespace plix {

void QtEventPump::processPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace plix

#pragma once
// What the logic asks of the operating system, bundled so that the program
// passes the real implementations and the tests pass doubles.
#include "platform/event_pump.h"
#include "platform/http.h"
#include "platform/message_box.h"
#include "platform/network_probe.h"
#include "platform/notifier.h"
#include "platform/printer.h"
#include "platform/scheduler.h"
#include "platform/single_instance.h"
#include "platform/sound.h"
#include "platform/tray.h"
#include "platform/url_opener.h"

namespace plix {

struct Services {
    Scheduler* scheduler = nullptr;
    MessageBoxes* messages = nullptr;
    SingleInstance* instance = nullptr;
    TrayIcon* tray = nullptr;
    SoundPlayer* sound = nullptr;
    HttpClient* http = nullptr;
    UrlOpener* urls = nullptr;
    EventPump* events = nullptr;
    Notifier* notifier = nullptr;
    NetworkProbe* network = nullptr;   // name lookup, ping probe, proxy setting
    Printer* printer = nullptr;
};

}  // namespace plix

// The event pump around a fetch: the exchange runs on a worker while Qt's own
// timers keep running, and the program's handlers that come due meanwhile
// run after the fetch returns, in the order they came.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/qt/qt_event_pump.h"
#include "tests/support/qt_app.h"

namespace plix {
namespace {

TEST(QtEventPump, AJobRunsAsideAndHandlersThatComeMeanwhileRunAfterItInOrder) {
    testing::app();
    QtEventPump pump;
    std::vector<std::string> order;
    int beats = 0, heldNow = 0;
    QTimer beat;
    beat.setInterval(5);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        ++beats;
        if (!pump.waiting() || heldNow == 2) return;
        const std::string name = "handler " + std::to_string(++heldNow);
        EXPECT_FALSE(pump.runHandler([&order, name] { order.push_back(name); }));
    });
    beat.start();

    std::thread::id worker;
    pump.runAside([&] {
        worker = std::this_thread::get_id();
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        order.push_back("exchange");
    });
    order.push_back("after the fetch");
    EXPECT_NE(worker, std::this_thread::get_id());
    EXPECT_GT(beats, 2);  // the loop kept turning
    for (int i = 0; i < 100 && order.size() < 4; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(order, (std::vector<std::string>{"exchange", "after the fetch", "handler 1",
                                               "handler 2"}));

    // Outside a wait a handler runs at once; a failed job fails its caller.
    EXPECT_TRUE(pump.runHandler([&order] { order.push_back("now"); }));
    EXPECT_EQ(order.back(), "now");
    EXPECT_THROW(pump.runAside([] { throw std::runtime_error("lost"); }), std::runtime_error);
    EXPECT_FALSE(pump.waiting());
}

}  // namespace
}  // namespace plix

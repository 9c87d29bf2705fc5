// The window set: every window built from a Desk alone, each drawing its
// frame from its struct, and the screen drawn before a blocking call.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "desk/core/veltolog.h"
#include "desk/gui/veltolog_view.h"
#include "desk/velto/timers.h"
#include "platform/linux/curl_http_client.h"
#include "platform/qt/qt_event_pump.h"
#include "tests/support/gui_fixture.h"
#include "tests/support/test_servers.h"

namespace plix {
namespace {

class WindowSetTest : public testing::GuiFixture {};

TEST_F(WindowSetTest, EveryWindowDrawsItsFrameFromItsStruct) {
    fakes.tray.present = true;  // the main window hides to the icon, not to the task bar
    ASSERT_GE(windows.views().size(), 2u);
    for (const auto& view : windows.views()) {
        FormControl& frame = view->form();
        frame.Caption = "Frame of a test";
        frame.Left = 300;
        frame.Top = 450;
        frame.Width = 4500;
        frame.Height = 3000;
        frame.Visible = true;
        windows.redraw();
        EXPECT_TRUE(view->isVisible());
        EXPECT_EQ(view->windowTitle(), QStringLiteral("Frame of a test"));
        EXPECT_EQ(view->size(), QSize(view->twips().px(4500), view->twips().px(3000)));

        frame.State = WindowState::Minimized;
        windows.redraw();
        EXPECT_TRUE(view->isMinimized());
        frame.State = WindowState::Normal;
        frame.Pointer = MousePointer::Hourglass;
        windows.redraw();
        EXPECT_FALSE(view->isMinimized());
        EXPECT_EQ(view->cursor().shape(), Qt::WaitCursor);

        frame.Visible = false;
        windows.redraw();
        EXPECT_FALSE(view->isVisible());
    }
}

TEST_F(WindowSetTest, AHiddenWindowSkipsItsDrawAndTheUserMovesTheFrame) {
    VeltologView& log = windows.view<VeltologView>();
    auto* clear = qobject_cast<QPushButton*>(log.widgetOf(&desk.veltolog.cclr));
    ASSERT_NE(clear, nullptr);
    desk.veltolog.cclr.Caption = "Empty";
    windows.redraw();
    EXPECT_NE(clear->text(), QStringLiteral("Empty"));  // not drawn while hidden

    veltolog_Load(desk);
    windows.redraw();
    EXPECT_TRUE(log.isVisible());
    EXPECT_EQ(clear->text(), QStringLiteral("Empty"));

    log.move(log.twips().px(900), log.twips().px(1200));
    EXPECT_EQ(desk.veltolog.form.Left, 900);
    EXPECT_EQ(desk.veltolog.form.Top, 1200);
    windows.redraw();  // the struct agrees: the window stays where the user put it
    EXPECT_EQ(log.pos(), QPoint(log.twips().px(900), log.twips().px(1200)));

    clear->click();  // handlers run through the set, which redraws
    EXPECT_EQ(desk.veltolog.tlog.Text, "");
    log.close();  // the close box unloads the window
    EXPECT_FALSE(desk.veltolog.form.Loaded);
    EXPECT_FALSE(log.isVisible());
}

// What the logic sets before a blocking fetch is on screen while it blocks:
// the status line of the connection test and the hourglass.
TEST_F(WindowSetTest, TheScreenIsDrawnBeforeAFetchBlocks) {
    struct Watching : HttpClient {
        std::function<void()> look;
        HttpResult get(const HttpRequest&) override {
            look();
            return {true, "cnt=:1<br>VERSIE=" + std::string(buildVersion()), {}};
        }
    } server;
    QtEventPump pump;
    windows.drawBefore(pump);
    desk.os.events = &pump;
    desk.os.http = &server;
    load();
    st.OnlineFlag = 1;
    st.LanguageTable[101] = "Testing connection";

    QString status;
    bool statusShown = false;
    Qt::CursorShape pointer = Qt::ArrowCursor;
    server.look = [&] {
        auto* label = qobject_cast<QLabel*>(window.widgetOf(&velto.ltest));
        status = label->text();
        statusShown = label->isVisible();
        pointer = window.cursor().shape();
    };
    st.StartupStep = 503;
    fakes.scheduler.advance(1000);  // Timer2: step 503 runs the connection test
    EXPECT_EQ(status, QStringLiteral("Testing connection"));
    EXPECT_TRUE(statusShown);
    EXPECT_EQ(pointer, Qt::WaitCursor);
    windows.redraw();
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);  // and it goes when the fetch is over
}

// A fetch waits on a server that accepts and never answers: the window keeps
// painting (a timer's change of the status line reaches the screen), shows the
// wait cursor all the while, and a handler of the program that comes due
// meanwhile (a click, a tick, the close box) runs after the fetch.
TEST_F(WindowSetTest, TheWindowPaintsWhileAFetchWaitsOnASilentServer) {
    struct ShortWait : HttpClient {
        CurlHttpClient curl;
        HttpResult get(const HttpRequest& request) override {
            HttpRequest shorter = request;
            shorter.totalTimeoutMs = 700;
            return curl.get(shorter);
        }
    } http;
    testing::SilentServer silent;
    QtEventPump pump;
    windows.drawBefore(pump);
    desk.os.events = &pump;
    desk.os.http = &http;
    load();
    velto.form.Visible = true;
    windows.redraw();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } painted;
    auto* status = qobject_cast<QLabel*>(window.widgetOf(&velto.ltest));
    status->show();
    status->installEventFilter(&painted);
    VeltologView& log = windows.view<VeltologView>();
    veltolog_Load(desk);
    windows.redraw();

    int beats = 0, paintsWhileWaiting = 0;
    bool waitCursor = true, handlerRan = false, heldFor = false;
    QTimer beat;
    beat.setInterval(20);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        if (!pump.waiting()) return;
        waitCursor = waitCursor && window.cursor().shape() == Qt::WaitCursor;
        status->setText(QString::number(++beats));
        paintsWhileWaiting = painted.paints;
        if (beats == 2) {
            heldFor = !windows.run([&handlerRan] { handlerRan = true; });
            log.close();
        }
    });
    beat.start();
    const int paintsBefore = painted.paints;
    st.OnlineFlag = 1;
    st.OperationLabel = " GETVRAAG ";
    st.RequestUrl = "http://" + silent.host() + "/plix_chkl.php?CD=02";
    geturl(desk);
    EXPECT_EQ(st.ServerReply, "");  // ended by the time-out
    EXPECT_GT(beats, 5);
    EXPECT_GT(paintsWhileWaiting, paintsBefore);
    EXPECT_TRUE(waitCursor);
    EXPECT_TRUE(heldFor);
    EXPECT_FALSE(handlerRan);
    EXPECT_TRUE(desk.veltolog.form.Loaded);  // the close box's procedure waits too

    for (int i = 0; i < 50 && !handlerRan; ++i) QCoreApplication::processEvents();
    EXPECT_TRUE(handlerRan);
    EXPECT_FALSE(desk.veltolog.form.Loaded);
    EXPECT_FALSE(log.isVisible());
}

}  // namespace
}  // namespace plix

// The menu items that open the other windows and the web site.
#include "desk/velto/window_openers.h"

#include "desk/velto/commands.h"
#include "desk/velto/startup.h"
#include "desk/velto/timers.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class WindowOpenersTest : public InboxFixture {};

TEST_F(WindowOpenersTest, HelpOpensBesideTheMainWindowOnItsTopic) {
    desk.veltosrv.form.Visible = true;
    velto.form.Left = 1200;
    st.LanguageTable[2] = "&Hilfe";
    velto.hlp[3].Caption = "&Lieferant einrichten";
    st.IdleTicks = 9;
    hlp_Click(desk, 3);
    const Veltohlp1Form& w = desk.veltohlp1;
    EXPECT_TRUE(w.form.Visible);
    EXPECT_EQ(w.form.Left, 4200);
    EXPECT_EQ(w.form.Top, 200);
    EXPECT_EQ(w.form.Caption, "Hilfe  Lieferant einrichten");
    EXPECT_EQ(st.HelpTopic, 3);
    EXPECT_EQ(st.IdleTicks, 0);
    EXPECT_FALSE(desk.veltosrv.form.Visible);  // the other windows were unloaded

    // Without a language file the design's captions give it.
    st.LanguageTable[2] = "";
    velto.hlp[2].Caption = "Setup &PLIX system";
    hlp_Click(desk, 2);
    EXPECT_EQ(w.form.Caption, "Help  Setup PLIX system");
}

TEST_F(WindowOpenersTest, TheServerWindowHoldsTheHelpMenuWhileItIsOpen) {
    wireTimers(desk);
    velto.helps.Enabled = true;
    velto.frsystem.Visible = velto.fr_vraag.Visible = true;
    serverinfo_Click(desk);
    EXPECT_FALSE(velto.frsystem.Visible || velto.fr_vraag.Visible);  // clrscr
    EXPECT_TRUE(desk.veltosrv.form.Visible);
    EXPECT_EQ(desk.veltosrv.tid.Text, "4711");
    fakes.scheduler.advance(1000);
    EXPECT_EQ(st.FrontPanel, 6);
    EXPECT_FALSE(velto.helps.Enabled);
    unloadall(desk);
    EXPECT_FALSE(desk.veltosrv.form.Visible);
    fakes.scheduler.advance(1000);
    EXPECT_TRUE(velto.helps.Enabled);  // given back
}

TEST_F(WindowOpenersTest, ChatAndWebSite) {
    market.answer("chkl13", "<br>QEND0");
    directchat_Click(desk);
    EXPECT_TRUE(desk.veltochatl.form.Visible);
    EXPECT_EQ(desk.veltochatl.form.Height, 5500);
    EXPECT_EQ(market.count("chkl13"), 1);

    st.ServerHost = "www.plix.test:8080";
    showWebSite(desk);
    EXPECT_EQ(velto.plixnet.Caption, "www.plix.test:8080");
    plixnet_Click(desk);
    EXPECT_EQ(fakes.urls.opened, (std::vector<std::string>{"http://www.plix.test:8080/"}));
}

}  // namespace
}  // namespace plix::testing

// The main window's network frame, direct-URL panel and hidden test mode.
#include "desk/core/settings.h"
#include "desk/velto/proxy_frame.h"
#include "desk/velto/test_mode.h"
#include "desk/velto/url_panel.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class MainPanelsTest : public InboxFixture {};

TEST_F(MainPanelsTest, TheProxyChoiceIsStoredAndTheInboxFetchedAgain) {
    st.ProxyNote = "proxy.lan";
    lan_Click(desk);
    EXPECT_TRUE(velto.frlan.Visible);
    EXPECT_TRUE(velto.optlan[0].Value);
    EXPECT_FALSE(velto.tprx.Enabled);
    EXPECT_EQ(velto.lprx2.Caption, "proxy.lan");

    optlan_Click(desk, 1);
    EXPECT_EQ(st.UseProxy, 1);
    EXPECT_EQ(st.OnlineFlag, 0);  // offline until the next reconnect
    EXPECT_TRUE(velto.tprx.Enabled);
    EXPECT_EQ(velto.tprx.Text, "proxy.lan");
    velto.tprx.Text = "cache.lan>";
    closeprx_Click(desk);
    EXPECT_FALSE(velto.frlan.Visible);
    EXPECT_EQ(st.StartupStep, 299);
    loaddat(desk);
    EXPECT_EQ(st.UseProxy, 1);
    EXPECT_EQ(st.SystemList[20], "cache.lan");

    lan_Click(desk);
    optlan_Click(desk, 0);
    EXPECT_FALSE(velto.tprx.Enabled);
    closeprx_Click(desk);
    loaddat(desk);
    EXPECT_EQ(st.UseProxy, 0);
}

TEST_F(MainPanelsTest, TheUrlPanelShowsTheRawReplyAndGivesTheConnectionBack) {
    st.DefaultHost = "www.default.test";
    velto.fr_vraag.Visible = true;
    directurl_Click(desk);
    EXPECT_EQ(velto.t_url.Text, "http://www.default.test/plix_chkl.php?CD=02&ID_LV=4711");
    EXPECT_TRUE(velto.fr_url.Visible);
    EXPECT_FALSE(velto.fr_vraag.Visible);
    EXPECT_EQ(st.Disconnected, 1);
    EXPECT_EQ(velto.fr_start.Width, 12000);
    EXPECT_EQ(velto.fr_url.Height, 7900);
    EXPECT_GE(velto.form.Width, velto.fr_start.Left + velto.fr_start.Width);  // the frame fits
    EXPECT_GE(velto.form.Height, velto.fr_start.Height);

    market.answer("chkl02", "<html>CNTRLCODE=02<br>QEND0</html>");
    int key = kEnterKey;
    velto.t_url.Text = "http://srv.test/plix_chkl.php?CD=02&ID_LV=4711";
    t_url_KeyPress(desk, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(market.urls.back(), "http://srv.test/plix_chkl.php?CD=02&ID_LV=4711");
    EXPECT_EQ(velto.t_echo.Text, "<html>CNTRLCODE=02<br>QEND0</html>");
    EXPECT_EQ(velto.form.Focus, &velto.t_echo);

    st.OnlineFlag = 0;  // offline: no earlier reply is shown as this one's
    c_geturl_Click(desk);
    EXPECT_EQ(velto.t_echo.Text, "");

    c_exiturl_Click(desk);
    EXPECT_FALSE(velto.fr_url.Visible);
    EXPECT_EQ(velto.form.Width, 5800);
    EXPECT_EQ(st.Disconnected, 0);
    EXPECT_EQ(st.StartupStep, 503);  // the list comes back
}

TEST_F(MainPanelsTest, TheUrlPanelLeavesAUserDisconnectionAsItWas) {
    st.Disconnected = 1;
    directurl_Click(desk);
    c_exiturl_Click(desk);
    EXPECT_EQ(st.Disconnected, 1);
    EXPECT_EQ(st.StartupStep, 0);
}

TEST_F(MainPanelsTest, TheAccessWordSwitchesTestModeOn) {
    lplix_Click(desk);
    EXPECT_TRUE(velto.ttst.Visible);
    EXPECT_EQ(velto.form.Focus, &velto.ttst);
    int key = kEnterKey;
    velto.ttst.Text = "Kwartelbos";  // case counts
    ttst_KeyPress(desk, key);
    EXPECT_EQ(key, 0);
    EXPECT_FALSE(velto.ttst.Visible);
    EXPECT_EQ(st.TestMode, 0);
    EXPECT_FALSE(velto.testf.Visible);

    holdRequests(12);
    st.PageOffset = 10;
    lnr_MouseMove(desk, 1);
    EXPECT_FALSE(velto.ltst.Visible);  // not in test mode

    lplix_Click(desk);
    velto.ttst.Text = "kwartelbos";
    key = kEnterKey;
    ttst_KeyPress(desk, key);
    EXPECT_EQ(st.TestMode, 1);
    EXPECT_TRUE(velto.testf.Visible);
    EXPECT_EQ(velto.ttst.Text, "");
    lnr_MouseMove(desk, 1);
    EXPECT_TRUE(velto.ltst.Visible);
    EXPECT_EQ(velto.ltst.Caption, "A112   112");  // requester, three blanks, number
    EXPECT_EQ(velto.ltst.Top, velto.fr_start.Top + velto.fr_vraag.Top + velto.lnr[1].Top);
    fr_vraag_MouseMove(desk);
    EXPECT_FALSE(velto.ltst.Visible);

    testf_Click(desk);
    EXPECT_EQ(st.TestMode, 0);
    EXPECT_FALSE(velto.testf.Visible);
}

}  // namespace
}  // namespace plix::testing

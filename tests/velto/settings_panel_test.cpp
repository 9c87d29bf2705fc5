// The alert-settings panel: opening it filled from the settings, the boxes'
// clicks, the upload (ctrl 09) and the close with its save.
#include "desk/velto/settings_panel.h"

#include "desk/core/settings.h"
#include "desk/velto/commands.h"
#include "desk/velto/timers.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class SettingsPanelTest : public InboxFixture {
protected:
    SettingsPanelTest() {
        st.LanguageTable[52] = "Credit";
        st.LanguageTable[83] = "SMS alert";
        st.SystemList[0] = "7  ";
        st.SupplierList[20] = "25";
        st.SupplierList[21] = "second@example.org";
        st.SupplierList[22] = "12";
        st.SupplierList[23] = "ja";
        st.SupplierList[25] = "ja";
        st.SupplierList[27] = "nee";
        st.SupplierList[28] = "proef";
        velto.fr_vraag.Visible = true;
        wireTimers(desk);
    }
};

TEST_F(SettingsPanelTest, OpeningShowsThePanelFilledFromTheSettings) {
    splix_Click(desk);
    EXPECT_FALSE(velto.fr_vraag.Visible);
    EXPECT_TRUE(velto.frsystem.Visible);
    EXPECT_EQ(velto.frsystem.Height, 4215);
    EXPECT_FALSE(velto.extra.Enabled || velto.setup.Enabled || velto.vragen.Enabled);
    EXPECT_EQ(market.count("ctrl01"), 1);  // the connection test
    EXPECT_EQ(velto.llab[kSettingsCreditLabel].Caption, "Credit");
    EXPECT_EQ(velto.lgsm.Caption, "SMS alert");
    EXPECT_EQ(velto.tsys[0].Text, "7");
    EXPECT_EQ(velto.tsys[1].Text, "25");
    EXPECT_EQ(velto.tsys[2].Text, "second@example.org");
    EXPECT_EQ(velto.tgsm.Text, "12");
    EXPECT_EQ(velto.chkema.Value, 1);
    EXPECT_EQ(velto.chkact[0].Value + velto.chkact[1].Value * 2 + velto.chkact[2].Value * 4, 2);
    EXPECT_EQ(velto.chksnd.Value, 0);
    EXPECT_TRUE(velto.Timer4.Enabled);
}

// Timer4 clears the changed flag right after the panel opens: a change not
// yet saved (the server window's, say) is saved first instead of lost.
TEST_F(SettingsPanelTest, OpeningSavesWhatWasNotYetSaved) {
    st.SettingsRecord.replace(0, 12, "www.new.test");
    st.SettingsDirty = 1;
    splix_Click(desk);
    fakes.scheduler.advance(300);
    EXPECT_EQ(st.SettingsDirty, 0);
    EXPECT_EQ(folder.read("pxini.dat").substr(0, 12), "www.new.test");
}

TEST_F(SettingsPanelTest, CheckBoxesWriteTheirItemsAndUploadSendsElevenValues) {
    splix_Click(desk);
    fakes.scheduler.advance(300);
    velto.chksnd.Value = 1;
    chksnd_Click(desk);
    EXPECT_EQ(st.SupplierList[27], "ja");
    EXPECT_EQ(st.SettingsDirty, 1);
    velto.chkema.Value = 0;
    chkema_Click(desk);
    EXPECT_EQ(st.SupplierList[23], "nee");
    fakes.scheduler.advance(1000);
    EXPECT_TRUE(velto.cupdate.Visible);  // Timer1: connected and changed

    velto.tsys[0].Text = "9";
    velto.tsys[2].Text = "a>b";  // a ">" would end the item early and shift the rest
    market.urls.clear();
    cupdate_Click(desk);
    // Sent, then the supplier record fetched again.
    ASSERT_EQ(market.keys(), (std::vector<std::string>{"ctrl09", "ctrl04"}));
    EXPECT_EQ(market.urls[0],
              "http://srv.test/plix_ctrl.php?CD=09&ID_LV=4711&CTR=%3C9%3E%3C25%3E%3Cab%3E%3C12%3E"
              "%3Cnee%3E%3Cnee%3E%3Cja%3E%3Cnee%3E%3Cja%3E%3Cproef%3E%3C%3E");
    EXPECT_EQ(alertSettingsList(st), "<9><25><ab><12><nee><nee><ja><nee><ja><proef><>");
    loaddat(desk);  // pxini.dat holds the panel's values, every item in its place
    EXPECT_EQ(st.SystemList[0], "9");
    EXPECT_EQ(st.SupplierList[21], "ab");
    EXPECT_EQ(st.SupplierList[27], "ja");
    fakes.scheduler.advance(2000);
    EXPECT_FALSE(velto.cupdate.Visible);  // stored: the button stays away until the next change
}

// A poll that finds a change while the panel is open does not leave the
// request list over it.
TEST_F(SettingsPanelTest, TheRequestListStaysAwayWhileThePanelIsOpen) {
    splix_Click(desk);
    serveList({record(1, "onb")});
    getvraag(desk);
    EXPECT_TRUE(velto.fr_vraag.Visible);
    fakes.scheduler.advance(1000);
    EXPECT_FALSE(velto.fr_vraag.Visible);
    EXPECT_EQ(st.FrontPanel, 2);
}

TEST_F(SettingsPanelTest, ClosingSavesAndRestartsTheSequence) {
    splix_Click(desk);
    velto.tsys[1].Text = "300";
    velto.chksnd.Value = 1;
    cexit_Click(desk);
    EXPECT_FALSE(velto.frsystem.Visible);
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_EQ(st.SettingsDirty, 0);
    EXPECT_EQ(st.MaxShown, 256);
    loaddat(desk);
    EXPECT_EQ(st.SupplierList[20], "256");
    EXPECT_EQ(st.SystemList[1], "300");
    EXPECT_EQ(st.SupplierList[27], "ja");
}

}  // namespace
}  // namespace plix::testing

// The notification-area icon: hiding the main window behind it and its clicks.
#include <gtest/gtest.h>

#include "desk/core/alerts.h"
#include "desk/velto/tray.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

class TrayTest : public testing::DeskFixture {
protected:
    void SetUp() override {
        st.SupplierList[27] = "ja";
        st.SoundArmed = 1;
        st.LanguageTable[5] = "PLIX Deliverer";
    }
};

TEST_F(TrayTest, WithoutSoundOrNotificationServicesNothingBreaks) {
    Desk bare{Services{}, DeskConfig{folder.path(), "www.x.test"}};
    bare.st.SoundArmed = 1;
    bare.st.SupplierList[27] = "ja";
    alertRequest(bare);
    notifyNewRequests(bare, {"Roof repair"});
    Stop_Sound(bare);
    ttray_Click(bare);
    showMainWindow(bare);
    EXPECT_EQ(bare.st.SoundArmed, 0);
    EXPECT_TRUE(bare.velto.form.Visible);
}

TEST_F(TrayTest, ToTrayHidesTheWindowBehindOneIcon) {
    velto.form.Visible = true;
    velto.MnBar.Visible = true;
    st.ConnectState = 2;
    st.SupplierNumber = 42;
    ttray_Click(desk);
    EXPECT_FALSE(velto.form.Visible);
    EXPECT_FALSE(velto.MnBar.Visible);
    EXPECT_TRUE(velto.fr_vraag.Visible);  // the list is there when the window comes back
    EXPECT_TRUE(fakes.tray.present);
    EXPECT_EQ(fakes.tray.tip, "PLIX Deliverer");

    ttray_Click(desk);  // the idle rule hides again at every poll
    EXPECT_EQ(fakes.tray.installs, 1);
}

TEST_F(TrayTest, TipIsCutToTheIconRecordAndMenuCaptionKeepsItsAmpersand) {
    st.LanguageTable[5] = "Smith & Sons " + std::string(80, 'x');
    ttray_Click(desk);
    EXPECT_EQ(fakes.tray.tip.size(), 63u);
    EXPECT_EQ(fakes.tray.showEntry.substr(0, 15), "Smith && Sons x");

    st.LanguageTable[5].clear();  // no language loaded
    ttray_Click(desk);
    EXPECT_EQ(fakes.tray.tip, "PLIX");
}

TEST_F(TrayTest, WithoutANotificationAreaTheIconIsTriedAgainAtTheNextHide) {
    fakes.tray.available = false;
    ttray_Click(desk);
    EXPECT_FALSE(fakes.tray.present);
    // The window draws a hidden state as minimised while no icon is up.
    EXPECT_FALSE(velto.form.Visible);
    fakes.tray.available = true;
    ttray_Click(desk);
    EXPECT_TRUE(fakes.tray.present);
    EXPECT_EQ(fakes.tray.installs, 2);
}

TEST_F(TrayTest, LeftClicksRestartTheSequenceOtherClicksOnlyShow) {
    wireAlerts(desk);
    for (TrayClick click : {TrayClick::Left, TrayClick::Double}) {
        velto.form.Visible = false;
        velto.form.State = WindowState::Minimized;
        st.StartupStep = 0;
        st.IdleTicks = 25;
        fakes.tray.click(click);
        EXPECT_TRUE(velto.form.Visible);
        EXPECT_EQ(velto.form.State, WindowState::Normal);
        EXPECT_EQ(st.StartupStep, 503);
        EXPECT_EQ(st.IdleTicks, 0);
    }
    for (TrayClick click : {TrayClick::Middle, TrayClick::ShowEntry, TrayClick::TaskBar}) {
        velto.form.Visible = false;
        st.StartupStep = 0;
        st.IdleTicks = 25;
        fakes.tray.click(click);
        EXPECT_TRUE(velto.form.Visible);
        EXPECT_EQ(st.StartupStep, 0);
        EXPECT_EQ(st.IdleTicks, 0);
    }
    // Every click also raises and focuses a window that lies under others.
    EXPECT_EQ(fakes.tray.restores, 5);

    // Disconnected (by the user or a server order), a left click only shows.
    st.Disconnected = 1;
    st.StartupStep = 0;
    fakes.tray.click(TrayClick::Left);
    EXPECT_TRUE(velto.form.Visible);
    EXPECT_EQ(st.StartupStep, 0);
}

TEST_F(TrayTest, ClickOnANotificationShowsTheWindowAndRedraws) {
    int redraws = 0;
    wireAlerts(desk, [&] { ++redraws; });
    velto.form.Visible = false;
    st.IdleTicks = 29;
    fakes.notifier.click();
    EXPECT_TRUE(velto.form.Visible);
    EXPECT_EQ(st.IdleTicks, 0);
    EXPECT_EQ(st.StartupStep, 0);
    fakes.tray.click(TrayClick::Middle);
    EXPECT_EQ(redraws, 2);
}

}  // namespace
}  // namespace plix

// The alert sound, the desktop notification and the notification-area icon.
#include <gtest/gtest.h>

#include "desk/core/alerts.h"
#include "desk/core/startup.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

class AlertsTest : public testing::DeskFixture {
protected:
    void SetUp() override {
        st.SupplierList[27] = "ja";
        st.SoundArmed = 1;
        st.LanguageTable[5] = "PLIX Deliverer";
    }
};

TEST_F(AlertsTest, OneAlertPerFetchRunsToItsEnd) {
    alertRequest(desk);
    alertRequest(desk);   // a second new row of the same page
    alertRequest(desk);
    ASSERT_EQ(fakes.sound.played.size(), 1u);
    EXPECT_EQ(fakes.sound.played[0], (folder.path() / "Notify.wav").string());
    // Only the stop before the one start: the later rows leave it playing.
    EXPECT_EQ(fakes.sound.stops, 1);
    EXPECT_EQ(st.SoundArmed, 0);

    // The next change poll arms the sound again: one more alert.
    st.SoundArmed = 1;
    alertRequest(desk);
    EXPECT_EQ(fakes.sound.played.size(), 2u);
}

TEST_F(AlertsTest, SilentWhenNotArmedOrSoundSwitchedOff) {
    st.SoundArmed = 0;
    alertRequest(desk);
    st.SoundArmed = 1;
    st.SupplierList[27] = "nee";
    alertRequest(desk);
    notifyNewRequests(desk, {"Roof repair"});
    st.SupplierList[27] = "";   // no setting stored yet
    alertRequest(desk);
    notifyNewRequests(desk, {"Roof repair"});
    EXPECT_TRUE(fakes.sound.played.empty());
    EXPECT_TRUE(fakes.notifier.shown.empty());
    EXPECT_EQ(st.SoundArmed, 1);   // still armed for a row that may sound later
}

TEST_F(AlertsTest, WithoutSoundOrNotificationServicesNothingBreaks) {
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

TEST_F(AlertsTest, ToTrayHidesTheWindowBehindOneIcon) {
    velto.form.Visible = true;
    velto.MnBar.Visible = true;
    st.ConnectState = 2;
    st.SupplierNumber = 42;
    ttray_Click(desk);
    EXPECT_FALSE(velto.form.Visible);
    EXPECT_FALSE(velto.MnBar.Visible);
    EXPECT_TRUE(velto.fr_vraag.Visible);   // the list is there when the window comes back
    EXPECT_TRUE(fakes.tray.present);
    EXPECT_EQ(fakes.tray.tip, "PLIX Deliverer");

    ttray_Click(desk);   // the idle rule hides again at every poll
    EXPECT_EQ(fakes.tray.installs, 1);
}

TEST_F(AlertsTest, TipIsCutToTheIconRecordAndMenuCaptionKeepsItsAmpersand) {
    st.LanguageTable[5] = "Smith & Sons " + std::string(80, 'x');
    ttray_Click(desk);
    EXPECT_EQ(fakes.tray.tip.size(), 63u);
    EXPECT_EQ(fakes.tray.showEntry.substr(0, 15), "Smith && Sons x");

    st.LanguageTable[5].clear();   // no language loaded
    ttray_Click(desk);
    EXPECT_EQ(fakes.tray.tip, "PLIX");
}

TEST_F(AlertsTest, WithoutANotificationAreaTheIconIsTriedAgainAtTheNextHide) {
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

TEST_F(AlertsTest, LeftClicksRestartTheSequenceOtherClicksOnlyShow) {
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

TEST_F(AlertsTest, ClickOnANotificationShowsTheWindowAndRedraws) {
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

namespace plix {
namespace {

// Records the order in which the sound and the icon are asked for things.
struct OrderedSound : SoundPlayer {
    std::vector<std::string>* log;
    explicit OrderedSound(std::vector<std::string>* l) : log(l) {}
    void play(const std::string&) override { log->push_back("play"); }
    void stop() override { log->push_back("stop"); }
};
struct OrderedTray : FakeTray {
    std::vector<std::string>* log;
    explicit OrderedTray(std::vector<std::string>* l) : log(l) {}
    void remove() override {
        log->push_back("remove icon");
        FakeTray::remove();
    }
};

TEST(AlertsQuit, QuittingWhileTheAlertPlaysStopsItBeforeTheIconGoes) {
    testing::TempFolder folder;
    std::vector<std::string> log;
    OrderedSound sound(&log);
    OrderedTray tray(&log);
    FakeMessageBoxes messages;
    Services services;
    services.sound = &sound;
    services.tray = &tray;
    services.messages = &messages;
    Desk d{services, DeskConfig{folder.path(), "www.x.test"}};
    d.st.SoundArmed = 1;
    d.st.SupplierList[27] = "ja";
    ttray_Click(d);
    alertRequest(d);
    log.clear();
    Mnexit_Click(d);
    EXPECT_EQ(log, (std::vector<std::string>{"stop", "remove icon"}));
    EXPECT_FALSE(tray.present);
    EXPECT_TRUE(d.st.ProgramEnded);
}

}  // namespace
}  // namespace plix

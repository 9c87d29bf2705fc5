#include <gtest/gtest.h>

#include "desk/core/alerts.h"
#include "desk/core/settings.h"
#include "desk/velto/commands.h"
#include "desk/velto/startup.h"
#include "desk/velto/tray.h"
#include "tests/support/desk_fixture.h"

using namespace plix;
using plix::testing::RecordBuilder;

namespace {

class StartupTest : public plix::testing::DeskFixture {};

TEST_F(StartupTest, LoadSetsUpTheWindowAndArmsTheSequence) {
    Form_Load(desk);
    EXPECT_FALSE(st.ProgramEnded);
    // The version written once, in CMakeLists.txt, reaches the program.
    EXPECT_EQ(st.Version, PLIX_VERSION);
    EXPECT_FALSE(st.Version.empty());
    EXPECT_EQ(st.HelpFileName, "pxhlp.dat");
    EXPECT_EQ(st.LineBreak, "\r\n");
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_EQ(velto.form.State, WindowState::Normal);
    EXPECT_EQ(velto.form.Width, 5800);
    EXPECT_EQ(velto.form.Height, 6000);
    EXPECT_EQ(velto.fr_start.Height, 5200);
    EXPECT_EQ(velto.fr_start.Width, 5450);
    EXPECT_EQ(velto.fr_vraag.Height, 5000);
    EXPECT_FALSE(velto.fr_vraag.Visible);
    EXPECT_FALSE(velto.fr_url.Visible);
    EXPECT_FALSE(velto.MnBar.Visible);
    for (int i = 0; i < kRows; ++i) {
        EXPECT_FALSE(velto.lvraag[i].Visible);
        EXPECT_TRUE(velto.Shape1[i].Visible);
    }
    EXPECT_EQ(st.LanguageCodes[1], "en");
    EXPECT_EQ(st.LanguageCodes[4], "fr");
}

TEST_F(StartupTest, SecondCopyIsRefused) {
    fakes.instance.othersRunning = true;
    Form_Load(desk);
    EXPECT_TRUE(st.ProgramEnded);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "Already in use");
    EXPECT_EQ(fakes.messages.shown[0].title, " ONLY ONE IS POSSIBLE");
    EXPECT_EQ(fakes.messages.shown[0].buttons, MsgButtons::Ok);
    // Nothing of the first copy's files is touched.
    EXPECT_FALSE(std::filesystem::exists(folder / kSettingsFile));
}

TEST_F(StartupTest, ProxyChoiceSkipsThePingAndCountsAsOnline) {
    folder.write(
        kSettingsFile,
        RecordBuilder().at(801, "<><><><><><><><><><><><><><><><><><><><proxy><cache.lan>").record);
    Form_Load(desk);
    EXPECT_EQ(st.UseProxy, 1);
    EXPECT_EQ(st.OnlineFlag, 1);
    EXPECT_EQ(st.ProxyServer, "cache.lan");
}

TEST_F(StartupTest, ClosingTheWindowOnlyHidesIt) {
    Form_Load(desk);
    fakes.tray.present = true;
    EXPECT_TRUE(Form_QueryUnload(desk, UnloadMode::CloseBox));
    EXPECT_FALSE(velto.form.Visible);
    EXPECT_TRUE(fakes.tray.present);
    EXPECT_FALSE(st.ProgramEnded);
    EXPECT_TRUE(Form_QueryUnload(desk, UnloadMode::TaskManager));
    EXPECT_FALSE(st.ProgramEnded);

    EXPECT_FALSE(Form_QueryUnload(desk, UnloadMode::SystemShutdown));
    EXPECT_FALSE(fakes.tray.present);
    EXPECT_TRUE(st.ProgramEnded);
}

TEST_F(StartupTest, QuitStopsTheSoundAndRemovesTheIcon) {
    Form_Load(desk);
    fakes.tray.present = true;
    Mnexit_Click(desk);
    EXPECT_EQ(fakes.sound.stops, 1);
    EXPECT_FALSE(fakes.tray.present);
    EXPECT_TRUE(st.ProgramEnded);
}

TEST(QuitPaths, EveryWayOutSavesWhatIsUnsavedAndTheCloseBoxOnlyHides) {
    const std::function<void(Desk&)> ways[] = {
        Mnexit_Click, close_ze2002_Click,
        [](Desk& d) { Form_QueryUnload(d, UnloadMode::SystemShutdown); },  // also a SIGTERM
        [](Desk& d) { Form_QueryUnload(d, UnloadMode::Program); }};
    for (const auto& way : ways) {
        plix::testing::TempFolder folder;
        FakeServices fakes;
        Desk d{fakes.bundle(), DeskConfig{folder.path(), "www.x.test"}};
        d.st.SettingsDirty = 1;
        d.st.SystemList[0] = "17";
        d.st.FilterState = 1;
        d.st.FilterRecord.replace(0, 5, "words");
        way(d);
        EXPECT_TRUE(d.st.ProgramEnded);
        EXPECT_NE(folder.read(kSettingsFile).find("<17>"), std::string::npos);
        EXPECT_EQ(folder.read(kFilterFile).substr(0, 5), "words");
        EXPECT_TRUE(fakes.messages.shown.empty());
    }

    plix::testing::TempFolder folder;
    FakeServices fakes;
    Desk d{fakes.bundle(), DeskConfig{folder.path(), "www.x.test"}};
    d.st.SettingsDirty = 1;
    EXPECT_TRUE(Form_QueryUnload(d, UnloadMode::CloseBox));
    EXPECT_FALSE(d.st.ProgramEnded);
    EXPECT_FALSE(std::filesystem::exists(folder / kSettingsFile));
}

TEST_F(StartupTest, TimersStartAsDesigned) {
    Form_Load(desk);
    const TimerControl* timers[] = {&velto.Timer1, &velto.Timer2, &velto.Timer3,
                                    &velto.Timer4, &velto.Timer5, &velto.Timer6};
    const int intervals[] = {1000, 1000, 30000, 300, 2000, 500};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(timers[i]->Interval, intervals[i]) << "Timer" << i + 1;
        EXPECT_EQ(timers[i]->Enabled, i != 3) << "Timer" << i + 1;
    }
    // Timer6 fires once and switches itself off.
    fakes.scheduler.advance(1200);
    EXPECT_EQ(st.StartDelayFlag, 1);
    EXPECT_FALSE(velto.Timer6.Enabled);
}

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
    plix::testing::TempFolder folder;
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

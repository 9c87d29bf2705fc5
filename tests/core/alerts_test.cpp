// The alert sound and the desktop notification.
#include <gtest/gtest.h>

#include "desk/core/alerts.h"
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
    alertRequest(desk);  // a second new row of the same page
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
    st.SupplierList[27] = "";  // no setting stored yet
    alertRequest(desk);
    notifyNewRequests(desk, {"Roof repair"});
    EXPECT_TRUE(fakes.sound.played.empty());
    EXPECT_TRUE(fakes.notifier.shown.empty());
    EXPECT_EQ(st.SoundArmed, 1);  // still armed for a row that may sound later
}

}  // namespace
}  // namespace plix

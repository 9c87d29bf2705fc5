// The supplier window's keys and focus: the walk through the boxes, the
// password check on the way, the colours and the widening for the catalogue.
#include "desk/profile/veltolev.h"
#include "tests/profile/profile_fixture.h"

namespace plix::testing {
namespace {

constexpr int kList = -1, kStays = -2;

class ProfileKeysTest : public ProfileFixture {
protected:
    VeltolevForm& w = desk.veltolev;
    ProfileKeysTest() { veltolev_Load(desk); }

    // Where the focus goes from box n after the key (swallowed).
    int after(int n, int code) {
        w.form.Focus = nullptr;
        int key = code;
        if (code == kEnterKey)
            veltolev_tlev_KeyPress(desk, n, key);
        else
            veltolev_tlev_KeyDown(desk, n, key);
        EXPECT_EQ(key, 0);
        if (w.form.Focus == &w.taal) return kList;
        for (int i = 0; i < kProfileBoxes; ++i)
            if (w.form.Focus == &w.tlev[i]) return i;
        return kStays;
    }
};

TEST_F(ProfileKeysTest, EnterAndTheArrowsWalkTheProfilesOrderAndMarkItChanged) {
    const int walks[][3] = {{0, kEnterKey, 1},       {8, kEnterKey, kList}, {13, kDownKey, 15},
                            {15, kEnterKey, 14},     {14, kDownKey, 16},    {16, kEnterKey, 17},
                            {22, kEnterKey, kStays}, {10, kUpKey, kList},   {16, kUpKey, 14},
                            {14, kUpKey, 15},        {15, kUpKey, 13},      {0, kUpKey, kStays}};
    for (const auto& [from, key, to] : walks) EXPECT_EQ(after(from, key), to) << from << " " << key;
    int key = kEnterKey;
    veltolev_taal_KeyPress(desk, key);
    EXPECT_EQ(w.form.Focus, &w.tlev[10]);
    key = kUpKey;
    veltolev_taal_KeyDown(desk, key);
    EXPECT_EQ(w.form.Focus, &w.tlev[8]);

    st.SettingsDirty = 0;
    key = 'a';
    veltolev_tlev_KeyDown(desk, 4, key);
    EXPECT_EQ(key, 'a');  // an ordinary key goes through, and counts
    EXPECT_EQ(st.SettingsDirty, 1);
    EXPECT_TRUE(w.cupdate.Visible);

    // Leaving the repeat box checks the pair; two empty boxes pass.
    w.tlev[14].Text = "een";
    w.tlev[16].Text = "twee";
    EXPECT_EQ(after(16, kEnterKey), 14);
    EXPECT_EQ(fakes.messages.shown.back().text, "The passwords differ");
    EXPECT_EQ(w.tlev[14].Text + w.tlev[16].Text, "");
    EXPECT_EQ(after(16, kDownKey), 17);
}

TEST_F(ProfileKeysTest, FocusColoursTheBoxesAndTheBranchBoxesWidenTheWindow) {
    veltolev_tlev_GotFocus(desk, 3);
    EXPECT_EQ(w.tlev[3].BackColor, 0xC0FFFF);  // light yellow
    EXPECT_EQ(w.tlev[8].BackColor, 0xFFFFC0);  // light cyan: required
    EXPECT_EQ(w.tlev[6].BackColor, kDefaultColour);
    EXPECT_EQ(w.form.Width, 5600);

    veltolev_tlev_GotFocus(desk, 11);
    EXPECT_EQ(w.tlev[3].BackColor, 0xFFFFC0);
    EXPECT_TRUE(w.List1.Visible && w.List2.Visible && w.brcod.Visible);
    EXPECT_EQ(w.form.Width, 11000);
    EXPECT_EQ(w.form.Left, 200);
    EXPECT_EQ(w.fr_start.Width, 10800);

    veltolev_tlev_GotFocus(desk, 12);
    EXPECT_FALSE(w.List1.Visible || w.List2.Visible || w.brcod.Visible);
    EXPECT_EQ(w.fr_start.Width, 5400);
}

}  // namespace
}  // namespace plix::testing

// The language menu: switching the language stores it and relabels the window.
#include <gtest/gtest.h>

#include "desk/core/settings.h"
#include "desk/lang/language_table.h"
#include "desk/velto/language_menu.h"
#include "desk/velto/startup.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/language_sections.h"

using namespace plix;
using plix::testing::sectionText;

namespace {

class LanguageTest : public plix::testing::LanguageFixture {};

TEST_F(LanguageTest, SwitchingStoresTheNumberAndRelabels) {
    Form_Load(desk);
    EXPECT_EQ(velto.ctrlplix.Caption, "en0");
    st.SettingsDirty = 1;
    lng_Click(desk, 2);
    EXPECT_EQ(velto.ctrlplix.Caption, "nl0");
    EXPECT_EQ(st.CurrentLanguage, 2);
    EXPECT_TRUE(velto.lng[2].Checked);
    EXPECT_FALSE(velto.lng[1].Checked);
    EXPECT_EQ(st.SettingsDirty, 0);
    EXPECT_EQ(folder.read(kSettingsFile)[38], '\x02');
    EXPECT_EQ(folder.read(kSettingsFile).size(), 1024u);

    // The next start comes up in Dutch.
    Desk again(fakes.bundle(), DeskConfig{folder.path(), "www.default.test"});
    Form_Load(again);
    EXPECT_EQ(again.velto.ctrlplix.Caption, "nl0");
}

}  // namespace

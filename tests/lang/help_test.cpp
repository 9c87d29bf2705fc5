// Help texts: the lookup in pxhlp.dat, the file we ship, the help window.
#include <gtest/gtest.h>

#include <set>

#include "desk/core/files.h"
#include "desk/lang/help.h"
#include "desk/lang/veltohlp1.h"
#include "tests/support/desk_fixture.h"

namespace plix::testing {
namespace {

TEST(HelpText, TopicsAreFoundInTheirOwnLanguageOnly) {
    const std::string file =
        "[LNG1] [0]Welcome[1]Control text[LNG2] [0]Welkom[1]Besturing\r\n[LNG3][0]";
    EXPECT_EQ(helpText(file, 1, 1), "Control text");
    EXPECT_EQ(helpText(file, 2, 1), "Besturing");  // the line break before the next key goes
    EXPECT_EQ(helpText(file, 3, 0), "");           // the last text ends with the file
    EXPECT_EQ(helpText(file, 4, 0), std::nullopt);
    // A topic missing from its section is not taken from the next one.
    EXPECT_EQ(helpText("[LNG1][0]a[LNG2][5]b[", 1, 5), std::nullopt);
    EXPECT_EQ(helpText("[LNG1][0]line 1\nline 2[1]x", 1, 0), "line 1\nline 2");
}

class HelpFileTest : public DeskFixture {};

TEST_F(HelpFileTest, MissingOrEmptyFileGivesNothingAndOnlyTheFirst32000CharactersCount) {
    st.CurrentLanguage = 2;
    EXPECT_EQ(gethlp(desk, 0), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(folder / "pxhlp.dat"));  // the lookup creates nothing
    folder.write("pxhlp.dat", "");
    EXPECT_EQ(gethlp(desk, 0), std::nullopt);
    folder.write("pxhlp.dat", "[LNG2][0]Welkom[1]x" + std::string(32000, ' ') + "[LNG2][4]late[");
    EXPECT_EQ(gethlp(desk, 0), "Welkom");
    EXPECT_EQ(gethlp(desk, 4), std::nullopt);
}

// Every topic of the Help menu and the network note, in every language, and
// no text that runs into the next because it holds a "[".
TEST(ShippedHelpFile, HasEveryTopicInEveryLanguage) {
    const auto file = readWholeFile(std::string(PLIX_SOURCE_DIR) + "/data/pxhlp.dat");
    ASSERT_TRUE(file.has_value());
    EXPECT_LT(file->size(), kHelpFileRead);
    for (int topic : {0, 1, 2, 3, 4, 5, 9}) {
        std::set<std::string> texts;
        for (int language = 1; language <= 4; ++language) {
            const auto text = helpText(*file, language, topic);
            ASSERT_TRUE(text.has_value()) << language << ":" << topic;
            EXPECT_GT(text->size(), topic == 9 ? 80u : 400u) << language << ":" << topic;
            if (topic == 9) {
                EXPECT_LT(text->size(), 180u) << language;  // three lines of the network frame
            }
            texts.insert(*text);
        }
        EXPECT_EQ(texts.size(), 4u) << topic;  // each language its own
    }
    for (unsigned char c : *file) EXPECT_TRUE(c >= 0x20 || c == '\n') << int(c);
}

TEST_F(HelpFileTest, TheWindowShowsItsTopicOnceItsTimerFires) {
    veltohlp1_Timers(desk, fakes.scheduler);
    folder.write("pxhlp.dat", "[LNG1][0]Welcome[3]Your details[");
    st.CurrentLanguage = 1;
    st.LanguageTable[108] = "OK";
    st.LanguageTable[12] = "&Close it";
    st.HelpTopic = 3;
    Veltohlp1Form& w = desk.veltohlp1;
    veltohlp1_Load(desk);
    EXPECT_EQ(w.lhlp.Caption, "");
    fakes.scheduler.advance(300);
    EXPECT_EQ(w.lhlp.Caption, "Your details");
    EXPECT_EQ(w.cexit.Caption, "&Close it");
    EXPECT_EQ(w.form.Width, w.frhlp.Width + 100);
    EXPECT_EQ(w.form.Height, w.frhlp.Height + 500);
    EXPECT_FALSE(w.Timer1.Enabled);

    // A topic without a text leaves what the window shows.
    st.HelpTopic = 5;
    w.Timer1.Enabled = true;
    fakes.scheduler.sync();
    fakes.scheduler.advance(300);
    EXPECT_EQ(w.lhlp.Caption, "Your details");
    veltohlp1_cexit_Click(desk);
    EXPECT_FALSE(w.form.Visible || w.form.Loaded);
    EXPECT_EQ(w.lhlp.Caption, "");
}

}  // namespace
}  // namespace plix::testing

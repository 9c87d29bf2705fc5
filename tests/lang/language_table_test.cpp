#include <gtest/gtest.h>

#include <filesystem>

#include "desk/core/settings.h"
#include "desk/lang/language_table.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/language_sections.h"

using namespace plix;
using plix::testing::sectionText;

namespace {

class LanguageTest : public plix::testing::LanguageFixture {};

TEST_F(LanguageTest, LoadingRelabelsTheMainWindow) {
    st.CurrentLanguage = 2;
    st.Version = "1.06";
    taalhandle(desk);
    EXPECT_EQ(st.LanguageTable[108], "OK");
    EXPECT_EQ(velto.ctrlplix.Caption, "nl0");
    EXPECT_EQ(velto.form.Caption, "nl5  1.06");
    EXPECT_EQ(velto.login.Caption, "nl3 &nl55");
    EXPECT_EQ(velto.aut.Caption, "&nl189");
    EXPECT_EQ(velto.close_ze2002.Caption, "nl14");
    EXPECT_EQ(velto.closeprx.Caption, "nl14");
    EXPECT_EQ(velto.llab[6].Caption, "");  // an empty entry gives an empty caption
    EXPECT_EQ(velto.cvraag[4].Caption, "nl34");
    EXPECT_EQ(velto.hlp[5].Caption, "nl165");
    EXPECT_EQ(velto.chkact[2].Caption, "nl82");
    EXPECT_TRUE(velto.lng[2].Checked);
    // Defaults the file overwrote are gone; those it lacks stay.
    EXPECT_EQ(st.LanguageTable[105], "nl105");
}

TEST_F(LanguageTest, MissingSectionKeepsCaptionsAndMarksTableNotLoaded) {
    st.CurrentLanguage = 3;
    taalhandle(desk);
    EXPECT_EQ(st.LanguageTable[108], "NO");
    EXPECT_EQ(st.LanguageTable[105], "No Internet connection");
    EXPECT_EQ(velto.ctrlplix.Caption, "&Control");
}

TEST_F(LanguageTest, OutOfRangeLanguageNumbersUseEnglish) {
    for (int n : {0, 8, 9, -1}) {
        st.CurrentLanguage = n;
        taalhandle(desk);
        EXPECT_EQ(st.CurrentLanguage, 1) << n;
        EXPECT_EQ(velto.ctrlplix.Caption, "en0") << n;
    }
}

TEST_F(LanguageTest, EmptyOrMissingFileLeavesTheDefaults) {
    folder.write(kLanguageFile, "");
    st.CurrentLanguage = 1;
    taalhandle(desk);
    EXPECT_FALSE(std::filesystem::exists(folder / kLanguageFile));
    EXPECT_EQ(st.LanguageTable[108], "NO");
    EXPECT_EQ(st.LanguageTable[101], "Testing connection");
    taalhandle(desk);  // and with no file at all
    EXPECT_FALSE(std::filesystem::exists(folder / kLanguageFile));
    EXPECT_EQ(velto.ctrlplix.Caption, "&Control");
}

}  // namespace

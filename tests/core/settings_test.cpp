#include <gtest/gtest.h>

#include <filesystem>

#include "desk/core/settings.h"
#include "tests/support/desk_fixture.h"

using namespace plix;
using plix::testing::RecordBuilder;

namespace {

class SettingsTest : public plix::testing::DeskFixture {
protected:
    void load(const std::string& record) {
        folder.write(kSettingsFile, record);
        loaddat(desk);
        checkSupplierNumber(desk);
    }
    static std::string systemItems(const std::string& items) {
        return RecordBuilder().at(801, items).record;
    }
};

TEST_F(SettingsTest, ServerHostIsTakenOnlyWhenItStartsWithWww) {
    load(RecordBuilder().at(1, "www.market.test   ").record);
    EXPECT_EQ(st.ServerHost, "www.market.test");

    load(RecordBuilder().at(1, " www.market.test").record);
    EXPECT_EQ(st.ServerHost, "www.default.test");

    load(RecordBuilder().at(1, "market.test").record);
    EXPECT_EQ(st.ServerHost, "www.default.test");
}

TEST_F(SettingsTest, StripspCutsTrailingBlanksAndZeroCharacters) {
    EXPECT_EQ(stripsp(std::string("abc \0 \0", 7)), "abc");
    EXPECT_EQ(stripsp("   "), "");
    EXPECT_EQ(stripsp(" a b "), " a b");
}

TEST_F(SettingsTest, MissingFileGivesDefaultsAndWritesLanguageOne) {
    loaddat(desk);
    EXPECT_TRUE(std::filesystem::exists(folder / kSettingsFile));
    EXPECT_TRUE(std::filesystem::exists(folder / kFilterFile));
    EXPECT_EQ(st.ServerHost, "www.default.test");
    EXPECT_EQ(st.SupplierNumber, 0);
    EXPECT_EQ(st.SupplierList[30], "0");
    EXPECT_EQ(st.SettingsRecord[38], '\x01');
    EXPECT_EQ(st.CurrentLanguage, 1);
    EXPECT_EQ(st.UseProxy, 0);
    EXPECT_EQ(st.IdMismatch, 0);
    EXPECT_EQ(st.SupplierList[20], "5");
}

TEST_F(SettingsTest, LanguageCharacterRules) {
    load(RecordBuilder().at(39, "\x02").record);
    EXPECT_EQ(st.CurrentLanguage, 2);
    EXPECT_TRUE(velto.lng[2].Checked);
    EXPECT_FALSE(velto.lng[1].Checked);

    load(RecordBuilder().at(39, "\x09").record);
    EXPECT_EQ(st.CurrentLanguage, 1);
    EXPECT_EQ(st.SettingsRecord[38], '\x09');  // used as 1, record untouched
}

TEST_F(SettingsTest, ShortFileReadsOnlyWhatIsThere) {
    // The record ends inside the supplier number; nothing further is read.
    load("www.short.test                12");
    EXPECT_EQ(st.ServerHost, "www.short.test");
    EXPECT_EQ(st.SupplierNumber, 12);
    EXPECT_EQ(st.SettingsRecord.size(), 1024u);
    EXPECT_EQ(st.SystemList[0], "");
}

TEST_F(SettingsTest, ItemListsAreParsedInOrderAndStopAtTheFirstGap) {
    std::string rec = RecordBuilder().at(41, "<a><b><><d").at(801, "<7><300>x<y>").record;
    st.SupplierList[3] = "kept";
    load(rec);
    EXPECT_EQ(st.SupplierList[0], "a");
    EXPECT_EQ(st.SupplierList[1], "b");
    EXPECT_EQ(st.SupplierList[2], "");
    EXPECT_EQ(st.SupplierList[3], "kept");  // no closing ">": left as it was
    EXPECT_EQ(st.SystemList[0], "7");
    EXPECT_EQ(st.SystemList[2], "y");
    EXPECT_EQ(st.PollCountdown, 7);
}

TEST_F(SettingsTest, MaxShownIsClampedFrom5To256) {
    for (auto [typed, expected] : {std::pair{"3", 5}, {"256", 256}, {"300", 256}, {"abc", 5}}) {
        load(systemItems(std::string("<5><") + typed + ">"));
        EXPECT_EQ(st.MaxShown, expected) << typed;
    }
}

TEST_F(SettingsTest, CountryBlockTakesEachDigitOnce) {
    load(systemItems("<><><><><><><><><><><><><><><><><><1000000001>"));
    EXPECT_EQ(st.CountryBlock[9], 10);
    EXPECT_EQ(st.CountryBlock[0], 1);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(st.CountryBlock[i], -1) << i;

    load(systemItems("<><><><><><><><><><><><><><><><><><0000000020>"));
    EXPECT_EQ(st.CountryBlock[1], 2);  // a digit 2 subtracts only once
    EXPECT_EQ(st.CountryBlock[0], 1);
}

TEST_F(SettingsTest, SupplierNumberCheck) {
    // Check value matches: the number stands.
    load(RecordBuilder()
             .at(31, "42")
             .at(801, "<><><><><><><><><><><><><><><><><><><" + std::to_string(42 + 583204) + ">")
             .record);
    EXPECT_EQ(st.SupplierNumber, 42);
    EXPECT_EQ(st.IdMismatch, 0);
    EXPECT_TRUE(fakes.messages.shown.empty());

    // Check value does not match: number dropped, critical message.
    st.LanguageTable[177] = "Please log in again";
    folder.write(kSettingsFile, RecordBuilder()
                                    .at(31, "43")
                                    .at(801, "<><><><><><><><><><><><><><><><><><><583246>")
                                    .record);
    loaddat(desk);
    checkSupplierNumber(desk);
    EXPECT_EQ(st.SupplierNumber, 0);
    EXPECT_EQ(st.IdMismatch, 1);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].title, "  PLIX");
    EXPECT_EQ(fakes.messages.shown[0].icon, MsgIcon::Critical);
}

TEST_F(SettingsTest, EmptyCheckValueSkipsTheCheck) {
    load(RecordBuilder().at(31, "77").record);
    EXPECT_EQ(st.SupplierNumber, 77);
    EXPECT_EQ(st.IdMismatch, 0);
}

TEST_F(SettingsTest, ProxyChoice) {
    load(systemItems("<><><><><><><><><><><><><><><><><><><><proxy><cache.lan:3128>"));
    EXPECT_EQ(st.UseProxy, 1);
    EXPECT_TRUE(velto.optlan[1].Value);
    EXPECT_EQ(velto.tprx.Text, "cache.lan:3128");

    load(systemItems("<><><><><><><><><><><><><><><><><><><><Proxy><x>"));
    EXPECT_EQ(st.UseProxy, 0);
}

TEST_F(SettingsTest, SaveAndLoadRoundTrip) {
    loaddat(desk);
    st.SupplierNumber = 1001;
    writeSupplierNumberField(st.SettingsRecord, st.SupplierNumber);
    st.SupplierList[3] = "Utrecht";
    st.SupplierList[27] = "ja";
    st.SystemList[0] = "5";
    st.SystemList[17] = "0000000101";
    st.SettingsDirty = 1;
    savedat(desk);

    Desk again(fakes.bundle(), DeskConfig{folder.path(), "www.default.test"});
    loaddat(again);
    checkSupplierNumber(again);
    EXPECT_EQ(again.st.SupplierNumber, 1001);
    EXPECT_EQ(again.st.IdMismatch, 0);
    EXPECT_EQ(again.st.SupplierList[3], "Utrecht");
    EXPECT_EQ(again.st.SupplierList[27], "ja");
    EXPECT_EQ(again.st.SystemList[18], "584205");
    EXPECT_EQ(again.st.CountryBlock[2], 3);
    EXPECT_EQ(folder.read(kSettingsFile).size(), 1024u);
}

TEST_F(SettingsTest, SavedatWritesNothingUnlessDirty) {
    loaddat(desk);
    const std::string before = folder.read(kSettingsFile);
    st.SystemList[0] = "99";
    savedat(desk);
    EXPECT_EQ(folder.read(kSettingsFile), before);
    st.FilterState = 1;
    st.FilterRecord.replace(0, 5, "words");
    savedat(desk);
    EXPECT_EQ(folder.read(kFilterFile).substr(0, 5), "words");
}

TEST_F(SettingsTest, OverlongSupplierItemsNeverReachTheSystemArea) {
    loaddat(desk);
    st.SupplierList[5] = std::string(900, 'x');
    st.SupplierList[27] = "ja";
    st.SystemList[0] = "12";
    st.SettingsDirty = 1;
    savedat(desk);

    Desk again(fakes.bundle(), DeskConfig{folder.path(), "www.default.test"});
    loaddat(again);
    EXPECT_EQ(again.st.SystemList[0], "12");
    EXPECT_EQ(again.st.SupplierList[27], "ja");  // every item keeps its place
    EXPECT_LT(again.st.SupplierList[5].size(), 760u);
    EXPECT_EQ(st.SupplierList[5].size(), 900u);  // memory keeps the full text
    EXPECT_EQ(folder.read(kSettingsFile).size(), 1024u);
}

TEST_F(SettingsTest, RecordsKeepNoPasswordAndOnlyTheirOwnerReadsThem) {
    folder.write(kSettingsFile, RecordBuilder().at(1, "www.host.test").record);
    std::filesystem::permissions(folder / kSettingsFile, std::filesystem::perms::all);
    loaddat(desk);
    st.SupplierList[14] = st.SupplierList[16] = "geheim";
    st.SupplierList[15] = "login";
    for (int slot : {0, 1, 12}) st.SupplierList[slot] = std::string(400, 'x');  // too long together
    st.SettingsDirty = 1;
    st.FilterState = 1;
    savedat(desk);
    const std::string record = folder.read(kSettingsFile);
    EXPECT_EQ(record.find("geheim"), std::string::npos);
    EXPECT_EQ(st.SupplierList[14], "geheim");  // the run keeps it
    for (const char* file : {kSettingsFile, kFilterFile})
        EXPECT_EQ(
            std::filesystem::status(folder / file).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // The long texts share the room: each keeps the same length.
    Desk again(fakes.bundle(), DeskConfig{folder.path(), "www.default.test"});
    loaddat(again);
    EXPECT_EQ(again.st.SupplierList[15], "login");
    EXPECT_GT(again.st.SupplierList[0].size(), 200u);
    EXPECT_EQ(again.st.SupplierList[0].size(), again.st.SupplierList[12].size());
}

TEST_F(SettingsTest, OverlongSupplierNumberNeverReachesTheLanguageCharacter) {
    std::string record = RecordBuilder().at(31, "12345678").at(39, "\x03").record;
    EXPECT_FALSE(writeSupplierNumberField(record, 123456789));
    EXPECT_EQ(record.substr(30, 8), "        ");
    EXPECT_EQ(record[38], '\x03');
    EXPECT_TRUE(writeSupplierNumberField(record, 42));
    EXPECT_EQ(record.substr(30, 9), "42      \x03");
}

TEST_F(SettingsTest, FailedWriteKeepsTheOldFile) {
    folder.write(kSettingsFile, RecordBuilder().at(1, "www.old.test").record);
    loaddat(desk);
    st.SettingsDirty = 1;
    // A folder in the way of the temporary file makes the write fail.
    std::filesystem::create_directory(folder / "pxini.dat.tmp");
    std::filesystem::create_directory(folder / "pxini.dat.tmp/x");
    st.SettingsRecord.replace(0, 12, "www.new.test");
    savedat(desk);
    EXPECT_EQ(folder.read(kSettingsFile).substr(0, 12), "www.old.test");
    EXPECT_EQ(folder.read(kSettingsFile).size(), 1024u);
}

TEST_F(SettingsTest, MakesysClampsTheTypedValues) {
    loaddat(desk);
    velto.tsys[0].Text = "2";
    velto.tsys[1].Text = "999";
    velto.tsys[2].Text = "0612345678";
    velto.tgsm.Text = "5000";
    velto.chksnd.Value = 1;
    velto.chkact[1].Value = 1;
    makesys(desk);
    EXPECT_EQ(st.SystemList[0], "5");
    EXPECT_EQ(st.MaxShown, 256);
    EXPECT_EQ(st.SupplierList[20], "256");
    EXPECT_EQ(st.SystemList[1], "999");
    EXPECT_EQ(velto.tgsm.Text, "5");
    EXPECT_EQ(st.SupplierList[22], "5");
    EXPECT_EQ(st.SupplierList[27], "ja");
    EXPECT_EQ(st.SupplierList[23], "nee");
    EXPECT_EQ(st.SupplierList[25], "ja");
    EXPECT_EQ(st.SettingsDirty, 1);
    EXPECT_NE(folder.read(kSettingsFile).find("<0612345678>"), std::string::npos);
}

}  // namespace

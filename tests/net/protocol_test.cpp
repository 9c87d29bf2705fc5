// Building requests: query form and URL.
#include <gtest/gtest.h>

#include <array>

#include "desk/core/item_list.h"
#include "desk/net/protocol.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

TEST(QueryForm, CodeParametersInOrderAndLiteralTail) {
    EXPECT_EQ(buildQuery(1, {}), "?CD=01");
    EXPECT_EQ(buildQuery(13, {{"LOGINL", "jan"}, {"PASWL", "a&b c"}}), "?CD=13&LOGINL=jan&PASWL=a%26b%20c");
    EXPECT_EQ(buildQuery(6, {{"ID_LV", "583204"}}, "&=&="), "?CD=06&ID_LV=583204&=&=");
    EXPECT_EQ(buildQuery(5, {{"ID_LV", "9"}, {"RNR", "12"}, {"AID", "c1"}, {"TXT", "Price 5 & 6"}}),
              "?CD=05&ID_LV=9&RNR=12&AID=c1&TXT=Price%205%20%26%206");
    EXPECT_EQ(buildQuery(123, {}), "?CD=23");   // never more than two digits
    EXPECT_EQ(buildQuery(-4, {}), "?CD=00");
}

TEST(QueryForm, ItemListsKeepTheirFramingEncoded) {
    const std::array<std::string, 3> items{"a b", "x&y", ""};
    const std::string list = buildItemList(items);
    EXPECT_EQ(list, "<a b><x&y><>");
    EXPECT_EQ(buildQuery(18, {{"CTR", list}}), "?CD=18&CTR=%3Ca%20b%3E%3Cx%26y%3E%3C%3E");
}

class ProtocolDesk : public testing::DeskFixture {};

TEST_F(ProtocolDesk, ServerRequestSetsTheExchangeStateAndFetches) {
    st.ServerHost = "www.plix.test";
    st.OnlineFlag = 1;
    fakes.http.replies.push_back({true, "cnt=:1", ""});
    serverRequest(desk, " CONTEST ", Script::Ctrl, 1, {});
    EXPECT_EQ(st.OperationLabel, " CONTEST ");
    EXPECT_EQ(st.RequestQuery, "?CD=01");
    EXPECT_EQ(st.RequestUrl, "http://www.plix.test/plix_ctrl.php?CD=01");
    ASSERT_EQ(fakes.http.requests.size(), 1u);
    EXPECT_EQ(fakes.http.requests[0].url, st.RequestUrl);
    EXPECT_EQ(st.ServerReply, "cnt=:1");

    setRequest(st, Script::Chkl, 2, {{"ID_LV", "42"}});
    EXPECT_EQ(st.RequestUrl, "http://www.plix.test/plix_chkl.php?CD=02&ID_LV=42");
    serverRequest(desk, "", Script::Chkl, 9, {{"ID_LV", "42"}});
    EXPECT_EQ(st.OperationLabel, " CONTEST ");   // an empty label keeps the last one
}

}  // namespace
}  // namespace plix

// Text helpers: decoding, Windows-1252, item lists, field safety, passwords.
#include <gtest/gtest.h>

#include "query.h"
#include "text/percent.h"
#include "replies.h"
#include "secrets.h"

using namespace plixsrv;

TEST(QueryText, PercentDecodingIsStrict) {
  EXPECT_EQ(plix::percentDecode("a%20b%E9"), std::string("a b\xe9"));
  EXPECT_EQ(plix::percentDecode("5+3"), "5+3");  // no form decoding
  EXPECT_FALSE(plix::percentDecode("%"));
  EXPECT_FALSE(plix::percentDecode("%4"));
  EXPECT_FALSE(plix::percentDecode("%G0"));
  EXPECT_FALSE(plix::percentDecode("a%00"));
  EXPECT_EQ(plix::percentDecode(plix::percentEncode(std::string("<a&b=c>\r\n\x80", 10))),
            std::string("<a&b=c>\r\n\x80", 10));
}

TEST(QueryText, ParametersKeepOrderAndTxtRunsToTheEnd) {
  auto r = parse_query("CD=05&ID_LV=7&RNR=3&AID=K1&TXT=a&b=c");
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.query.params.size(), 5u);
  EXPECT_EQ(*r.query.get("TXT"), "a&b=c");
  auto f = parse_query("CD=06&ID_LV=7&=&=");
  ASSERT_TRUE(f.ok);
  EXPECT_EQ(f.query.params.size(), 2u);
  EXPECT_FALSE(parse_query("CD=02&X=%2").ok);
  EXPECT_FALSE(parse_query("ID_LV=" + std::string(300, '1')).ok);
}

TEST(QueryText, ItemListsAndNumbers) {
  EXPECT_EQ(parse_item_list("<a><><b c>"), (std::vector<std::string>{"a", "", "b c"}));
  EXPECT_EQ(parse_item_list(""), std::vector<std::string>{});
  EXPECT_FALSE(parse_item_list("<a>x<b>"));
  EXPECT_FALSE(parse_item_list("<a"));
  EXPECT_EQ(parse_number("1001"), 1001);
  EXPECT_FALSE(parse_number(""));
  EXPECT_FALSE(parse_number("0"));
  EXPECT_FALSE(parse_number(" 12"));
  EXPECT_FALSE(parse_number("1234567890123456"));
}

TEST(FieldText, NothingInsideAFieldCanCutTheReply) {
  std::string t = field_text("[x] QEND *QL12 line1\r\nline2");
  EXPECT_EQ(t.find('['), std::string::npos);
  EXPECT_EQ(t.find(']'), std::string::npos);
  EXPECT_EQ(t.find("QEND"), std::string::npos);
  EXPECT_EQ(t.find("*QL"), std::string::npos);
  EXPECT_NE(t.find("line1<br>line2"), std::string::npos);
  std::string body = field_text("beantwoord op maandag, vervolgreactie, details aanvraag", true);
  EXPECT_EQ(body.find("beantwoord op"), std::string::npos);
  EXPECT_EQ(body.find("vervolgreactie"), std::string::npos);
  EXPECT_EQ(body.find("details aanvraag"), std::string::npos);
  SupplierInfo s;
  s.slots = {"Warning Bouw BV"};
  EXPECT_EQ(reply_supplier_record(s).find("Warning"), std::string::npos);
}

TEST(Secrets, PasswordsAreSaltedAndVerified) {
  std::string a = hash_password("geheim", 1000), b = hash_password("geheim", 1000);
  EXPECT_NE(a, b);
  EXPECT_EQ(a.find("geheim"), std::string::npos);
  EXPECT_TRUE(verify_password("geheim", a));
  EXPECT_FALSE(verify_password("Geheim", a));
  EXPECT_FALSE(verify_password("geheim", "garbage"));
  EXPECT_FALSE(verify_password("geheim", "pbkdf2-sha256$x$00$00"));
  EXPECT_NE(random_token(16), random_token(16));
}

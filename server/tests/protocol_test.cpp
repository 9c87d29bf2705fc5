// Every request code over real HTTP, each reply read by the client's own cutting rules.
#include "client_cuts.h"
#include "catalogue.h"
#include "desk/velto/login.h"
#include "test_server.h"

using namespace cuts;
using plix::afterMarker;
using plix::fromPosition;
using plix::markerPos;
using plix::numberAfter;
using plix::val;

namespace {
std::string record_ctr(const std::vector<std::pair<int, std::string>>& set) {
  std::vector<std::string> items(31);
  for (const auto& [i, v] : set) items[static_cast<size_t>(i)] = v;
  std::string out;
  for (const auto& v : items) out += "<" + v + ">";
  return out;
}
}  // namespace

TEST_F(ServerTest, ConnectionTestNamesCountAndVersionLast) {
  std::string r = ctrl("CD=01");
  ASSERT_GT(markerPos(r, "cnt="), 0u);
  EXPECT_NE(numberAfter(r, "cnt=", 1), 0);  // read from the second character after "="
  EXPECT_EQ(afterMarker(r, "VERSIE="), "1.06");  // the very last characters
  EXPECT_GT(markerPos(r, "Taal="), 0u);

  int64_t id = register_supplier("anna", "geheim1");
  EXPECT_EQ(numberAfter(ctrl("CD=01&ID_LV=" + std::to_string(id)), "cnt=", 1), 1);
  EXPECT_EQ(numberAfter(ctrl("CD=01&ID_LV=424242"), "cnt=", 1), 0);
}

TEST_F(ServerTest, RegisterLoginAndFetchRecord) {
  std::string reg = ctrl("CD=02&CTR=" + enc(record_ctr({{0, "Bakker & Zn"}, {3, "Utrecht"},
                                                        {10, "A01"}, {14, "pw1"}, {15, "bakker"},
                                                        {16, "pw1"}, {19, "NL01|Bank|Ut|NL"},
                                                        {30, "0"}})));
  // The number starts 7 characters after the start of "<LEVID" and ends at ">".
  size_t p = markerPos(reg, "<LEVID");
  ASSERT_GT(p, 0u);
  std::string_view rest = fromPosition(reg, p + 7);
  std::string_view number = rest.substr(0, rest.find('>'));
  int64_t id = static_cast<int64_t>(val(number));
  ASSERT_GT(id, 0);
  EXPECT_LE(number.size(), 8u);  // fits positions 31..38 of the settings record

  EXPECT_EQ(plix::loginReplyNumber(ctrl("CD=13&LOGINL=bakker&PASWL=pw1")), id);
  EXPECT_EQ(plix::loginReplyNumber(ctrl("CD=13&LOGINL=bakker&PASWL=wrong")), 0);
  EXPECT_EQ(plix::loginReplyNumber(ctrl("CD=13&LOGINL=nobody&PASWL=pw1")), 0);

  std::string rec = ctrl("CD=04&ID_LV=" + std::to_string(id));
  auto slots = br_values(rec, "QLEV=", 9, 32);
  ASSERT_EQ(slots.size(), 32u);
  EXPECT_EQ(slots[0], "Bakker & Zn");
  EXPECT_EQ(slots[3], "Utrecht");
  EXPECT_EQ(slots[14], "");  // the password never comes back
  EXPECT_EQ(slots[15], "bakker");
  EXPECT_EQ(slots[16], "");
  EXPECT_EQ(slots[19], "NL01|Bank|Ut|NL");
  EXPECT_EQ(slots[28], "proef");
  EXPECT_EQ(slots[30], std::to_string(id));
  EXPECT_EQ(slots[31], "ja");
  EXPECT_EQ(markerPos(rec, "Warning"), 0u);

  // Update keeps the password when the boxes are empty and keeps our own slots.
  ctrl("CD=03&ID_LV=" + std::to_string(id) + "&CTR=" +
       enc(record_ctr({{0, "Bakker BV"}, {15, "bakker"}, {28, "vol"}, {30, "1"}})));
  slots = br_values(ctrl("CD=04&ID_LV=" + std::to_string(id)), "QLEV=", 9, 32);
  EXPECT_EQ(slots[0], "Bakker BV");
  EXPECT_EQ(slots[28], "proef");
  EXPECT_EQ(slots[30], std::to_string(id));
  EXPECT_EQ(plix::loginReplyNumber(ctrl("CD=13&LOGINL=BAKKER&PASWL=pw1")), id);  // login ignores case
  // The desktop never stores the password, so its updates carry it empty
  // (kept, above); typed in both boxes it replaces the old one.
  ctrl("CD=03&ID_LV=" + std::to_string(id) + "&CTR=" +
       enc(record_ctr({{0, "Bakker BV"}, {14, "pw2"}, {15, "bakker"}, {16, "pw2"}})));
  EXPECT_EQ(plix::loginReplyNumber(ctrl("CD=13&LOGINL=bakker&PASWL=pw2")), id);
  EXPECT_EQ(plix::loginReplyNumber(ctrl("CD=13&LOGINL=bakker&PASWL=pw1")), 0);

  // A deleted membership answers the record fetch with "Warning".
  ctrl("CD=08&ID_LV=" + std::to_string(id));
  EXPECT_GT(markerPos(ctrl("CD=04&ID_LV=" + std::to_string(id)), "Warning"), 0u);
  EXPECT_EQ(plix::loginReplyNumber(ctrl("CD=13&LOGINL=bakker&PASWL=pw1")), 0);

  // The desktop lets a supplier register with empty login and password boxes:
  // the account works by number, and an empty login never matches it.
  for (int i = 0; i < 2; ++i)
    EXPECT_GT(markerPos(ctrl("CD=02&CTR=" + enc(record_ctr({{0, "Zonder login"}, {30, "0"}}))), "<LEVID"),
              0u);
  EXPECT_EQ(plix::loginReplyNumber(ctrl("CD=13&LOGINL=&PASWL=")), 0);
}

TEST_F(ServerTest, CatalogueLinesShowCleanText) {
  for (int lng = 1; lng <= 4; ++lng) {
    std::string r = ctrl("CD=05&LNG=" + std::to_string(lng));
    size_t m = markerPos(r, "MAX");
    ASSERT_GT(m, 0u);
    // A value is read from 15 characters, up to the first "<br>" in them.
    auto value_text = [](std::string_view from) {
      std::string_view window = from.substr(0, 15);
      return window.substr(0, window.find("<br>"));
    };
    std::string_view max_text = value_text(fromPosition(r, m + 4));
    std::string_view work = fromPosition(r, m + 3);
    size_t qc = markerPos(work, "QCNT");
    ASSERT_GT(qc, 0u);
    EXPECT_EQ(value_text(fromPosition(work, qc + 5)), max_text);  // complete catalogue
    EXPECT_GT(val(max_text), 0);
    work = work.substr(0, qc - 1);
    work = afterMarker(work, "<br>").value_or(work);
    std::vector<std::string> listed;
    while (!work.empty()) {
      size_t b = work.find("<br>");
      std::string_view line = work.substr(0, b);
      if (line.find('*') != std::string_view::npos) listed.emplace_back(line.substr(0, line.find('*')));
      if (b == std::string_view::npos) break;
      work.remove_prefix(b + 4);
    }
    auto cats = plixsrv::catalogue_categories(lng);
    ASSERT_EQ(listed.size(), cats.size());
    EXPECT_EQ(listed[0], cats[0].code + " " + cats[0].name);

    // Subcategories: first four characters, then from (name length + 4) on.
    std::string_view chosen = fromPosition(listed[0], 5);
    std::string sub = ctrl("CD=05&SU=" + std::string(1, listed[0][0]) + "&LNG=" + std::to_string(lng));
    std::string_view rest = fromPosition(sub, markerPos(sub, "MAX") + 7);
    std::vector<std::string> shown;
    for (size_t b; (b = rest.find("<br>")) != std::string_view::npos; rest.remove_prefix(b + 4)) {
      std::string_view line = rest.substr(0, b);
      if (!line.empty() && line.find("QCNT") == std::string_view::npos)
        shown.push_back(std::string(line.substr(0, 4)) +
                        std::string(fromPosition(line, chosen.size() + 4)));
    }
    auto subs = plixsrv::catalogue_subcategories(listed[0][0], lng);
    ASSERT_EQ(shown.size(), subs.size());
    for (size_t i = 0; i < subs.size(); ++i) EXPECT_EQ(shown[i], subs[i].code + " " + subs[i].name);
  }
}

TEST_F(ServerTest, FiltersRoundTripAndAlertSettings) {
  int64_t id = register_supplier("flt", "pw");
  std::string sid = std::to_string(id);
  ctrl("CD=07&ID_LV=" + sid + "&CTR=" + enc("<tegels, marmer><eiken>"));
  auto f = br_values(ctrl("CD=06&ID_LV=" + sid + "&=&="), "QFILT=", 10, 3);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[0], "tegels, marmer");
  EXPECT_EQ(f[1], "eiken");
  EXPECT_EQ(f[2], sid);

  ctrl("CD=09&ID_LV=" + sid + "&CTR=" + enc("<5><20><x><7><ja><nee><ja><nee><ja><vol><t3>"));
  auto slots = br_values(ctrl("CD=04&ID_LV=" + sid), "QLEV=", 9, 32);
  ASSERT_EQ(slots.size(), 32u);
  EXPECT_EQ(slots[20], "20");
  EXPECT_EQ(slots[27], "ja");
  EXPECT_EQ(slots[28], "proef");  // the credit state is not the client's to set
}

TEST_F(ServerTest, RequestListCutsIntoSixFieldsWithMarkers) {
  int64_t id = register_supplier("lijst", "pw");
  post("Need 40 m2 oak flooring", "Solid oak\nlaid", "Utrecht", 2);
  post("Roof [urgent]", "Leak QEND after storm", "", 99);
  post("Printer", "A3 colour", "", 0);
  std::string r = chkl("CD=02&ID_LV=" + std::to_string(id));
  auto list = request_list(r);
  ASSERT_EQ(list.records.size(), 3u);
  EXPECT_EQ(list.held, 3);
  const auto& printer = list.records[0];  // newest first
  EXPECT_EQ(printer.title, "Printer");
  EXPECT_EQ(printer.details, "A3 colour");
  EXPECT_EQ(printer.status, "onb");
  EXPECT_EQ(printer.time.size(), 11u);  // "13-06 10:48"
  EXPECT_EQ(printer.time[2], '-');
  EXPECT_EQ(printer.time[5], ' ');
  const auto& roof = list.records[1];
  EXPECT_EQ(roof.title, "Roof (urgent)");
  EXPECT_NE(roof.details.find("*QV"), std::string::npos);
  EXPECT_EQ(roof.details.find("QEND"), std::string::npos);
  const auto& oak = list.records[2];
  EXPECT_EQ(oak.details, "Solid oak<br>laid *QPUtrecht*QL12");
  EXPECT_EQ(val(fromPosition(oak.details, markerPos(oak.details, "*QL") + 3).substr(0, 2)) - 10, 2);
  EXPECT_FALSE(oak.requester.empty());

  market_->hide(id, std::stoll(printer.number));
  market_->hide(id, std::stoll(roof.number));
  market_->hide(id, std::stoll(oak.number));
  auto none = request_list(chkl("CD=02&ID_LV=" + std::to_string(id)));
  EXPECT_TRUE(none.records.empty());
  EXPECT_EQ(none.held, 0);
}

TEST_F(ServerTest, ChangeMarksEndAtBracketAndMessageRunsToTheEnd) {
  int64_t id = register_supplier("marks", "pw");
  std::string sid = std::to_string(id);
  std::string r = chkl("CD=03&ID_LV=" + sid + "&TPR=&TQR=");
  auto tv_mark = plix::valueToBracket(r, "TV="), tr_mark = plix::valueToBracket(r, "TR=");
  ASSERT_TRUE(tv_mark && tr_mark);
  std::string tv(*tv_mark), tr(*tr_mark);
  EXPECT_FALSE(tv.empty());
  EXPECT_EQ(markerPos(r, "MESS"), 0u);

  market_->post_message(id, "", "Onderhoud vanavond. TV=x] blijft tekst");
  r = chkl("CD=03&ID_LV=" + sid + "&TPR=" + tv + "&TQR=" + tr);
  EXPECT_EQ(plix::valueToBracket(r, "TV="), tv);
  EXPECT_EQ(afterMarker(r, "MESS"), "Onderhoud vanavond. TV=x] blijft tekst");
  ctrl("CD=11&ID_LV=" + sid);
  EXPECT_EQ(markerPos(chkl("CD=03&ID_LV=" + sid + "&TPR=" + tv + "&TQR=" + tr), "MESS"), 0u);
}

TEST_F(ServerTest, ConversationIsReadToTheLastFieldWithHeadings) {
  int64_t id = register_supplier("conv", "pw");
  int64_t r = post("Oak stairs");
  std::string aid = market_->request(r)->requester;
  std::string base = "ID_LV=" + std::to_string(id) + "&RNR=" + std::to_string(r);
  // A long first reaction followed by short ones: the case the loop end trips on.
  chkl("CD=05&" + base + "&AID=" + aid + "&TXT=" + enc(std::string(300, 'x')));
  market_->answer(r, id, "ok");
  chkl("CD=05&" + base + "&AID=" + aid + "&TXT=" + enc("fine & done"));
  auto fields = conversation(chkl("CD=04&" + base));
  std::vector<std::string> shown;
  for (size_t i = 1; i < fields.size(); ++i)
    if (fields[i].find("details aanvraag") == std::string::npos) shown.push_back(fields[i]);
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0], std::string(300, 'x'));
  EXPECT_EQ(shown[1].rfind("beantwoord op ", 0), 0u);
  EXPECT_EQ(shown[2], "ok");
  EXPECT_EQ(shown[3].rfind("vervolgreactie ", 0), 0u);
  EXPECT_EQ(shown[4], "fine & done");  // "&" survived because the client encodes it
  EXPECT_NE(fields[0].find("details aanvraag"), std::string::npos);
}

TEST_F(ServerTest, OffersLastOfferOfferedListAndOverview) {
  int64_t id = register_supplier("offer", "pw");
  plixsrv::NewRequest nr;
  nr.title = "Dakgoot";
  nr.contact = {"P. Jansen", "Dorpsstraat 1", "Zeist", "3700 AA", "p@example.org", "030-1", "06-1"};
  int64_t r = market_->post_request(nr);
  int64_t r2 = post("Second");
  std::string sid = std::to_string(id);
  EXPECT_EQ(markerPos(chkl("CD=10&ID_LV=" + sid + "&RNR=" + std::to_string(r)), "["), 0u);
  auto send = [&](int64_t rnr, const std::string& amount, const std::string& days) {
    chkl("CD=06&ID_LV=" + sid + "&RNR=" + std::to_string(rnr) + "&A=" + enc(amount) +
         "&B=Incl&C=" + enc("Zinken goot") + "&D=" + enc("<cash><" + days + "><sended by post>"));
  };
  send(r, "1450", "7");
  send(r, "1400", "30");
  send(r2, "99", "-1");
  auto last = bracket_fields(chkl("CD=10&ID_LV=" + sid + "&RNR=" + std::to_string(r)));
  ASSERT_GE(last.size(), 6u);
  EXPECT_EQ(last[0], "Zinken goot");
  EXPECT_EQ(last[1], "1400");
  EXPECT_EQ(last[2], "Incl");
  EXPECT_EQ(last[3], "cash");
  EXPECT_EQ(last[4], "30");
  EXPECT_EQ(last[5], "sended by post");

  auto offered = bracket_fields(chkl("CD=11&ID_LV=" + sid));
  EXPECT_EQ(offered, (std::vector<std::string>{std::to_string(r2), std::to_string(r)}));

  auto overview = offers(chkl("CD=12&ID_LV=" + sid));
  ASSERT_EQ(overview.size(), 3u);  // every record read, and reading stopped at "QEND"
  const auto& first_on_r = overview[1];
  EXPECT_EQ(first_on_r[1], "1400");
  EXPECT_EQ(first_on_r[6], "P. Jansen");
  EXPECT_EQ(first_on_r[10], "p@example.org");
  EXPECT_EQ(first_on_r[12], "06-1");
}

TEST_F(ServerTest, ReactionCountsComeBackInListOrder) {
  int64_t a = register_supplier("a", "pw"), b = register_supplier("b", "pw");
  int64_t r1 = post("One"), r2 = post("Two");
  market_->react(a, r2, "", "hello");
  market_->react(b, r2, "", "hi");
  market_->react(a, r1, "", "yo");
  market_->answer(r1, a, "customer answers do not count");
  std::string ctr = "<" + std::to_string(r2) + "><" + std::to_string(r1) + "><abc><999>";
  EXPECT_EQ(counts(chkl("CD=18&CTR=" + enc(ctr))), (std::vector<long>{2, 1, 0, 0}));
}

TEST_F(ServerTest, ChatContactsLinesBlockingAndForceNotice) {
  int64_t id = register_supplier("chat", "pw");
  std::string token = market_->open_chat(id, "J. de Vries", 0);
  EXPECT_GE(token.size(), 17u);
  auto contacts = enclosed_fields(chkl("CD=13&ID_LV=" + std::to_string(id)));
  EXPECT_EQ(contacts, std::vector<std::string>{token});

  market_->chat_write(token, false, "Hello");
  chkl("CD=14&ID_AV=" + enc(token) + "&TXT=" + enc("Thanks [a] & more"));
  auto f = enclosed_fields(chkl("CD=15&ID_AV=" + enc(token)));
  ASSERT_EQ(f.size(), 7u);
  EXPECT_EQ(f[2], "open");
  EXPECT_EQ(f[3].rfind("vervolg", 0), std::string::npos);  // customer: ordinary line
  EXPECT_NE(f[4].find("Hello"), std::string::npos);
  EXPECT_EQ(f[5].rfind("vervolg", 0), 0u);  // supplier: follow-up line
  EXPECT_NE(f[6].find("Thanks (a) & more"), std::string::npos);

  chkl("CD=17&ID_AV=" + enc(token) + "&B=Blocked");
  EXPECT_EQ(enclosed_fields(chkl("CD=15&ID_AV=" + enc(token)))[2], "Blocked");
  EXPECT_THROW(market_->chat_write(token, false, "let me in"), plixsrv::Refused);
  chkl("CD=17&ID_AV=" + enc(token) + "&B=");
  EXPECT_EQ(enclosed_fields(chkl("CD=15&ID_AV=" + enc(token)))[2], "open");

  EXPECT_EQ(market_->supplier(id)->chat_seen_at, 0);
  chkl("CD=16&ID_LV=" + std::to_string(id));
  EXPECT_GT(market_->supplier(id)->chat_seen_at, 0);
}

TEST_F(ServerTest, ChatKeepsTheNewest127Lines) {
  int64_t id = register_supplier("long", "pw");
  std::string token = market_->open_chat(id, "Klant", 0);
  for (int i = 0; i < 140; ++i) market_->chat_write(token, i % 2 == 0, "line " + std::to_string(i));
  auto f = enclosed_fields(chkl("CD=15&ID_AV=" + enc(token)));
  ASSERT_EQ(f.size(), 257u);
  EXPECT_NE(f[256].find("line 139"), std::string::npos);
}

TEST_F(ServerTest, UpdateDownloadAndHideShowPurgeAnswerPlainly) {
  int s = 0;
  std::string body = get("/update/raridi.exe", &s);
  EXPECT_EQ(s, 200);
  EXPECT_FALSE(body.empty());
  int64_t id = register_supplier("hs", "pw");
  std::string sid = std::to_string(id);
  int64_t r = post("One");
  chkl("CD=07&ID_LV=" + sid + "&RNR=" + std::to_string(r), &s);
  EXPECT_EQ(s, 200);
  EXPECT_TRUE(request_list(chkl("CD=02&ID_LV=" + sid)).records.empty());
  chkl("CD=09&ID_LV=" + sid, &s);
  EXPECT_EQ(request_list(chkl("CD=02&ID_LV=" + sid)).records.size(), 1u);
  chkl("CD=01&ID_LV=" + sid, &s);
  EXPECT_EQ(s, 200);
  EXPECT_EQ(request_list(chkl("CD=02&ID_LV=" + sid)).records.size(), 1u);  // not old yet
}

TEST_F(ServerTest, LongConversationKeepsTheNewestEntriesWithinTheWindowLimit) {
  int64_t id = register_supplier("lang", "pw");
  int64_t r = post("Long talk");
  for (int i = 0; i < 150; ++i) {
    market_->react(id, r, "", "reaction " + std::to_string(i));
    market_->answer(r, id, "answer " + std::to_string(i));
  }
  auto fields = conversation(chkl("CD=04&ID_LV=" + std::to_string(id) + "&RNR=" + std::to_string(r)));
  ASSERT_LE(fields.size(), 257u);
  ASSERT_GE(fields.size(), 3u);
  EXPECT_NE(fields.back().find("details aanvraag"), std::string::npos);  // read to the end
  EXPECT_EQ(fields[fields.size() - 2], "answer 149");
}

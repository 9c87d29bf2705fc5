// Change marks kept in memory: every write moves exactly the marks of the
// suppliers whose lists it changes, and the kept marks always equal what a
// fresh reading of the list gives.
#include <atomic>
#include <random>

#include "test_server.h"

namespace {
using plixsrv::Marks;

int64_t supplier(plixsrv::Market& m, const std::string& branch = "", const std::string& block = "",
                 const std::string& pass = "") {
  std::vector<std::string> items(31);
  items[10] = branch;
  int64_t id = m.register_supplier(items);
  if (!block.empty() || !pass.empty()) m.set_filters(id, block, pass);
  return id;
}

int64_t request(plixsrv::Market& m, const std::string& title, const std::string& branch = "",
                int64_t age_days = 0) {
  plixsrv::NewRequest n;
  n.title = title;
  n.branch = branch;
  n.posted_at = plixsrv::now_seconds() - age_days * 86400 - 60;
  return m.post_request(n);
}

// Which of the suppliers' marks moved since `before`: "v" request mark, "r" reaction mark.
std::vector<std::string> moved(plixsrv::Market& m, const std::vector<int64_t>& who,
                               std::vector<Marks>& before) {
  std::vector<std::string> out;
  for (size_t i = 0; i < who.size(); ++i) {
    Marks now = m.marks(who[i]);
    std::string what;
    if (now.requests != before[i].requests) what += "v";
    if (now.reactions != before[i].reactions) what += "r";
    out.push_back(what);
    before[i] = now;
  }
  return out;
}
}  // namespace

TEST_F(ServerTest, AWriteMovesTheMarksOfExactlyTheSuppliersItReaches) {
  auto& m = *market_;
  int64_t plain = supplier(m), building = supplier(m, "A01"), vans = supplier(m, "F02");
  int64_t oak = supplier(m, "", "", "oak"), rival = supplier(m);
  std::vector<int64_t> all{plain, building, vans, oak, rival};
  std::vector<Marks> was;
  for (int64_t s : all) was.push_back(m.marks(s));
  using V = std::vector<std::string>;

  supplier(m);  // a newcomer is on nobody's list
  EXPECT_EQ(moved(m, all, was), (V{"", "", "", "", ""}));
  int64_t floor = request(m, "Oak floor", "A03");
  EXPECT_EQ(moved(m, all, was), (V{"vr", "vr", "", "vr", "vr"}));
  int64_t van = request(m, "Van", "F01");
  EXPECT_EQ(moved(m, all, was), (V{"vr", "", "vr", "", "vr"}));
  m.react(rival, floor, "", "We lay oak.");  // the count moves for all who list it
  EXPECT_EQ(moved(m, all, was), (V{"r", "r", "", "r", "r"}));
  m.answer(floor, rival, "When?");  // the customer answered the rival only
  EXPECT_EQ(moved(m, all, was), (V{"", "", "", "", "vr"}));
  m.open_conversation(plain, van);  // reading is no change
  m.hide(plain, van);
  EXPECT_EQ(moved(m, all, was), (V{"vr", "", "", "", ""}));
  m.change_request(van, std::string("Van with oak floor"), std::nullopt, false);  // now passes "oak"
  EXPECT_EQ(moved(m, all, was), (V{"", "", "v", "vr", "v"}));
  m.delete_supplier(supplier(m));  // without reactions: nobody else moves
  EXPECT_EQ(moved(m, all, was), (V{"", "", "", "", ""}));
  m.delete_supplier(rival);  // its reaction leaves the counts of those listing the floor
  all.pop_back();
  was.pop_back();
  EXPECT_EQ(moved(m, all, was), (V{"r", "r", "", "r"}));
  EXPECT_EQ(m.purge_old(plain, 30 * 86400), 0);  // nothing old: nothing moves
  EXPECT_EQ(moved(m, all, was), (V{"", "", "", ""}));
}

TEST_F(ServerTest, MarksFollowTheEndOfAFullList) {
  auto& m = *market_;
  std::vector<int64_t> numbers;
  for (int i = 0; i < plixsrv::kMaxListed + 3; ++i)
    numbers.push_back(request(m, "Request " + std::to_string(i)));
  int64_t s = supplier(m);
  Marks was = m.marks(s);
  // The three oldest are past the end of the list: changing them is no change.
  m.change_request(numbers[1], std::string("Changed"), std::nullopt, false);
  m.change_request(numbers[2], std::nullopt, std::nullopt, true);
  EXPECT_EQ(m.marks(s).requests, was.requests);
  // Closing a listed one lets the next older one up.
  m.change_request(numbers[10], std::nullopt, std::nullopt, true);
  EXPECT_NE(m.marks(s).requests, was.requests);
  EXPECT_EQ(m.marks(s).requests, m.fresh_marks(s).requests);
  EXPECT_EQ(m.request_list(s).back().number, numbers[1]);

  // An imported request with an old posting time lies inside the list's range
  // but is purged for a supplier who purged: the list's end passes over it.
  int64_t purger = supplier(m);
  request(m, "Fresh");
  request(m, "Imported", "", 40);
  for (int i = 0; i < plixsrv::kMaxListed - 1; ++i) request(m, "Newer");
  EXPECT_EQ(m.purge_old(purger, 30 * 86400), 1);
  m.marks(purger);
  request(m, "Newest");
  request(m, "Newest again");
  EXPECT_EQ(m.marks(purger).requests, m.fresh_marks(purger).requests);
}

// Random writes of every kind; after each, every supplier's kept marks equal a
// fresh reading. Lists run full, so their ends move too; the quiet suppliers
// leave no traces, so their marks move by the steps shared within a group.
TEST_F(ServerTest, KeptMarksEqualFreshOnesAfterAnyWrites) {
  auto& m = *market_;
  std::mt19937 rnd(15);
  auto pick = [&](auto& v) { return v[rnd() % v.size()]; };
  const std::vector<std::string> branches{"", "A01", "B02", "F01"};
  const std::vector<std::string> words{"oak", "Marble", "TILES", "x", "\xe9t\xe9"};
  std::vector<int64_t> active{supplier(m), supplier(m, "A02"), supplier(m, "", "", "oak,\xc9T\xc9"),
                              supplier(m, "", "x", "")};
  const std::vector<int64_t> quiet{supplier(m), supplier(m, "A02"), supplier(m, "B01", "", "")};
  std::vector<int64_t> requests;
  for (int i = 0; i < 700; ++i)
    requests.push_back(request(m, pick(words) + " " + std::to_string(i), pick(branches), 60 - i / 12));
  for (int step = 0; step < 300; ++step) {
    std::vector<int64_t> all = active;
    all.insert(all.end(), quiet.begin(), quiet.end());
    for (int64_t s : all) m.marks(s);  // the book holds everybody
    int64_t s = pick(active), r = pick(requests);
    switch (rnd() % 10) {
      case 0: case 1:  // some with an old posting time, as imported data may have
        requests.push_back(request(m, pick(words) + " new", pick(branches), rnd() % 3 ? 0 : rnd() % 50));
        break;
      case 2: m.change_request(r, pick(words) + " changed", std::nullopt, false); break;
      case 3: m.change_request(r, std::nullopt, std::nullopt, rnd() % 4 == 0); break;
      case 4: try { m.react(s, r, "", "offer"); } catch (const plixsrv::Refused&) {} break;
      case 5: try { m.answer(r, s, "answer"); } catch (const plixsrv::Refused&) {} break;
      case 6: rnd() % 3 ? m.hide(s, r) : m.show_all(s); break;
      case 7: m.set_filters(s, rnd() % 2 ? pick(words) : "", rnd() % 2 ? pick(words) : ""); break;
      case 8: m.purge_old(pick(all), static_cast<int64_t>(rnd() % 60) * 86400); break;
      case 9:
        if (rnd() % 3 == 0) {
          m.delete_supplier(s);
          std::erase(active, s);
          active.push_back(supplier(m, pick(branches)));
        }
        break;
    }
    for (int64_t id : all) {
      if (std::find(active.begin(), active.end(), id) == active.end() &&
          std::find(quiet.begin(), quiet.end(), id) == quiet.end())
        continue;  // deleted just now
      SCOPED_TRACE("step " + std::to_string(step) + ", supplier " + std::to_string(id));
      Marks kept = m.marks(id), fresh = m.fresh_marks(id);
      ASSERT_EQ(kept.requests, fresh.requests);
      ASSERT_EQ(kept.reactions, fresh.reactions);
    }
  }
}

// Polls work marks out while writes move them; whatever the interleaving, no
// stale marks stay behind, and after a restart they are what they were.
TEST_F(ServerTest, MarksStayRightUnderConcurrentPollsAndOverARestart) {
  auto& m = *market_;
  std::vector<int64_t> suppliers{supplier(m), supplier(m, "A01"), supplier(m, "", "", "oak")};
  for (int i = 0; i < 300; ++i) request(m, i % 3 ? "Oak " + std::to_string(i) : "Tiles", i % 2 ? "A02" : "");
  std::atomic<bool> done{false};
  std::vector<std::thread> pollers;
  for (int t = 0; t < 3; ++t)
    pollers.emplace_back([&, t] {
      while (!done) m.marks(suppliers[static_cast<size_t>(t)]);
    });
  for (int i = 0; i < 200; ++i) {
    int64_t r = request(m, i % 2 ? "Oak again" : "Marble", i % 3 ? "A01" : "");
    if (i % 4 == 0) m.react(suppliers[1], r, "", "Yes");
    if (i % 7 == 0) m.hide(suppliers[2], r);
    if (i % 5 == 0) m.change_request(r - 40, std::nullopt, std::nullopt, true);
  }
  done = true;
  for (auto& p : pollers) p.join();
  std::vector<Marks> before;
  for (int64_t s : suppliers) {
    before.push_back(m.marks(s));
    EXPECT_EQ(before.back().requests, m.fresh_marks(s).requests);
    EXPECT_EQ(before.back().reactions, m.fresh_marks(s).reactions);
  }
  server_->stop();  // the server and the market go; the file stays
  thread_.join();
  server_.reset();
  market_.reset();
  plixsrv::Market again(dir_ + "/market.db");
  for (size_t i = 0; i < suppliers.size(); ++i) {
    EXPECT_EQ(again.marks(suppliers[i]).requests, before[i].requests);
    EXPECT_EQ(again.marks(suppliers[i]).reactions, before[i].reactions);
  }
}

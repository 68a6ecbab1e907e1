#include "skin/balanced_union.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// A part is the list of leaves it stands for; a union appends and counts the elements it copies,
// the cost a region union has.
using Leaves = std::vector<int>;

struct Counting {
  size_t* copied;
  int* unions;
  int failAt;  // the union (from 1) that fails; 0 for none
  bool operator()(Leaves& into, Leaves&& from) {
    if (++*unions == failAt) return false;
    *copied += into.size() + from.size();
    into.insert(into.end(), from.begin(), from.end());
    return true;
  }
};

TEST(BalancedUnion, KeepsTheLeavesInOrderWithFewPartsAliveAndLogarithmicCopying) {
  const struct {
    int leaves;
    size_t maxAlive;   // floor(log2(leaves)) + 1
    size_t maxCopied;  // leaves * (ceil(log2(leaves)) + 1)
  } rows[] = {{1, 1, 1},  {2, 2, 4},   {3, 2, 9},        {5, 3, 20},
              {8, 4, 32}, {13, 4, 65}, {1000, 10, 11000}};
  for (const auto& row : rows) {
    size_t copied = 0;
    int unions = 0;
    BalancedUnion<Leaves, Counting> whole(Counting{&copied, &unions, 0});
    size_t alive = 0;
    for (int i = 0; i < row.leaves; ++i) {
      ASSERT_TRUE(whole.Add({i})) << row.leaves;
      alive = std::max(alive, whole.alive());
    }
    const std::optional<Leaves> all = whole.Take();
    ASSERT_TRUE(all.has_value()) << row.leaves;
    Leaves expected(static_cast<size_t>(row.leaves));
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(*all, expected) << row.leaves;
    EXPECT_EQ(unions, row.leaves - 1) << row.leaves;
    EXPECT_LE(alive, row.maxAlive) << row.leaves;
    EXPECT_LE(copied, row.maxCopied) << row.leaves;
  }
}

TEST(BalancedUnion, NothingAddedGivesNothing) {
  size_t copied = 0;
  int unions = 0;
  BalancedUnion<Leaves, Counting> whole(Counting{&copied, &unions, 0});
  EXPECT_FALSE(whole.Take().has_value());
  EXPECT_EQ(unions, 0);
}

TEST(BalancedUnion, AFailedUnionFailsTheWhole) {
  // 6 leaves: unions 1 to 4 happen while adding (0+1 at leaf 1, 2+3 and 01+23 at leaf 3, 4+5 at
  // leaf 5), union 5 in Take.
  const struct {
    int failAt;
    int lastAddAccepted;  // leaves added before Add first answers false; 6 when all are
  } rows[] = {{1, 1}, {2, 3}, {3, 3}, {4, 5}, {5, 6}};
  for (const auto& row : rows) {
    size_t copied = 0;
    int unions = 0;
    BalancedUnion<Leaves, Counting> whole(Counting{&copied, &unions, row.failAt});
    int accepted = 0;
    for (int i = 0; i < 6 && whole.Add({i}); ++i) accepted = i + 1;
    EXPECT_EQ(accepted, row.lastAddAccepted) << row.failAt;
    EXPECT_FALSE(whole.Take().has_value()) << row.failAt;
    EXPECT_FALSE(whole.Add({9})) << row.failAt;
    EXPECT_EQ(whole.alive(), 0u) << row.failAt;
  }
}

}  // namespace

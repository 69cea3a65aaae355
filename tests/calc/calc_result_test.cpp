// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc_result.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "fake_main_view.h"
#include "result_oracle.h"

namespace quorvel {
namespace {

using test::ChainFactor;
using test::DefaultInput;
using test::FakeMainView;
using test::LevelItem;
using test::ResultOracle;

struct Example {
  LandChoice land;
  const char* landEtc;
  int before;
  int after;
  const char* rensa;
  const char* gofu;
  KeisanResult expected;
};

TEST(CalcResult, WorkedExamplesToTheLastCharacter) {
  constexpr LandChoice k80 = LandChoice::Land80;
  constexpr LandChoice k100 = LandChoice::Land100;
  constexpr LandChoice kEtc = LandChoice::LandEtc;
  const Example rows[] = {
      {k80, "50", 1, 4, "  3", "50", {"-560G", "+1008G", "+10", "+500G", "+948G"}},
      {k100, "50", 2, 3, " 5～", "0", {"-200G", "+440G", "+4", "0G", "+240G"}},
      {k80, "50", 3, 1, "  1", "50", {"", "-240G", "-2", "-100G", "-100G"}},
      {kEtc, "55", 1, 2, "  2", "3", {"-55G", "+82G", "0", "0G", "+27G"}},
      {kEtc, "55", 1, 3, "  2", "10", {"-165G", "+248G", "+2", "+20G", "+103G"}},
      {kEtc, "55", 2, 1, "  2", "5", {"", "-82G", "0", "0G", "-27G"}},
      {k80, "50", 2, 1, "  1", "0", {"", "-80G", "0", "0G", "0G"}},
      {kEtc, "999", 1, 2, "  2", "999", {"-999G", "+1498G", "+14", "+13986G", "+14485G"}},
      {kEtc, "999", 1, 5, " 5～", "999", {"-14985G", "+32967G", "+329", "+328671G", "+346653G"}},
      {kEtc, "999", 5, 1, " 5～", "999", {"", "-32967G", "-329", "-328671G", "-346653G"}},
      // Trimmed like every typed number; the custom value is ignored with 80.
      {kEtc, " 55", 1, 2, "  2", " 3 ", {"-55G", "+82G", "0", "0G", "+27G"}},
      {k80, "abc", 1, 2, "  4", "1", {"-80G", "+160G", "+1", "+1G", "+81G"}},
      // Any chain text other than "1" to "4" counts as five or more.
      {k100, "", 1, 2, "9", "0", {"-100G", "+220G", "+2", "0G", "+120G"}},
      // The top of the 16-bit range still fits 32 bits.
      {kEtc,
       "32767",
       1,
       5,
       " 5～",
       "32767",
       {"-491505G", "+1081311G", "+10813", "+354309571G", "+354899377G"}},
  };
  for (const Example& row : rows) {
    KeisanInput in = DefaultInput();
    in.landChoice = row.land;
    in.txtLandEtc = row.landEtc;
    in.cboLevelBefore = LevelItem(row.before);
    in.cboLevelAfter = LevelItem(row.after);
    in.cboRensa = row.rensa;
    in.txtGofu = row.gofu;
    FakeMainView view;

    CalcResult(in, view);

    const KeisanResult& e = row.expected;
    SCOPED_TRACE(std::string(row.landEtc) + " " + std::to_string(row.before) + "->" +
                 std::to_string(row.after) + " [" + row.rensa + "] " + row.gofu);
    EXPECT_EQ(view.calls, std::vector<std::string>{"SetResult " + e.lblShojiVal + "|" +
                                                   e.lblLandGainVal + "|" + e.lblGofukatiVal + "|" +
                                                   e.lblGofuGainVal + "|" + e.lblGoukeiVal});
  }
}

TEST(CalcResult, WritesNothingForInputThatDoesNotRead) {
  const struct {
    const char* before;
    const char* after;
    const char* landEtc;
    const char* gofu;
  } rows[] = {{"  0", "  4", "5", "1"},   {"  1", "  6", "5", "1"},
              {"abc", "  4", "5", "1"},   {"  1", "  4", "99999", "1"},
              {"  1", "  4", "1.5", "1"}, {"  1", "  4", "5", "99999"}};
  for (const auto& row : rows) {
    KeisanInput in = DefaultInput();
    in.landChoice = LandChoice::LandEtc;
    in.cboLevelBefore = row.before;
    in.cboLevelAfter = row.after;
    in.txtLandEtc = row.landEtc;
    in.txtGofu = row.gofu;
    FakeMainView view;
    CalcResult(in, view);
    EXPECT_TRUE(view.calls.empty()) << row.before << " " << row.after << " " << row.landEtc;
  }
}

class CalcResultOracle : public ::testing::TestWithParam<ChainFactor> {};

TEST_P(CalcResultOracle, EveryBaseValueAndPairOfLevels) {
  const ChainFactor& chain = GetParam();
  const std::int64_t counts[] = {0, 1, 999, 32767};
  KeisanInput in = DefaultInput();
  in.landChoice = LandChoice::LandEtc;
  in.cboRensa = std::string(chain.item);
  for (int base = 1; base <= 32767; ++base) {
    in.txtLandEtc = std::to_string(base);
    for (int before = 1; before <= 5; ++before) {
      for (int after = 1; after <= 5; ++after) {
        if (before == after) {
          continue;
        }
        in.cboLevelBefore = LevelItem(before);
        in.cboLevelAfter = LevelItem(after);
        // Every count at the ends of the range; the middle ones in turn.
        for (const std::int64_t count : {counts[0], counts[1 + base % 2], counts[3]}) {
          in.txtGofu = std::to_string(count);
          const std::optional<KeisanResult> got = ComputeKeisanResult(in);
          const KeisanResult want = ResultOracle(base, before, after, chain, count);
          ASSERT_TRUE(got.has_value());
          ASSERT_EQ(*got, want) << "base " << base << ", " << before << "->" << after << ", count "
                                << count << ": got " << got->lblLandGainVal << " "
                                << got->lblGoukeiVal << ", want " << want.lblLandGainVal << " "
                                << want.lblGoukeiVal;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Chains, CalcResultOracle, ::testing::ValuesIn(test::kChainFactors),
                         [](const ::testing::TestParamInfo<ChainFactor>& info) {
                           return "Chain" + std::to_string(info.index + 1);
                         });

}  // namespace
}  // namespace quorvel

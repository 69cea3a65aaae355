// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_working.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "fake_main_view.h"
#include "level_table.h"
#include "result_oracle.h"

namespace quorvel {
namespace {

using testing::AmountsOracle;
using testing::DefaultInput;
using testing::LevelItem;
using testing::OracleAmounts;
using testing::ResultOracle;

// Every number a line writes, in hundredths, in the order written. A minus
// sign counts only where it touches its digits, so "8 - 1" reads 8 and 1.
std::vector<std::int64_t> Hundredths(const std::string& line) {
  static const std::regex kNumber(R"((-?)(\d+)(?:\.(\d)(\d?))?)");
  std::vector<std::int64_t> numbers;
  for (auto match = std::sregex_iterator(line.begin(), line.end(), kNumber);
       match != std::sregex_iterator(); ++match) {
    const auto& m = *match;
    std::int64_t value = std::stoll(m[2]) * 100;
    value += m[3].matched ? (m[3].str()[0] - '0') * 10 : 0;
    value += m[4].length() > 0 ? m[4].str()[0] - '0' : 0;
    numbers.push_back(m[1].length() > 0 ? -value : value);
  }
  return numbers;
}

std::vector<std::int64_t> Whole(std::initializer_list<std::int64_t> values) {
  std::vector<std::int64_t> hundredths;
  for (const std::int64_t value : values) {
    hundredths.push_back(value * 100);
  }
  return hundredths;
}

bool Says(const std::string& line, const char* words) {
  return line.find(words) != std::string::npos;
}

// Over every level pair and chain, four base values and three counts: the
// working writes the exact numbers of each step, names every rounding and
// cut, and ends on the result; the summary reads as the boxes do; and each
// row of the level table is the exact computation for its level.
TEST(KeisanWorking, EveryStepAgainstTheExactOracle) {
  const struct {
    LandChoice land;
    const char* typed;
    std::int64_t base;
  } kBases[] = {{LandChoice::Land80, "abc", 80},
                {LandChoice::Land100, "", 100},
                {LandChoice::LandEtc, "55", 55},
                {LandChoice::LandEtc, "999", 999}};
  const std::array<const char*, 5> kCaptions{"所持魔力変動", "土地価値変動", "護符価値変動",
                                             "護符魔力変動", "総魔力変動"};
  for (int before = 1; before <= 5; ++before) {
    for (int after = 1; after <= 5; ++after) {
      for (const testing::ChainFactor& chain : testing::kChainFactors) {
        for (const auto& base : kBases) {
          for (const std::int64_t count : {0, 7, 999}) {
            KeisanInput in = DefaultInput();
            in.cboLevelBefore = LevelItem(before);
            in.cboLevelAfter = LevelItem(after);
            in.cboRensa = chain.item;
            in.landChoice = base.land;
            in.txtLandEtc = base.typed;
            in.txtGofu = " " + std::to_string(count) + " ";
            SCOPED_TRACE(std::to_string(before) + "->" + std::to_string(after) + " [" +
                         std::string(chain.item) + "] base " + std::to_string(base.base) + ", " +
                         std::to_string(count) + " talismans");

            const std::vector<LevelRow> rows = LevelTable(in);
            if (before == after) {
              EXPECT_TRUE(rows.empty());
              in.txtGofu = "x";
              EXPECT_FALSE(ExplainKeisan(in));
              continue;
            }
            ASSERT_EQ(rows.size(), 4U);
            int last = 0;
            for (const LevelRow& row : rows) {
              const int level = row.cboLevelAfter.back() - '0';
              EXPECT_EQ(row.cboLevelAfter, LevelItem(level));
              EXPECT_GT(level, last);
              EXPECT_NE(level, before);
              last = level;
              EXPECT_EQ(row.change, std::to_string(before) + "→" + std::to_string(level));
              EXPECT_EQ(row.falls, level < before);
              EXPECT_EQ(row.result, ResultOracle(base.base, before, level, chain, count));
            }

            testing::FakeMainView view;
            CalcResult(in, view);
            EXPECT_EQ(ExplainKeisan(in).value().summary, view.working.summary);
            const OracleAmounts a = AmountsOracle(base.base, before, after, chain, count);
            const KeisanResult& lines = view.working.lines;
            EXPECT_EQ(Hundredths(lines.lblShojiVal),
                      Whole({-base.base, std::int64_t{1} << (after - 1),
                             std::int64_t{1} << (before - 1), a.held}));
            EXPECT_EQ(Says(lines.lblShojiVal, "空"), a.held > 0);

            const std::int64_t product = -a.held * chain.numerator * 100 / chain.denominator;
            std::vector<std::int64_t> land{-a.held * 100, chain.numerator * 100 / chain.denominator,
                                           product};
            if (product % 100 != 0) {
              land.push_back(a.land * 100);
            }
            EXPECT_EQ(Hundredths(lines.lblLandGainVal), land);
            EXPECT_EQ(Says(lines.lblLandGainVal, "丸め"), product % 100 != 0);
            EXPECT_EQ(Says(lines.lblLandGainVal, "偶数"), std::llabs(product % 100) == 50);

            std::vector<std::int64_t> value{a.land * 100, 100 * 100, a.land};
            if (a.land % 100 != 0) {
              value.push_back(a.talismanValue * 100);
            }
            EXPECT_EQ(Hundredths(lines.lblGofukatiVal), value);
            EXPECT_EQ(Says(lines.lblGofukatiVal, "切り捨て"), a.land % 100 != 0);

            EXPECT_EQ(Hundredths(lines.lblGofuGainVal),
                      Whole({a.talismanValue, count, a.talismanMagic}));
            EXPECT_EQ(Hundredths(lines.lblGoukeiVal),
                      Whole({a.held, std::llabs(a.land), std::llabs(a.talismanMagic), a.total}));
            // Each later term is added or taken away as its sign says.
            std::string terms;
            for (const std::int64_t term : {a.land, a.talismanMagic}) {
              terms += (term < 0 ? " - " : " + ") + std::to_string(std::llabs(term));
            }
            EXPECT_TRUE(Says(lines.lblGoukeiVal, terms.c_str())) << terms;

            // The inputs on the first line, then each caption and its box's text.
            const std::string& summary = view.working.summary;
            const std::string inputs = summary.substr(0, summary.find('\n'));
            const std::string chainText(chain.item.substr(chain.item.find_first_not_of(' ')));
            for (const std::string& part :
                 {std::to_string(before) + "→" + std::to_string(after), " " + chainText,
                  " " + std::to_string(count) + "枚", " " + std::to_string(base.base) + "G"}) {
              EXPECT_TRUE(Says(inputs, part.c_str())) << part;
            }
            const KeisanResult shown = ResultOracle(base.base, before, after, chain, count);
            std::string results;
            for (std::size_t i = 0; i < kResults.size(); ++i) {
              const std::string& text = shown.*kResults.at(i).text;
              results += std::string("\n") + kCaptions.at(i) + (text.empty() ? "" : " " + text);
            }
            EXPECT_EQ(summary.substr(inputs.size()), results);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace quorvel

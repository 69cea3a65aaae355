// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_working.h"

#include <gtest/gtest.h>

#include <cmath>
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

// Every number a line writes, in hundredths, in order, as a term: a
// subtraction's "8 - 1" reads 8 and -1.
std::vector<std::int64_t> Hundredths(const std::string& line) {
  static const std::regex kNumber(R"((- )?(-?\d+(\.\d+)?))");
  std::vector<std::int64_t> numbers;
  for (std::sregex_iterator m(line.begin(), line.end(), kNumber), end; m != end; ++m) {
    numbers.push_back(std::llround(std::stod((*m)[2]) * ((*m)[1].matched ? -100 : 100)));
  }
  return numbers;
}

bool Says(const std::string& line, const std::string& words) {
  return line.find(words) != std::string::npos;
}

// Over every level pair and chain, four base values and three counts: each
// row of the level table is the exact computation for its level; the
// working writes the exact numbers of each step, names every rounding and
// cut, and ends on the result; the summary reads as the boxes do.
TEST(KeisanWorking, EveryStepAgainstTheExactOracle) {
  const struct {
    LandChoice land;
    const char* typed;
    std::int64_t base;
  } kBases[] = {{LandChoice::Land80, "abc", 80},
                {LandChoice::Land100, "", 100},
                {LandChoice::LandEtc, "55", 55},
                {LandChoice::LandEtc, "999", 999}};
  const char* const kCaptions[] = {"所持魔力変動", "土地価値変動", "護符価値変動", "護符魔力変動",
                                   "総魔力変動"};
  for (int pair = 0; pair < 25; ++pair) {
    const int before = pair / 5 + 1;
    const int after = pair % 5 + 1;
    for (const auto& chain : test::kChainFactors) {
      for (const auto& base : kBases) {
        for (const std::int64_t count : {0, 7, 999}) {
          KeisanInput in = test::DefaultInput();
          in.cboLevelBefore = test::LevelItem(before);
          in.cboLevelAfter = test::LevelItem(after);
          in.cboRensa = chain.item;
          in.landChoice = base.land;
          in.txtLandEtc = base.typed;
          // GCC 12 at -O2 takes " " + text for overlapping copies (-Wrestrict).
          in.txtGofu = std::string(" ").append(std::to_string(count)).append(" ");
          const std::string change = std::to_string(before) + "→" + std::to_string(after);
          SCOPED_TRACE(change + " [" + std::string(chain.item) + "] " + std::to_string(base.base) +
                       "G, " + std::to_string(count));
          const std::vector<LevelRow> rows = LevelTable(in);
          if (before == after) {
            in.txtGofu = "x";
            EXPECT_FALSE(!rows.empty() || ExplainKeisan(in) || ComputeKeisanResult(in));
            continue;
          }
          ASSERT_EQ(rows.size(), 4U);
          std::size_t i = 0;  // ascending, the level before left out
          for (int level = 1; level <= 5; ++level) {
            if (level != before) {
              const LevelRow& row = rows.at(i++);
              EXPECT_EQ(row.cboLevelAfter, test::LevelItem(level));
              EXPECT_EQ(row.change, std::to_string(before) + "→" + std::to_string(level));
              EXPECT_EQ(row.falls, level < before);
              EXPECT_EQ(row.result, test::ResultOracle(base.base, before, level, chain, count));
            }
          }

          test::FakeMainView view;
          CalcResult(in, view);
          const KeisanResult& lines = view.working.lines;
          const std::string& summary = view.working.summary;
          EXPECT_EQ(ExplainKeisan(in).value().summary, summary);
          const auto a = test::AmountsOracle(base.base, before, after, chain, count);
          const std::int64_t product = -a.held * chain.numerator * 100 / chain.denominator;
          const std::int64_t factor = chain.numerator * 100 / chain.denominator;
          const bool rounded = product % 100 != 0;
          const bool cut = a.land % 100 != 0;
          const auto h = [](std::int64_t whole) { return whole * 100; };
          using Numbers = std::vector<std::int64_t>;
          EXPECT_EQ(Hundredths(lines.lblShojiVal), (Numbers{h(-base.base), h(1 << (after - 1)),
                                                            h(-(1 << (before - 1))), h(a.held)}));
          Numbers land{h(-a.held), factor, product, h(a.land)};
          land.resize(rounded ? 4 : 3);
          EXPECT_EQ(Hundredths(lines.lblLandGainVal), land);
          Numbers value{h(a.land), h(100), a.land, h(a.talismanValue)};
          value.resize(cut ? 4 : 3);
          EXPECT_EQ(Hundredths(lines.lblGofukatiVal), value);
          EXPECT_EQ(Hundredths(lines.lblGofuGainVal),
                    (Numbers{h(a.talismanValue), h(count), h(a.talismanMagic)}));
          EXPECT_EQ(Hundredths(lines.lblGoukeiVal),
                    (Numbers{h(a.held), h(a.land), h(a.talismanMagic), h(a.total)}));
          EXPECT_EQ(Says(lines.lblShojiVal, "空"), a.held > 0);
          EXPECT_EQ(Says(lines.lblLandGainVal, "丸め"), rounded);
          EXPECT_EQ(Says(lines.lblLandGainVal, "偶数"), std::llabs(product % 100) == 50);
          EXPECT_EQ(Says(lines.lblGofukatiVal, "切り捨て"), cut);

          // The inputs on the first line, then each caption and its box's text.
          std::string results;
          const KeisanResult shown = test::ResultOracle(base.base, before, after, chain, count);
          for (std::size_t k = 0; k < kResults.size(); ++k) {
            const std::string& text = shown.*kResults.at(k).text;
            results.append("\n").append(kCaptions[k]).append(text.empty() ? "" : " ").append(text);
          }
          const std::string inputs = summary.substr(0, summary.size() - results.size());
          EXPECT_EQ(summary, inputs + results);
          for (const std::string& part :
               {change, std::string(chain.item.substr(chain.item.find_first_not_of(' '))),
                std::string(" ").append(std::to_string(count)).append("枚"),
                std::string(" ").append(std::to_string(base.base)).append("G")}) {
            EXPECT_TRUE(Says(inputs, part) && !Says(inputs, "\n")) << part;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace quorvel

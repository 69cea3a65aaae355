// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_working.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "level_text.h"
#include "number_text.h"

namespace quorvel {
namespace {

// A text written piece by piece, numbers as plain decimals. One call a
// piece keeps the code small, which the page downloads.
class Text {
 public:
  Text& operator<<(std::string_view piece) {
    text_ += piece;
    return *this;
  }
  Text& operator<<(std::int64_t number) { return Decimal(number, 0); }
  // A number of tenths or hundredths, exactly: "1.8", "10.08".
  Text& Decimal(std::int64_t number, int fractionDigits) {
    AppendDecimal(text_, number, fractionDigits);
    return *this;
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

// The held change: the base value paid for each step between the two powers
// of two. A falling level refunds it, which the box leaves empty.
std::string ShojiLine(const KeisanAmounts& a) {
  Text line;
  line << -std::int64_t{a.base} << " × (" << (std::int64_t{1} << (a.levelAfter - 1)) << " - "
       << (std::int64_t{1} << (a.levelBefore - 1)) << ") = " << std::int64_t{a.shoji} << "G";
  if (a.shoji > 0) {
    line << "。レベルが下がって所持魔力が増えるため欄は空けていますが、総魔力変動には含めています";
  }
  return line.Take();
}

// The land change, with the factor in tenths so that the product is shown
// exactly: only a product with a fraction was rounded.
std::string LandGainLine(const KeisanAmounts& a) {
  const auto tenths = static_cast<std::int64_t>(std::lround(a.factor * 10));
  const std::int64_t paid = -std::int64_t{a.shoji};
  const std::int64_t product = paid * tenths;
  const std::int64_t fraction = std::llabs(product % 10);
  Text line;
  (line << paid << " × ").Decimal(tenths, 1) << " = ";
  line.Decimal(product, 1);
  if (fraction != 0) {
    line << (fraction == 5 ? "、ちょうど半分は偶数の側へ丸めて " : "、最も近い整数に丸めて ")
         << std::int64_t{a.landGain};
  }
  return (line << "G").Take();
}

std::string GofukatiLine(const KeisanAmounts& a) {
  Text line;
  (line << std::int64_t{a.landGain} << " ÷ 100 = ").Decimal(a.landGain, 2);
  if (a.landGain % 100 != 0) {
    line << "、小数点以下を切り捨てて " << std::int64_t{a.gofukati};
  }
  return line.Take();
}

// The total in the boxes' order, a negative term written as a subtraction.
std::string GoukeiLine(const KeisanAmounts& a) {
  Text line;
  line << std::int64_t{a.shoji};
  for (const std::int64_t term : {a.landGain, a.gofuGain}) {
    line << (term < 0 ? " - " : " + ") << std::llabs(term);
  }
  return (line << " = " << std::int64_t{a.goukei} << "G").Take();
}

}  // namespace

KeisanWorking Explain(const KeisanAmounts& a, const KeisanResult& texts) {
  KeisanWorking working;
  working.lines.lblShojiVal = ShojiLine(a);
  working.lines.lblLandGainVal = LandGainLine(a);
  working.lines.lblGofukatiVal = GofukatiLine(a);
  working.lines.lblGofuGainVal =
      (Text() << std::int64_t{a.gofukati} << " × " << std::int64_t{a.count} << " = "
              << std::int64_t{a.gofuGain} << "G")
          .Take();
  working.lines.lblGoukeiVal = GoukeiLine(a);
  Text summary;
  summary << "レベル " << LevelChange(a.levelBefore, a.levelAfter) << "、連鎖数 " << a.chain
          << "、護符 " << std::int64_t{a.count} << "枚、基本価値 " << std::int64_t{a.base} << "G";
  for (const ResultField& field : kResults) {
    const std::string& text = texts.*field.text;
    summary << "\n" << field.caption << (text.empty() ? "" : " ") << text;
  }
  working.summary = summary.Take();
  return working;
}

std::optional<KeisanWorking> ExplainKeisan(const KeisanInput& input) {
  const std::optional<KeisanAmounts> amounts = ComputeKeisan(input);
  if (!amounts) {
    return std::nullopt;
  }
  return Explain(*amounts, ResultTexts(*amounts));
}

}  // namespace quorvel

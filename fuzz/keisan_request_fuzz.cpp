// SPDX-License-Identifier: GPL-3.0-or-later
// Whole requests through a fake window with arbitrary texts in every field:
// exactly one outcome each, and for what the window could really deliver, the
// five texts of the tests' oracle, computed from the formulas.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "frm_gofu_design.h"
#include "keisan_request.h"
#include "main_view.h"
#include "result_oracle.h"

namespace {

using quorvel::AskAnswer;
using quorvel::FocusTarget;
using quorvel::KeisanInput;
using quorvel::KeisanResult;
using quorvel::LandChoice;

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// The lists' items, as the window holds them.
const std::span<const std::string_view> kLevels = quorvel::design::Named("cboLevelBefore").items;
const std::span<const std::string_view> kChains = quorvel::design::Named("cboRensa").items;

class CountingView : public quorvel::MainView {
 public:
  KeisanInput input;
  AskAnswer answer = AskAnswer::Yes;
  int reads = 0;
  int warnings = 0;
  int questions = 0;
  int results = 0;
  int workings = 0;
  int focusMoves = 0;
  KeisanResult last;

  KeisanInput ReadInput() override {
    ++reads;
    return input;
  }
  void SetResult(const KeisanResult& result) override {
    ++results;
    last = result;
  }
  void SetWorking(const quorvel::KeisanWorking& /*working*/) override { ++workings; }
  void SetFocus(FocusTarget /*target*/) override { ++focusMoves; }
  void Warn(const std::string& message, const std::string& title) override {
    Require(!message.empty() && !title.empty());
    ++warnings;
  }
  AskAnswer Ask(const std::string& message, const std::string& title) override {
    Require(!message.empty() && !title.empty());
    ++questions;
    return answer;
  }
};

std::string ListText(FuzzedDataProvider& fuzz, std::span<const std::string_view> items) {
  if (fuzz.ConsumeBool()) {
    return std::string(items[fuzz.ConsumeIntegralInRange<std::size_t>(0, items.size() - 1)]);
  }
  return fuzz.ConsumeRandomLengthString(12);
}

std::size_t Characters(const std::string& utf8) {
  std::size_t count = 0;
  for (const char c : utf8) {
    count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
  }
  return count;
}

bool IsItem(const std::string& text, std::span<const std::string_view> items) {
  for (const std::string_view item : items) {
    if (item == text) {
      return true;
    }
  }
  return false;
}

// A whole number typed into a three-character box: blanks around it, then
// "0" or an optional minus and digits without a leading zero.
std::optional<int> TypedWhole(const std::string& typed) {
  const std::size_t first = typed.find_first_not_of(' ');
  if (first == std::string::npos) {
    return std::nullopt;
  }
  const std::string text = typed.substr(first, typed.find_last_not_of(' ') - first + 1);
  const bool negative = text[0] == '-';
  const std::string digits = text.substr(negative ? 1 : 0);
  if (digits.empty() || (digits[0] == '0' && (digits.size() > 1 || negative))) {
    return std::nullopt;
  }
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider fuzz(data, size);
  CountingView view;
  KeisanInput& in = view.input;
  in.cboLevelBefore = ListText(fuzz, kLevels);
  in.cboLevelAfter = ListText(fuzz, kLevels);
  in.cboRensa = ListText(fuzz, kChains);
  in.landChoice =
      fuzz.PickValueInArray({LandChoice::Land80, LandChoice::Land100, LandChoice::LandEtc});
  view.answer = fuzz.ConsumeBool() ? AskAnswer::Yes : AskAnswer::No;
  in.txtGofu = fuzz.ConsumeRandomLengthString(8);
  in.txtLandEtc = fuzz.ConsumeRemainingBytesAsString();

  quorvel::cmdKeisan_Click(view);

  Require(view.reads == 1);
  const bool warned =
      view.warnings == 1 && view.questions == 0 && view.results == 0 && view.focusMoves == 1;
  const bool declined = view.warnings == 0 && view.questions == 1 && view.results == 0 &&
                        view.focusMoves == 1 && view.answer == AskAnswer::No;
  const bool computed =
      view.warnings == 0 && view.questions <= 1 && view.results == 1 && view.focusMoves == 0;
  Require(warned || declined || computed);
  // Results never stand without the working behind them.
  Require(view.workings == view.results);

  const bool deliverable = IsItem(in.cboLevelBefore, kLevels) &&
                           IsItem(in.cboLevelAfter, kLevels) && IsItem(in.cboRensa, kChains) &&
                           Characters(in.txtGofu) <= 3 && Characters(in.txtLandEtc) <= 3;
  if (!deliverable) {
    return 0;
  }
  const int before = in.cboLevelBefore.back() - '0';
  const int after = in.cboLevelAfter.back() - '0';
  const auto chain = static_cast<std::size_t>(
      std::find(kChains.begin(), kChains.end(), in.cboRensa) - kChains.begin());
  std::optional<int> base = in.landChoice == LandChoice::Land80    ? 80
                            : in.landChoice == LandChoice::Land100 ? 100
                                                                   : TypedWhole(in.txtLandEtc);
  const std::optional<int> count = TypedWhole(in.txtGofu);
  const bool valid = base && *base >= 1 && before != after && count && *count >= 0;
  Require(warned == !valid);
  Require(view.questions == (valid && before > after ? 1 : 0));
  if (computed) {
    Require(view.last == quorvel::test::ResultOracle(
                             *base, before, after, quorvel::test::kChainFactors.at(chain), *count));
  }
  return 0;
}

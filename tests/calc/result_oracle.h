// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <string_view>

#include "frm_gofu_design.h"
#include "keisan_records.h"

// An independent account of the five results, in exact integer arithmetic
// with each chain's factor as a fraction: what the window must show, for
// the tests and the fuzzer alike.
namespace quorvel::test {

struct ChainFactor {
  std::string_view item;
  std::int64_t numerator;
  std::int64_t denominator;
};
// Each chain item, as the window lists it, with its factor as a fraction.
inline constexpr std::array<ChainFactor, 5> kChainFactors{{{design::kChains[0], 1, 1},
                                                           {design::kChains[1], 3, 2},
                                                           {design::kChains[2], 9, 5},
                                                           {design::kChains[3], 2, 1},
                                                           {design::kChains[4], 11, 5}}};

// A chain as GoogleTest names it (and ctest after it): its list item and
// factor, the same on every build, rather than the bytes of the struct.
inline void PrintTo(const ChainFactor& chain, std::ostream* out) {
  *out << '"' << chain.item << "\" x" << chain.numerator << '/' << chain.denominator;
}

inline std::int64_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t quotient = numerator / denominator;
  const std::int64_t twiceRemainder = 2 * std::llabs(numerator % denominator);
  const std::int64_t away = numerator < 0 ? quotient - 1 : quotient + 1;
  if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0)) {
    return away;
  }
  return quotient;
}

inline std::string WithSign(std::int64_t value, const char* unit) {
  std::string text = value > 0 ? "+" : "";
  text += std::to_string(value);
  text += unit;
  return text;
}

// The five results as numbers, in the boxes' order.
struct OracleAmounts {
  std::int64_t held, land, talismanValue, talismanMagic, total;  // NOLINT(*-isolate-declaration)
};

inline OracleAmounts AmountsOracle(std::int64_t base, int before, int after,
                                   const ChainFactor& chain, std::int64_t count) {
  OracleAmounts a{};
  a.held = -((std::int64_t{1} << (after - 1)) - (std::int64_t{1} << (before - 1))) * base;
  a.land = DivideRoundHalfEven(-a.held * chain.numerator, chain.denominator);
  a.talismanValue = a.land / 100;
  a.talismanMagic = a.talismanValue * count;
  a.total = a.land + a.held + a.talismanMagic;
  return a;
}

inline KeisanResult ResultOracle(std::int64_t base, int before, int after, const ChainFactor& chain,
                                 std::int64_t count) {
  const OracleAmounts a = AmountsOracle(base, before, after, chain, count);
  return {a.held > 0 ? "" : std::to_string(a.held) + "G", WithSign(a.land, "G"),
          WithSign(a.talismanValue, ""), WithSign(a.talismanMagic, "G"), WithSign(a.total, "G")};
}

}  // namespace quorvel::test

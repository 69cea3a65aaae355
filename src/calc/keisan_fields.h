// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "keisan_records.h"

namespace quorvel {

// A request as six texts, the form in which the C interface and the page
// pass it: each field is named after its control, the three options after
// their group, whose text is the option's name without "opt" ("Land80").
inline constexpr std::array<std::string_view, 6> kInputFields{
    "cboLevelBefore", "cboLevelAfter", "cboRensa", "txtGofu", "landChoice", "txtLandEtc"};

using FieldTexts = std::array<std::string_view, kInputFields.size()>;

// The request those texts make. An unknown land choice counts as 80 G, the
// option that is on at start.
KeisanInput ReadFields(std::span<const std::string_view, kInputFields.size()> texts);

// The requests whose results are the widest a result box may have to show:
// the largest rise and fall that three-digit boxes allow, at the longest
// chain, with the base value typed in.
inline constexpr std::array<FieldTexts, 2> kWidestRequests{{
    {"  1", "  5", " 5～", "999", "LandEtc", "999"},
    {"  5", "  1", " 5～", "999", "LandEtc", "999"},
}};

}  // namespace quorvel

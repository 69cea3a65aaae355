// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keisan_records.h"

namespace quorvel {

// The field of the base-value options: their group's name, whose text is
// the name of the option that is on (kLandOptions).
inline constexpr std::string_view kLandGroup = "landChoice";

// A request as six texts, the form in which the C interface and the page
// pass it: each field is named after its control, the options after their
// group.
inline constexpr std::array<std::string_view, 6> kInputFields{
    "cboLevelBefore", "cboLevelAfter", "cboRensa", "txtGofu", kLandGroup, "txtLandEtc"};

using FieldTexts = std::array<std::string_view, kInputFields.size()>;

// The request those texts make. A land choice that kLandOptions does not
// name is a fault of the caller's, not an input: it throws (in the page's
// module, which cannot catch, it stops the core) rather than count as any
// option.
KeisanInput ReadFields(std::span<const std::string_view, kInputFields.size()> texts);

// The requests whose results are the widest a result box may have to show:
// the largest rise and fall that three-digit boxes allow, at the longest
// chain, with the base value typed in.
inline constexpr std::array<FieldTexts, 2> kWidestRequests{{
    {"  1", "  5", " 5～", "999", "LandEtc", "999"},
    {"  5", "  1", " 5～", "999", "LandEtc", "999"},
}};

// Every text the widest requests give the result boxes, as the boxes show
// them: what a box must have room for.
std::vector<std::string> WidestResultTexts();

}  // namespace quorvel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The items of both level lists, in their order: a blank-padded digit.
inline constexpr std::array<std::string_view, 5> kLevelItems{"  1", "  2", "  3", "  4", "  5"};

// The level a level-list text names, 1 to 5; empty for any text that is not
// a level, which the window's lists never hold but another caller might.
std::optional<int> ReadLevel(std::string_view listText);

// A change of level as players write it: "1→4".
std::string LevelChange(int before, int after);

}  // namespace quorvel

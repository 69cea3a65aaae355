// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace quorvel {

// The level a level-list text names, 1 to 5; empty for any text that is not
// a level, which the window's lists never hold but another caller might.
std::optional<int> ReadLevel(std::string_view listText);

}  // namespace quorvel

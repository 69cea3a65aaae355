// SPDX-License-Identifier: GPL-3.0-or-later
#include "level_text.h"

#include "number_text.h"

namespace quorvel {

std::optional<int> ReadLevel(std::string_view listText) {
  const std::optional<std::int16_t> level = ToInt16(Trim(listText));
  if (!level || *level < 1 || *level > 5) {
    return std::nullopt;
  }
  return *level;
}

std::string LevelChange(int before, int after) {
  return DecimalText(before) + "→" + DecimalText(after);
}

}  // namespace quorvel

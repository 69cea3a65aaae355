// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_level_down.h"

#include <cstdint>
#include <optional>
#include <string>

#include "number_text.h"

namespace quorvel {

std::optional<CheckMessage> LevelDownQuestion(const KeisanInput& input) {
  const std::string before = Trim(input.cboLevelBefore);
  const std::string after = Trim(input.cboLevelAfter);
  const std::optional<std::int16_t> beforeLevel = ToInt16(before);
  const std::optional<std::int16_t> afterLevel = ToInt16(after);
  if (!beforeLevel || !afterLevel) {
    return std::nullopt;
  }
  const int drop = *beforeLevel - *afterLevel;

  // The first rule that holds names the fall; the order matters, since a fall
  // of two to level 1 is a meteor, not merely "what happened".
  const char* title = nullptr;
  if (drop == 1) {
    title = "ローカストですか？ サブサイドですか？";
  } else if (drop > 1 && after == "1") {
    title = "メテオですか？";
  } else if (drop == 2) {
    title = "何事ですか？";
  } else if (before == "5" && after == "2") {
    title = "有り得ますか？";
  }
  if (title == nullptr) {
    return std::nullopt;
  }
  return CheckMessage{"土地レベルが下がります。続けますか？", title};
}

bool CheckLevelDown(const KeisanInput& input, CheckMessage& check) {
  const std::optional<CheckMessage> question = LevelDownQuestion(input);
  check = question.value_or(CheckMessage{});
  return question.has_value();
}

}  // namespace quorvel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_c_api.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "calc_result.h"
#include "check_input.h"
#include "check_level_down.h"

namespace {

using quorvel::KeisanInput;
using quorvel::LandChoice;

// One request in, one answer out; the caller copies each answer before the
// next call, so a single buffer of each is enough.
std::string& RequestBuffer() {
  static std::string buffer;
  return buffer;
}

std::string& AnswerBuffer() {
  static std::string buffer;
  return buffer;
}

std::optional<LandChoice> ReadLandChoice(std::string_view name) {
  if (name == "Land80") {
    return LandChoice::Land80;
  }
  if (name == "Land100") {
    return LandChoice::Land100;
  }
  if (name == "LandEtc") {
    return LandChoice::LandEtc;
  }
  return std::nullopt;
}

// Reads the six texts laid end to end. An unknown land choice counts as 80 G,
// the option that is on at start, rather than reading past the buffer.
KeisanInput ReadRequest() {
  std::string_view rest = RequestBuffer();
  auto take = [&rest]() {
    const std::size_t length = std::min(rest.find('\0'), rest.size());
    std::string text(rest.substr(0, length));
    rest.remove_prefix(std::min(length + 1, rest.size()));
    return text;
  };
  KeisanInput input;
  input.cboLevelBefore = take();
  input.cboLevelAfter = take();
  input.cboRensa = take();
  input.txtGofu = take();
  input.landChoice = ReadLandChoice(take()).value_or(LandChoice::Land80);
  input.txtLandEtc = take();
  return input;
}

template <typename Lines>
const char* Answer(const Lines& lines) {
  std::string& answer = AnswerBuffer();
  answer.clear();
  bool first = true;
  for (const std::string_view line : lines) {
    if (!first) {
      answer += '\n';
    }
    first = false;
    answer += line;
  }
  return answer.c_str();
}

const char* Answer(std::initializer_list<std::string_view> lines) {
  return Answer<std::initializer_list<std::string_view>>(lines);
}

}  // namespace

char* quorvel_request_buffer(unsigned long size) {
  RequestBuffer().assign(size, '\0');
  return RequestBuffer().data();
}

const char* quorvel_check(void) {
  const std::optional<quorvel::Rejection> rejection = quorvel::FindRejection(ReadRequest());
  if (!rejection) {
    return Answer({});
  }
  return Answer(
      {rejection->check.message, rejection->check.title, quorvel::FocusName(rejection->focus)});
}

const char* quorvel_question(void) {
  const std::optional<quorvel::CheckMessage> question = quorvel::LevelDownQuestion(ReadRequest());
  if (!question) {
    return Answer({});
  }
  return Answer({question->message, question->title});
}

const char* quorvel_compute(void) {
  const std::optional<quorvel::KeisanResult> result = quorvel::ComputeKeisanResult(ReadRequest());
  if (!result) {
    return Answer({});
  }
  std::array<std::string_view, quorvel::kResults.size()> lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    lines[i] = (*result).*quorvel::kResults[i].text;
  }
  return Answer(lines);
}

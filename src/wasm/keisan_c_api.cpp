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
#include "keisan_fields.h"
#include "keisan_working.h"
#include "level_table.h"

namespace {

using quorvel::KeisanInput;

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

// Reads the six texts laid end to end; missing ones are empty, rather than
// read past the buffer.
KeisanInput ReadRequest() {
  std::string_view rest = RequestBuffer();
  quorvel::FieldTexts texts;
  for (std::string_view& text : texts) {
    text = rest.substr(0, rest.find('\0'));
    rest.remove_prefix(std::min(text.size() + 1, rest.size()));
  }
  return quorvel::ReadFields(texts);
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

// The five texts of a result, or of its working, in the order of kResults.
std::array<std::string_view, quorvel::kResults.size()> InResultOrder(
    const quorvel::KeisanResult& texts) {
  std::array<std::string_view, quorvel::kResults.size()> lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    lines.at(i) = texts.*quorvel::kResults.at(i).text;
  }
  return lines;
}

}  // namespace

char* quorvel_request_buffer(unsigned long size) {
  RequestBuffer().assign(size, '\0');
  return RequestBuffer().data();
}

const char* quorvel_fields(void) { return Answer(quorvel::kInputFields); }

const char* quorvel_results(void) {
  std::array<std::string_view, quorvel::kResults.size()> names;
  for (std::size_t i = 0; i < names.size(); ++i) {
    names[i] = quorvel::kResults[i].name;
  }
  return Answer(names);
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
  return Answer({question->message, question->title, quorvel::FocusName(quorvel::kFocusAfterNo)});
}

const char* quorvel_compute(void) {
  const std::optional<quorvel::KeisanResult> result = quorvel::ComputeKeisanResult(ReadRequest());
  return result ? Answer(InResultOrder(*result)) : Answer({});
}

const char* quorvel_working(void) {
  const std::optional<quorvel::KeisanWorking> working = quorvel::ExplainKeisan(ReadRequest());
  return working ? Answer(InResultOrder(working->lines)) : Answer({});
}

const char* quorvel_summary(void) {
  const std::optional<quorvel::KeisanWorking> working = quorvel::ExplainKeisan(ReadRequest());
  return Answer({working ? std::string_view(working->summary) : std::string_view()});
}

const char* quorvel_levels(void) {
  std::string& answer = AnswerBuffer();
  answer.clear();
  quorvel::ForEachLevel(ReadRequest(), [&answer](const quorvel::LevelRow& row) {
    answer += answer.empty() ? "" : "\n";
    answer += row.cboLevelAfter;
    answer += '\t';
    answer += row.change;
    answer += row.falls ? "\t1" : "\t";
    for (const std::string_view text : InResultOrder(row.result)) {
      answer += '\t';
      answer += text;
    }
  });
  return answer.c_str();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_fields.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "calc_result.h"

namespace quorvel {
namespace {

// Where a field stands among the texts; for a name not in the list, at()
// runs past the end and fails the build.
consteval std::size_t Field(std::string_view name) {
  std::size_t index = 0;
  while (kInputFields.at(index) != name) {
    ++index;
  }
  return index;
}

}  // namespace

KeisanInput ReadFields(std::span<const std::string_view, kInputFields.size()> texts) {
  KeisanInput input{.cboLevelBefore = std::string(texts[Field("cboLevelBefore")]),
                    .cboLevelAfter = std::string(texts[Field("cboLevelAfter")]),
                    .cboRensa = std::string(texts[Field("cboRensa")]),
                    .txtGofu = std::string(texts[Field("txtGofu")]),
                    .txtLandEtc = std::string(texts[Field("txtLandEtc")])};
  input.landChoice = LandChoiceNamed(texts[Field(kLandGroup)]).value();
  return input;
}

std::vector<std::string> WidestResultTexts() {
  std::vector<std::string> texts;
  for (const FieldTexts& request : kWidestRequests) {
    const KeisanResult result = ComputeKeisanResult(ReadFields(request)).value();
    std::transform(kResults.begin(), kResults.end(), std::back_inserter(texts),
                   [&result](const ResultField& field) { return result.*field.text; });
  }
  return texts;
}

}  // namespace quorvel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "keisan_fields.h"

#include <string>

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
  const std::string_view choice = texts[Field("landChoice")];
  if (choice == "Land100") {
    input.landChoice = LandChoice::Land100;
  } else if (choice == "LandEtc") {
    input.landChoice = LandChoice::LandEtc;
  }
  return input;
}

}  // namespace quorvel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "version_text.h"

namespace quorvel {
namespace {

std::string SignedNumber(int value) {
  std::string text = value < 0 ? "" : " ";
  text += std::to_string(value);
  return text;
}

}  // namespace

std::string VersionText(int major, int minor, int revision) {
  std::string text = "Quorvel Ver";
  for (const int number : {major, minor, revision}) {
    text += SignedNumber(number);
    text += '.';
  }
  return text;
}

}  // namespace quorvel

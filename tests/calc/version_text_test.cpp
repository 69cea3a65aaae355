// SPDX-License-Identifier: GPL-3.0-or-later
#include "version_text.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(VersionText, SignedDecimalsWithoutPadding) {
  const struct {
    int major;
    int minor;
    int revision;
    const char* text;
  } rows[] = {
      {1, 0, 1, "Quorvel Ver 1. 0. 1."},
      {1, 10, 1, "Quorvel Ver 1. 10. 1."},
      {12, 0, 345, "Quorvel Ver 12. 0. 345."},
      {-1, 0, -20, "Quorvel Ver-1. 0.-20."},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(VersionText(row.major, row.minor, row.revision), row.text) << row.text;
  }
}

}  // namespace
}  // namespace quorvel

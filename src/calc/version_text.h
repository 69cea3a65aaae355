// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace quorvel {

// The caption of the version bar, formed from the three version numbers, each
// written as a signed decimal: a blank stands where a minus sign would.
std::string VersionText(int major, int minor, int revision);

}  // namespace quorvel

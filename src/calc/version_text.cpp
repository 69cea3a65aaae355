#include "version_text.h"

namespace quorvel {
namespace {

std::string SignedNumber(int value) {
  return (value < 0 ? "" : " ") + std::to_string(value);
}

}  // namespace

std::string VersionText(int major, int minor, int revision) {
  return "Quorvel Ver" + SignedNumber(major) + "." + SignedNumber(minor) + "." +
         SignedNumber(revision) + ".";
}

}  // namespace quorvel

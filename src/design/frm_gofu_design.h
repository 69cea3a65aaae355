// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "keisan_records.h"
#include "level_text.h"

// The design names its controls and procedures in romaji, kept as they are:
//   keisan  計算  calculation: the 計算 button (cmdKeisan), the request it starts
//   gofu    護符  talisman: the window (frmGofu), the count held (txtGofu)
//   kati    価値  value: one talisman's value (lblGofukatiVal)
//   shoji   所持  held: the magic power the player holds (lblShojiVal)
//   rensa   連鎖  chain: the chain count (cboRensa)
//   goukei  合計  total: the total change in magic power (lblGoukeiVal)
//   kekka   結果  result: the heading over the five results (lblKekka)
//   mai     枚    the counter for talismans (lblMai)
// English words fill in the rest: Land (土地), Gain (変動, a change), Etc
// (その他, the base value typed in), Val (the box that shows a value),
// Before and After (the level before and after). A name's prefix is its
// kind: frm a window, frame a frame, lbl (and lbe, one label the design
// spells so) a label, opt an option, txt a text box, cbo a list, cmd a
// button. Numbered labels (lblLevel01 ...) are the captions around a list,
// in reading order.

// The window's design, once, as plain data: what every front end builds
// (the window, the web page) and what their tests measure against. Places
// and sizes are in twips, 1/1440 inch: 15 to a pixel at 96 dpi.
namespace quorvel::design {

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

enum class Kind { Label, Frame, Option, TextBox, List, Button };
enum class Align { Left, Centre, Right };
// What a label is to its reader, whatever it looks like: a front end picks
// its element, and the page its tag, by this alone.
enum class Role { Caption, Heading, Result, VersionBar };

// The design's colours: the headings' and the version bar's backgrounds,
// and the one fixed text colour.
inline constexpr Rgb kLightYellow{255, 255, 128};
inline constexpr Rgb kLightOrange{255, 192, 128};
inline constexpr Rgb kLightGreen{128, 255, 128};
inline constexpr Rgb kLightBlue{128, 128, 255};
inline constexpr Rgb kBlack{0, 0, 0};

// The level items are the core's, which reads them and lists their rows.
inline constexpr const auto& kLevels = kLevelItems;
inline constexpr std::array<std::string_view, 5> kChains{"  1", "  2", "  3", "  4", " 5～"};

// One control of the window, as the design describes it. The table lists
// them in reading order, which is also the order screen readers meet them.
struct Control {
  std::string_view name;
  Kind kind;
  std::string_view text;  // caption, or the first text of a box
  TwipsRect rect;         // in its container
  // The design's tab index, 0 to N - 1 for N controls, each once. Only the places of the
  // controls that take the focus decide where Tab goes; labels and the
  // frame keep theirs as the design numbers them.
  int tab;
  Role role = Role::Caption;     // labels only
  std::string_view container{};  // empty: the window's client area
  Align align = Align::Left;
  bool boxed = false;     // a single line around it
  bool autoSize = false;  // as wide as its caption, never narrower than the design
  std::optional<Rgb> background{};
  std::optional<Rgb> textColour{};
  bool on = false;   // an option that is on at start
  int maxChars = 0;  // a text box's limit
  std::span<const std::string_view> items{};
  int selected = -1;  // the list item chosen at start
  // The controls whose captions, in this order, name this one to a screen
  // reader; for a list, the captions on either side of its value.
  std::array<std::string_view, 3> nameParts{};
};

// clang-format off
inline constexpr std::array<Control, 34> kControls{{
    {.name = "lblLand", .kind = Kind::Label, .text = "レベルアップする土地の情報", .rect = {120, 240, 4680, 180}, .tab = 12, .role = Role::Heading, .align = Align::Centre, .background = kLightYellow},
    {.name = "frameLand", .kind = Kind::Frame, .text = "基本価値", .rect = {120, 600, 2295, 1215}, .tab = 1},
    {.name = "optLand80", .kind = Kind::Option, .text = "80 G", .rect = {120, 360, 975, 180}, .tab = 2, .container = "frameLand", .on = true},
    {.name = "optLand100", .kind = Kind::Option, .text = "100 G", .rect = {1200, 330, 855, 255}, .tab = 3, .container = "frameLand"},
    {.name = "optLandEtc", .kind = Kind::Option, .text = "その他→", .rect = {120, 735, 1095, 255}, .tab = 4, .container = "frameLand"},
    {.name = "txtLandEtc", .kind = Kind::TextBox, .text = "50", .rect = {1200, 720, 495, 270}, .tab = 5, .container = "frameLand", .align = Align::Right, .maxChars = 3, .nameParts = {"frameLand", "optLandEtc", "lblG"}},
    {.name = "lblG", .kind = Kind::Label, .text = "G", .rect = {1800, 765, 90, 180}, .tab = 0, .container = "frameLand", .autoSize = true},
    {.name = "lblLevel01", .kind = Kind::Label, .text = "レベル", .rect = {2640, 960, 540, 180}, .tab = 15, .autoSize = true},
    {.name = "cboLevelBefore", .kind = Kind::List, .text = "", .rect = {3240, 900, 735, 300}, .tab = 6, .items = kLevels, .selected = 0, .nameParts = {"lblLevel01", "lbeLevel02"}},
    {.name = "lbeLevel02", .kind = Kind::Label, .text = "から", .rect = {4080, 960, 360, 180}, .tab = 16, .autoSize = true},
    {.name = "lblLevel03", .kind = Kind::Label, .text = "レベル", .rect = {2640, 1380, 540, 180}, .tab = 17, .autoSize = true},
    {.name = "cboLevelAfter", .kind = Kind::List, .text = "", .rect = {3240, 1320, 735, 300}, .tab = 7, .items = kLevels, .selected = 3, .nameParts = {"lblLevel03", "lblLevel04"}},
    {.name = "lblLevel04", .kind = Kind::Label, .text = "にアップ", .rect = {4080, 1380, 720, 180}, .tab = 18, .autoSize = true},
    {.name = "lblRensa", .kind = Kind::Label, .text = "連鎖数", .rect = {120, 2040, 2895, 180}, .tab = 14, .role = Role::Heading, .align = Align::Centre, .background = kLightOrange},
    {.name = "lblGofu", .kind = Kind::Label, .text = "護符枚数", .rect = {3120, 2040, 855, 180}, .tab = 13, .role = Role::Heading, .align = Align::Centre, .background = kLightOrange},
    {.name = "lblRensa01", .kind = Kind::Label, .text = "上記の土地を含めて", .rect = {120, 2400, 1620, 180}, .tab = 21, .autoSize = true},
    {.name = "cboRensa", .kind = Kind::List, .text = "", .rect = {1800, 2340, 735, 300}, .tab = 8, .items = kChains, .selected = 2, .nameParts = {"lblRensa01", "lblRensa02"}},
    {.name = "lblRensa02", .kind = Kind::Label, .text = "連鎖", .rect = {2640, 2400, 360, 180}, .tab = 20, .autoSize = true},
    {.name = "txtGofu", .kind = Kind::TextBox, .text = "50", .rect = {3120, 2355, 495, 270}, .tab = 9, .align = Align::Right, .maxChars = 3, .nameParts = {"lblGofu"}},
    {.name = "lblMai", .kind = Kind::Label, .text = "枚", .rect = {3720, 2400, 180, 180}, .tab = 19, .autoSize = true},
    {.name = "cmdKeisan", .kind = Kind::Button, .text = "計算", .rect = {4080, 2040, 735, 615}, .tab = 10},
    {.name = "lblKekka", .kind = Kind::Label, .text = "レベルアップの結果", .rect = {120, 2880, 4680, 180}, .tab = 23, .role = Role::Heading, .align = Align::Centre, .background = kLightGreen},
    {.name = "lblShoji", .kind = Kind::Label, .text = "所持魔力変動", .rect = {120, 3270, 1080, 180}, .tab = 25, .autoSize = true},
    {.name = "lblShojiVal", .kind = Kind::Label, .text = "", .rect = {1440, 3240, 855, 255}, .tab = 29, .role = Role::Result, .align = Align::Right, .boxed = true, .nameParts = {"lblShoji"}},
    {.name = "lblLandGain", .kind = Kind::Label, .text = "土地価値変動", .rect = {2745, 3270, 1080, 180}, .tab = 31, .autoSize = true},
    {.name = "lblLandGainVal", .kind = Kind::Label, .text = "", .rect = {3960, 3240, 855, 255}, .tab = 32, .role = Role::Result, .align = Align::Right, .boxed = true, .nameParts = {"lblLandGain"}},
    {.name = "lblGofukati", .kind = Kind::Label, .text = "護符価値変動", .rect = {120, 3720, 1080, 180}, .tab = 22, .autoSize = true},
    {.name = "lblGofukatiVal", .kind = Kind::Label, .text = "", .rect = {1440, 3690, 855, 255}, .tab = 27, .role = Role::Result, .align = Align::Right, .boxed = true, .textColour = kBlack, .nameParts = {"lblGofukati"}},
    {.name = "lblGofuGain", .kind = Kind::Label, .text = "護符魔力変動", .rect = {2745, 3720, 1080, 180}, .tab = 24, .autoSize = true},
    {.name = "lblGofuGainVal", .kind = Kind::Label, .text = "", .rect = {3960, 3690, 855, 255}, .tab = 28, .role = Role::Result, .align = Align::Right, .boxed = true, .nameParts = {"lblGofuGain"}},
    {.name = "lblGoukei", .kind = Kind::Label, .text = "総魔力変動", .rect = {300, 4230, 900, 180}, .tab = 26, .autoSize = true},
    {.name = "lblGoukeiVal", .kind = Kind::Label, .text = "", .rect = {1440, 4200, 855, 255}, .tab = 30, .role = Role::Result, .align = Align::Right, .boxed = true, .nameParts = {"lblGoukei"}},
    {.name = "cmdEnd", .kind = Kind::Button, .text = "終了", .rect = {3960, 4200, 855, 375}, .tab = 11},
    {.name = "lblVersion", .kind = Kind::Label, .text = "", .rect = {120, 4800, 4695, 255}, .tab = 33, .role = Role::VersionBar, .align = Align::Centre, .boxed = true, .background = kLightBlue},
}};
// clang-format on

// The client area, below the title bar.
inline constexpr int kClientWidth = 5085;
inline constexpr int kClientHeight = 5295;

// The font the design is drawn in, then what stands in for it where it is
// missing: the monospaced gothics first, proportional ones last.
inline constexpr int kFontPoints = 9;
inline constexpr std::array<std::string_view, 14> kFontFamilies{
    "ＭＳ ゴシック", "MS Gothic",       "BIZ UDゴシック",        "BIZ UDGothic",
    "IPAGothic",     "IPAゴシック",     "Noto Sans Mono CJK JP", "VL Gothic",
    "VL ゴシック",   "TakaoGothic",     "Takaoゴシック",         "游ゴシック",
    "Yu Gothic",     "Noto Sans CJK JP"};

constexpr std::size_t IndexOf(std::string_view name) {
  return static_cast<std::size_t>(std::ranges::find(kControls, name, &Control::name) -
                                  kControls.begin());
}

// The control of that name. A name the table lacks throws, and fails the
// build where the lookup is a constant expression.
constexpr const Control& Find(std::string_view name) { return kControls.at(IndexOf(name)); }

// Find for a name written in the code, checked as it compiles.
consteval const Control& Named(std::string_view name) { return Find(name); }

// The controls a user tabs to; labels and the frame only show.
constexpr bool TakesFocus(const Control& control) {
  return control.kind != Kind::Label && control.kind != Kind::Frame;
}

// The table checks itself as it compiles, so that a slip in it is a build
// error rather than a stray window or a dead key at run time.
constexpr bool EveryNameKnown() {
  return std::ranges::all_of(kControls, [](const Control& control) {
    return std::ranges::all_of(control.nameParts, [](const std::string_view& part) {
      return part.empty() || IndexOf(part) < kControls.size();
    });
  });
}
static_assert(EveryNameKnown(), "a control is named after one the table lacks");

// A front end creates the controls in the table's order, so a container
// must come before what it holds.
constexpr bool ContainersFirst() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const std::string_view container = kControls[i].container;
    if (!container.empty() && (IndexOf(container) >= i || Find(container).kind != Kind::Frame)) {
      return false;
    }
  }
  return true;
}
static_assert(ContainersFirst(), "a control is listed before its frame, or in no frame");

// The page tabs in the order of its elements, which is the table's: so the
// controls that take the focus must be listed in their tab order, each with
// a place of its own.
constexpr bool TabOrderIsReadingOrder() {
  int last = 0;
  for (const Control& control : kControls) {
    if (TakesFocus(control)) {
      if (control.tab <= last) {
        return false;
      }
      last = control.tab;
    }
  }
  return true;
}
static_assert(TabOrderIsReadingOrder(),
              "two controls share a tab place, or tab out of reading order");

// The tab places are the design's numbering: 0 to N - 1, each once.
constexpr bool TabPlacesNumberTheControls() {
  std::array<bool, kControls.size()> taken{};
  for (const Control& control : kControls) {
    const auto place = static_cast<std::size_t>(control.tab);
    if (control.tab < 0 || place >= taken.size() || taken.at(place)) {
      return false;
    }
    taken.at(place) = true;
  }
  return true;
}
static_assert(TabPlacesNumberTheControls(), "a tab place is out of range or taken twice");

// The pairs of controls that the design draws over each other, each pair
// once: the その他 option's caption runs under the box it points at.
inline constexpr std::array<std::array<std::string_view, 2>, 1> kOverlapping{{
    {"optLandEtc", "txtLandEtc"},
}};

constexpr bool Overlap(const TwipsRect& a, const TwipsRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

constexpr bool DeclaredOverlap(std::string_view a, std::string_view b) {
  return std::ranges::any_of(kOverlapping, [&](const std::array<std::string_view, 2>& pair) {
    return (pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a);
  });
}

// Every control lies inside its container (the frame, or the client area),
// and none covers another in the same container but a declared pair.
constexpr bool ControlsStandApart() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const Control& a = kControls.at(i);
    const TwipsRect room = a.container.empty() ? TwipsRect{0, 0, kClientWidth, kClientHeight}
                                               : TwipsRect{0, 0, Find(a.container).rect.width,
                                                           Find(a.container).rect.height};
    if (a.rect.left < 0 || a.rect.top < 0 || a.rect.left + a.rect.width > room.width ||
        a.rect.top + a.rect.height > room.height) {
      return false;
    }
    for (std::size_t j = i + 1; j < kControls.size(); ++j) {
      const Control& b = kControls.at(j);
      if (a.container == b.container &&
          Overlap(a.rect, b.rect) != DeclaredOverlap(a.name, b.name)) {
        return false;
      }
    }
  }
  return true;
}
static_assert(ControlsStandApart(),
              "a control leaves its container, covers another, or a declared pair stands apart");

// An option control stands for the base value of the core's name: its own
// name without "opt". Every option names one, every one has its option, and
// exactly one is on at start: with none, 計算 would find no base value.
constexpr std::string_view LandNameOf(const Control& option) { return option.name.substr(3); }

constexpr bool OptionsAreTheCoresChoices() {
  std::size_t options = 0;
  std::size_t on = 0;
  for (const Control& control : kControls) {
    if (control.kind == Kind::Option) {
      ++options;
      on += control.on ? 1 : 0;
      if (!control.name.starts_with("opt") || !LandChoiceNamed(LandNameOf(control))) {
        return false;
      }
    }
  }
  return options == kLandOptions.size() && on == 1;
}
static_assert(OptionsAreTheCoresChoices(),
              "an option is no base value of the core's, a base value has no option, or not "
              "exactly one option is on");

// The control that has the focus when the window opens: the first tab stop.
constexpr const Control& StartFocus() { return *std::ranges::find_if(kControls, TakesFocus); }

// What a screen reader calls a control: its parts' captions joined by a
// blank, without the arrow that only points at the box ("その他→").
inline std::string AccessibleName(const Control& control) {
  std::string name;
  for (std::string_view part : control.nameParts) {
    if (part.empty()) {
      continue;
    }
    std::string_view text = Find(part).text;
    constexpr std::string_view kArrow = "→";
    if (text.ends_with(kArrow)) {
      text.remove_suffix(kArrow.size());
    }
    if (!name.empty()) {
      name += ' ';
    }
    name += text;
  }
  return name;
}

}  // namespace quorvel::design

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes what the web page takes from the window's tables, so that the page
// shows the window's controls, texts, items, places and colours without a
// copy of them:
//   page_export PAGE_JSON DESIGN_CSS
//   page_export --json     the table for the page's tests, on stdout
// PAGE_JSON holds the texts that fill the page's @NAME@ places: FORM, whose
// elements carry the controls' names as ids, THEME_COLOUR, DESCRIPTION
// (the project's, from project()), and the dialog buttons OK, YES and NO
// with the keys YES_KEY and NO_KEY.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "frm_gofu_design.h"
#include "keisan_fields.h"
#include "standard_texts.h"
#include "version_text.h"

namespace {

using quorvel::design::Align;
using quorvel::design::Control;
using quorvel::design::kControls;
using quorvel::design::Kind;
using quorvel::design::Role;

// a + b; the operator's inlined copies trip a false -Wrestrict in GCC 12.
std::string Concat(std::string_view a, std::string_view b) {
  std::string joined;
  joined.reserve(a.size() + b.size());
  joined.append(a);
  joined.append(b);
  return joined;
}

std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// A caption that names a result box is a <label> for it.
std::string_view LabelledResult(const Control& caption) {
  const auto* result = std::ranges::find_if(kControls, [&caption](const Control& control) {
    return control.role == Role::Result && control.nameParts.front() == caption.name;
  });
  return result != kControls.end() ? result->name : std::string_view();
}

std::string Ids(const Control& control) {
  std::string ids;
  for (std::string_view part : control.nameParts) {
    if (!part.empty()) {
      if (!ids.empty()) {
        ids += ' ';
      }
      ids += part;
    }
  }
  return ids;
}

void WriteControl(std::ostream& out, const Control& control, std::string_view indent);

// In the table's order, which the table asserts is the tab order: the page
// needs no tabindex.
void WriteChildren(std::ostream& out, std::string_view container, std::string_view indent) {
  for (const Control& control : kControls) {
    if (control.container == container) {
      WriteControl(out, control, indent);
    }
  }
}

// An element's opening tag: its attributes, each value escaped.
std::string Tag(std::string_view element,
                std::initializer_list<std::pair<std::string_view, std::string>> attributes) {
  std::string tag = Concat("<", element);
  for (const auto& [name, value] : attributes) {
    tag += ' ';
    tag += name;
    tag += R"(=")";
    tag += Escape(value);
    tag += '"';
  }
  tag += '>';
  return tag;
}

void WriteControl(std::ostream& out, const Control& control, std::string_view indent) {
  const std::string id(control.name);
  const std::string text = Escape(control.text);
  out << indent;
  switch (control.kind) {
    case Kind::Frame:
      out << Tag("fieldset", {{"id", id}, {"class", "c"}}) << '\n'
          << indent << "  " << Tag("legend", {{"id", Concat(id, "Caption")}}) << text
          << "</legend>\n";
      WriteChildren(out, control.name, Concat(indent, "  "));
      out << indent << "</fieldset>\n";
      return;
    case Kind::Option: {
      // The group and the value are what the core reads the choice by.
      std::string input =
          Tag("input", {{"type", "radio"},
                        {"id", id},
                        {"name", std::string(quorvel::kLandGroup)},
                        {"value", std::string(quorvel::design::LandNameOf(control))}});
      if (control.on) {
        input.insert(input.size() - 1, " checked");
      }
      out << Tag("label", {{"id", Concat(id, "Label")}, {"class", "c option"}}) << input
          << Tag("span", {{"id", Concat(id, "Caption")}}) << text << "</span></label>\n";
      return;
    }
    case Kind::TextBox:
      out << Tag("input", {{"type", "text"},
                           {"id", id},
                           {"class", "c box"},
                           {"value", std::string(control.text)},
                           {"maxlength", std::to_string(control.maxChars)},
                           {"inputmode", "numeric"},
                           {"autocomplete", "off"},
                           {"autocorrect", "off"},
                           {"autocapitalize", "off"},
                           {"spellcheck", "false"},
                           {"aria-label", quorvel::design::AccessibleName(control)}})
          << '\n';
      return;
    case Kind::List: {
      out << Tag("select", {{"id", id}, {"class", "c list"}, {"aria-labelledby", Ids(control)}})
          << '\n'
          << indent << "  ";
      int index = 0;
      for (std::string_view item : control.items) {
        std::string option = Tag("option", {{"value", std::string(item)}});
        if (index++ == control.selected) {
          option.insert(option.size() - 1, " selected");
        }
        out << option << Escape(item) << "</option>";
      }
      out << '\n' << indent << "</select>\n";
      return;
    }
    case Kind::Button:
      out << Tag("button", {{"type", "button"}, {"id", id}, {"class", "c"}}) << text
          << "</button>\n";
      return;
    case Kind::Label:
      break;
  }
  switch (control.role) {
    case Role::Result:
      out << Tag("output", {{"id", id}, {"class", "c result"}, {"aria-live", "off"}})
          << "</output>\n";
      return;
    case Role::VersionBar:
      out << Tag("p", {{"id", id}, {"class", "c"}})
          << Escape(quorvel::VersionText(QUORVEL_VERSION_MAJOR, QUORVEL_VERSION_MINOR,
                                         QUORVEL_VERSION_REVISION))
          << "</p>\n";
      return;
    case Role::Heading:
      out << Tag("h2", {{"id", id}, {"class", "c heading"}}) << text << "</h2>\n";
      return;
    case Role::Caption:
      break;
  }
  if (const std::string_view result = LabelledResult(control); !result.empty()) {
    out << Tag("label", {{"id", id}, {"class", "c auto"}, {"for", std::string(result)}}) << text
        << "</label>\n";
  } else {
    out << Tag("span", {{"id", id}, {"class", control.autoSize ? "c auto" : "c"}}) << text
        << "</span>\n";
  }
}

std::string Hex(const quorvel::design::Rgb& rgb) {
  std::string hex = "#";
  for (const int part : {rgb.red, rgb.green, rgb.blue}) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    hex += kDigits[part / 16];
    hex += kDigits[part % 16];
  }
  return hex;
}

// The element that stands at the control's rectangle: an option's whole
// label, caption included.
std::string Box(const Control& control) {
  return Concat(control.name, control.kind == Kind::Option ? "Label" : "");
}

void WriteCss(std::ostream& out) {
  out << "/* The window's design, from its table: the client area, the font,\n"
         "   and each control's rectangle in twips, grid area and colours. */\n"
      << ":root {\n  --client-width: " << quorvel::design::kClientWidth
      << ";\n  --client-height: " << quorvel::design::kClientHeight << ";\n  font-family: ";
  for (std::string_view family : quorvel::design::kFontFamilies) {
    out << '"' << family << "\", ";
  }
  out << "monospace;\n}\n\n";
  for (const Control& control : kControls) {
    const auto& rect = control.rect;
    // The grid area a layout in the hand puts the control in is named after
    // it; the window's own layout places it by its rectangle.
    out << '#' << Box(control) << " { --l: " << rect.left << "; --t: " << rect.top
        << "; --w: " << rect.width << "; --h: " << rect.height << "; grid-area: " << control.name
        << ';';
    if (control.background) {
      out << " background: " << Hex(*control.background) << ';';
    }
    // Boxes align their text by text-align, labels (flex boxes) by justify-content.
    if (control.align == Align::Right) {
      out << " text-align: right; justify-content: flex-end;";
    } else if (control.align == Align::Centre) {
      out << " text-align: center; justify-content: center;";
    }
    if (control.textColour) {
      out << " color: var(--fixed-text);";
    }
    out << " }\n";
  }
}

std::string JsonText(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
    }
    out += c;
  }
  out += '"';
  return out;
}

// The requests whose results are the widest, for the page to fit its font.
std::string Widest() {
  std::string json = "[";
  for (const quorvel::FieldTexts& request : quorvel::kWidestRequests) {
    json += json.size() > 1 ? ",{" : "{";
    for (std::size_t i = 0; i < request.size(); ++i) {
      json += JsonText(quorvel::kInputFields.at(i)) + ':' + JsonText(request.at(i));
      json += i + 1 < request.size() ? "," : "}";
    }
  }
  return json + ']';
}

// The version bar, whose colour the browser's and the installed page's bars take.
const Control& VersionBar() {
  return *std::ranges::find(kControls, Role::VersionBar, &Control::role);
}

// A standard button's text without its mnemonic, "はい" for "はい(&Y)", and
// the mnemonic's key, "y", which the page's dialog answers to.
std::pair<std::string, std::string> Button(std::string_view source) {
  std::string_view text =
      std::ranges::find(quorvel::kStandardTexts, source, &quorvel::StandardText::source)->japanese;
  const std::size_t mnemonic = text.find("(&");
  if (mnemonic == std::string_view::npos) {
    return {std::string(text), ""};
  }
  const auto key = static_cast<unsigned char>(text.at(mnemonic + 2));
  return {std::string(text.substr(0, mnemonic)),
          std::string(1, static_cast<char>(std::tolower(key)))};
}

// What the tests measure the page against, and feed it: each control's
// element, its container and rectangle, a list's items and an option's
// value, and the client area.
void WriteJson(std::ostream& out) {
  out << "{\"client\": [" << quorvel::design::kClientWidth << ", " << quorvel::design::kClientHeight
      << "], \"controls\": [\n";
  const char* separator = "";
  for (const Control& control : kControls) {
    const auto& rect = control.rect;
    out << separator << "  {\"name\": " << JsonText(control.name)
        << ", \"box\": " << JsonText(Box(control))
        << ", \"container\": " << JsonText(control.container) << ", \"rect\": [" << rect.left
        << ", " << rect.top << ", " << rect.width << ", " << rect.height
        << "], \"autoSize\": " << (control.autoSize ? "true" : "false") << ", \"items\": [";
    for (std::size_t i = 0; i < control.items.size(); ++i) {
      out << (i == 0 ? "" : ", ") << JsonText(control.items[i]);
    }
    out << "], \"value\": "
        << JsonText(control.kind == Kind::Option ? quorvel::design::LandNameOf(control) : "")
        << '}';
    separator = ",\n";
  }
  out << "\n]}\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::span<char*> args(argv, static_cast<std::size_t>(argc));
  if (args.size() == 2 && std::string_view(args[1]) == "--json") {
    WriteJson(std::cout);
    return 0;
  }
  if (args.size() != 3) {
    std::cerr << "usage: page_export PAGE_JSON DESIGN_CSS | --json\n";
    return 2;
  }
  std::ostringstream form;
  std::string tag =
      Tag("form", {{"id", "frmGofu"},
                   {"autocomplete", "off"},
                   {"data-widest", Widest()},
                   {"data-start-focus", std::string(quorvel::design::StartFocus().name)}});
  tag.insert(tag.find(' ', tag.find("autocomplete")), " novalidate");
  form << tag << '\n';
  WriteChildren(form, {}, "  ");
  form << "</form>";
  std::ofstream page(args[1]);
  page << "{\"FORM\": " << JsonText(form.str())
       << ",\n \"THEME_COLOUR\": " << JsonText(Hex(*VersionBar().background))
       << ",\n \"DESCRIPTION\": " << JsonText(QUORVEL_DESCRIPTION)
       << ",\n \"OK\": " << JsonText(Button("OK").first);
  for (const auto& [place, source] : {std::pair{"YES", "&Yes"}, std::pair{"NO", "&No"}}) {
    const auto [text, key] = Button(source);
    page << ",\n \"" << place << "\": " << JsonText(text) << ",\n \"" << place
         << "_KEY\": " << JsonText(key);
  }
  page << "}\n";
  std::ofstream css(args[2]);
  WriteCss(css);
  return page && css ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the web page's form and its geometry from the window's design
// table, so that the page shows the window's controls, texts, items and
// places without a copy of them:
//   page_export FORM_HTML DESIGN_CSS
//   page_export --json     the table for the page's tests, on stdout
// The form's elements carry the controls' names as ids; the version bar
// keeps @VERSION_TEXT@ for the site's assembly to fill.
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "frm_gofu_design.h"

namespace {

using quorvel::design::Align;
using quorvel::design::Control;
using quorvel::design::kControls;
using quorvel::design::Kind;

std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A caption that names a result box is a <label> for it.
std::string_view LabelledResult(const Control& caption) {
  for (const Control& control : kControls) {
    if (control.kind == Kind::Label && control.boxed && control.nameParts.front() == caption.name) {
      return control.name;
    }
  }
  return {};
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

void WriteChildren(std::ostream& out, std::string_view container, std::string_view indent) {
  for (const Control& control : kControls) {
    if (control.container == container) {
      WriteControl(out, control, indent);
    }
  }
}

void WriteControl(std::ostream& out, const Control& control, std::string_view indent) {
  const std::string id(control.name);
  const std::string text = Escape(control.text);
  out << indent;
  switch (control.kind) {
    case Kind::Frame:
      out << "<fieldset id=\"" << id << "\" class=\"c\">\n"
          << indent << "  <legend id=\"" << id << "Caption\">" << text << "</legend>\n";
      WriteChildren(out, control.name, std::string(indent) + "  ");
      out << indent << "</fieldset>\n";
      return;
    case Kind::Option:
      // The value is what the core calls the choice: the name without "opt".
      out << "<label id=\"" << id << "Label\" class=\"c option\"><input type=\"radio\" id=\"" << id
          << "\" name=\"landChoice\" value=\"" << id.substr(3) << '"' << (control.on ? " checked" : "")
          << "><span id=\"" << id << "Caption\">" << text << "</span></label>\n";
      return;
    case Kind::TextBox:
      out << "<input type=\"text\" id=\"" << id << "\" class=\"c box\" value=\"" << text
          << "\" maxlength=\"" << control.maxChars
          << "\" inputmode=\"numeric\" autocomplete=\"off\" autocorrect=\"off\" "
             "autocapitalize=\"off\" spellcheck=\"false\" aria-label=\""
          << Escape(quorvel::design::AccessibleName(control)) << "\">\n";
      return;
    case Kind::List: {
      out << "<select id=\"" << id << "\" class=\"c list\" aria-labelledby=\"" << Ids(control)
          << "\">\n"
          << indent << "  ";
      int index = 0;
      for (std::string_view item : control.items) {
        const std::string value = Escape(item);
        out << "<option value=\"" << value << '"' << (index++ == control.selected ? " selected" : "")
            << '>' << value << "</option>";
      }
      out << '\n' << indent << "</select>\n";
      return;
    }
    case Kind::Button:
      out << "<button type=\"button\" id=\"" << id << "\" class=\"c\">" << text << "</button>\n";
      return;
    case Kind::Label:
      break;
  }
  if (control.boxed && control.align == Align::Right) {
    out << "<output id=\"" << id << "\" class=\"c result\" aria-live=\"off\"></output>\n";
  } else if (control.boxed) {
    out << "<p id=\"" << id << "\" class=\"c\">@VERSION_TEXT@</p>\n";
  } else if (control.background) {
    out << "<h2 id=\"" << id << "\" class=\"c heading\">" << text << "</h2>\n";
  } else if (const std::string_view result = LabelledResult(control); !result.empty()) {
    out << "<label id=\"" << id << "\" class=\"c auto\" for=\"" << result << "\">" << text
        << "</label>\n";
  } else {
    out << "<span id=\"" << id << "\" class=\"c" << (control.autoSize ? " auto" : "") << "\">"
        << text << "</span>\n";
  }
}

// The element that stands at the control's rectangle: an option's whole
// label, caption included.
std::string Box(const Control& control) {
  return std::string(control.name) + (control.kind == Kind::Option ? "Label" : "");
}

void WriteCss(std::ostream& out) {
  out << "/* The window's design, from its table: the client area, the font,\n"
         "   and each control's rectangle in twips and colours. */\n"
      << ":root {\n  --client-width: " << quorvel::design::kClientWidth
      << ";\n  --client-height: " << quorvel::design::kClientHeight << ";\n  font-family: ";
  for (std::string_view family : quorvel::design::kFontFamilies) {
    out << '"' << family << "\", ";
  }
  out << "monospace;\n}\n\n";
  for (const Control& control : kControls) {
    const auto& rect = control.rect;
    out << '#' << Box(control) << " { --l: " << rect.left << "; --t: " << rect.top
        << "; --w: " << rect.width << "; --h: " << rect.height << ';';
    if (control.background) {
      const auto& rgb = *control.background;
      out << " background: rgb(" << int(rgb.red) << ' ' << int(rgb.green) << ' ' << int(rgb.blue)
          << ");";
    }
    if (control.textColour) {
      out << " color: var(--fixed-text);";
    }
    out << " }\n";
  }
}

// The requests whose results are the widest, for the page to fit its font.
std::string Widest() {
  std::string json = "[";
  for (const quorvel::design::Request& request : quorvel::design::kWidestRequests) {
    if (json.size() > 1) {
      json += ',';
    }
    const std::pair<std::string_view, std::string_view> fields[] = {
        {"cboLevelBefore", request.before}, {"cboLevelAfter", request.after},
        {"cboRensa", request.chain},        {"txtGofu", request.gofu},
        {"landChoice", "LandEtc"},          {"txtLandEtc", request.landEtc}};
    char separator = '{';
    for (const auto& [field, value] : fields) {
      json += separator;
      json += '"';
      json += field;
      json += "\":\"";
      json += value;
      json += '"';
      separator = ',';
    }
    json += '}';
  }
  return json + ']';
}

std::string JsonText(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
    }
    out += c;
  }
  return out + '"';
}

// What the tests measure the page against: each control's element, its
// container, rectangle and accessible name, and the client area.
void WriteJson(std::ostream& out) {
  out << "{\"client\": [" << quorvel::design::kClientWidth << ", "
      << quorvel::design::kClientHeight << "], \"controls\": [\n";
  const char* separator = "";
  for (const Control& control : kControls) {
    const auto& rect = control.rect;
    out << separator << "  {\"name\": " << JsonText(control.name) << ", \"box\": "
        << JsonText(Box(control)) << ", \"container\": " << JsonText(control.container)
        << ", \"rect\": [" << rect.left << ", " << rect.top << ", " << rect.width << ", "
        << rect.height << "], \"autoSize\": " << (control.autoSize ? "true" : "false")
        << ", \"accessibleName\": " << JsonText(quorvel::design::AccessibleName(control)) << '}';
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
    std::cerr << "usage: page_export FORM_HTML DESIGN_CSS | --json\n";
    return 2;
  }
  std::ofstream form(args[1]);
  form << "<form id=\"frmGofu\" autocomplete=\"off\" novalidate data-widest=\""
       << Escape(Widest()) << "\">\n";
  WriteChildren(form, {}, "  ");
  form << "</form>\n";
  std::ofstream css(args[2]);
  WriteCss(css);
  return form && css ? 0 : 1;
}

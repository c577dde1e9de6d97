// Writes the design's facts as one JSON object, for every file that states
// them outside the program: the launcher and metadata, the manual page, the
// read-mes, the installers, the page's site, and the checks that a file
// which must keep a copy of its own (debian/, the read-me) still agrees.
// Plain C++ against the design alone: every build runs it on the machine
// that builds, cross builds included.
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "design/About.h"
#include "design/DigitRow.h"
#include "design/FormDesign.h"
#include "design/Help.h"
#include "design/PageChrome.h"
#include "design/Presentation.h"
#include "design/Text.h"
#include "design/Twips.h"

namespace {

namespace design = trivelan::design;

std::string Quoted(std::u16string_view text) {
    std::string quoted = "\"";
    for (const char c : design::ToUtf8(text)) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const char* digits = "0123456789abcdef";
            quoted += "\\u00";
            quoted += digits[(c >> 4) & 0xF];
            quoted += digits[c & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Quoted(std::string_view ascii) { return Quoted(design::Ascii(ascii)); }

template <typename Items, typename Write>
std::string List(const Items& items, Write&& write) {
    std::string list = "[";
    for (const auto& item : items) {
        if (list.size() > 1) list += ", ";
        list += write(item);
    }
    return list + "]";
}

std::string Texts(const std::vector<std::u16string>& texts) {
    return List(texts, [](const std::u16string& text) { return Quoted(text); });
}

std::string Keys(design::Window window) {
    std::string list;
    design::ForEachKeyLine(window, [&list](std::u16string_view keys, std::u16string_view does,
                                           std::u16string_view more) {
        list += list.empty() ? "[" : ", ";
        list += "{\"keys\": " + Quoted(keys) +
                ", \"does\": " + Quoted(std::u16string(does) + std::u16string(more)) + "}";
    });
    return list + "]";
}

std::string Colour(design::Rgb rgb) {
    const char* digits = "0123456789abcdef";
    std::string colour = "#";
    for (const int part : {rgb.red, rgb.green, rgb.blue}) {
        colour += digits[part / 16];
        colour += digits[part % 16];
    }
    return Quoted(colour);
}

// Each control's name, its page element's id, and its place in the window's
// client area in pixels at 100 %.
std::string Controls() {
    return List(design::AllControls(), [](const design::ControlDesign& c) {
        const design::PixelRect r = design::ToPixels(design::Scale{}, design::WindowLeft(c),
                                                     design::WindowTop(c), c.width, c.height);
        return "{\"name\": " + Quoted(design::ControlName(c)) +
               ", \"id\": " + Quoted(design::ControlName(c, "_", "")) +
               ", \"left\": " + std::to_string(r.left) + ", \"top\": " + std::to_string(r.top) +
               ", \"width\": " + std::to_string(r.width) +
               ", \"height\": " + std::to_string(r.height) + ", \"text\": " + Quoted(c.text) + "}";
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: trivelan_facts OUTPUT.json\n";
        return 2;
    }
    std::ofstream out(argv[1]);
    const design::PixelRect client =
        design::ToPixels(design::Scale{}, 0, 0, design::kClientWidth, design::kClientHeight);
    out << "{\n"
        << "  \"name\": " << Quoted(trivelan::kProgramName) << ",\n"
        << "  \"title\": " << Quoted(design::kTitle) << ",\n"
        << "  \"caption\": " << Quoted(design::kCaption) << ",\n"
        << "  \"version\": " << Quoted(trivelan::kVersionText) << ",\n"
        << "  \"date\": " << Quoted(trivelan::kReleaseDate) << ",\n"
        << "  \"site\": " << Quoted(trivelan::kSite) << ",\n"
        << "  \"app_id\": " << Quoted(trivelan::kAppId) << ",\n"
        << "  \"generic_name\": " << Quoted(design::kGenericName) << ",\n"
        << "  \"summary\": " << Quoted(design::kSummary) << ",\n"
        << "  \"description\": " << Texts(design::Description()) << ",\n"
        << "  \"english_summary\": " << Quoted(design::kEnglishSummary) << ",\n"
        << "  \"english_description\": " << Texts(design::EnglishDescription()) << ",\n"
        << "  \"keys\": " << Keys(design::Window::Desktop) << ",\n"
        << "  \"page_keys\": " << Keys(design::Window::Page) << ",\n"
        << "  \"zoom_steps\": "
        << List(design::kZoomSteps, [](int step) { return std::to_string(step); }) << ",\n"
        << "  \"help_title\": " << Quoted(design::kHelpTitle) << ",\n"
        << "  \"form\": " << Quoted(design::kFormName) << ",\n"
        << "  \"window_colour\": " << Colour(design::kWindowBackground) << ",\n"
        << "  \"font_family\": " << Quoted(design::kFontFamily) << ",\n"
        << "  \"client\": {\"width\": " << client.width << ", \"height\": " << client.height
        << "},\n"
        << "  \"turn_the_phone\": " << Quoted(design::kTurnThePhone) << ",\n"
        << "  \"page_double_click_time\": " << design::kPageDoubleClickTime << ",\n"
        << "  \"controls\": " << Controls() << "\n"
        << "}\n";
    return out ? 0 : 1;
}

#include "storage/layout_settings.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "storage/ini_lines.h"
#include "storage/system_settings.h"
#include "store/cp932.h"

namespace tessel {

namespace {

// The face field holds this many bytes; font creation takes less anyway.
constexpr std::size_t kMaxFaceBytes = 255;
constexpr const char* kDefaultFace =
    "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ Ｐゴシック

// A colour as layout.ini writes it: 0xRRGGBB.
constexpr Colour Rgb(std::uint32_t rrggbb) {
    return MakeColour((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

struct NumberKey {
    std::string_view name;
    std::int32_t LayoutSettings::*field;
};

constexpr NumberKey kLayoutKeys[] = {
    {"DispSystemIcon", &LayoutSettings::DispSystemIcon},
    {"WindowBorder", &LayoutSettings::WindowBorderWidth},
    {"TitleListSpace", &LayoutSettings::TitleListSpace},
    {"TitleBarHeight", &LayoutSettings::TitleBarHeight},
    {"CloseButtonSize", &LayoutSettings::CloseButtonSize},
    {"CloseButtonMarginTop", &LayoutSettings::CloseButtonMarginTop},
    {"CloseButtonMarginRight", &LayoutSettings::CloseButtonMarginRight},
    {"CategoryHeight", &LayoutSettings::CategoryHeight},
    {"CategoryMarginLeft", &LayoutSettings::CategoryMarginLeft},
    {"CategorySpace", &LayoutSettings::CategorySpace},
    {"CategoryMouseOver", &LayoutSettings::CategoryMouseOver},
    {"BoundaryHeight", &LayoutSettings::BoundaryHeight},
    {"ListLineHeight", &LayoutSettings::ListLineHeight},
    {"ListIndentWidth", &LayoutSettings::ListIndentWidth},
    {"CheckBoxSize", &LayoutSettings::CheckBoxSize},
    {"CheckBoxMarginLeft", &LayoutSettings::CheckBoxMarginLeft},
    {"CheckBoxMarginRight", &LayoutSettings::CheckBoxMarginRight},
    {"ScrollBarWidth", &LayoutSettings::ScrollBarWidth},
};

struct FontKey {
    std::string_view name;
    FontSpec LayoutSettings::*field;
};

constexpr FontKey kFontKeys[] = {
    {"TitleBar", &LayoutSettings::titleFont},
    {"Category", &LayoutSettings::categoryFont},
    {"List", &LayoutSettings::listFont},
};

struct ColourKey {
    std::string_view name;
    Colour LayoutSettings::*field;
    Colour defaultValue;
};

// The keys with one field each; "ScrollBack", "ScrollBorder" and
// "ScrollSliderBorder" fill several and are handled apart.
constexpr ColourKey kColourKeys[] = {
    {"WindowBack", &LayoutSettings::WindowBack, Rgb(0xFFFFFF)},
    {"WindowBorder", &LayoutSettings::WindowBorderColour, Rgb(0x716F64)},
    {"TitleBack1", &LayoutSettings::TitleBack1, Rgb(0xFFE8AA)},
    {"TitleBack2", &LayoutSettings::TitleBack2, Rgb(0xFFFFFF)},
    {"TitleText", &LayoutSettings::TitleText, Rgb(0xFF8040)},
    {"TitleBorder", &LayoutSettings::TitleBorder, Rgb(0xFF8040)},
    {"NormalCategoryText", &LayoutSettings::NormalCategoryText, Rgb(0xACA899)},
    {"MouseOverCategoryText", &LayoutSettings::MouseOverCategoryText, Rgb(0xACA899)},
    {"SelectCategoryText", &LayoutSettings::SelectCategoryText, Rgb(0xFF8040)},
    {"ButtonUp", &LayoutSettings::ButtonUp, Rgb(0xFF8040)},
    {"ButtonDown", &LayoutSettings::ButtonDown, Rgb(0xFFB580)},
    {"CategoryBorder", &LayoutSettings::CategoryBorder, Rgb(0xACA899)},
    {"ListNormalText", &LayoutSettings::ListNormalText, Rgb(0x333333)},
    {"ListCheckText", &LayoutSettings::ListCheckText, Rgb(0x333333)},
    {"ListStrikeText", &LayoutSettings::ListStrikeText, Rgb(0xACA899)},
    {"ListBoldText", &LayoutSettings::ListBoldText, Rgb(0xFF0000)},
    {"ListSelectBack", &LayoutSettings::ListSelectBack, Rgb(0xFFE8AA)},
    {"ListSelectBorder", &LayoutSettings::ListSelectBorder, Rgb(0xFFE8AA)},
    {"ListFocusBorder", &LayoutSettings::ListFocusBorder, Rgb(0xFF8040)},
    {"ListCheck", &LayoutSettings::ListCheck, Rgb(0x66CC00)},
    {"ListCheckBorder", &LayoutSettings::ListCheckBorder, Rgb(0x555555)},
    {"ListCheckBack1", &LayoutSettings::ListCheckBack1, Rgb(0xFFFFFF)},
    {"ListCheckBack2", &LayoutSettings::ListCheckBack2, Rgb(0xFFFFFF)},
    {"ListSeparator", &LayoutSettings::ListSeparator, Rgb(0xACA899)},
    {"DragLine", &LayoutSettings::DragLine, Rgb(0xFF8040)},
    {"ScrollSliderBack", &LayoutSettings::ScrollSliderBack, Rgb(0xFFE8AA)},
    {"ScrollArrowUp", &LayoutSettings::ScrollArrowUp, Rgb(0x333333)},
    {"ScrollArrowDown", &LayoutSettings::ScrollArrowDown, Rgb(0xACA899)},
};

constexpr Colour kDefaultScrollBack = Rgb(0xFFFFFF);
constexpr Colour kDefaultScrollBorder = Rgb(0xACA899);
constexpr Colour kDefaultScrollSliderBorder = Rgb(0xFF8040);

void SetScrollBack(LayoutSettings& layout, Colour colour) {
    layout.ScrollTrackBack = colour;
    layout.ScrollButtonBack = colour;
}

void SetScrollBorder(LayoutSettings& layout, Colour colour) {
    std::fill(std::begin(layout.ScrollBorder), std::end(layout.ScrollBorder), colour);
}

void SetScrollSliderBorder(LayoutSettings& layout, Colour colour) {
    std::fill(std::begin(layout.ScrollSliderBorder), std::end(layout.ScrollSliderBorder), colour);
}

enum class Section { None, Layout, Font, Colour };

void ApplyLayoutKey(LayoutSettings& layout, const IniSetting& setting) {
    for (const NumberKey& key : kLayoutKeys) {
        if (setting.key == key.name) {
            layout.*key.field = ParseIniNumber(setting.value);
            return;
        }
    }
}

void ApplyFontKey(LayoutSettings& layout, const IniSetting& setting) {
    for (const FontKey& key : kFontKeys) {
        if (setting.key == key.name) {
            ParseIniFont(setting.value, layout.*key.field);
            return;
        }
    }
}

void ApplyColourKey(LayoutSettings& layout, const IniSetting& setting) {
    const Colour colour = ParseIniColour(setting.value);
    if (setting.key == "ScrollBack") {
        SetScrollBack(layout, colour);
    } else if (setting.key == "ScrollBorder") {
        SetScrollBorder(layout, colour);
    } else if (setting.key == "ScrollSliderBorder") {
        SetScrollSliderBorder(layout, colour);
    } else {
        for (const ColourKey& key : kColourKeys) {
            if (setting.key == key.name) {
                layout.*key.field = colour;
                return;
            }
        }
    }
}

}  // namespace

void SetLayoutDefaults(LayoutSettings& layout) {
    const LayoutSettings defaults;
    for (const NumberKey& key : kLayoutKeys) {
        layout.*key.field = defaults.*key.field;
    }
    layout.titleFont = FontSpec{kDefaultFace, 12, kFontBold};
    layout.categoryFont = FontSpec{kDefaultFace, 12, 0};
    layout.listFont = FontSpec{kDefaultFace, 12, 0};
    layout.TitleGradient = 1;
}

void SetColourDefaults(LayoutSettings& layout) {
    for (const ColourKey& key : kColourKeys) {
        layout.*key.field = key.defaultValue;
    }
    SetScrollBack(layout, kDefaultScrollBack);
    SetScrollBorder(layout, kDefaultScrollBorder);
    SetScrollSliderBorder(layout, kDefaultScrollSliderBorder);
}

void ParseLayoutSettings(std::string_view bytes, LayoutSettings& layout) {
    Section section = Section::None;
    IniLineReader lines(bytes);
    std::string_view line;
    while (lines.Next(line)) {
        if (IsIniSectionHeader(line)) {
            // Any other header leaves the current section as it was.
            if (line == "[Layout]") {
                section = Section::Layout;
            } else if (line == "[Font]") {
                section = Section::Font;
            } else if (line == "[Color]") {
                section = Section::Colour;
            }
            continue;
        }
        const IniSetting setting = SplitIniSetting(line);
        switch (section) {
            case Section::None:
                break;
            case Section::Layout:
                ApplyLayoutKey(layout, setting);
                break;
            case Section::Font:
                ApplyFontKey(layout, setting);
                break;
            case Section::Colour:
                ApplyColourKey(layout, setting);
                break;
        }
    }
    // The hover font adds the underline, and the Bold and Strike item fonts
    // add their bits, so the base fonts must not carry them.
    layout.categoryFont.style &= ~kFontUnderline;
    layout.listFont.style &= ~(kFontBold | kFontStrikeOut);
    layout.TitleGradient = layout.TitleBack1 != layout.TitleBack2 ? 1 : 0;
}

std::int32_t ParseIniNumber(std::string_view value) {
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || (value[i] >= '\t' && value[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    // Out-of-range numbers saturate instead of overflowing.
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (value[i] - '0'), kLimit);
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(number, INT32_MIN, INT32_MAX));
}

Colour ParseIniColour(std::string_view value) {
    const auto rrggbb = static_cast<std::uint32_t>(ParseIniHex(value));
    return Rgb(rrggbb & 0xFFFFFF);
}

void ParseIniFont(std::string_view value, FontSpec& font) {
    if (value.empty()) {
        return;
    }
    // Cut at "," bytes, walking character by character so that the second
    // byte of a double-byte character is never taken for a comma.
    std::string_view fields[3];
    int fieldCount = 0;
    std::size_t start = 0;
    std::size_t i = 0;
    while (fieldCount < 3) {
        if (i >= value.size() || value[i] == ',') {
            fields[fieldCount++] = value.substr(start, i - start);
            if (i >= value.size()) {
                break;
            }
            start = ++i;
            continue;
        }
        i += IsCp932LeadByte(value[i]) ? 2 : 1;
        i = std::min(i, value.size());
    }
    if (fieldCount >= 1) {
        font.face = std::string(Cp932Prefix(fields[0], kMaxFaceBytes));
    }
    if (fieldCount >= 2) {
        font.size = ParseIniNumber(fields[1]);
    }
    if (fieldCount >= 3) {
        font.style = ParseIniNumber(fields[2]);
    }
    font.size = std::max(font.size, 1);
    font.style = std::clamp(font.style, 0, 15);
}

std::string FormatLayoutSettings(const LayoutSettings& layout) {
    std::string out;
    const auto line = [&out](std::string_view key, const std::string& value) {
        out.append(key).append("=").append(value).append("\r\n");
    };
    // RRGGBB, as the file writes a colour.
    const auto rgb = [](Colour colour) {
        constexpr char kDigits[] = "0123456789ABCDEF";
        std::string text;
        for (const unsigned shift : {0u, 8u, 16u}) {
            const unsigned byte = (colour >> shift) & 0xFF;
            text += kDigits[byte >> 4];
            text += kDigits[byte & 0xF];
        }
        return text;
    };
    out += "[Layout]\r\n";
    for (const NumberKey& key : kLayoutKeys) {
        line(key.name, std::to_string(layout.*key.field));
    }
    out += "[Font]\r\n";
    for (const FontKey& key : kFontKeys) {
        const FontSpec& font = layout.*key.field;
        line(key.name,
             font.face + "," + std::to_string(font.size) + "," + std::to_string(font.style));
    }
    out += "[Color]\r\n";
    for (const ColourKey& key : kColourKeys) {
        line(key.name, rgb(layout.*key.field));
    }
    line("ScrollBack", rgb(layout.ScrollTrackBack));
    line("ScrollBorder", rgb(layout.ScrollBorder[0]));
    line("ScrollSliderBorder", rgb(layout.ScrollSliderBorder[0]));
    return out;
}

std::int32_t AtLeastOne(std::int32_t value) {
    return std::max(value, 1);
}

std::int32_t SafeSize(std::int32_t value) {
    return std::clamp(value, 1, kMaxLayoutPixels);
}

}  // namespace tessel

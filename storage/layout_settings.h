// Sizes, fonts and colours of the drawing, as read from layout.ini.
// One process-wide instance; set to its defaults at start-up, then
// overwritten by the keys present in the file, and constant afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessel {

// 0x00BBGGRR, the platform's COLORREF layout. layout.ini writes RRGGBB.
using Colour = std::uint32_t;

constexpr Colour MakeColour(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

// Bits of a font's style field.
enum FontStyleBits : std::int32_t {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

struct FontSpec {
    std::string face;        // cp932, at most 255 bytes
    std::int32_t size = 12;  // character-cell height in pixels, at least 1
    std::int32_t style = 0;  // FontStyleBits, 0..15
};

struct LayoutSettings {
    // [Layout]: pixel counts and flags, stored as read (0 or below included;
    // see the Safe* helpers for values that size or divide).
    std::int32_t DispSystemIcon = 1;
    std::int32_t WindowBorderWidth = 4;
    std::int32_t TitleListSpace = 4;
    std::int32_t TitleBarHeight = 18;
    std::int32_t CloseButtonSize = 16;
    std::int32_t CloseButtonMarginTop = 1;
    std::int32_t CloseButtonMarginRight = 1;
    std::int32_t CategoryHeight = 22;
    std::int32_t CategoryMarginLeft = 4;
    std::int32_t CategorySpace = 5;
    std::int32_t CategoryMouseOver = 1;
    std::int32_t BoundaryHeight = 0;
    std::int32_t ListLineHeight = 22;
    std::int32_t ListIndentWidth = 24;
    std::int32_t CheckBoxSize = 13;
    std::int32_t CheckBoxMarginLeft = 8;
    std::int32_t CheckBoxMarginRight = 8;
    std::int32_t ScrollBarWidth = 16;

    // [Font]
    FontSpec titleFont;     // "TitleBar"
    FontSpec categoryFont;  // "Category"; its underline bit is cleared after reading
    FontSpec listFont;      // "List"; its bold and strike-out bits are cleared after reading

    // [Color]
    Colour WindowBack = 0;
    Colour WindowBorderColour = 0;
    Colour TitleBack1 = 0;
    Colour TitleBack2 = 0;
    Colour TitleText = 0;
    Colour TitleBorder = 0;
    Colour NormalCategoryText = 0;
    Colour MouseOverCategoryText = 0;
    Colour SelectCategoryText = 0;
    Colour ButtonUp = 0;
    Colour ButtonDown = 0;
    Colour CategoryBorder = 0;
    Colour ListNormalText = 0;
    Colour ListCheckText = 0;
    Colour ListStrikeText = 0;
    Colour ListBoldText = 0;
    Colour ListSelectBack = 0;
    Colour ListSelectBorder = 0;
    Colour ListFocusBorder = 0;
    Colour ListCheck = 0;
    Colour ListCheckBorder = 0;
    Colour ListCheckBack1 = 0;
    Colour ListCheckBack2 = 0;
    Colour ListSeparator = 0;
    Colour DragLine = 0;
    Colour ScrollTrackBack = 0;   // "ScrollBack"
    Colour ScrollButtonBack = 0;  // "ScrollBack"
    Colour ScrollBorder[4] = {};  // "ScrollBorder", all four alike
    Colour ScrollSliderBack = 0;
    Colour ScrollSliderBorder[4] = {};  // "ScrollSliderBorder", all four alike
    Colour ScrollArrowUp = 0;
    Colour ScrollArrowDown = 0;

    // 1 when TitleBack1 and TitleBack2 differ: gradient title and category bars.
    std::int32_t TitleGradient = 1;
};

// The [Layout] and [Font] defaults and TitleGradient (set with the system
// defaults, before anything is read).
void SetLayoutDefaults(LayoutSettings& layout);
// The [Color] defaults (set once the data folder has been made sure of).
void SetColourDefaults(LayoutSettings& layout);

// Applies the content of a layout.ini (cp932 bytes) over the current values,
// then clears the style bits the derived fonts add and sets TitleGradient.
void ParseLayoutSettings(std::string_view bytes, LayoutSettings& layout);

// Value syntaxes of the file, shared with system.ini where they match.
std::int32_t ParseIniNumber(std::string_view value);
Colour ParseIniColour(std::string_view value);
// Applies "face,size,style" to font; an empty value changes nothing.
void ParseIniFont(std::string_view value, FontSpec& font);

// A layout.ini (cp932, CR LF) that sets every key to the value held in
// layout, section by section; a key that fills several fields takes the
// first. The program never writes the file: this is what the user's guide
// lists, and ParseLayoutSettings reads it back to the same values.
std::string FormatLayoutSettings(const LayoutSettings& layout);

// [Layout] values are stored as read, 0 and below included (and as large as
// the file says). Code that uses them must not trust them:
//  - a divisor (ListLineHeight for rows per page and scroll steps, the
//    scroll bar's track arithmetic) goes through AtLeastOne, so that nothing
//    divides by zero or by a negative height;
//  - a size that makes something (a bitmap, a window, a font, a loop over
//    pixels: TitleBarHeight, CategoryHeight, ListLineHeight, CheckBoxSize,
//    ScrollBarWidth, CloseButtonSize) goes through SafeSize, so that 0 or a
//    negative value makes nothing empty or inverted and a huge one cannot
//    ask for gigabytes.
// Offsets and margins may stay as read: they only move drawing.
inline constexpr std::int32_t kMaxLayoutPixels = 4096;
std::int32_t AtLeastOne(std::int32_t value);
// value brought into 1..kMaxLayoutPixels.
std::int32_t SafeSize(std::int32_t value);

}  // namespace tessel

// layout.ini reader: any bytes must load without a fault and leave the
// fonts within their limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/layout_settings.h"

namespace {

bool FontWithinLimits(const tessel::FontSpec& font) {
    return font.size >= 1 && font.style >= 0 && font.style <= 15 && font.face.size() <= 255;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tessel::LayoutSettings layout;
    tessel::SetLayoutDefaults(layout);
    tessel::SetColourDefaults(layout);
    tessel::ParseLayoutSettings(bytes, layout);
    const bool sound =
        FontWithinLimits(layout.titleFont) && FontWithinLimits(layout.categoryFont) &&
        FontWithinLimits(layout.listFont) &&
        (layout.categoryFont.style & tessel::kFontUnderline) == 0 &&
        (layout.listFont.style & (tessel::kFontBold | tessel::kFontStrikeOut)) == 0 &&
        layout.TitleGradient == (layout.TitleBack1 != layout.TitleBack2 ? 1 : 0) &&
        layout.WindowBack <= 0xFFFFFF && layout.ScrollBorder[0] == layout.ScrollBorder[3] &&
        layout.ScrollTrackBack == layout.ScrollButtonBack &&
        tessel::AtLeastOne(layout.ListLineHeight) >= 1 &&
        tessel::SafeSize(layout.CheckBoxSize) <= tessel::kMaxLayoutPixels;
    if (!sound) {
        std::abort();
    }
    return 0;
}

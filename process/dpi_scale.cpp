#include "process/dpi_scale.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace tessel {
namespace {

// value x numerator / denominator, rounded as MulDiv rounds.
std::int32_t MulDivRounded(std::int32_t value, int numerator, int denominator) {
    const std::int64_t product = std::int64_t{value} * numerator;
    const std::int64_t magnitude =
        (std::llabs(product) * 2 + denominator) / (2 * std::int64_t{denominator});
    const std::int64_t result = product < 0 ? -magnitude : magnitude;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(result, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t DpiScale::operator()(std::int32_t length) const {
    return MulDivRounded(length, dpi_, kBaseDpi);
}

std::int32_t DpiScale::Line(std::int32_t width) const {
    const std::int32_t scaled = (*this)(width);
    return width >= 1 ? std::max(scaled, 1) : scaled;
}

std::int32_t DpiScale::Unscale(std::int32_t pixels) const {
    return MulDivRounded(pixels, kBaseDpi, dpi_);
}

LayoutSettings ScaleLayout(const LayoutSettings& layout, DpiScale scale) {
    LayoutSettings scaled = layout;
    for (std::int32_t LayoutSettings::*length : {
             &LayoutSettings::WindowBorderWidth,
             &LayoutSettings::TitleListSpace,
             &LayoutSettings::TitleBarHeight,
             &LayoutSettings::CloseButtonSize,
             &LayoutSettings::CloseButtonMarginTop,
             &LayoutSettings::CloseButtonMarginRight,
             &LayoutSettings::CategoryHeight,
             &LayoutSettings::CategoryMarginLeft,
             &LayoutSettings::CategorySpace,
             &LayoutSettings::BoundaryHeight,
             &LayoutSettings::ListLineHeight,
             &LayoutSettings::ListIndentWidth,
             &LayoutSettings::CheckBoxSize,
             &LayoutSettings::CheckBoxMarginLeft,
             &LayoutSettings::CheckBoxMarginRight,
             &LayoutSettings::ScrollBarWidth,
         }) {
        scaled.*length = scale(layout.*length);
    }
    // A font keeps the one pixel at least that layout.ini allows.
    for (FontSpec LayoutSettings::*font :
         {&LayoutSettings::titleFont, &LayoutSettings::categoryFont, &LayoutSettings::listFont}) {
        (scaled.*font).size = std::max(scale((layout.*font).size), 1);
    }
    return scaled;
}

}  // namespace tessel

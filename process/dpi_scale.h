// One scale for every size. Lengths are written for 96 DPI (layout.ini, the
// fixed sizes of the drawing, system.ini's window size) and become pixels of
// a window's DPI here, in one place, never multiplied by hand elsewhere.
#pragma once

#include <cstdint>

#include "storage/layout_settings.h"

namespace tessel {

// The DPI every length of the program is written for.
inline constexpr int kBaseDpi = 96;

class DpiScale {
  public:
    constexpr DpiScale() = default;
    // A DPI of 0 or below (a failed query) counts as 96.
    explicit constexpr DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

    constexpr int Dpi() const { return dpi_; }

    // length x dpi / 96 to the nearest pixel, halves away from zero (as
    // MulDiv rounds), kept within 32 bits.
    std::int32_t operator()(std::int32_t length) const;
    // The width of a line of `width` pixels at 96 DPI: as above, but a line
    // is never thinner than one pixel.
    std::int32_t Line(std::int32_t width = 1) const;
    // pixels x 96 / dpi, rounded the same way: back to 96-DPI units.
    std::int32_t Unscale(std::int32_t pixels) const;

  private:
    int dpi_ = kBaseDpi;
};

// Every [Layout] size and the three font sizes of layout at the scale's
// DPI; the flags (DispSystemIcon, CategoryMouseOver), the faces, styles and
// colours stay. At 96 DPI the layout comes back as it is.
LayoutSettings ScaleLayout(const LayoutSettings& layout, DpiScale scale);

}  // namespace tessel

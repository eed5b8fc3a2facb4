// The one scale: rounding like MulDiv, lines never below a pixel, the way
// back to 96-DPI units, and layout.ini's sizes at a DPI.
#include "process/dpi_scale.h"

#include <gtest/gtest.h>

#include <climits>

namespace tessel {
namespace {

TEST(DpiScale, RoundsLikeMulDivAndKeepsLinesAtAPixel) {
    const struct {
        int length, dpi, pixels, line;
    } cases[] = {
        {13, 96, 13, 13},
        {13, 120, 16, 16},
        {13, 144, 20, 20},  // 16.25, 19.5
        {1, 120, 1, 1},
        {1, 144, 2, 2},
        {1, 40, 0, 1},  // 0.42: a line stays
        {-3, 144, -5, -5},
        {0, 192, 0, 0},
        {400, 144, 600, 600},
        {13, 0, 13, 13},
        {INT_MAX, 192, INT_MAX, INT_MAX},  // no DPI is 96
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DpiScale(c.dpi)(c.length), c.pixels) << c.length << " at " << c.dpi;
        EXPECT_EQ(DpiScale(c.dpi).Line(c.length), c.line) << c.length << " at " << c.dpi;
    }
}

TEST(DpiScale, UnscaleTakesEveryLengthBack) {
    for (int dpi : {96, 120, 144, 168, 192, 288}) {
        const DpiScale scale(dpi);
        for (int length = -300; length <= 3000; ++length) {
            ASSERT_EQ(scale.Unscale(scale(length)), length) << length << " at " << dpi;
        }
    }
}

TEST(DpiScale, LayoutSizesAndFontsScaleFlagsFacesAndColoursStay) {
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    SetColourDefaults(layout);
    layout.BoundaryHeight = 1;
    const LayoutSettings big = ScaleLayout(layout, DpiScale(144));
    for (auto [scaled, expected] : {std::pair{big.WindowBorderWidth, 6},
                                    {big.TitleListSpace, 6},
                                    {big.TitleBarHeight, 27},
                                    {big.CloseButtonSize, 24},
                                    {big.CloseButtonMarginTop, 2},
                                    {big.CloseButtonMarginRight, 2},
                                    {big.CategoryHeight, 33},
                                    {big.CategoryMarginLeft, 6},
                                    {big.CategorySpace, 8},
                                    {big.BoundaryHeight, 2},
                                    {big.ListLineHeight, 33},
                                    {big.ListIndentWidth, 36},
                                    {big.CheckBoxSize, 20},
                                    {big.CheckBoxMarginLeft, 12},
                                    {big.CheckBoxMarginRight, 12},
                                    {big.ScrollBarWidth, 24},
                                    {big.titleFont.size, 18},
                                    {big.categoryFont.size, 18},
                                    {big.listFont.size, 18}}) {
        EXPECT_EQ(scaled, expected);
    }
    EXPECT_EQ(big.DispSystemIcon, 1);
    EXPECT_EQ(big.CategoryMouseOver, 1);
    EXPECT_EQ(big.titleFont.style, 1);
    EXPECT_EQ(big.titleFont.face, layout.titleFont.face);
    EXPECT_EQ(big.ListCheck, layout.ListCheck);
    EXPECT_EQ(ScaleLayout(layout, DpiScale(96)).CheckBoxSize, 13);
    layout.listFont.size = 1;
    EXPECT_EQ(ScaleLayout(layout, DpiScale(40)).listFont.size, 1);  // never no font
}

}  // namespace
}  // namespace tessel

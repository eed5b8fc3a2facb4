// The one scale: rounding like MulDiv, lines never below a pixel, the way
// back to 96-DPI units, and layout.ini's sizes at a DPI.
#include "process/dpi_scale.h"

#include <gtest/gtest.h>

#include <climits>

namespace tessel {
namespace {

TEST(DpiScale, RoundsLikeMulDiv) {
    const struct {
        int length, dpi, pixels;
    } cases[] = {
        // clang-format off
        {13, 96, 13}, {13, 120, 16}, {13, 144, 20}, {13, 192, 26},  // 16.25, 19.5
        {7, 144, 11}, {5, 120, 6}, {1, 120, 1}, {1, 144, 2},      // halves away from zero
        {-3, 144, -5}, {-1, 120, -1}, {0, 192, 0},
        {400, 144, 600}, {300, 120, 375}, {28, 144, 42},
        {13, 0, 13}, {13, -5, 13},                                 // no DPI: 96
        {INT_MAX, 192, INT_MAX}, {INT_MIN, 192, INT_MIN},          // kept within 32 bits
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DpiScale(c.dpi)(c.length), c.pixels) << c.length << " at " << c.dpi;
    }
}

TEST(DpiScale, ALineStaysAtLeastOnePixel) {
    EXPECT_EQ(DpiScale(96).Line(), 1);
    EXPECT_EQ(DpiScale(120).Line(), 1);
    EXPECT_EQ(DpiScale(144).Line(), 2);
    EXPECT_EQ(DpiScale(192).Line(), 2);
    EXPECT_EQ(DpiScale(40).Line(), 1);  // 0.42 rounds to 0
    EXPECT_EQ(DpiScale(40)(1), 0);
    EXPECT_EQ(DpiScale(120).Line(2), 3);
    EXPECT_EQ(DpiScale(40).Line(0), 0);  // no line stays none
}

TEST(DpiScale, UnscaleTakesEveryLengthBackAtTheUsualDpis) {
    for (int dpi : {96, 120, 144, 168, 192, 288}) {
        const DpiScale scale(dpi);
        for (int length = -300; length <= 3000; ++length) {
            ASSERT_EQ(scale.Unscale(scale(length)), length) << length << " at " << dpi;
        }
    }
    EXPECT_EQ(DpiScale(144).Unscale(601), 401);  // 400.67
}

TEST(DpiScale, LayoutSizesAndFontsScaleFlagsAndColoursStay) {
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    SetColourDefaults(layout);
    layout.CategoryMouseOver = 1;
    layout.BoundaryHeight = 1;
    layout.listFont.style = 2;

    const LayoutSettings same = ScaleLayout(layout, DpiScale(96));
    EXPECT_EQ(same.TitleBarHeight, 18);
    EXPECT_EQ(same.CheckBoxSize, 13);
    EXPECT_EQ(same.listFont.size, 12);

    const LayoutSettings big = ScaleLayout(layout, DpiScale(144));
    const struct {
        std::int32_t scaled, expected;
    } sizes[] = {
        {big.WindowBorderWidth, 6}, {big.TitleListSpace, 6},       {big.TitleBarHeight, 27},
        {big.CloseButtonSize, 24},  {big.CloseButtonMarginTop, 2}, {big.CloseButtonMarginRight, 2},
        {big.CategoryHeight, 33},   {big.CategoryMarginLeft, 6},   {big.CategorySpace, 8},
        {big.BoundaryHeight, 2},    {big.ListLineHeight, 33},      {big.ListIndentWidth, 36},
        {big.CheckBoxSize, 20},     {big.CheckBoxMarginLeft, 12},  {big.CheckBoxMarginRight, 12},
        {big.ScrollBarWidth, 24},   {big.titleFont.size, 18},      {big.categoryFont.size, 18},
        {big.listFont.size, 18},
    };
    for (const auto& s : sizes) {
        EXPECT_EQ(s.scaled, s.expected);
    }
    EXPECT_EQ(big.DispSystemIcon, 1);
    EXPECT_EQ(big.CategoryMouseOver, 1);
    EXPECT_EQ(big.listFont.style, 2);
    EXPECT_EQ(big.titleFont.face, layout.titleFont.face);
    EXPECT_EQ(big.ListCheck, layout.ListCheck);
    EXPECT_EQ(big.ScrollBorder[3], layout.ScrollBorder[3]);
    EXPECT_EQ(big.TitleGradient, layout.TitleGradient);

    // A font never shrinks to nothing, however low the DPI.
    layout.listFont.size = 1;
    EXPECT_EQ(ScaleLayout(layout, DpiScale(40)).listFont.size, 1);
}

}  // namespace
}  // namespace tessel

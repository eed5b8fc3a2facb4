// system.ini's placement at any DPI: sizes in 96-DPI units, the position
// where the stretched program stood, reckoned about its monitor's corner.
#include "process/window_placement.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tessel {
namespace {

auto Tie(const PlacementRect& p) {
    return std::make_tuple(p.x, p.y, p.width, p.height);
}

TEST(WindowPlacement, StoredPlacementInPixelsOfItsMonitorAndBack) {
    // A 96-DPI primary screen, a 150 % one to its right and a 200 % one to
    // its left, above its top.
    const std::vector<MonitorArea> monitors = {
        {{0, 0, 1920, 1080}, 96}, {{1920, 0, 4800, 1620}, 144}, {{-2560, -400, 0, 1040}, 192}};
    const struct {
        PlacementRect stored;
        std::size_t monitor;
        PlacementRect pixels;
    } cases[] = {
        {{100, 100, 400, 300}, 0, {100, 100, 400, 300}},
        {{2020, 50, 400, 300}, 1, {2070, 75, 600, 450}},  // 100 right of the corner, seen unscaled
        // Seen at 96 DPI the 200 % monitor reaches only from x -2560 to -1280.
        {{-2460, -300, 500, 200}, 2, {-2360, -200, 1000, 400}},
        {{-100, 100, 400, 300}, 0, {-100, 100, 400, 300}},    // mostly on the primary
        {{9000, 9000, 400, 300}, 0, {9000, 9000, 400, 300}},  // on none: the primary
    };
    for (const auto& c : cases) {
        const std::size_t monitor = MonitorOfStoredPlacement(c.stored, monitors);
        EXPECT_EQ(monitor, c.monitor) << c.stored.x;
        const PlacementRect pixels = StoredPlacementToPixels(c.stored, monitors[monitor]);
        EXPECT_EQ(Tie(pixels), Tie(c.pixels)) << c.stored.x;
        SystemSettings window;
        window.NormalRect = pixels;
        EXPECT_EQ(Tie(SettingsToStore(window, monitors, monitors[monitor].dpi).NormalRect),
                  Tie(c.stored));
    }
}

TEST(WindowPlacement, A400By300FileIsA600By450WindowAt144AndTheSameBytesAt96) {
    SystemSettings settings;
    settings.NormalRect = {100, 100, 400, 300};
    settings.ScrollIndex = 64;
    EXPECT_EQ(PlaceStoredSettings(settings, {{{0, 0, 1920, 1200}, 144}}), 144);
    EXPECT_EQ(Tie(settings.NormalRect), std::make_tuple(150, 150, 600, 450));
    EXPECT_EQ(std::make_tuple(settings.WindowX, settings.WindowY, settings.WindowWidth,
                              settings.WindowHeight),
              Tie(settings.NormalRect));
    EXPECT_EQ(settings.ScrollIndex, 96);
    // A window 3 pixels wider is written to the nearest unit, at its own DPI
    // even while its monitor still says another.
    settings.NormalRect.width = 603;
    const SystemSettings stored = SettingsToStore(settings, {{{0, 0, 1920, 1200}, 96}}, 144);
    EXPECT_EQ(Tie(stored.NormalRect), std::make_tuple(100, 100, 402, 300));
    EXPECT_EQ(stored.ScrollIndex, 64);

    SystemSettings same;
    same.NormalRect = {-37, 12, 517, 18};
    same.ScrollIndex = 33;
    const std::string before = FormatSystemSettings(same);
    PlaceStoredSettings(same, {{{0, 0, 1280, 800}, 96}});
    EXPECT_EQ(FormatSystemSettings(SettingsToStore(same, {{{0, 0, 1280, 800}, 96}}, 96)), before);
}

}  // namespace
}  // namespace tessel

// system.ini's placement at any DPI: sizes in 96-DPI units, the position
// where the stretched program stood, reckoned about its monitor's corner.
#include "process/window_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessel {

// Found by the assertions through the argument's namespace.
bool operator==(const PlacementRect& a, const PlacementRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

std::ostream& operator<<(std::ostream& out, const PlacementRect& p) {
    return out << p.x << "," << p.y << " " << p.width << "x" << p.height;
}

namespace {

// A 96-DPI primary screen with a 150 % one to its right and a 200 % one
// to its left, above its top.
const std::vector<MonitorArea> kMonitors = {
    {{0, 0, 1920, 1080}, 96},
    {{1920, 0, 4800, 1620}, 144},
    {{-2560, -400, 0, 1040}, 192},
};

TEST(WindowPlacement, StoredPlacementInPixelsOfItsMonitor) {
    const struct {
        PlacementRect stored;
        std::size_t monitor;
        PlacementRect pixels;
    } cases[] = {
        {{100, 100, 400, 300}, 0, {100, 100, 400, 300}},
        // 100 right of the 150 % monitor's corner, as the stretched program saw it.
        {{2020, 50, 400, 300}, 1, {2070, 75, 600, 450}},
        // Seen at 96 DPI, the 200 % monitor reaches only from x -2560 to -1280.
        {{-2460, -300, 500, 200}, 2, {-2360, -200, 1000, 400}},
        // Mostly on the primary screen, though it starts on another.
        {{-100, 100, 400, 300}, 0, {-100, 100, 400, 300}},
        // On no monitor at all: the primary one's.
        {{9000, 9000, 400, 300}, 0, {9000, 9000, 400, 300}},
    };
    for (const auto& c : cases) {
        const std::size_t monitor = MonitorOfStoredPlacement(c.stored, kMonitors);
        EXPECT_EQ(monitor, c.monitor) << c.stored;
        const PlacementRect pixels = StoredPlacementToPixels(c.stored, kMonitors[monitor]);
        EXPECT_EQ(pixels, c.pixels) << c.stored;
        // Written back from where the window stands, the file keeps what it said.
        EXPECT_EQ(MonitorOfWindow(pixels, kMonitors), c.monitor) << c.stored;
        EXPECT_EQ(PixelPlacementToStored(pixels, kMonitors[monitor]), c.stored);
    }
}

TEST(WindowPlacement, ASingleScreenAt144MakesA400By300FileA600By450Window) {
    SystemSettings settings;
    settings.NormalRect = {100, 100, 400, 300};
    settings.ScrollIndex = 64;
    const std::vector<MonitorArea> screen = {{{0, 0, 1920, 1200}, 144}};
    EXPECT_EQ(PlaceStoredSettings(settings, screen), 144);
    EXPECT_EQ(settings.NormalRect, (PlacementRect{150, 150, 600, 450}));
    EXPECT_EQ((PlacementRect{settings.WindowX, settings.WindowY, settings.WindowWidth,
                             settings.WindowHeight}),
              settings.NormalRect);
    EXPECT_EQ(settings.ScrollIndex, 96);

    // The window dragged 3 pixels right and widened by 3 pixels is written as
    // it stands, to the nearest unit.
    settings.NormalRect = {153, 150, 603, 450};
    settings.WindowWidth = 1;  // the live size is no business of the file
    const SystemSettings stored = SettingsToStore(settings, screen, 144);
    EXPECT_EQ(stored.NormalRect, (PlacementRect{102, 100, 402, 300}));
    EXPECT_EQ(stored.ScrollIndex, 64);
    EXPECT_EQ(stored.WindowWidth, 1);
}

TEST(WindowPlacement, At96DpiTheFileIsWrittenByteForByteAsRead) {
    SystemSettings settings;
    settings.NormalRect = {-37, 12, 517, 18};
    settings.ScrollIndex = 33;
    settings.WindowHotKey = 0x341;
    const std::string before = FormatSystemSettings(settings);
    const std::vector<MonitorArea> screen = {{{0, 0, 1280, 800}, 96}};
    PlaceStoredSettings(settings, screen);
    EXPECT_EQ(FormatSystemSettings(SettingsToStore(settings, screen, 96)), before);
    // No monitor known: nothing moves, and 96 DPI is assumed.
    SystemSettings alone;
    alone.NormalRect = {5, 6, 300, 200};
    EXPECT_EQ(PlaceStoredSettings(alone, {}), 96);
    EXPECT_EQ(alone.NormalRect, (PlacementRect{5, 6, 300, 200}));
}

}  // namespace
}  // namespace tessel

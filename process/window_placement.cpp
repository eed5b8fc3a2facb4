#include "process/window_placement.h"

#include <algorithm>

#include "process/dpi_scale.h"

namespace tessel {
namespace {

std::int64_t Overlap(std::int64_t low1, std::int64_t high1, std::int64_t low2, std::int64_t high2) {
    return std::max<std::int64_t>(std::min(high1, high2) - std::max(low1, low2), 0);
}

std::int64_t Area(const ScreenRect& a, const ScreenRect& b) {
    return Overlap(a.left, a.right, b.left, b.right) * Overlap(a.top, a.bottom, b.top, b.bottom);
}

ScreenRect RectOf(const PlacementRect& p) {
    return {p.x, p.y, static_cast<std::int32_t>(std::int64_t{p.x} + p.width),
            static_cast<std::int32_t>(std::int64_t{p.y} + p.height)};
}

// The monitor as a program unaware of DPI sees it: its corner where it is,
// its size in 96-DPI units.
ScreenRect UnawareBounds(const MonitorArea& monitor) {
    const DpiScale scale(monitor.dpi);
    const ScreenRect& b = monitor.bounds;
    return {b.left, b.top, b.left + scale.Unscale(b.right - b.left),
            b.top + scale.Unscale(b.bottom - b.top)};
}

template <typename BoundsOf>
std::size_t MostOverlapped(const ScreenRect& window, const std::vector<MonitorArea>& monitors,
                           BoundsOf boundsOf) {
    std::size_t best = 0;
    std::int64_t bestArea = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const std::int64_t area = Area(window, boundsOf(monitors[i]));
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}

}  // namespace

std::size_t MonitorOfStoredPlacement(const PlacementRect& stored,
                                     const std::vector<MonitorArea>& monitors) {
    return MostOverlapped(RectOf(stored), monitors, UnawareBounds);
}

std::size_t MonitorOfWindow(const PlacementRect& pixels, const std::vector<MonitorArea>& monitors) {
    return MostOverlapped(RectOf(pixels), monitors,
                          [](const MonitorArea& monitor) { return monitor.bounds; });
}

PlacementRect StoredPlacementToPixels(const PlacementRect& stored, const MonitorArea& monitor) {
    const DpiScale scale(monitor.dpi);
    const ScreenRect& corner = monitor.bounds;
    return {corner.left + scale(stored.x - corner.left), corner.top + scale(stored.y - corner.top),
            scale(stored.width), scale(stored.height)};
}

PlacementRect PixelPlacementToStored(const PlacementRect& pixels, const MonitorArea& monitor) {
    const DpiScale scale(monitor.dpi);
    const ScreenRect& corner = monitor.bounds;
    return {corner.left + scale.Unscale(pixels.x - corner.left),
            corner.top + scale.Unscale(pixels.y - corner.top), scale.Unscale(pixels.width),
            scale.Unscale(pixels.height)};
}

int PlaceStoredSettings(SystemSettings& settings, const std::vector<MonitorArea>& monitors) {
    if (monitors.empty()) {
        return kBaseDpi;
    }
    const MonitorArea& monitor = monitors[MonitorOfStoredPlacement(settings.NormalRect, monitors)];
    const PlacementRect pixels = StoredPlacementToPixels(settings.NormalRect, monitor);
    settings.NormalRect = pixels;
    settings.WindowX = pixels.x;
    settings.WindowY = pixels.y;
    settings.WindowWidth = pixels.width;
    settings.WindowHeight = pixels.height;
    settings.ScrollIndex = DpiScale(monitor.dpi)(settings.ScrollIndex);
    return DpiScale(monitor.dpi).Dpi();
}

SystemSettings SettingsToStore(const SystemSettings& settings,
                               const std::vector<MonitorArea>& monitors, int windowDpi) {
    SystemSettings stored = settings;
    // The window's corner of reference is its monitor's; its scale is its
    // own DPI, which is that monitor's once Windows has told the window.
    MonitorArea monitor{{0, 0, 0, 0}, windowDpi};
    if (!monitors.empty()) {
        monitor.bounds = monitors[MonitorOfWindow(settings.NormalRect, monitors)].bounds;
    }
    stored.NormalRect = PixelPlacementToStored(settings.NormalRect, monitor);
    stored.ScrollIndex = DpiScale(windowDpi).Unscale(settings.ScrollIndex);
    return stored;
}

}  // namespace tessel

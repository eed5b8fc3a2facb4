#include "app/start_window_plan.h"

namespace tessel {
namespace {

constexpr std::int32_t kFallbackWidth = 400;
constexpr std::int32_t kFallbackHeight = 300;

void PlaceOnWorkArea(SystemSettings& settings, const WorkAreaRect& workArea) {
    settings.WindowX = workArea.left;
    settings.WindowY = workArea.top;
    settings.WindowWidth = workArea.right - workArea.left;
    settings.WindowHeight = workArea.bottom - workArea.top;
}

}  // namespace

StartWindowPlan PlanStartWindow(int showCommand, SystemSettings& settings, int& windowShown,
                                const WorkAreaRect& workArea) {
    using namespace window_style;
    StartWindowPlan plan;
    const bool tray = settings.TaskTray == 1;
    if (tray) {
        plan.exStyle = kExToolWindow;
        plan.style = kPopup | kVisible | kClipChildren;
    } else {
        plan.style = kPopup | kVisible | kClipChildren | kSysMenu | kMinimizeBox | kMaximizeBox;
    }
    plan.showCommand = showCommand;

    switch (showCommand) {
        case show_command::kShowMinimized:
        case show_command::kMinimize:
        case show_command::kShowMinNoActive:
            windowShown = 0;
            if (tray) {
                plan.style &= ~kVisible;
            } else {
                plan.style |= kMinimize;
            }
            if (settings.WindowMax == 1) {
                PlaceOnWorkArea(settings, workArea);
            }
            break;
        case show_command::kShowMaximized:
            settings.WindowMax = 1;
            plan.showCommand = show_command::kShow;
            PlaceOnWorkArea(settings, workArea);
            break;
        case show_command::kRestore:
            windowShown = 1;
            settings.WindowMax = 0;
            plan.showCommand = show_command::kShow;
            break;
        default:
            if (settings.WindowMax == 1) {
                PlaceOnWorkArea(settings, workArea);
            }
            break;
    }
    plan.callShowWindow = !tray;
    plan.topmostHides = windowShown == 0 && tray;
    return plan;
}

PlacementRect CentredFallbackPlacement(const WorkAreaRect& workArea, DpiScale scale) {
    PlacementRect placement;
    placement.width = scale(kFallbackWidth);
    placement.height = scale(kFallbackHeight);
    placement.x = (workArea.right - placement.width) / 2;
    placement.y = (workArea.bottom - placement.height) / 2;
    return placement;
}

}  // namespace tessel

#include "access/frame_reading.h"

#include <algorithm>
#include <utility>

#include "chrome/pane_layout.h"
#include "mainwindow/frame_zones.h"
#include "store/saturate.h"

namespace tessel {
namespace {

ClientBox FromZone(const ZoneBox& box) {
    return ClientBox{box.left, box.top, box.width, box.height};
}

bool ValidTab(const CategoryStrip& strip, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < strip.tabWidths.size();
}

}  // namespace

std::int32_t FrameChildRole(std::int32_t child) {
    switch (child) {
        case kTitleBarChild:
            return msaa::kRoleTitleBar;
        case kCloseButtonChild:
            return msaa::kRolePushButton;
        case kCategoryBarChild:
            return msaa::kRolePageTabList;
        case kListPaneChild:
            return msaa::kRoleList;
        default:
            return msaa::kRoleClient;
    }
}

std::int32_t FrameChildStates(std::int32_t child, const FrameView& view) {
    if (child == kCloseButtonChild && view.closePressed) {
        return msaa::kStatePressed;
    }
    if (child == kCategoryBarChild && !view.barShown) {
        return msaa::kStateInvisible;
    }
    return 0;
}

ClientBox FrameChildBox(std::int32_t child, const FrameView& view) {
    const LayoutSettings& layout = *view.layout;
    switch (child) {
        case kTitleBarChild:
            return FromZone(TitleBarBox(layout, view.width));
        case kCloseButtonChild:
            return FromZone(CloseButtonBox(layout, view.width));
        case kCategoryBarChild:
            return FromZone(CategoryBarBox(layout, view.width));
        case kListPaneChild: {
            const PaneRect pane = ListPaneRect(view.width, view.height, layout, view.barShown);
            return ClientBox{pane.x, pane.y, pane.width, pane.height};
        }
        default:
            return ClientBox{0, 0, view.width, view.height};
    }
}

std::int32_t FrameChildAtPoint(std::int32_t x, std::int32_t y, const FrameView& view) {
    if (!FrameChildBox(msaa::kSelf, view).Contains(x, y)) {
        return -1;
    }
    if (OnCloseButton(*view.layout, view.width, x, y)) {
        return kCloseButtonChild;
    }
    if (FrameChildBox(kTitleBarChild, view).Contains(x, y)) {
        return kTitleBarChild;
    }
    if (InCategoryBar(*view.layout, view.barShown, y)) {
        return kCategoryBarChild;
    }
    if (FrameChildBox(kListPaneChild, view).Contains(x, y)) {
        return kListPaneChild;
    }
    return msaa::kSelf;
}

NavigateResult NavigateFrame(std::int32_t from, std::int32_t direction) {
    return NavigateLine(from, direction, kFrameChildren, msaa::kNavDown, msaa::kNavUp);
}

ClientBox TabBox(const CategoryStrip& strip, int index) {
    if (!ValidTab(strip, index)) {
        return ClientBox{};
    }
    std::int64_t start = 0;
    for (int i = 0; i < index; ++i) {
        start += strip.tabWidths[static_cast<std::size_t>(i)];
    }
    return ClientBox{SaturateToInt32(std::int64_t{strip.marginLeft} + start - strip.scrollIndex),
                     strip.barTop, strip.tabWidths[static_cast<std::size_t>(index)],
                     strip.barHeight};
}

bool TabShown(const CategoryStrip& strip, int index) {
    if (!strip.barShown || !ValidTab(strip, index)) {
        return false;
    }
    const TabPlacement placement = PlaceTabs(strip);
    return std::any_of(placement.tabs.begin(), placement.tabs.end(),
                       [index](const PlacedTab& tab) { return tab.index == index; });
}

std::int32_t TabStates(const CategoryStrip& strip, int index, int current) {
    std::int32_t states = msaa::kStateSelectable;
    if (index == current) {
        states |= msaa::kStateSelected;
    }
    if (!strip.barShown) {
        states |= msaa::kStateInvisible;
    } else if (!TabShown(strip, index)) {
        states |= msaa::kStateOffscreen;
    }
    return states;
}

std::int32_t TabBarStates(const CategoryStrip& strip) {
    return strip.barShown ? 0 : msaa::kStateInvisible;
}

std::int32_t TabAtPoint(const CategoryStrip& strip, std::int32_t x, std::int32_t y) {
    const int tab = HitTestTab(strip, x, y);
    if (tab >= 0) {
        return tab + 1;
    }
    const ClientBox bar{0, strip.barTop, strip.windowWidth, strip.barHeight};
    return strip.barShown && bar.Contains(x, y) ? msaa::kSelf : -1;
}

NavigateResult NavigateTabs(std::int32_t from, std::int32_t direction, int tabCount) {
    return NavigateLine(from, direction, tabCount, msaa::kNavRight, msaa::kNavLeft);
}

void TabWatch::Start(FrameFacts facts) {
    started_ = true;
    told_ = std::move(facts);
}

std::vector<FrameEvent> TabWatch::Compare(FrameFacts facts) {
    std::vector<FrameEvent> events;
    if (!started_) {
        return events;
    }
    if (facts.title != told_.title) {
        events.push_back(FrameEvent{msaa::kEventNameChange, FrameObject::Client, kTitleBarChild});
    }
    bool reorder = facts.names.size() != told_.names.size();
    if (!reorder) {
        int renamed = -1;
        for (std::size_t i = 0; i < facts.names.size() && !reorder; ++i) {
            if (facts.names[i] != told_.names[i]) {
                reorder = renamed >= 0;  // a second one: the tabs moved
                renamed = static_cast<int>(i);
            }
        }
        if (!reorder && renamed >= 0) {
            events.push_back(
                FrameEvent{msaa::kEventNameChange, FrameObject::CategoryBar, renamed + 1});
        }
    }
    if (reorder) {
        events.push_back(FrameEvent{msaa::kEventReorder, FrameObject::CategoryBar, msaa::kSelf});
    }
    const bool currentValid =
        facts.current >= 0 && static_cast<std::size_t>(facts.current) < facts.names.size();
    if (currentValid && (reorder || facts.current != told_.current)) {
        events.push_back(
            FrameEvent{msaa::kEventSelection, FrameObject::CategoryBar, facts.current + 1});
    }
    told_ = std::move(facts);
    return events;
}

}  // namespace tessel

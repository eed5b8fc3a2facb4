#include "categorybar/category_strip.h"

#include <algorithm>

#include "store/saturate.h"

namespace tessel {
namespace {

using Wide = std::int64_t;

Wide ScrollStep(const CategoryStrip& strip) {
    return strip.scale(kCategoryScrollStep);
}

Wide Visible(const CategoryStrip& strip) {
    return Wide{strip.windowWidth} - ArrowAreaWidth(strip) - strip.marginLeft;
}

Wide MaxScroll(const CategoryStrip& strip) {
    return Wide{strip.totalTabWidth} - Visible(strip);
}

Wide Clamp(const CategoryStrip& strip, Wide scroll) {
    if (strip.totalTabWidth < Visible(strip)) {
        return 0;
    }
    return std::max<Wide>(std::min(scroll, MaxScroll(strip)), 0);
}

// The tab whose span holds strip position p, with its start; -1 for none.
int TabAt(const CategoryStrip& strip, Wide p, Wide& start) {
    Wide s = 0;
    for (std::size_t i = 0; i < strip.tabWidths.size(); ++i) {
        Wide w = strip.tabWidths[i];
        if (s <= p && p < s + w) {
            start = s;
            return static_cast<int>(i);
        }
        s += w;
    }
    return -1;
}

}  // namespace

std::int32_t ArrowAreaWidth(const CategoryStrip& strip) {
    return strip.scale(kArrowAreaWidth);
}

std::int32_t TabWidth(std::int32_t nameWidth, std::int32_t categorySpace) {
    return SaturateToInt32(Wide{nameWidth} + 2 * Wide{categorySpace});
}

std::int32_t VisibleStripWidth(const CategoryStrip& strip) {
    return SaturateToInt32(Visible(strip));
}

std::int32_t ClampStripScroll(const CategoryStrip& strip) {
    return SaturateToInt32(Clamp(strip, strip.scrollIndex));
}

std::int32_t ScrollStripStep(const CategoryStrip& strip, bool toRight) {
    Wide scroll = strip.scrollIndex;
    if (toRight) {
        if (strip.totalTabWidth > Visible(strip)) {
            scroll = std::min(scroll + ScrollStep(strip), MaxScroll(strip));
        }
    } else {
        scroll = std::max<Wide>(scroll - ScrollStep(strip), 0);
    }
    return SaturateToInt32(scroll);
}

std::int32_t EnsureTabVisible(const CategoryStrip& strip, int current, bool adjust) {
    if (strip.totalTabWidth < Visible(strip)) {
        return 0;
    }
    Wide scroll = strip.scrollIndex;
    if (adjust && current >= 0 && static_cast<std::size_t>(current) < strip.tabWidths.size()) {
        Wide s = 0;
        for (int i = 0; i < current; ++i) {
            s += strip.tabWidths[static_cast<std::size_t>(i)];
        }
        Wide w = strip.tabWidths[static_cast<std::size_t>(current)];
        const Wide margin = strip.scale(kTabRevealMargin);
        if (s < scroll) {
            scroll = s - margin;
        } else if (Visible(strip) + scroll < s + w) {
            scroll = s + w - Visible(strip) + margin;
        }
        scroll = std::max<Wide>(scroll, 0);
    }
    if (scroll >= MaxScroll(strip)) {
        scroll = MaxScroll(strip);
    }
    return SaturateToInt32(std::max<Wide>(scroll, 0));
}

int HitTestTab(const CategoryStrip& strip, std::int32_t x, std::int32_t y) {
    if (!strip.barShown || strip.tabWidths.empty() || x < 0 ||
        Wide{x} >= Wide{strip.windowWidth} - ArrowAreaWidth(strip) || y < strip.barTop ||
        Wide{y} >= Wide{strip.barTop} + strip.barHeight) {
        return -1;
    }
    Wide start = 0;
    return TabAt(strip, Wide{x} + strip.scrollIndex - strip.marginLeft, start);
}

int DropScrollDirection(const CategoryStrip& strip, std::int32_t x) {
    if (x < strip.marginLeft) {
        return -1;
    }
    if (Wide{x} >= Wide{strip.windowWidth} - ArrowAreaWidth(strip)) {
        return 1;
    }
    return 0;
}

int DropIndexAt(const CategoryStrip& strip, std::int32_t x) {
    Wide p = Wide{x} + strip.scrollIndex - strip.marginLeft;
    Wide start = 0;
    int tab = TabAt(strip, p, start);
    if (tab < 0) {
        return x < strip.marginLeft ? 0 : static_cast<int>(strip.tabWidths.size());
    }
    Wide w = strip.tabWidths[static_cast<std::size_t>(tab)];
    return p - start < w / 2 ? tab : tab + 1;
}

TabPlacement PlaceTabs(const CategoryStrip& strip) {
    TabPlacement placement;
    const Wide arrowLeft = Wide{strip.windowWidth} - ArrowAreaWidth(strip);
    Wide s = 0;
    std::size_t first = 0;
    while (first < strip.tabWidths.size() && s + strip.tabWidths[first] < strip.scrollIndex) {
        s += strip.tabWidths[first];
        ++first;
    }
    Wide x = Wide{strip.marginLeft} + s - strip.scrollIndex;
    for (std::size_t i = first; i < strip.tabWidths.size(); ++i) {
        Wide w = strip.tabWidths[i];
        placement.tabs.push_back({static_cast<int>(i), SaturateToInt32(x), SaturateToInt32(w)});
        x += w;
        if (x >= arrowLeft) {
            placement.overflowing = true;
            break;
        }
    }
    placement.endX = SaturateToInt32(x);
    return placement;
}

bool ArrowsShown(const TabPlacement& placement, std::int32_t scrollIndex) {
    return placement.overflowing || scrollIndex > 0;
}

std::int32_t DropMarkerX(const TabPlacement& placement, int dropIndex, std::int32_t windowWidth,
                         std::int32_t lineWidth) {
    std::int32_t x = placement.endX;
    for (const PlacedTab& tab : placement.tabs) {
        if (tab.index == dropIndex) {
            x = tab.left;
            break;
        }
    }
    if (x == 0) {
        return lineWidth;
    }
    if (x == windowWidth) {
        return windowWidth - lineWidth;
    }
    return x;
}

}  // namespace tessel

// What a screen reader is told about the parts of the main window that it
// draws itself. The frame's client object has four children: the title bar
// (named by the title), the close button (a push button), the category bar
// (a page-tab list, an object of its own whose children are the tabs) and
// the list pane's list (the object the pane answers a reader with). Pure functions over the frame's
// geometry (mainwindow/frame_zones.h, categorybar/category_strip.h and
// chrome/pane_layout.h); access/frame_accessible_win.h answers with
// them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "access/reading_basics.h"
#include "categorybar/category_strip.h"
#include "storage/layout_settings.h"

namespace tessel {

inline constexpr std::int32_t kTitleBarChild = 1;
inline constexpr std::int32_t kCloseButtonChild = 2;
inline constexpr std::int32_t kCategoryBarChild = 3;
inline constexpr std::int32_t kListPaneChild = 4;
inline constexpr std::int32_t kFrameChildren = 4;

// The frame as it is drawn now.
struct FrameView {
    const LayoutSettings* layout = nullptr;
    std::int32_t width = 0;  // client size
    std::int32_t height = 0;
    bool barShown = true;       // DispCategory
    bool closePressed = false;  // the close button drawn pressed
};

std::int32_t FrameChildRole(std::int32_t child);
std::int32_t FrameChildStates(std::int32_t child, const FrameView& view);
// Where a child stands in the frame's client space (the object itself for 0).
ClientBox FrameChildBox(std::int32_t child, const FrameView& view);
// The child under a client point (the close button before the title bar
// around it); the frame's own id where no child stands, -1 outside.
std::int32_t FrameChildAtPoint(std::int32_t x, std::int32_t y, const FrameView& view);
NavigateResult NavigateFrame(std::int32_t from, std::int32_t direction);

// The tabs of the category bar: child id = category position + 1.
ClientBox TabBox(const CategoryStrip& strip, int index);
// True when the bar draws the tab (some of it shows).
bool TabShown(const CategoryStrip& strip, int index);
std::int32_t TabStates(const CategoryStrip& strip, int index, int current);
std::int32_t TabBarStates(const CategoryStrip& strip);
// The tab under a client point; the bar's own id on the bar without a tab
// there, -1 off the bar.
std::int32_t TabAtPoint(const CategoryStrip& strip, std::int32_t x, std::int32_t y);
NavigateResult NavigateTabs(std::int32_t from, std::int32_t direction, int tabCount);

// Which of the frame's objects an event concerns.
enum class FrameObject { Client, CategoryBar };

struct FrameEvent {
    std::uint32_t event = 0;  // msaa::kEvent...
    FrameObject object = FrameObject::Client;
    std::int32_t child = 0;
};

// What the frame shows that a reader follows through events.
struct FrameFacts {
    std::string title;               // cp932
    std::vector<std::string> names;  // the categories, cp932, in order
    int current = -1;
};

// Compares the title and the tabs with those last told of: a new title,
// a renamed tab, tabs added, removed or moved (one event for the bar), and
// the tab that became current.
class TabWatch {
  public:
    void Start(FrameFacts facts);
    bool Started() const { return started_; }
    std::vector<FrameEvent> Compare(FrameFacts facts);

  private:
    bool started_ = false;
    FrameFacts told_;
};

}  // namespace tessel

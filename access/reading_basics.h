// What every part of the window tells a screen reader with: the numbers of
// Microsoft Active Accessibility (roles, states, navigation directions,
// selection flags, events), a box in client pixels and the answer of a
// navigation. The numbers are fixed by the platform's interface; the window
// code checks each against <oleacc.h> (access/accessible_object_win.cpp).
#pragma once

#include <cstdint>

namespace tessel {

namespace msaa {

// Child id 0 names the object itself.
inline constexpr std::int32_t kSelf = 0;

inline constexpr std::int32_t kRoleTitleBar = 0x01;
inline constexpr std::int32_t kRoleClient = 0x0A;
inline constexpr std::int32_t kRoleList = 0x21;
inline constexpr std::int32_t kRoleListItem = 0x22;
inline constexpr std::int32_t kRolePageTab = 0x25;
inline constexpr std::int32_t kRolePushButton = 0x2B;
inline constexpr std::int32_t kRolePageTabList = 0x3C;

inline constexpr std::int32_t kStateSelected = 0x2;
inline constexpr std::int32_t kStateFocused = 0x4;
inline constexpr std::int32_t kStatePressed = 0x8;
inline constexpr std::int32_t kStateChecked = 0x10;
inline constexpr std::int32_t kStateInvisible = 0x8000;
inline constexpr std::int32_t kStateOffscreen = 0x10000;
inline constexpr std::int32_t kStateFocusable = 0x100000;
inline constexpr std::int32_t kStateSelectable = 0x200000;
inline constexpr std::int32_t kStateMultiSelectable = 0x1000000;
inline constexpr std::int32_t kStateExtSelectable = 0x2000000;

inline constexpr std::int32_t kNavUp = 1;
inline constexpr std::int32_t kNavDown = 2;
inline constexpr std::int32_t kNavLeft = 3;
inline constexpr std::int32_t kNavRight = 4;
inline constexpr std::int32_t kNavNext = 5;
inline constexpr std::int32_t kNavPrevious = 6;
inline constexpr std::int32_t kNavFirstChild = 7;
inline constexpr std::int32_t kNavLastChild = 8;

inline constexpr std::int32_t kSelectTakeFocus = 0x1;
inline constexpr std::int32_t kSelectTakeSelection = 0x2;
inline constexpr std::int32_t kSelectExtend = 0x4;
inline constexpr std::int32_t kSelectAdd = 0x8;
inline constexpr std::int32_t kSelectRemove = 0x10;

inline constexpr std::uint32_t kEventReorder = 0x8004;
inline constexpr std::uint32_t kEventFocus = 0x8005;
inline constexpr std::uint32_t kEventSelection = 0x8006;
inline constexpr std::uint32_t kEventSelectionAdd = 0x8007;
inline constexpr std::uint32_t kEventSelectionRemove = 0x8008;
inline constexpr std::uint32_t kEventSelectionWithin = 0x8009;
inline constexpr std::uint32_t kEventStateChange = 0x800A;
inline constexpr std::uint32_t kEventNameChange = 0x800C;
inline constexpr std::uint32_t kEventDescriptionChange = 0x800D;

}  // namespace msaa

// A rectangle in the client pixels of the window concerned.
struct ClientBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool Contains(std::int32_t x, std::int32_t y) const {
        return x >= left && y >= top && std::int64_t{x} < std::int64_t{left} + width &&
               std::int64_t{y} < std::int64_t{top} + height;
    }
};

// Where a navigation from a child leads: a child id, nowhere (the reader
// hears of no object there), or a request the platform calls invalid.
struct NavigateResult {
    enum class Kind { Child, None, Invalid };
    Kind kind = Kind::None;
    std::int32_t child = msaa::kSelf;

    static NavigateResult To(std::int32_t child) { return {Kind::Child, child}; }
    static NavigateResult Nowhere() { return {Kind::None, msaa::kSelf}; }
    static NavigateResult Refused() { return {Kind::Invalid, msaa::kSelf}; }
};

// Steps among children 1..count in a line: next and previous (and the two
// directions given as the line's own), first and last from the object
// itself. Other directions lead nowhere; first and last from a child are
// invalid, as the platform has it.
NavigateResult NavigateLine(std::int32_t from, std::int32_t direction, std::int32_t count,
                            std::int32_t forward, std::int32_t backward);

}  // namespace tessel

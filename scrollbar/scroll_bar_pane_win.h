// The self-drawn scroll bar, window class "ScrollBarPane": a child window
// that keeps the scroll position itself. Its owner hands it range, page and
// visibility with the private messages below; the bar moves the position
// on arrows, track, thumb, context menu and scroll requests, and reports
// every move to its parent as WM_VSCROLL (WM_HSCROLL when horizontal) with
// the scroll code alone in wParam. The parent then asks for the position
// with SBP_GETPOS.
#pragma once

#include <windows.h>

#include <cstdint>

#include "scrollbar/scroll_bar_state.h"

namespace tessel {

inline constexpr char kScrollBarPaneClass[] = "ScrollBarPane";
inline constexpr int kScrollBarControlId = 201;
inline constexpr UINT_PTR kScrollRepeatTimer = 204;

// Private messages. All answer 0 when the window has no state record.
// wParam: address of a ScrollInfoRecord; stores maxPos, pos and pageSize as
// they are (the sender keeps them valid) and repaints. Result 1.
inline constexpr UINT SBP_SETINFO = 0x8032;
// wParam: 0 horizontal, otherwise vertical. Result 1.
inline constexpr UINT SBP_SETORIENTATION = 0x8033;
// wParam: nonzero shows the bar, 0 hides it. Result 1.
inline constexpr UINT SBP_SHOW = 0x8034;
// wParam: nonzero enables the bar; a disabled bar shows no thumb. Result 1.
inline constexpr UINT SBP_ENABLE = 0x8035;
// wParam: the new position, stored as it is. Result 0.
inline constexpr UINT SBP_SETPOS = 0x8036;
// Result: the position (-1 without a state record).
inline constexpr UINT SBP_GETPOS = 0x8037;
// wParam: nonzero keeps an arrow length free at the end of a horizontal
// bar's track. Result 1.
inline constexpr UINT SBP_SETCORNER = 0x8038;
// wParam: nonzero hides the arrows; lParam: arrow length (below 1 is 1),
// which is also the bar's width and the shortest thumb. Result 1.
inline constexpr UINT SBP_SETARROWS = 0x8039;

// What SBP_SETINFO's wParam points to; the bar copies it during the call.
struct ScrollInfoRecord {
    std::int32_t unused = 0;
    std::int32_t maxPos = 0;
    std::int32_t pos = 0;
    std::int32_t pageSize = 0;
};

// Registers the class (start-up); false when the system refuses it.
bool RegisterScrollBarPane(HINSTANCE instance);

// Creates the bar as a hidden, zero-size child of parent with control id
// 201 and arrows of "ScrollBarWidth" (AppLayout). Null on failure.
HWND CreateScrollBarPane(HWND parent);

// Thin wrappers over the private messages, for the owner.
void SetScrollBarInfo(HWND bar, std::int32_t maxPos, std::int32_t pos, std::int32_t pageSize);
void ShowScrollBarPane(HWND bar, bool show);
std::int32_t GetScrollBarPos(HWND bar);

// What a choice of the bar's context menu does, given the screen point
// where the menu was opened: the jump centres the thumb there, the other
// ids are scroll requests the bar sends itself. 0 (cancelled) does nothing.
void RunScrollBarMenuChoice(HWND bar, int choice, POINT screenPoint);

// For tests: the bar's state record and its off-screen image (null
// when the window has none).
const ScrollBarState* ScrollBarStateOf(HWND bar);
HDC ScrollBarImageOf(HWND bar);

}  // namespace tessel

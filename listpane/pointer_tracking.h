// The list pane's mouse state machine: presses, moves, releases and
// double clicks of both buttons, as decisions over the store. The window
// side performs what the answers ask for (capture, scroll requests, check
// toggles, new items, the editor, the context menu, repaints).
//
//   idle --press on a row--> pressed (capture held) --move past the
//   threshold--> item drag (primary) / range drag (secondary) --release or
//   Esc--> idle. A press of one button while the other is down is ignored,
//   and so is the other button's release.
#pragma once

#include "listpane/list_geometry.h"
#include "store/list_store.h"

namespace tessel {

struct PanePoint {
    int x = -1;
    int y = -1;
};

struct PointerState {
    bool leftButtonDown = false;
    bool rightButtonDown = false;
    bool itemDragActive = false;   // the selected items are being dragged
    bool rangeDragActive = false;  // a secondary drag extends the selection
    bool collapsePending = false;  // the release selects the pressed item alone
    int pressIndex = -1;           // row position under the last press
    PanePoint pressPoint;          // client point of the last press
    int itemDropIndex = -1;        // insertion position under the pointer, -1 none
    int itemDropIndexDrawn = -1;   // itemDropIndex at the last repaint of a drag
};

struct PressKeys {
    bool ctrl = false;
    bool shift = false;
};

// What a plain press (no Ctrl, no Shift) on a row does to the selection: the
// row becomes the focus; an unselected row becomes the only selection and
// the anchor, a selected one keeps the selection, and the answer is true (a
// drag of the whole selection may follow). A reader's check toggle starts
// the same way.
bool PlainPressOnRow(ListStore& store, int row);

// Primary press. BeginPrimaryPress answers false (ignored) while the
// secondary button is down; the window then ends open edits and calls
// PrimaryPress.
bool BeginPrimaryPress(PointerState& state);
enum class PrimaryPressResult {
    Nothing,      // no category, no items or below the last row: nothing changes
    Invalidate,   // the item could not be read
    ToggleCheck,  // on the check box: toggle the check of the focus row, no capture
    Capture,      // take the mouse and repaint
};
PrimaryPressResult PrimaryPress(PointerState& state, ListStore& store, const ListMetrics& m, int x,
                                int y, PressKeys keys);

// A pointer move while the pane holds the mouse.
enum class ScrollRequest { None, LineUp, LineDown };
struct PointerMoveResult {
    ScrollRequest scroll = ScrollRequest::None;
    bool invalidate = false;
};
struct DragThreshold {
    int x = 4;
    int y = 4;
};
PointerMoveResult PointerMove(PointerState& state, ListStore& store, const ListMetrics& m,
                              int clientHeight, DragThreshold threshold, int x, int y);

// Primary release. EndPrimaryPress answers false (ignored) while the
// secondary button is down; the window then releases the mouse and calls
// PrimaryRelease, which answers whether to repaint.
bool EndPrimaryPress(PointerState& state);
bool PrimaryRelease(PointerState& state, ListStore& store);

enum class DoubleClickAction {
    None,
    AppendItem,   // below the last row: a new empty item at the end
    ToggleCheck,  // on the focus item's check box: toggle from the row under the point
    EndEdit,      // an edit is open: commit it
    BeginEdit,    // open the editor on the focus row, then repaint
};
DoubleClickAction DecideDoubleClick(const PointerState& state, const ListStore& store,
                                    const ListMetrics& m, int x, int y, bool itemEditing);

// Secondary press, as the primary one.
bool BeginSecondaryPress(PointerState& state);
enum class SecondaryPressResult { Nothing, Invalidate, Capture };
SecondaryPressResult SecondaryPress(PointerState& state, ListStore& store, const ListMetrics& m,
                                    int x, int y);

bool EndSecondaryPress(PointerState& state);
enum class SecondaryReleaseResult { Nothing, Invalidate, OpenMenu };
SecondaryReleaseResult SecondaryRelease(PointerState& state, const ListStore& store);

// Esc: ends a drag without moving anything, keeping the selection made so
// far. True when a drag was active (release the mouse, repaint).
bool CancelDrag(PointerState& state);

// The mouse was taken away while a button was held (a dialog, another
// window's capture): the press ends here and its release, which now goes
// elsewhere, is not waited for. True when something was in progress.
bool PressInterrupted(PointerState& state);

}  // namespace tessel

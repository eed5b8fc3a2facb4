// The main window's own parts as a screen reader reads them: the frame's
// client object (title bar, close button, category bar, list pane) and the
// category bar's page-tab list, read from the store, the settings and the
// frame's geometry whenever asked. Each holds only the frame's handle and
// stops answering once that window is gone.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include "access/com_ref_win.h"

namespace tessel {

// The object id under which the frame answers WM_GETOBJECT with the
// category bar, so that an event about a tab leads a reader to it. Ids
// above 0 are the program's own.
inline constexpr LONG kCategoryBarObjectId = 1;

// New objects for the frame (std::bad_alloc when memory runs out).
ComRef<IAccessible> MakeFrameObject(HWND frame);
ComRef<IAccessible> MakeCategoryBarObject(HWND frame);

}  // namespace tessel

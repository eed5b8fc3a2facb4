// The list pane as a screen reader reads it: a list (named by its
// category) whose children are the rows of the current category, read from
// the store and the pane's geometry whenever asked. One object answers for
// every row, so that 100,000 rows cost no object each; it holds nothing but
// the pane's handle and stops answering once that pane is gone.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include "access/com_ref_win.h"

namespace tessel {

// A new object for the pane (std::bad_alloc when memory runs out).
ComRef<IAccessible> MakeListObject(HWND pane);

}  // namespace tessel

// An in-place edit box as a screen reader reads it: the system's own object
// for the EDIT control (its text, caret and states), named by what the box
// edits, which a box laid over a self-drawn row has no label to tell.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

#include "access/com_ref_win.h"

namespace tessel {

// The system's object of the box, answering name for the box itself
// (std::bad_alloc when memory runs out).
ComRef<IAccessible> MakeNamedEditObject(ComRef<IAccessible> standard, std::wstring name);

}  // namespace tessel

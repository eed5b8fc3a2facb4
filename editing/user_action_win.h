// The start of every user action: a key or a command, a menu choice, a
// press of a mouse button on the frame or the list, a screen reader's
// default action. Each is an undo step of its own, and an edit it commits
// another, before it.
#pragma once

#include "editing/action_prep.h"

namespace tessel {

// Seals the undo step being recorded, then does to an open edit what prep
// asks. false when the action must not run (an item edit refuses it).
bool BeginUserAction(const ActionPrep& prep = kCommitOpenEdits);

}  // namespace tessel

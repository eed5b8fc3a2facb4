// When the idle save writes list.txt, in milliseconds: the guide tells the
// user these times.
#pragma once

namespace tessel {

// list.txt is written this long after the last change.
inline constexpr unsigned kIdleSaveDelay = 2000;
// After a failed idle save, it is tried again this often until one succeeds.
inline constexpr unsigned kFailedSaveRetryDelay = 30000;

}  // namespace tessel

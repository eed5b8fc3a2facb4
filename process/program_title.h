// The program's title, cp932: the window text while there is no category,
// the tray icon's tooltip and the caption of every error message.
#pragma once

namespace tessel {

// てっせるリスト
inline constexpr char kProgramTitle[] = "\x82\xC4\x82\xC1\x82\xB9\x82\xE9\x83\x8A\x83\x58\x83\x67";

}  // namespace tessel

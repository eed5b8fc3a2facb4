// A memory DC with a 12-pixel cp932 font selected, as the category bar
// measures names with: for tests and timed programs that read list.txt
// without the main window.
#pragma once

#include <windows.h>

#include <string>

#include "drawing/gdi_handles_win.h"

namespace tessel::test {

class MeasureDc {
  public:
    MeasureDc()
        : dc_(CreateCompatibleDC(nullptr)),
          font_(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                            "ＭＳ Ｐゴシック")),
          selected_(dc_.Get(), font_.Get()) {}

    HDC Get() const { return dc_.Get(); }
    int Width(const std::string& text) const {
        SIZE size{};
        GetTextExtentPoint32A(dc_.Get(), text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

  private:
    // Declared in this order so that the font is deselected before either goes.
    MemoryDc dc_;
    FontHandle font_;
    SelectedObject selected_;
};

}  // namespace tessel::test

#include "listpane/list_buffer_win.h"

namespace tessel {

OffscreenImage ListBuffer;

int CreateListBuffer(HWND pane, int width, int height) {
    return ListBuffer.Create(pane, width, height) ? 1 : 0;
}

void ReleaseListBuffer() {
    ListBuffer.Release();
}

}  // namespace tessel

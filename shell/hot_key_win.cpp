#include "shell/hot_key_win.h"

#include "shell/hot_key_code.h"

namespace tessel {

int RegisterWindowHotKey(std::int32_t keyCode, int id, HWND window) {
    if (keyCode <= 0) {
        UnregisterHotKey(window, id);
        return 0;
    }
    return RegisterHotKey(window, id, HotKeyModifiers(keyCode), HotKeyVirtualKey(keyCode)) ? 1 : 0;
}

}  // namespace tessel

// Entry point of the program.
#include <windows.h>

#include "app/placeholder_frame.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!tessel::RegisterPlaceholderFrame(instance)) {
        return 0;
    }
    HWND frame = tessel::CreatePlaceholderFrame(instance);
    if (frame == nullptr) {
        return 0;
    }
    ShowWindow(frame, showCommand);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

// tessel_e2e_helper: what the end-to-end scripts ask of the system beyond
// the probe: the work area, the number of windows of a class, the messages
// the system sends when the session ends, and a file held as another
// program holds it.
//
//   tessel_e2e_helper workarea                 print "left top right bottom"
//   tessel_e2e_helper count CLASS              print the number of top-level windows
//   tessel_e2e_helper query-end-session CLASS  send WM_QUERYENDSESSION, print the answer
//   tessel_e2e_helper end-session CLASS 0|1    send WM_ENDSESSION with that wParam
//   tessel_e2e_helper hold FILE CLASS MS       open FILE sharing nothing, print "held",
//                                              keep it until MS after a window of CLASS shows up
// Exit status 0 on success, 1 when the window is not found or does not
// answer, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct CountRequest {
    const char* cls;
    int count;
};

BOOL CALLBACK CountWindows(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<CountRequest*>(param);
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == request->cls) {
        ++request->count;
    }
    return TRUE;
}

bool Send(const char* cls, UINT message, WPARAM wParam, DWORD_PTR& answer) {
    HWND window = FindWindowA(cls, nullptr);
    if (window == nullptr) {
        return false;
    }
    return SendMessageTimeoutA(window, message, wParam, 0, SMTO_NORMAL, 20000, &answer) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    const std::string verb = argv[1];
    if (verb == "workarea") {
        RECT area{};
        if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
            return 1;
        }
        std::printf("%ld %ld %ld %ld\n", area.left, area.top, area.right, area.bottom);
        return 0;
    }
    if (argc < 3) {
        return 2;
    }
    if (verb == "count") {
        CountRequest request{argv[2], 0};
        EnumWindows(CountWindows, reinterpret_cast<LPARAM>(&request));
        std::printf("%d\n", request.count);
        return 0;
    }
    DWORD_PTR answer = 0;
    if (verb == "query-end-session") {
        if (!Send(argv[2], WM_QUERYENDSESSION, 0, answer)) {
            return 1;
        }
        std::printf("%lu\n", static_cast<unsigned long>(answer));
        return 0;
    }
    if (verb == "hold" && argc > 4) {
        HANDLE opened = CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened == INVALID_HANDLE_VALUE) {
            return 1;
        }
        const std::unique_ptr<void, decltype(&CloseHandle)> file(opened, &CloseHandle);
        std::printf("held\n");
        std::fflush(stdout);
        // The window exists from the start of its creation, while the file
        // is read: from then on the reader is held up for MS.
        for (int i = 0; i < 3000 && FindWindowA(argv[3], nullptr) == nullptr; ++i) {
            Sleep(10);
        }
        Sleep(static_cast<DWORD>(std::atoi(argv[4])));
        return 0;
    }
    if (verb == "end-session" && argc > 3) {
        return Send(argv[2], WM_ENDSESSION, static_cast<WPARAM>(std::atoi(argv[3])), answer) ? 0
                                                                                             : 1;
    }
    return 2;
}

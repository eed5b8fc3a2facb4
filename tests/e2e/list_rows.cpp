// list_rows CLASS CHILD: prints every row of a child window that answers
// LB_GETCOUNT and LB_GETTEXT, one line each (cp932 bytes), as an outside
// reader asks for them.
//
// Works around Wine 8.0, whose cross-process LB_GETTEXT to a window of an
// ANSI class hands an ANSI caller the reply in UTF-16 (and turns double-byte
// characters into "?"): a reply that holds a NUL inside its reported length
// is read as UTF-16 and converted back. Rows the end-to-end tests read this
// way are kept to ASCII. On Windows the reply is the plain cp932 text.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 3) {
        std::fprintf(stderr, "list_rows: bad usage\n");
        return 2;
    }
    HWND top = FindWindowA(argv[1], nullptr);
    HWND child = top ? FindWindowExA(top, nullptr, argv[2], nullptr) : nullptr;
    if (child == nullptr) {
        return 1;
    }
    const LRESULT count = SendMessageA(child, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        // Room for a UTF-16 reply of any row (texts keep at most 255 bytes).
        std::vector<char> buffer(2048, '\0');
        const LRESULT got = SendMessageA(child, LB_GETTEXT, static_cast<WPARAM>(row),
                                         reinterpret_cast<LPARAM>(buffer.data()));
        if (got < 0) {
            return 1;
        }
        std::string text(buffer.data(), static_cast<std::size_t>(got));
        if (text.find('\0') != std::string::npos) {
            const auto* wide = reinterpret_cast<const wchar_t*>(buffer.data());
            char narrow[1024] = {};
            WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
            text = narrow;
        }
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
    }
    return 0;
}

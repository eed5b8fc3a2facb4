// tessel_probe: drives and queries the running program from another process,
// as any other program could. Used by the end-to-end tests.
//
//   tessel_probe wait CLASS SECONDS        wait for a top-level window, print its handle
//   tessel_probe gone CLASS SECONDS        wait until no such window is left
//   tessel_probe close CLASS               post WM_CLOSE
//   tessel_probe command CLASS ID          post WM_COMMAND with ID
//   tessel_probe title CLASS               print the window text (cp932 bytes)
//   tessel_probe box-text CLASS            print a message box's text (UTF-8), CLASS "#32770"
//   tessel_probe rect CLASS [CHILD]        print "left top width height" in screen pixels
//   tessel_probe lb-count CLASS CHILD      print LB_GETCOUNT of a child window
//   tessel_probe lb-text CLASS CHILD N     print LB_GETTEXT of row N (cp932 bytes)
//   tessel_probe visible CLASS             print 1 or 0
//   tessel_probe iconic CLASS              print 1 when minimised, else 0
//   tessel_probe clip-get -                write the clipboard's text (CF_TEXT) to stdout, as is
//   tessel_probe clip-set -                put stdin on the clipboard as CF_TEXT
//   tessel_probe ctrl-key CLASS KEY        bring the window forward and type Ctrl+KEY (a letter)
//   tessel_probe clip-set-utf8 -           put stdin (UTF-8) on the clipboard as CF_UNICODETEXT
//   tessel_probe clip-get-utf8 -           write the clipboard's CF_UNICODETEXT to stdout as UTF-8
//   tessel_probe clip-locale -             print the clipboard's CF_LOCALE in hex
//   tessel_probe clip-formats -            print the clipboard's formats in their order (none read)
//   only tessel_probe acp -                     print the ANSI code page of a process started now
//   tessel_probe acc-rows CLASS CHILD [ID]  as a screen reader: the object ID (OBJID_CLIENT by
//                                          default) of a child ("-": the window itself), its
//                                          name and child count, then each child's
//                                          "name|description|states in hex" (UTF-8)
//   tessel_probe acc-do CLASS CHILD N      the default action of child N of the child's client
// Exit status 0 on success, 1 when the window is not found, 2 on bad usage.
#include <windows.h>

#include <oleacc.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "access/com_ref_win.h"

namespace {

HWND FindTop(const char* cls) {
    return FindWindowA(cls, nullptr);
}

HWND FindChild(HWND top, const char* cls) {
    return top ? FindWindowExA(top, nullptr, cls, nullptr) : nullptr;
}

HWND WaitFor(const char* cls, double seconds) {
    DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        HWND w = FindTop(cls);
        if (w || static_cast<LONG>(GetTickCount() - end) >= 0) {
            return w;
        }
        Sleep(50);
    }
}

int Usage() {
    std::fprintf(stderr, "tessel_probe: bad usage\n");
    return 2;
}

void PrintBytes(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fputc('\n', stdout);
}

// The clipboard belongs to whoever opens it; another program may hold it
// for a moment, so opening is tried for a while.
bool OpenClipboardPatiently() {
    for (int i = 0; i < 100; ++i) {
        if (OpenClipboard(nullptr)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

int ClipboardToStdout() {
    if (!OpenClipboardPatiently()) {
        return 1;
    }
    int status = 1;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            std::fwrite(text, 1, std::strlen(text), stdout);
            GlobalUnlock(data);
            status = 0;
        }
    }
    CloseClipboard();
    return status;
}

std::string ReadStdin() {
    _setmode(_fileno(stdin), _O_BINARY);
    std::string text;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0;) {
        text.append(chunk, got);
    }
    return text;
}

// Puts bytes (their terminating zero included) on the clipboard in one
// format; the clipboard then owns the block.
int PutOnClipboard(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* data = block ? GlobalLock(block) : nullptr;
    if (!data) {
        return 1;
    }
    std::memcpy(data, bytes, size);
    GlobalUnlock(block);
    if (!OpenClipboardPatiently()) {
        GlobalFree(block);
        return 1;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(format, block) != nullptr;
    CloseClipboard();
    if (!set) {
        GlobalFree(block);
    }
    return set ? 0 : 1;
}

int StdinToClipboard() {
    const std::string text = ReadStdin();
    return PutOnClipboard(CF_TEXT, text.c_str(), text.size() + 1);
}

// What a Unicode program puts on the clipboard: UTF-16 alone.
int Utf8StdinToUnicodeClipboard() {
    const std::string text = ReadStdin();
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

// Real key strokes, so that the program's accelerator table turns them into
// its command, as it does for the user.
int TypeCtrlKey(HWND top, char letter) {
    SetForegroundWindow(top);
    Sleep(200);
    const WORD key =
        static_cast<WORD>(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
    INPUT inputs[4] = {};
    const WORD keys[4] = {VK_CONTROL, key, key, VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    const UINT sent = SendInput(4, inputs, sizeof(INPUT));
    Sleep(300);
    return sent == 4 ? 0 : 1;
}

std::string Utf8(const wchar_t* text) {
    if (text == nullptr) {
        return std::string();
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(std::strlen(utf8.c_str()));
    return utf8;
}

// The clipboard's UTF-16 text as UTF-8, or its locale in hex; 1 when it has none.
int ClipboardFormatToStdout(UINT format) {
    if (!OpenClipboardPatiently()) {
        return 1;
    }
    int status = 1;
    if (HANDLE data = GetClipboardData(format)) {
        if (const void* bytes = GlobalLock(data)) {
            if (format == CF_LOCALE && GlobalSize(data) >= sizeof(LCID)) {
                LCID locale = 0;
                std::memcpy(&locale, bytes, sizeof locale);
                std::printf("%lx\n", static_cast<unsigned long>(locale));
                status = 0;
            } else if (format == CF_UNICODETEXT) {
                const std::string utf8 = Utf8(static_cast<const wchar_t*>(bytes));
                std::fwrite(utf8.data(), 1, utf8.size(), stdout);
                status = 0;
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return status;
}

int PrintClipboardFormats() {
    if (!OpenClipboardPatiently()) {
        return 1;
    }
    std::string formats;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        formats += (formats.empty() ? "" : " ") + std::to_string(format);
    }
    CloseClipboard();
    PrintBytes(formats);
    return 0;
}

VARIANT ChildVariant(long child) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = child;
    return v;
}

// What a reader reads of one child: a text call's answer in UTF-8.
template <class Call>
std::string ReadText(IAccessible* object, long child, Call call) {
    BSTR text = nullptr;
    (object->*call)(ChildVariant(child), &text);
    std::string utf8 = Utf8(text);
    SysFreeString(text);
    return utf8;
}

// The object a screen reader in this process gets for the window (COM is
// started by the caller); empty when the window answers none.
tessel::ComRef<IAccessible> ReaderObject(HWND window, LONG id) {
    tessel::ComRef<IAccessible> object;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(id), __uuidof(IAccessible),
                               reinterpret_cast<void**>(object.Put()));
    return object;
}

int ReadAccessibleRows(HWND window, LONG id) {
    const tessel::ComRef<IAccessible> object = ReaderObject(window, id);
    if (!object) {
        return 1;
    }
    long count = 0;
    object->get_accChildCount(&count);
    PrintBytes(ReadText(object.Get(), CHILDID_SELF, &IAccessible::get_accName) + "|" +
               std::to_string(count));
    for (long child = 1; child <= count && child <= 50; ++child) {
        VARIANT state;
        VariantInit(&state);
        object->get_accState(ChildVariant(child), &state);
        char states[16];
        std::snprintf(states, sizeof states, "%lx", state.vt == VT_I4 ? state.lVal : -1L);
        PrintBytes(ReadText(object.Get(), child, &IAccessible::get_accName) + "|" +
                   ReadText(object.Get(), child, &IAccessible::get_accDescription) + "|" + states);
    }
    return 0;
}

int DoDefaultAction(HWND window, long child) {
    const tessel::ComRef<IAccessible> object = ReaderObject(window, OBJID_CLIENT);
    return object && SUCCEEDED(object->accDoDefaultAction(ChildVariant(child))) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Raw bytes out: cp932 text and "\n", never "\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 3) {
        return Usage();
    }
    std::string verb = argv[1];
    const char* cls = argv[2];
    if (verb == "clip-get") {
        return ClipboardToStdout();
    }
    if (verb == "clip-get-utf8") {
        return ClipboardFormatToStdout(CF_UNICODETEXT);
    }
    if (verb == "clip-locale") {
        return ClipboardFormatToStdout(CF_LOCALE);
    }
    if (verb == "clip-formats") {
        return PrintClipboardFormats();
    }
    if (verb == "clip-set-utf8") {
        return Utf8StdinToUnicodeClipboard();
    }
    if (verb == "acp") {
        std::printf("%u\n", GetACP());
        return 0;
    }
    if (verb == "clip-set") {
        return StdinToClipboard();
    }
    if (verb == "wait") {
        HWND w = WaitFor(cls, argc > 3 ? std::atof(argv[3]) : 10.0);
        if (!w) {
            return 1;
        }
        std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(w)));
        return 0;
    }
    if (verb == "gone") {
        DWORD end =
            GetTickCount() + static_cast<DWORD>((argc > 3 ? std::atof(argv[3]) : 10.0) * 1000);
        while (FindTop(cls)) {
            if (static_cast<LONG>(GetTickCount() - end) >= 0) {
                return 1;
            }
            Sleep(50);
        }
        return 0;
    }
    HWND top = FindTop(cls);
    if (!top) {
        return 1;
    }
    if (verb == "close") {
        return PostMessageA(top, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (verb == "command" && argc > 3) {
        return PostMessageA(top, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[3])), 0) ? 0 : 1;
    }
    if (verb == "ctrl-key" && argc > 3) {
        return TypeCtrlKey(top, argv[3][0]);
    }
    if (verb == "visible") {
        std::printf("%d\n", IsWindowVisible(top) ? 1 : 0);
        return 0;
    }
    if (verb == "iconic") {
        std::printf("%d\n", IsIconic(top) ? 1 : 0);
        return 0;
    }
    if (verb == "title") {
        char text[1024] = {};
        GetWindowTextA(top, text, sizeof text);
        PrintBytes(text);
        return 0;
    }
    if (verb == "box-text") {
        // The message text is the static control 0xFFFF of a message box;
        // UTF-8 keeps a path whose letters cp932 lacks.
        wchar_t text[2048] = {};
        GetDlgItemTextW(top, 0xFFFF, text, static_cast<int>(std::size(text)));
        char utf8[4 * std::size(text)] = {};
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
        PrintBytes(utf8);
        return 0;
    }
    if (verb == "rect") {
        HWND target = argc > 3 ? FindChild(top, argv[3]) : top;
        RECT r;
        if (!target || !GetWindowRect(target, &r)) {
            return 1;
        }
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if ((verb == "acc-rows" || verb == "acc-do") && argc > 3) {
        HWND window = std::strcmp(argv[3], "-") == 0 ? top : FindChild(top, argv[3]);
        if (!window || FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
            return 1;
        }
        const int status =
            verb == "acc-do"
                ? (argc > 4 ? DoDefaultAction(window, std::atol(argv[4])) : 2)
                : ReadAccessibleRows(window, argc > 4 ? std::atol(argv[4]) : OBJID_CLIENT);
        CoUninitialize();
        return status;
    }
    if (verb == "lb-count" && argc > 3) {
        HWND child = FindChild(top, argv[3]);
        if (!child) {
            return 1;
        }
        std::printf("%ld\n", static_cast<long>(SendMessageA(child, LB_GETCOUNT, 0, 0)));
        return 0;
    }
    if (verb == "lb-text" && argc > 4) {
        HWND child = FindChild(top, argv[3]);
        if (!child) {
            return 1;
        }
        WPARAM row = static_cast<WPARAM>(std::atoi(argv[4]));
        LRESULT length = SendMessageA(child, LB_GETTEXTLEN, row, 0);
        if (length < 0) {
            return 1;
        }
        std::vector<char> text(static_cast<size_t>(length) + 1);
        LRESULT got = SendMessageA(child, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        if (got < 0) {
            return 1;
        }
        PrintBytes(std::string(text.data(), static_cast<size_t>(got)));
        return 0;
    }
    return Usage();
}

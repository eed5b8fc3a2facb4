// Answers the message boxes of this process while a test runs: a second
// thread finds each one, records its caption and text, and presses OK (or
// the chosen answer of a Yes/No question), so that a report never waits for
// a click that will not come.
#pragma once

#include <windows.h>

#include <atomic>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "process/wide_text_win.h"

namespace tessel::test {

struct SeenMessageBox {
    std::string caption;  // cp932; a letter cp932 lacks is "?"
    std::string text;
    std::wstring wideText;  // as the box shows it
};

class MessageBoxWatcher {
  public:
    MessageBoxWatcher() : thread_([this] { Run(); }) {}
    ~MessageBoxWatcher() {
        stop_ = true;
        thread_.join();
    }
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // What a box with Yes and No buttons is answered: IDYES or IDNO.
    void AnswerQuestions(int answer) { questionAnswer_ = answer; }

    std::vector<SeenMessageBox> Seen() {
        std::lock_guard<std::mutex> lock(mutex_);
        return seen_;
    }

  private:
    static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (process == GetCurrentProcessId() && std::string(name) == "#32770" &&
            IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    void Run() {
        while (!stop_) {
            HWND box = nullptr;
            EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
            if (box != nullptr && box != answered_) {
                wchar_t caption[1024] = {};
                wchar_t text[2048] = {};
                GetWindowTextW(box, caption, static_cast<int>(std::size(caption)));
                // The message text is the static control 0xFFFF of a message box.
                GetDlgItemTextW(box, 0xFFFF, text, static_cast<int>(std::size(text)));
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    seen_.push_back({Cp932FromWide(caption), Cp932FromWide(text), text});
                }
                answered_ = box;
                const bool question = GetDlgItem(box, IDYES) != nullptr;
                PostMessageA(box, WM_COMMAND, question ? questionAnswer_.load() : IDOK, 0);
            }
            Sleep(20);
        }
    }

    std::atomic<bool> stop_{false};
    std::atomic<int> questionAnswer_{IDNO};
    std::mutex mutex_;
    std::vector<SeenMessageBox> seen_;
    HWND answered_ = nullptr;
    std::thread thread_;
};

}  // namespace tessel::test

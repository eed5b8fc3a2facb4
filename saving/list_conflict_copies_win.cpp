#include "saving/list_conflict_copies_win.h"

#include <set>
#include <string>
#include <vector>

#include "categorybar/category_commands_win.h"
#include "editing/edit_session_win.h"
#include "process/app_state_win.h"
#include "process/data_files_win.h"
#include "process/program_title.h"
#include "process/wide_text_win.h"

namespace tessel {
namespace {

// The copies asked about while the program runs.
std::set<std::wstring> askedCopies;
// A question is up: the activation as it closes asks nothing.
bool asking = false;

bool WindowFree(HWND window) {
    if (!IsWindowVisible(window) || IsIconic(window) || !IsWindowEnabled(window) ||
        GetCapture() != nullptr || OpenEditOwner() != EditOwner::None) {
        return false;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return !GetGUIThreadInfo(GetCurrentThreadId(), &info) ||
           (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) == 0;
}

// The name behind the last backslash.
std::wstring FileName(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool AskToMerge(HWND window, const std::wstring& path) {
    const std::wstring text =
        WideFromCp932("同期ソフトが作ったリストファイルの別の版が見つかりました。\n\n") +
        FileName(path) +
        WideFromCp932(
            "\n\nこのリストに合わせますか？\n"
            "両方の項目をすべて残します。元に戻す (Ctrl+Z) で取り消せます。");
    return MessageBoxW(window, text.c_str(), WideFromCp932(kProgramTitle).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace

void OfferListConflictCopies(HWND window) {
    if (asking || !WindowFree(window)) {
        return;  // the question waits, also while the window is in the tray
    }
    for (const std::wstring& path : FindListConflictCopies()) {
        if (!askedCopies.insert(path).second) {
            continue;
        }
        asking = true;
        const bool merge = AskToMerge(window, path);
        asking = false;
        if (merge) {
            if (MergeListConflictCopy(path) == ConflictCopyMerge::NotRead) {
                askedCopies.erase(path);  // asked again once it can be read
            }
            if (SelectCategory(AppStore.currentCategory) == 0 && AppStore.categoryCount > 0) {
                SelectCategory(0);
            }
        }
        return;  // one question at a time
    }
}

}  // namespace tessel

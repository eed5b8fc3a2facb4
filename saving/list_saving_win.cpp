#include "saving/list_saving_win.h"

#include <cstdio>
#include <string>

#include "categorybar/category_commands_win.h"
#include "chrome/offscreen_win.h"
#include "editing/edit_session_win.h"
#include "process/app_state_win.h"
#include "process/data_files_win.h"
#include "process/error_report_win.h"
#include "process/program_title.h"
#include "process/wide_text_win.h"

namespace tessel {

unsigned FailedSaveRetryDelay = kFailedSaveRetryDelay;

namespace {

void ShowNotice(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), WideFromCp932(kProgramTitle).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

// The one notice of a merge that had to keep both versions of something.
void TellMergeConflicts(HWND owner, int conflicts, const std::wstring& copy) {
    char count[96];
    std::snprintf(count, sizeof count,
                  "両方で違うように変更された %d 個の項目は、両方を残しました。\n", conflicts);
    std::wstring text = WideFromCp932(
                            "リストファイルが他のプログラムによって変更されていたため、\n"
                            "このリストと合わせました。\n") +
                        WideFromCp932(count);
    if (!copy.empty()) {
        text += WideFromCp932("変更されていたファイルは次のファイルにも残しました。\n\n") + copy;
    }
    ShowNotice(owner, text);
}

// Tells, once, where the write kept the list it replaced: another
// program's version, or a file that was not read whole.
void TellChangedCopy(HWND owner) {
    const std::wstring unread = TakeUnreadListCopy();
    if (!unread.empty()) {
        ShowNotice(owner,
                   WideFromCp932("リストファイルは全部を読み込めていなかったため、\n"
                                 "元のファイルを次のファイルに残してから保存しました。\n\n") +
                       unread);
    }
    const int conflicts = TakeMergeConflicts();
    const std::wstring copy = TakeChangedListCopy();
    if (conflicts > 0) {
        TellMergeConflicts(owner, conflicts, copy);
        return;
    }
    if (copy.empty()) {
        return;
    }
    ShowNotice(owner, WideFromCp932(
                          "リストファイルが他のプログラムによって変更されていました。\n"
                          "変更された内容は次のファイルに保存し、このリストを保存しました。\n\n") +
                          copy);
}

// A mouse action, a menu or a modal box may still act on the list as it is.
bool ListInUse(HWND window) {
    if (!IsWindowEnabled(window) || GetCapture() != nullptr) {
        return true;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) &&
           (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

// A failed idle save was reported; the next reports wait for a success.
bool idleSaveFailureReported = false;

void ReportFailedSave(HWND owner) {
    ReportError(kErrorFileSave, "処理内容：リストファイル保存", ListFilePath(), owner);
}

}  // namespace

bool SaveListReporting(HWND owner) {
    if (!WriteListFile()) {
        ReportFailedSave(owner);
        return false;
    }
    idleSaveFailureReported = false;
    TellChangedCopy(owner);
    return true;
}

void ArmIdleSave() {
    if (MainFrameHandle != nullptr) {
        SetTimer(MainFrameHandle, kIdleSaveTimer, kIdleSaveDelay, nullptr);
    }
}

namespace {

// What came of an idle save: a failure is reported once, until a save
// succeeds again.
void NoteIdleSave(HWND window, bool saved) {
    if (saved) {
        idleSaveFailureReported = false;
        TellChangedCopy(window);
    } else if (!idleSaveFailureReported) {
        idleSaveFailureReported = true;
        ReportFailedSave(window);
    }
}

// The disk may have room again, the lock may be gone: no change need come
// first.
void RetryFailedIdleSave(HWND window) {
    SetTimer(window, kIdleSaveTimer, FailedSaveRetryDelay, nullptr);
}

}  // namespace

void OnIdleSaveTimer(HWND window) {
    KillTimer(window, kIdleSaveTimer);
    switch (ContinueListWrite()) {
        case ListWriteOutcome::Working:
            SetTimer(window, kIdleSaveTimer, kIdleSaveWritePoll, nullptr);
            return;
        case ListWriteOutcome::Saved:
            NoteIdleSave(window, true);
            break;  // changes made meanwhile are written next
        case ListWriteOutcome::Failed:
            NoteIdleSave(window, false);
            RetryFailedIdleSave(window);
            return;
        case ListWriteOutcome::None:
            break;
    }
    if (ListChangesSaved()) {
        return;  // an unchanged list.txt is never rewritten
    }
    // A drag is not done. An open box's text is not in the list yet, so
    // the list is written as it stands and the box's text follows later.
    if (ListInUse(window)) {
        SetTimer(window, kIdleSaveTimer, kIdleSaveRetry, nullptr);
        return;
    }
    // Another PC's version is merged in (and the merge written) first.
    TakeUpOutsideListChanges(window);
    if (ListChangesSaved()) {
        return;
    }
    // Formatted a slice at a time and written by a worker, so that a key
    // pressed meanwhile is not held.
    if (StartListWriteInBackground()) {
        SetTimer(window, kIdleSaveTimer, kIdleSaveWritePoll, nullptr);
        return;
    }
    NoteIdleSave(window, false);
    RetryFailedIdleSave(window);
}

bool ConfirmExitWithoutSaving(HWND owner) {
    const std::wstring question =
        WideFromCp932("リストを保存できませんでした。保存せずに終了しますか？");
    return MessageBoxW(owner, question.c_str(), WideFromCp932(kProgramTitle).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

bool ListHasUnsavedChanges() {
    return !ListChangesSaved() || OpenEditOwner() != EditOwner::None;
}

void TellReadNotices(HWND window) {
    KillTimer(window, kReadNoticeTimer);
    if (!IsWindowVisible(window) || IsIconic(window) || ListInUse(window)) {
        return;  // the watch comes back to them
    }
    std::wstring text;
    for (const std::wstring& notice : TakeReadNotices()) {
        text += (text.empty() ? L"" : L"\n\n\n") + notice;
    }
    if (!text.empty()) {
        ShowNotice(window, text);
    }
}

void ArmReadNotices(HWND window) {
    if (HasReadNotices()) {
        SetTimer(window, kReadNoticeTimer, kReadNoticeDelay, nullptr);
    }
}

void TakeUpOutsideListChanges(HWND window) {
    // What was read is told once the window shows, out of the activation
    // or timer that brought it here.
    if (IsWindowVisible(window) && !IsIconic(window)) {
        ArmReadNotices(window);
    }
    // Never under an open edit, a drag, a menu or a box: it waits.
    if (OpenEditOwner() != EditOwner::None || ListInUse(window) || OffscreenDc() == nullptr) {
        return;
    }
    const int top = AppStore.topIndex;
    OutsideListChange change = TakeUpChangedListFile(OffscreenDc());
    if (change == OutsideListChange::WouldEmpty) {
        // Told first: an empty file is what a writer that failed part-way
        // leaves. Ctrl+Z gives the list back. The activation as the notice
        // closes finds it told.
        static bool telling = false;
        if (telling) {
            return;
        }
        telling = true;
        ShowNotice(window,
                   WideFromCp932("リストファイルが他のプログラムによって変更され、\n"
                                 "項目がなくなるカテゴリがあります。この変更を読み込みます。\n"
                                 "元に戻すときは、元に戻す (Ctrl+Z) を使ってください。"));
        telling = false;
        change = TakeUpChangedListFile(OffscreenDc(), true);
    }
    if (change != OutsideListChange::TakenUp) {
        return;
    }
    // The scroll position stays as near as it can.
    AppStore.topIndex = top;
    if (SelectCategory(AppStore.currentCategory) == 0 && AppStore.categoryCount > 0) {
        SelectCategory(0);
    }
    TellChangedCopy(window);
}

}  // namespace tessel

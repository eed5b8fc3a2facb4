#include "saving/list_saving_win.h"

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
namespace {

// Tells, once, where another program's version of list.txt was kept.
void TellChangedCopy(HWND owner) {
    const std::wstring copy = TakeChangedListCopy();
    if (copy.empty()) {
        return;
    }
    const std::wstring text =
        WideFromCp932(
            "リストファイルが他のプログラムによって変更されていました。\n"
            "変更された内容は次のファイルに保存し、このリストを保存しました。\n\n") +
        copy;
    MessageBoxW(owner, text.c_str(), WideFromCp932(kProgramTitle).c_str(),
                MB_OK | MB_ICONINFORMATION);
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

void OnIdleSaveTimer(HWND window) {
    KillTimer(window, kIdleSaveTimer);
    if (ListChangesSaved()) {
        return;  // an unchanged list.txt is never rewritten
    }
    // An open edit's text is not in the list yet; a drag is not done.
    if (OpenEditOwner() != EditOwner::None || ListInUse(window)) {
        SetTimer(window, kIdleSaveTimer, kIdleSaveRetry, nullptr);
        return;
    }
    if (WriteListFile()) {
        idleSaveFailureReported = false;
        TellChangedCopy(window);
    } else if (!idleSaveFailureReported) {
        idleSaveFailureReported = true;
        ReportFailedSave(window);
    }
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

void TakeUpOutsideListChanges(HWND window) {
    if (ListHasUnsavedChanges() || ListInUse(window) || OffscreenDc() == nullptr) {
        return;
    }
    const int focus = AppStore.focusIndex;
    const int top = AppStore.topIndex;
    if (TakeUpChangedListFile(OffscreenDc()) != OutsideListChange::TakenUp) {
        return;
    }
    // The focus row and the scroll position stay as near as they can.
    AppStore.focusIndex = focus;
    AppStore.topIndex = top;
    if (SelectCategory(AppStore.currentCategory) == 0 && AppStore.categoryCount > 0) {
        SelectCategory(0);
    }
}

}  // namespace tessel

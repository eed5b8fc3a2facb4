#include "editing/edit_session_win.h"

#include <utility>

#include "editing/inplace_edit_box_win.h"
#include "process/app_state_win.h"
#include "process/input_method_win.h"

namespace tessel {
namespace {

struct Session {
    InplaceEditBox box;
    EditOwner owner = EditOwner::None;
    bool (*finish)(EditEnd end, const std::string& typed) = nullptr;
};
Session OpenSession;

// The box's own keys and its focus loss end the edit through here.
int EndFromBox(int commit) {
    return EndEdit(EditOwner::None, commit != 0 ? EditEnd::Keep : EditEnd::Drop) ? 1 : 0;
}

}  // namespace

HWND OpenEdit(const EditPlace& place, std::string_view text, FontHandle font, bool selectAll) {
    if (OpenSession.owner != EditOwner::None || OpenSession.box.Handle() != nullptr ||
        place.finish == nullptr) {
        return nullptr;
    }
    InplaceEditConfig config;
    config.parent = place.parent;
    config.place = place.place;
    config.limitBytes = place.limitBytes;
    config.paintsBackground = place.paintsBackground;
    config.end = EndFromBox;
    config.accessibleName = place.accessibleName;
    HWND box = OpenSession.box.Open(config, text, std::move(font));
    if (box == nullptr) {
        return nullptr;
    }
    OpenSession.finish = place.finish;
    if (selectAll) {
        SendMessageW(box, EM_SETSEL, 0, -1);
    }
    ShowWindow(box, SW_SHOW);
    // The window that had the focus loses it here and ends edits; none is
    // open yet.
    SetFocus(box);
    OpenSession.owner = place.owner;
    RestoreImeState();
    return box;
}

EditOwner OpenEditOwner() {
    return OpenSession.owner;
}

HWND OpenEditBox() {
    return OpenSession.box.Handle();
}

bool EndEdit(EditOwner owner, EditEnd end) {
    if (OpenSession.owner == EditOwner::None ||
        (owner != EditOwner::None && owner != OpenSession.owner)) {
        return true;
    }
    // First, so that the focus loss below does not end the edit again.
    OpenSession.owner = EditOwner::None;
    // The input method's state is read while the box the user typed in
    // still has the focus; then it closes, before the frame takes the focus.
    RememberAndCloseIme();
    SetFocus(MainFrameHandle);
    std::string typed;
    if (end == EditEnd::Keep) {
        typed = OpenSession.box.Text();
        OpenSession.box.Clear();
    }
    const bool kept = OpenSession.finish(end, typed);
    OpenSession.box.Close();
    return kept;
}

void ReleaseEditFont() {
    if (OpenSession.box.Handle() != nullptr) {
        SendMessageW(OpenSession.box.Handle(), WM_SETFONT, 0, FALSE);
    }
    OpenSession.box.ReleaseFont();
}

}  // namespace tessel

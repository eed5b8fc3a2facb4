#include "access/accessibility_win.h"

#include <utility>

#include "access/edit_box_accessible_win.h"
#include "access/frame_accessible_win.h"
#include "access/frame_reading.h"
#include "access/list_accessible_win.h"
#include "access/list_events.h"
#include "access/ole_calls_win.h"
#include "categorybar/bar_state.h"
#include "editing/inplace_edit_box_win.h"
#include "listpane/list_pane_win.h"
#include "mainwindow/main_frame_win.h"
#include "process/app_state_win.h"
#include "process/wide_text_win.h"

namespace tessel {
namespace {

// What the readers were last told, since the first of them asked.
RowWatch rows;
TabWatch tabs;

bool PaneFocused(HWND pane) {
    return GetFocus() == pane;
}

FrameFacts CurrentFrameFacts() {
    FrameFacts facts;
    facts.title = TitleBuffer;
    const int count = AppStore.CountCategories();
    facts.names.reserve(static_cast<std::size_t>(count));
    CategoryInfo info;
    for (int i = 0; i < count && AppStore.GetCategory(i, info); ++i) {
        facts.names.push_back(std::move(info.name));
    }
    facts.current = count > 0 ? AppStore.currentCategory : -1;
    return facts;
}

// The object as the answer to WM_GETOBJECT; 0 when it cannot be made.
LRESULT Answer(const OleCalls& ole, WPARAM wParam, const ComRef<IAccessible>& object) {
    if (!object) {
        return 0;
    }
    const LRESULT result = ole.lresultFromObject(__uuidof(IAccessible), wParam, object.Get());
    return result > 0 ? result : 0;
}

LRESULT AnswerListPane(HWND pane, WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) {
        return DefWindowProcW(pane, WM_GETOBJECT, wParam, lParam);
    }
    try {
        const OleCalls* ole = LoadOleCalls();
        if (ole == nullptr) {
            return 0;
        }
        if (!rows.Started()) {
            rows.Start(AppStore, PaneFocused(pane));
        }
        return Answer(*ole, wParam, MakeListObject(pane));
    } catch (...) {
        return 0;  // memory ran out: the reader finds no object
    }
}

LRESULT AnswerFrame(HWND frame, WPARAM wParam, LPARAM lParam) {
    const auto id = static_cast<LONG>(lParam);
    if (id != OBJID_CLIENT && id != kCategoryBarObjectId) {
        return DefWindowProcW(frame, WM_GETOBJECT, wParam, lParam);
    }
    try {
        const OleCalls* ole = LoadOleCalls();
        if (ole == nullptr) {
            return 0;
        }
        if (!tabs.Started()) {
            tabs.Start(CurrentFrameFacts());
        }
        return Answer(*ole, wParam,
                      id == OBJID_CLIENT ? MakeFrameObject(frame) : MakeCategoryBarObject(frame));
    } catch (...) {
        return 0;
    }
}

LRESULT AnswerEditBox(HWND box, const char* name, WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || name == nullptr || *name == '\0') {
        return 0;
    }
    try {
        const OleCalls* ole = LoadOleCalls();
        ComRef<IAccessible> standard;
        if (ole == nullptr ||
            FAILED(ole->createStdAccessibleObject(box, OBJID_CLIENT, __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(standard.Put())))) {
            return 0;
        }
        return Answer(*ole, wParam, MakeNamedEditObject(std::move(standard), WideFromCp932(name)));
    } catch (...) {
        return 0;
    }
}

void ListPanePainted(HWND pane) {
    if (!rows.Started()) {
        return;
    }
    try {
        for (const ListEvent& event : rows.Compare(AppStore, PaneFocused(pane))) {
            NotifyWinEvent(event.event, pane, OBJID_CLIENT, event.child);
        }
    } catch (...) {
        // Memory ran out: these changes go untold.
    }
}

void ListPaneFocused(HWND) {
    rows.FocusArrived();
}

void FramePainted(HWND frame) {
    if (!tabs.Started()) {
        return;
    }
    try {
        for (const FrameEvent& event : tabs.Compare(CurrentFrameFacts())) {
            const LONG object =
                event.object == FrameObject::CategoryBar ? kCategoryBarObjectId : OBJID_CLIENT;
            NotifyWinEvent(event.event, frame, object, event.child);
        }
    } catch (...) {
    }
}

}  // namespace

void InstallAccessibility() {
    SetListPaneAccess(ListPaneAccess{AnswerListPane, ListPanePainted, ListPaneFocused});
    SetMainFrameAccess(MainFrameAccess{AnswerFrame, FramePainted});
    SetEditBoxAccess(AnswerEditBox);
}

}  // namespace tessel

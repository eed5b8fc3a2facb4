#include "scrollbar/scroll_menu_model.h"

namespace tessel {
namespace {

// The menu texts, cp932.
constexpr char kJumpHere[] =
    "\x82\xB1\x82\xB1\x82\xC9\x83\x58\x83\x4E\x83\x8D\x81\x5B\x83\x8B";  // ここにスクロール
constexpr char kTopText[] = "\x8D\xC5\x8F\xE3\x95\x94";                  // 最上部
constexpr char kLeftEndText[] = "\x8D\xB6\x82\xCC\x92\x5B";              // 左の端
constexpr char kBottomText[] = "\x8D\xC5\x89\xBA\x95\x94";               // 最下部
constexpr char kRightEndText[] = "\x89\x45\x82\xCC\x92\x5B";             // 右の端
constexpr char kPageUpText[] = "\x91\x4F\x82\xCC\x83\x79\x81\x5B\x83\x57";     // 前のページ
constexpr char kPageLeftText[] = "\x8D\xB6\x82\xCC\x83\x79\x81\x5B\x83\x57";   // 左のページ
constexpr char kPageDownText[] = "\x8E\x9F\x82\xCC\x83\x79\x81\x5B\x83\x57";   // 次のページ
constexpr char kPageRightText[] = "\x89\x45\x82\xCC\x83\x79\x81\x5B\x83\x57";  // 右のページ
constexpr char kLineUpText[] =
    "\x8F\xE3\x82\xC9\x83\x58\x83\x4E\x83\x8D\x81\x5B\x83\x8B";  // 上にスクロール
constexpr char kLineLeftText[] =
    "\x8D\xB6\x82\xC9\x83\x58\x83\x4E\x83\x8D\x81\x5B\x83\x8B";  // 左にスクロール
constexpr char kLineDownText[] =
    "\x89\xBA\x82\xC9\x83\x58\x83\x4E\x83\x8D\x81\x5B\x83\x8B";  // 下にスクロール
constexpr char kLineRightText[] =
    "\x89\x45\x82\xC9\x83\x58\x83\x4E\x83\x8D\x81\x5B\x83\x8B";  // 右にスクロール

}  // namespace

std::array<ScrollMenuEntry, kScrollMenuEntryCount> ScrollMenuEntries(const ScrollBarState& state) {
    const bool h = state.horizontal;
    const bool atFirst = state.pos == state.minPos;
    const bool atLast = state.pos == LastScrollPosition(state);
    const ScrollMenuEntry separator{};
    return {{
        {kScrollMenuJump, kJumpHere, state.pageSize == 0},
        separator,
        {kScrollMenuTop, h ? kLeftEndText : kTopText, atFirst},
        {kScrollMenuBottom, h ? kRightEndText : kBottomText, atLast},
        separator,
        {kScrollMenuPageUp, h ? kPageLeftText : kPageUpText, atFirst},
        {kScrollMenuPageDown, h ? kPageRightText : kPageDownText, atLast},
        separator,
        {kScrollMenuLineUp, h ? kLineLeftText : kLineUpText, atFirst},
        {kScrollMenuLineDown, h ? kLineRightText : kLineDownText, atLast},
    }};
}

int ScrollMenuRequest(int id) {
    switch (id) {
        case kScrollMenuTop:
            return kScrollTop;
        case kScrollMenuBottom:
            return kScrollBottom;
        case kScrollMenuPageUp:
            return kScrollPageUp;
        case kScrollMenuPageDown:
            return kScrollPageDown;
        case kScrollMenuLineUp:
            return kScrollLineUp;
        case kScrollMenuLineDown:
            return kScrollLineDown;
        default:
            return kNoScrollCode;
    }
}

}  // namespace tessel

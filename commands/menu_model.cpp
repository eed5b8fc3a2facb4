#include "commands/menu_model.h"

#include <utility>

#include "shell/accelerator_table.h"
#include "shell/command_ids.h"

namespace tessel {
namespace {

// The entry texts, cp932.
constexpr char kNewCategory[] =
    "\x90\x56\x8B\x4B\x83\x4A\x83\x65\x83\x53\x83\x8A\x8D\xEC\x90\xAC(&N)";  // 新規カテゴリ作成(&N)
constexpr char kRenameCategory[] =
    "\x83\x4A\x83\x65\x83\x53\x83\x8A\x96\xBC\x95\xCF\x8D\x58(&A)";  // カテゴリ名変更(&A)
constexpr char kDeleteCategory[] =
    "\x83\x4A\x83\x65\x83\x53\x83\x8A\x8D\xED\x8F\x9C(&D)";  // カテゴリ削除(&D)
constexpr char kSelectCategory[] =
    "\x83\x4A\x83\x65\x83\x53\x83\x8A\x91\x49\x91\xF0(&S)";  // カテゴリ選択(&S)
constexpr char kStayOnTop[] =
    "\x8F\xED\x82\xC9\x8E\xE8\x91\x4F\x82\xC9\x95\x5C\x8E\xA6(&T)";  // 常に手前に表示(&T)
constexpr char kShowCategoryBar[] =
    "\x83\x4A\x83\x65\x83\x53\x83\x8A\x88\xEA\x97\x97\x95\x5C\x8E\xA6(&C)";  // カテゴリ一覧表示(&C)
constexpr char kMoveDownOnCheck[] =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x8E\x9E\x82\xC9\x89\xBA\x82\xD6\x88\xDA\x93\xAE(&M)";  // チェック時に下へ移動(&M)
constexpr char kUseTray[] =
    "\x83\x5E\x83\x58\x83\x4E\x83\x67\x83\x8C\x83\x43\x82\xF0\x8E\x67\x97\x70(&B)";  // タスクトレイを使用(&B)
constexpr char kExit[] = "\x8F\x49\x97\xB9(&X)";                                     // 終了(&X)
constexpr char kNewItem[] = "\x90\x56\x8B\x4B\x8D\x80\x96\xDA(&N)";  // 新規項目(&N)
constexpr char kChangeText[] =
    "\x83\x65\x83\x4C\x83\x58\x83\x67\x95\xCF\x8D\x58(&R)";         // テキスト変更(&R)
constexpr char kCut[] = "\x90\xD8\x82\xE8\x8E\xE6\x82\xE8(&T)";     // 切り取り(&T)
constexpr char kCopy[] = "\x83\x52\x83\x73\x81\x5B(&C)";            // コピー(&C)
constexpr char kPaste[] = "\x93\x5C\x82\xE8\x95\x74\x82\xAF(&P)";   // 貼り付け(&P)
constexpr char kDelete[] = "\x8D\xED\x8F\x9C(&D)";                  // 削除(&D)
constexpr char kCancel[] = "\x8E\xE6\x82\xE8\x8F\xC1\x82\xB5(&S)";  // 取り消し(&S)
constexpr char kUncancel[] =
    "\x8E\xE6\x82\xE8\x8F\xC1\x82\xB5\x89\xF0\x8F\x9C(&S)";              // 取り消し解除(&S)
constexpr char kEmphasise[] = "\x8B\xAD\x92\xB2(&B)";                    // 強調(&B)
constexpr char kUnemphasise[] = "\x8B\xAD\x92\xB2\x89\xF0\x8F\x9C(&B)";  // 強調解除(&B)
constexpr char kSeparator[] = "\x83\x5A\x83\x70\x83\x8C\x81\x5B\x83\x5E(&L)";  // セパレータ(&L)
constexpr char kSelection[] = "\x91\x49\x91\xF0(&E)";                          // 選択(&E)
constexpr char kAllItems[] =
    "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x8D\x80\x96\xDA(&A)";  // すべての項目(&A)
constexpr char kSelectAll[] = "\x82\xB7\x82\xD7\x82\xC4\x91\x49\x91\xF0(&A)";  // すべて選択(&A)
constexpr char kSelectChecked[] =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xA0\x82\xE8\x8D\x80\x96\xDA(&C)";  // チェックあり項目(&C)
constexpr char kSelectUnchecked[] =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xC8\x82\xB5\x8D\x80\x96\xDA(&U)";  // チェックなし項目(&U)
constexpr char kSelectCancelled[] =
    "\x8E\xE6\x82\xE8\x8F\xC1\x82\xB5\x8D\x80\x96\xDA(&S)";  // 取り消し項目(&S)
constexpr char kSelectEmphasised[] = "\x8B\xAD\x92\xB2\x8D\x80\x96\xDA(&B)";  // 強調項目(&B)
constexpr char kCheckAll[] =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xF0\x95\x74\x82\xAF\x82\xE9(&E)";  // チェックを付ける(&E)
constexpr char kUncheckAll[] =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xF0\x82\xCD\x82\xB8\x82\xB7(&I)";  // チェックをはずす(&I)
constexpr char kInvertChecks[] =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xF0\x94\xBD\x93\x5D(&R)";  // チェックを反転(&R)

// Ctrl+1 .. Ctrl+0 name the first ten categories.
constexpr int kCategoryKeys = kCmdSelectCategory10 - kCmdSelectCategory1 + 1;

unsigned GreyedIf(bool condition) {
    return condition ? kMenuGreyed : 0;
}
unsigned CheckedIf(bool condition) {
    return condition ? kMenuChecked : 0;
}

// Builds entries with the shortcut names the setting asks for.
class MenuWriter {
  public:
    MenuWriter(int dispMenuKey, const KeyNamer& keyName)
        : dispMenuKey_(dispMenuKey), keyName_(keyName) {}

    MenuEntry Command(int id, std::string_view text, unsigned flags) const {
        return MenuEntry{MenuText(id, text, dispMenuKey_, keyName_), id, flags, {}};
    }
    static MenuEntry Separator() { return MenuEntry{}; }
    static MenuEntry Submenu(std::string_view text, unsigned flags, MenuModel entries) {
        return MenuEntry{std::string(text), 0, flags | kMenuSubmenu, std::move(entries)};
    }
    // The category entries: the first ten name their Ctrl+digit shortcut.
    MenuEntry Category(int position, std::string_view name, bool current) const {
        MenuEntry entry;
        entry.text = position < kCategoryKeys
                         ? MenuText(kCmdSelectCategory1 + position, name, dispMenuKey_, keyName_)
                         : std::string(name);
        entry.id = position + 1;
        entry.flags = current ? kMenuRadio : 0;
        return entry;
    }

  private:
    int dispMenuKey_;
    const KeyNamer& keyName_;
};

MenuModel CategoryEntries(const ListStore& store, const MenuWriter& writer) {
    MenuModel entries;
    CategoryInfo info;
    for (int i = 0; store.GetCategory(i, info); ++i) {
        entries.push_back(writer.Category(i, info.name, i == store.currentCategory));
    }
    return entries;
}

// What the item menu greys for the item it was opened on.
struct ItemMenuState {
    bool noItem = false;
    bool stylesGreyed = false;
    bool textGreyed = false;
    bool cancelled = false;
    bool emphasised = false;
};

ItemMenuState ClassifyItem(const ListStore& store, int position) {
    ItemMenuState state;
    if (store.categoryCount <= 0 || store.currentItems == nullptr || store.itemCount <= 0 ||
        position < 0 || position >= store.itemCount) {
        state.noItem = true;
        state.stylesGreyed = true;
        state.textGreyed = true;
        return state;
    }
    Item item;
    if (GetItem(store.currentItems, position, item) == 0) {
        state.stylesGreyed = true;
        return state;
    }
    switch (item.state) {
        case ItemState::Strike:
        case ItemState::StrikeChecked:
            state.cancelled = true;
            break;
        case ItemState::Bold:
        case ItemState::BoldChecked:
            state.emphasised = true;
            break;
        case ItemState::Separator:
            state.stylesGreyed = true;
            state.textGreyed = true;
            break;
        default:
            break;
    }
    return state;
}

}  // namespace

std::string MenuText(int commandId, std::string_view text, int dispMenuKey,
                     const KeyNamer& keyName) {
    std::string out(text);
    const std::int32_t keyCode = commandId != 0 ? ShortcutKeyCode(commandId) : 0;
    if (dispMenuKey == 1 && keyCode != 0 && keyName) {
        out += '\t';
        out += keyName(keyCode);
    }
    return out;
}

MenuModel FrameMenu(const ListStore& store, const SystemSettings& settings,
                    const KeyNamer& keyName) {
    const MenuWriter w(settings.DispMenuKey, keyName);
    const bool noCategory = store.categoryCount <= 0;
    return {
        w.Command(kCmdNewCategory, kNewCategory, 0),
        w.Command(kCmdRenameCategory, kRenameCategory, GreyedIf(noCategory)),
        w.Command(kCmdDeleteCategory, kDeleteCategory, GreyedIf(noCategory)),
        MenuWriter::Separator(),
        MenuWriter::Submenu(kSelectCategory, GreyedIf(noCategory), CategoryEntries(store, w)),
        MenuWriter::Separator(),
        w.Command(kCmdToggleTopmost, kStayOnTop, CheckedIf(settings.WindowTop == 1)),
        w.Command(kCmdToggleCategoryBar, kShowCategoryBar, CheckedIf(settings.DispCategory == 1)),
        w.Command(kCmdToggleCheckMoveDown, kMoveDownOnCheck,
                  CheckedIf(settings.CheckMoveDown == 1)),
        w.Command(kCmdToggleTrayMode, kUseTray, CheckedIf(settings.TaskTray == 1)),
        MenuWriter::Separator(),
        w.Command(kCmdExit, kExit, 0),
    };
}

MenuModel TrayMenu(const SystemSettings& settings, const KeyNamer& keyName) {
    const MenuWriter w(settings.DispMenuKey, keyName);
    return {
        w.Command(kCmdToggleTrayMode, kUseTray, CheckedIf(settings.TaskTray == 1)),
        MenuWriter::Separator(),
        w.Command(kCmdExit, kExit, 0),
    };
}

MenuModel ItemMenu(const ListStore& store, int position, bool clipboardHasText,
                   const SystemSettings& settings, const KeyNamer& keyName) {
    const MenuWriter w(settings.DispMenuKey, keyName);
    const ItemMenuState item = ClassifyItem(store, position);
    const unsigned n = GreyedIf(item.noItem);
    MenuModel selection{
        w.Command(kCmdSelectAll, kSelectAll, n),
        MenuWriter::Separator(),
        w.Command(kCmdSelectChecked, kSelectChecked, n),
        w.Command(kCmdSelectUnchecked, kSelectUnchecked, n),
        w.Command(kCmdSelectStrike, kSelectCancelled, n),
        w.Command(kCmdSelectBold, kSelectEmphasised, n),
    };
    MenuModel allItems{
        w.Command(kCmdCheckAll, kCheckAll, 0),         w.Command(kCmdUncheckAll, kUncheckAll, 0),
        w.Command(kCmdInvertChecks, kInvertChecks, 0), w.Command(kCmdClearStrike, kUncancel, 0),
        w.Command(kCmdClearBold, kUnemphasise, 0),
    };
    return {
        w.Command(kCmdNewItem, kNewItem, 0),
        w.Command(kCmdEditItem, kChangeText, GreyedIf(item.textGreyed)),
        MenuWriter::Separator(),
        w.Command(kCmdCut, kCut, n),
        w.Command(kCmdCopy, kCopy, n),
        w.Command(kCmdPaste, kPaste, GreyedIf(!clipboardHasText)),
        w.Command(kCmdDeleteItems, kDelete, n),
        MenuWriter::Separator(),
        w.Command(kCmdToggleStrike, item.cancelled ? kUncancel : kCancel,
                  GreyedIf(item.stylesGreyed)),
        w.Command(kCmdToggleBold, item.emphasised ? kUnemphasise : kEmphasise,
                  GreyedIf(item.stylesGreyed)),
        w.Command(kCmdNewSeparator, kSeparator, 0),
        MenuWriter::Separator(),
        MenuWriter::Submenu(kSelection, n, std::move(selection)),
        MenuWriter::Submenu(kAllItems, n, std::move(allItems)),
    };
}

}  // namespace tessel

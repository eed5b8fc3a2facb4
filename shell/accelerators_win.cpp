#include "shell/accelerators_win.h"

#include <iterator>
#include <string_view>
#include <vector>

#include "process/app_state_win.h"
#include "process/wide_text_win.h"
#include "shell/accelerator_table.h"
#include "shell/hot_key_code.h"
#include "shell/key_name_text.h"

namespace tessel {

int BuildAccelerators() {
    DestroyAccelerators();
    std::vector<ACCEL> entries;
    entries.reserve(kShortcuts.size() + kUndoShortcuts.size());
    for (const Shortcut& shortcut : kShortcuts) {
        const AcceleratorEntry entry = ToAcceleratorEntry(shortcut);
        entries.push_back(ACCEL{entry.flags, entry.key, entry.command});
    }
    for (const Shortcut& shortcut : kUndoShortcuts) {
        const AcceleratorEntry entry = ToAcceleratorEntry(shortcut);
        entries.push_back(ACCEL{entry.flags, entry.key, entry.command});
    }
    AcceleratorHandle = CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size()));
    ActiveAccelerators = AcceleratorHandle;
    return AcceleratorHandle != nullptr ? 1 : 0;
}

void DestroyAccelerators() {
    if (AcceleratorHandle != nullptr) {
        DestroyAcceleratorTable(AcceleratorHandle);
    }
    AcceleratorHandle = nullptr;
    ActiveAccelerators = nullptr;
}

int FormatKeyName(std::int32_t keyCode, std::string& out) {
    const UINT key = static_cast<UINT>(keyCode) & 0xFF;
    std::string name;
    if (key != 0) {
        const UINT scanCode = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
        if (scanCode != 0) {
            LONG param = static_cast<LONG>(scanCode << 16);
            if (keyCode & kKeyExtended) {
                param |= 1L << 24;
            }
            // The menus keep cp932, whatever the code page of the system.
            wchar_t wide[64] = {};
            const int length = GetKeyNameTextW(param, wide, static_cast<int>(std::size(wide)));
            if (length > 0) {
                name = Cp932FromWide(std::wstring_view(wide, static_cast<std::size_t>(length)));
            }
        }
    }
    out = ComposeKeyName(keyCode, name);
    return 1;
}

}  // namespace tessel

#include "storage/system_settings.h"

#include <algorithm>
#include <cstdint>

#include "storage/ini_lines.h"
#include "storage/layout_settings.h"

namespace tessel {

namespace {

// A separator's text holds at most this many dashes.
constexpr std::int32_t kMaxSeparatorLength = 255;
constexpr std::int32_t kMinWindowWidth = 100;

struct DecimalKey {
    std::string_view name;
    std::int32_t SystemSettings::*field;
    // Written from the normal placement instead, where set: the window's
    // place before it was maximised.
    std::int32_t PlacementRect::*normal = nullptr;
};

// In the order the file lists them, for the reader and the writer alike;
// "InsertPosition", "SeparatorLength" and "WindowHotKey" have their own
// syntax or range and are handled apart, after them.
constexpr DecimalKey kDecimalKeys[] = {
    {"Left", &SystemSettings::WindowX, &PlacementRect::x},
    {"Top", &SystemSettings::WindowY, &PlacementRect::y},
    {"Width", &SystemSettings::WindowWidth, &PlacementRect::width},
    {"Height", &SystemSettings::WindowHeight, &PlacementRect::height},
    {"WindowMax", &SystemSettings::WindowMax},
    {"WindowTop", &SystemSettings::WindowTop},
    {"DispCategory", &SystemSettings::DispCategory},
    {"CheckMoveDown", &SystemSettings::CheckMoveDown},
    {"TaskTray", &SystemSettings::TaskTray},
    {"CategoryIndex", &SystemSettings::CategoryIndex},
    {"ScrollIndex", &SystemSettings::ScrollIndex},
    {"DispTrayIcon", &SystemSettings::DispTrayIcon},
    {"DispMenuKey", &SystemSettings::DispMenuKey},
    {"StartIME", &SystemSettings::StartIME},
    {"DeleteCheck", &SystemSettings::DeleteCheck},
    {"AutoIndent", &SystemSettings::AutoIndent},
    {"EditMode", &SystemSettings::EditMode},
};

// false when the key is none of the file's.
bool ApplySetting(SystemSettings& settings, const IniSetting& setting) {
    for (const DecimalKey& key : kDecimalKeys) {
        if (setting.key == key.name) {
            settings.*key.field = ParseIniNumber(setting.value);
            return true;
        }
    }
    if (setting.key == "InsertPosition") {
        const std::int32_t digits = ParseIniNumber(setting.value);
        if (digits >= 0 && digits <= 999) {
            settings.InsertPositionItem = digits / 100 % 10;
            settings.InsertPositionSeparator = digits / 10 % 10;
            settings.InsertPositionPaste = digits % 10;
        }
    } else if (setting.key == "SeparatorLength") {
        // A separator's text cannot hold more than 255 dashes, and a
        // negative count means none.
        settings.SeparatorLength =
            std::clamp(ParseIniNumber(setting.value), 0, kMaxSeparatorLength);
    } else if (setting.key == "WindowHotKey") {
        settings.WindowHotKey = ParseIniHex(setting.value);
    } else {
        return false;
    }
    return true;
}

void AppendLine(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += '=';
    out += value;
    out += "\r\n";
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return (c >= 'a' ? c - 'a' : c - 'A') + 10;
}

// Upper-case hexadecimal with at least four digits ("%04X").
std::string Hex4(std::uint32_t value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (digits.size() < 4) {
        digits.insert(0, 4 - digits.size(), '0');
    }
    return digits;
}

}  // namespace

void SetSystemDefaults(SystemSettings& settings) {
    settings = SystemSettings{};
}

int ParseSystemSettings(std::string_view bytes, SystemSettings& settings) {
    int applied = 0;
    bool inSystem = false;
    IniLineReader lines(bytes);
    std::string_view line;
    while (lines.Next(line)) {
        if (IsIniSectionHeader(line)) {
            // Once on, the section stays on: keys after a header of another
            // name still count.
            inSystem = inSystem || line == "[System]";
        } else if (inSystem && ApplySetting(settings, SplitIniSetting(line))) {
            ++applied;
        }
    }
    return applied;
}

void ClampPlacement(SystemSettings& settings, int screenWidth, int screenHeight,
                    int titleBarHeight) {
    settings.WindowWidth = std::max(settings.WindowWidth, kMinWindowWidth);
    settings.WindowHeight = std::max(settings.WindowHeight, titleBarHeight);
    // In 64 bits: the values are as the file gave them.
    if (std::int64_t{settings.WindowX} + settings.WindowWidth < 0) {
        settings.WindowX = 0;
    }
    if (std::int64_t{settings.WindowY} + settings.WindowHeight < 0) {
        settings.WindowY = 0;
    }
    if (settings.WindowX >= screenWidth) {
        settings.WindowX = screenWidth;
    }
    if (settings.WindowY >= screenHeight) {
        settings.WindowY = screenHeight;
    }
    settings.NormalRect = PlacementRect{settings.WindowX, settings.WindowY, settings.WindowWidth,
                                        settings.WindowHeight};
}

std::int32_t ParseIniHex(std::string_view value) {
    std::int32_t number = 0;
    int digits = 0;
    for (auto it = value.rbegin(); it != value.rend() && digits < 7; ++it) {
        if (IsHexDigit(*it)) {
            number |= HexDigitValue(*it) << (4 * digits);
            ++digits;
        }
    }
    return number;
}

std::string FormatSystemSettings(const SystemSettings& settings) {
    std::string out;
    out.reserve(512);
    out += "[System]\r\n";
    using std::to_string;
    for (const DecimalKey& key : kDecimalKeys) {
        AppendLine(out, key.name,
                   to_string(key.normal != nullptr ? settings.NormalRect.*key.normal
                                                   : settings.*key.field));
    }
    AppendLine(out, "InsertPosition",
               to_string(settings.InsertPositionItem) +
                   to_string(settings.InsertPositionSeparator) +
                   to_string(settings.InsertPositionPaste));
    AppendLine(out, "SeparatorLength", to_string(settings.SeparatorLength));
    AppendLine(out, "WindowHotKey", Hex4(static_cast<std::uint32_t>(settings.WindowHotKey)));
    out += "\r\n";
    return out;
}

}  // namespace tessel

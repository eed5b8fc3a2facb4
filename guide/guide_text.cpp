#include "guide/guide_text.h"

#include <iconv.h>

#include <algorithm>
#include <map>
#include <utility>

#include "shell/hot_key_code.h"
#include "shell/key_name_text.h"
#include "storage/layout_settings.h"
#include "storage/system_settings.h"

namespace tessel {
namespace {

constexpr std::string_view kIndent = "  ";
constexpr std::size_t kColumnGap = 2;
constexpr std::size_t kMaxColumns = 80;
// Between the keys of one command in a sentence.
constexpr const char* kOr = " \xE3\x81\xBE\xE3\x81\x9F\xE3\x81\xAF ";  // " または "

std::string Hex(std::uint32_t value, int digits) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    }
    return text;
}

// The arrows as a keyboard shows them, then named, in UTF-8 as the guide
// is: "←（Left）" and so on. The menus keep "Left".
constexpr const char* kLeft =
    "\xE2\x86\x90\xEF\xBC\x88"
    "Left\xEF\xBC\x89";
constexpr const char* kUp =
    "\xE2\x86\x91\xEF\xBC\x88"
    "Up\xEF\xBC\x89";
constexpr const char* kRight =
    "\xE2\x86\x92\xEF\xBC\x88"
    "Right\xEF\xBC\x89";
constexpr const char* kDown =
    "\xE2\x86\x93\xEF\xBC\x88"
    "Down\xEF\xBC\x89";

// A keyboard's label of the keys that are neither a letter nor a digit (for
// those the menus' rule writes the key itself).
std::string_view KeyLabel(std::uint32_t virtualKey) {
    static constexpr struct {
        std::uint32_t key;
        std::string_view label;
    } kLabels[] = {
        {0x08, "Backspace"}, {0x09, "Tab"},    {0x0D, "Enter"},    {0x1B, "Esc"},
        {0x20, "Space"},     {0x21, "PageUp"}, {0x22, "PageDown"}, {0x23, "End"},
        {0x24, "Home"},      {0x25, kLeft},    {0x26, kUp},        {0x27, kRight},
        {0x28, kDown},       {0x2D, "Insert"}, {0x2E, "Delete"},
    };
    for (const auto& entry : kLabels) {
        if (entry.key == virtualKey) {
            return entry.label;
        }
    }
    static const std::string kFunctionKeys[] = {
        "F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",  "F10", "F11", "F12",
        "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24",
    };
    if (virtualKey >= 0x70 && virtualKey <= 0x87) {
        return kFunctionKeys[virtualKey - 0x70];
    }
    return {};
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

// The first word of a row and the rest.
std::pair<std::string_view, std::string_view> SplitRow(std::string_view line) {
    line = Trim(line);
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) {
        ++end;
    }
    return {line.substr(0, end), Trim(line.substr(end))};
}

bool ParseNumber(std::string_view text, std::int32_t& number) {
    if (text.empty() || text.size() > 9) {
        return false;
    }
    number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        number = number * 10 + (c - '0');
    }
    return true;
}

std::string JoinKeys(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

// A table of two columns: the left cells padded to one width.
struct Row {
    std::string left;
    std::vector<std::string> text;
};

void RenderTable(const std::vector<Row>& rows, std::string_view header, std::string& out) {
    std::size_t width = 0;
    for (const Row& row : rows) {
        width = std::max(width, DisplayWidth(row.left));
    }
    if (!header.empty()) {
        out.append(kIndent).append(header).append("\n");
    }
    for (const Row& row : rows) {
        out.append(kIndent).append(row.left);
        for (std::size_t i = 0; i < row.text.size(); ++i) {
            const std::size_t used = i == 0 ? DisplayWidth(row.left) : 0;
            if (i > 0) {
                out.append(kIndent);
            }
            out.append(width + kColumnGap - used, ' ').append(row.text[i]).append("\n");
        }
        if (row.text.empty()) {
            out += "\n";
        }
    }
}

// The keys of a settings file as its formatter writes them.
struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
    int rows = 0;  // how many rows of the guide describe it
};

std::vector<IniEntry> ParseIniEntries(std::string_view bytes) {
    std::vector<IniEntry> entries;
    std::string section;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = Trim(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = std::string(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            entries.push_back(IniEntry{section, std::string(line.substr(0, equals)),
                                       std::string(line.substr(equals + 1))});
        }
    }
    return entries;
}

class GuideWriter {
  public:
    explicit GuideWriter(const GuideTables& tables)
        : tables_(tables),
          layout_(ParseIniEntries(tables.layoutIni)),
          system_(ParseIniEntries(tables.systemIni)) {}

    GuideText Write(std::string_view templateText);

  private:
    enum class Block { None, Keys, Layout, System, HotKeys };

    void Problem(const std::string& what) {
        result_.problems.push_back("line " + std::to_string(lineNumber_) + ": " + what);
    }
    std::string KeyName(std::int32_t keyCode) {
        std::string name = GuideKeyName(keyCode);
        if (name.empty()) {
            Problem("the key 0x" + Hex(static_cast<std::uint32_t>(keyCode), 4) +
                    " has no label; add one to KeyLabel");
            name = "0x" + Hex(static_cast<std::uint32_t>(keyCode), 4);
        }
        return name;
    }

    std::vector<std::string> KeyNamesOf(std::int32_t command);
    std::string Inline(std::string_view text);
    void StartRow(std::string_view line);
    std::string KeysOf(std::string_view commands);
    std::string IniCell(std::vector<IniEntry>& entries, std::string_view section,
                        std::string_view key);
    void EndBlock();
    void Modifiers();
    Row HotKeyExample(std::string_view value);
    void CheckWidth();
    void CheckCoverage();

    const GuideTables& tables_;
    std::vector<IniEntry> layout_;
    std::vector<IniEntry> system_;
    std::map<std::int32_t, int> commandRows_;
    GuideText result_;
    int lineNumber_ = 0;
    Block block_ = Block::None;
    std::string section_;
    std::vector<Row> rows_;
};

GuideText GuideWriter::Write(std::string_view templateText) {
    while (!templateText.empty()) {
        const std::size_t end = templateText.find('\n');
        std::string_view line = templateText.substr(0, end);
        templateText.remove_prefix(end == std::string_view::npos ? templateText.size() : end + 1);
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const auto [word, rest] = SplitRow(line);
        if (block_ != Block::None) {
            if (line.empty()) {
                continue;
            }
            if (word == "@end") {
                EndBlock();
            } else if (IsBlank(line.front())) {
                if (rows_.empty()) {
                    Problem("a continued text before any row");
                } else {
                    rows_.back().text.push_back(Inline(Trim(line)));
                }
            } else {
                StartRow(line);
            }
            continue;
        }
        if (line.empty() || line.front() != '@') {
            result_.text.append(Inline(line)).append("\n");
        } else if (word == "@#") {
            continue;
        } else if (word == "@keys") {
            block_ = Block::Keys;
        } else if (word == "@layout") {
            block_ = Block::Layout;
            section_ = std::string(rest);
        } else if (word == "@system") {
            block_ = Block::System;
            section_ = "System";
        } else if (word == "@modifiers") {
            Modifiers();
        } else if (word == "@hotkeys") {
            block_ = Block::HotKeys;
        } else {
            Problem("unknown directive " + std::string(word));
        }
    }
    if (block_ != Block::None) {
        Problem("a table without @end");
    }
    CheckWidth();
    CheckCoverage();
    return std::move(result_);
}

void GuideWriter::StartRow(std::string_view line) {
    const auto [word, text] = SplitRow(line);
    Row row;
    switch (block_) {
        case Block::Keys:
            row.left = KeysOf(word);
            break;
        case Block::Layout:
            row.left = IniCell(layout_, section_, word);
            break;
        case Block::System:
            row.left = IniCell(system_, section_, word);
            break;
        case Block::HotKeys:
            row = HotKeyExample(word);
            break;
        case Block::None:
            break;
    }
    if (!text.empty()) {
        row.text.push_back(Inline(text));
    }
    rows_.push_back(std::move(row));
}

// Every key of a command, in the table's order.
std::vector<std::string> GuideWriter::KeyNamesOf(std::int32_t command) {
    std::vector<std::string> names;
    for (const Shortcut& shortcut : tables_.shortcuts) {
        if (shortcut.command == command) {
            names.push_back(KeyName(shortcut.keyCode));
        }
    }
    return names;
}

// "{41009}" in a text: the keys of that command ("Ctrl+Y または Ctrl+Shift+Z").
std::string GuideWriter::Inline(std::string_view text) {
    std::string out;
    for (std::size_t open; (open = text.find('{')) != std::string_view::npos;) {
        const std::size_t close = text.find('}', open);
        std::int32_t command = 0;
        if (close == std::string_view::npos ||
            !ParseNumber(text.substr(open + 1, close - open - 1), command)) {
            out.append(text.substr(0, open + 1));
            text.remove_prefix(open + 1);
            continue;
        }
        const std::vector<std::string> names = KeyNamesOf(command);
        if (names.empty()) {
            Problem("the text names command " + std::to_string(command) +
                    ", which has no shortcut");
        }
        out.append(text.substr(0, open));
        for (std::size_t i = 0; i < names.size(); ++i) {
            out.append(i == 0 ? "" : kOr).append(names[i]);
        }
        text.remove_prefix(close + 1);
    }
    return out.append(text);
}

// "41001": the keys of that command, joined by ", ". "41104..41113": a run
// of commands with one key each, written from the first key to the last.
std::string GuideWriter::KeysOf(std::string_view commands) {
    const std::size_t dots = commands.find("..");
    std::int32_t first = 0;
    std::int32_t last = 0;
    bool valid = false;
    if (dots == std::string_view::npos) {
        valid = ParseNumber(commands, first);
        last = first;
    } else {
        valid = ParseNumber(commands.substr(0, dots), first) &&
                ParseNumber(commands.substr(dots + 2), last) && first <= last && last - first < 100;
    }
    if (!valid) {
        Problem("not a command or a run of commands: " + std::string(commands));
        return std::string(commands);
    }
    std::vector<std::string> names;
    for (std::int32_t command = first; command <= last; ++command) {
        if (++commandRows_[command] > 1) {
            Problem("a second row for command " + std::to_string(command));
        }
        const std::vector<std::string> keys = KeyNamesOf(command);
        if (keys.empty()) {
            Problem("a row for command " + std::to_string(command) + ", which has no shortcut");
        } else if (keys.size() > 1 && first != last) {
            Problem("command " + std::to_string(command) + " has several keys: give it a row");
        }
        names.insert(names.end(), keys.begin(), keys.end());
    }
    if (first != last && !names.empty()) {
        return names.front() + "\xEF\xBD\x9E" + names.back();  // U+FF5E, full-width tilde
    }
    return JoinKeys(names);
}

// "key=default", the default in UTF-8.
std::string GuideWriter::IniCell(std::vector<IniEntry>& entries, std::string_view section,
                                 std::string_view key) {
    for (IniEntry& entry : entries) {
        if (entry.section == section && entry.key == key) {
            if (++entry.rows > 1) {
                Problem("a second row for " + std::string(key) + " in [" + entry.section + "]");
            }
            const std::string value = Utf8FromCp932(entry.value);
            if (value.empty() && !entry.value.empty()) {
                Problem("the default of " + std::string(key) + " is not cp932 text");
            }
            return entry.key + "=" + value;
        }
    }
    Problem("[" + std::string(section) + "] has no key " + std::string(key));
    return std::string(key) + "=";
}

void GuideWriter::EndBlock() {
    const bool ini = block_ == Block::Layout || block_ == Block::System;
    RenderTable(rows_, ini ? "[" + section_ + "]" : std::string(), result_.text);
    rows_.clear();
    block_ = Block::None;
}

void GuideWriter::Modifiers() {
    std::vector<Row> rows;
    for (const std::int32_t bit : {kKeyCtrl, kKeyShift, kKeyAlt, kKeyWin}) {
        rows.push_back(Row{ModifierNames(bit), {Hex(static_cast<std::uint32_t>(bit), 4)}});
    }
    RenderTable(rows, {}, result_.text);
}

// "Ctrl+Alt+T  0100 + 0400 + 54 = 0554    WindowHotKey=0554": the value
// read as the program reads it, named and split as the program does.
Row GuideWriter::HotKeyExample(std::string_view value) {
    const std::int32_t keyCode = ParseIniHex(value);
    if (keyCode <= 0 || keyCode > 0xFFFF) {
        Problem("not a hot key: " + std::string(value));
        return Row{std::string(value), {}};
    }
    if (std::none_of(system_.begin(), system_.end(),
                     [](const IniEntry& e) { return e.key == "WindowHotKey"; })) {
        Problem("system.ini has no WindowHotKey");
    }
    // The parts in the order the name gives them.
    std::string sum;
    for (const std::int32_t bit : {kKeyWin, kKeyCtrl, kKeyShift, kKeyAlt, kKeyExtended}) {
        if (keyCode & bit) {
            sum += Hex(static_cast<std::uint32_t>(bit), 4) + " + ";
        }
    }
    const std::string code = Hex(static_cast<std::uint32_t>(keyCode), 4);
    sum += Hex(HotKeyVirtualKey(keyCode), 2) + " = " + code + "    WindowHotKey=" + code;
    return Row{KeyName(keyCode), {sum}};
}

// Notepad shows the guide in a window of its own size; kept narrow, no line
// of it needs the horizontal scroll bar.
void GuideWriter::CheckWidth() {
    std::size_t number = 0;
    for (std::size_t start = 0; start < result_.text.size(); ++number) {
        const std::size_t end = result_.text.find('\n', start);
        const std::string_view line = std::string_view(result_.text).substr(start, end - start);
        if (DisplayWidth(line) > kMaxColumns) {
            result_.problems.push_back("guide line " + std::to_string(number + 1) + " is " +
                                       std::to_string(DisplayWidth(line)) + " columns wide; " +
                                       std::to_string(kMaxColumns) + " at most");
        }
        start = end == std::string::npos ? end : end + 1;
    }
}

void GuideWriter::CheckCoverage() {
    lineNumber_ = 0;
    for (const Shortcut& shortcut : tables_.shortcuts) {
        if (commandRows_[shortcut.command] == 0) {
            result_.problems.push_back("the shortcut " + KeyName(shortcut.keyCode) + " (command " +
                                       std::to_string(shortcut.command) +
                                       ") has no row in the guide");
        }
    }
    for (const auto* entries : {&layout_, &system_}) {
        for (const IniEntry& entry : *entries) {
            if (entry.rows == 0) {
                result_.problems.push_back(entry.key + " of [" + entry.section +
                                           "] has no row in the guide");
            }
        }
    }
}

std::string Convert(const char* to, const char* from, std::string_view text) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return {};
    }
    std::string in(text);
    std::string out(text.size() * 4 + 4, '\0');
    char* inBytes = in.data();
    std::size_t inLeft = in.size();
    char* outBytes = out.data();
    std::size_t outLeft = out.size();
    const std::size_t converted = iconv(converter, &inBytes, &inLeft, &outBytes, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1) || inLeft != 0) {
        return {};
    }
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

GuideTables ProgramTables() {
    GuideTables tables;
    tables.shortcuts.assign(kShortcuts.begin(), kShortcuts.end());
    tables.shortcuts.insert(tables.shortcuts.end(), kUndoShortcuts.begin(), kUndoShortcuts.end());
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    SetColourDefaults(layout);
    tables.layoutIni = FormatLayoutSettings(layout);
    SystemSettings settings;
    SetSystemDefaults(settings);
    tables.systemIni = FormatSystemSettings(settings);
    return tables;
}

GuideText MakeGuide(std::string_view templateText, const GuideTables& tables) {
    return GuideWriter(tables).Write(templateText);
}

std::string GuideFileBytes(std::string_view text) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

std::string GuideKeyName(std::int32_t keyCode) {
    const std::uint32_t key = HotKeyVirtualKey(keyCode);
    const bool letterOrDigit = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
    const std::string_view label = KeyLabel(key);
    if (key != 0 && !letterOrDigit && label.empty()) {
        return {};
    }
    return ComposeKeyName(keyCode, label);
}

std::size_t DisplayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        width += point < 0x80 || (point >= 0xFF61 && point <= 0xFF9F) ? 1 : 2;
        i += length;
    }
    return width;
}

std::string Utf8FromCp932(std::string_view cp932) {
    return Convert("UTF-8", "CP932", cp932);
}

std::string Cp932FromUtf8(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8);
}

}  // namespace tessel

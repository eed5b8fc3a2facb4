// The user's guide against the program's tables: the template describes
// every shortcut and every settings key, the defaults it shows read back
// through the program's own readers as the defaults, and a table that
// changes shows in the guide or stops it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/start_window_plan.h"
#include "guide/guide_text.h"
#include "listpane/item_edit_layout.h"
#include "process/frame_timers.h"
#include "shell/command_ids.h"
#include "storage/layout_settings.h"
#include "storage/system_settings.h"

namespace tessel {
namespace {

std::string TemplateText() {
    std::ifstream in(TESSEL_GUIDE_TEMPLATE, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Problems(const GuideText& guide) {
    std::string all;
    for (const std::string& problem : guide.problems) {
        all += problem + "\n";
    }
    return all;
}

bool HasLineStarting(const std::string& text, const std::string& start) {
    return text.find("\n" + start) != std::string::npos;
}

// The guide's settings tables as the files they describe (cp932, CR LF):
// each "[Section]" line of a table and the "key=value" of its rows.
struct SettingsFiles {
    std::string layout;
    std::string system;
};

SettingsFiles FilesOfTables(const std::string& text) {
    SettingsFiles files;
    std::string* into = nullptr;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  [", 0) == 0 && line.back() == ']') {
            into = line == "  [System]" ? &files.system : &files.layout;
            *into += line.substr(2) + "\r\n";
        } else if (into != nullptr && line.rfind("   ", 0) == 0) {
            continue;  // a row's text goes on
        } else if (into != nullptr && line.rfind("  ", 0) == 0 && line.find('=') != 2) {
            const std::size_t gap = line.find("  ", line.find('='));
            *into += Cp932FromUtf8(line.substr(2, gap == std::string::npos ? gap : gap - 2));
            *into += "\r\n";
        } else {
            into = nullptr;
        }
    }
    return files;
}

// Every value of a formatted file made something else, so that a key the
// guide leaves out keeps it.
std::string Poisoned(const std::string& file) {
    std::istringstream lines(file);
    std::string out;
    std::string section;
    for (std::string line; std::getline(lines, line, '\n');) {
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            section = line;
            out += line + "\r\n";
            continue;
        }
        const char* value = section == "[Font]"    ? "Poison,7,2"
                            : section == "[Color]" ? "123456"
                                                   : "321";
        out += line.substr(0, equals + 1) + value + "\r\n";
    }
    return out;
}

TEST(Guide, TemplateDescribesEveryShortcutAndSettingOfTheProgram) {
    const std::string templateText = TemplateText();
    ASSERT_FALSE(templateText.empty()) << TESSEL_GUIDE_TEMPLATE;
    const GuideText guide = MakeGuide(templateText, ProgramTables());
    EXPECT_TRUE(guide.problems.empty()) << Problems(guide);
}

TEST(Guide, LayoutTablesReadBackAsTheDefaults) {
    const GuideTables tables = ProgramTables();
    const SettingsFiles files = FilesOfTables(MakeGuide(TemplateText(), tables).text);
    LayoutSettings read;
    ParseLayoutSettings(Poisoned(tables.layoutIni), read);
    ParseLayoutSettings(files.layout, read);
    EXPECT_EQ(FormatLayoutSettings(read), tables.layoutIni) << files.layout;
}

TEST(Guide, SystemTableReadsBackAsTheDefaults) {
    const GuideTables tables = ProgramTables();
    const SettingsFiles files = FilesOfTables(MakeGuide(TemplateText(), tables).text);
    SystemSettings read;
    ParseSystemSettings(Poisoned(tables.systemIni), read);
    ParseSystemSettings(files.system, read);
    ClampPlacement(read, 10000, 10000, 18);
    EXPECT_EQ(FormatSystemSettings(read), tables.systemIni) << files.system;
}

TEST(Guide, KeysFollowTheShortcutTable) {
    GuideTables tables = ProgramTables();
    for (Shortcut& shortcut : tables.shortcuts) {
        if (shortcut.command == kCmdSaveList) {
            shortcut.keyCode = 0x0353;  // Ctrl+Shift+S instead of Ctrl+S
        }
    }
    const GuideText moved = MakeGuide(TemplateText(), tables);
    EXPECT_TRUE(moved.problems.empty()) << Problems(moved);
    EXPECT_TRUE(HasLineStarting(moved.text, "  Ctrl+Shift+S  "));
    EXPECT_EQ(moved.text.find("Ctrl+S "), std::string::npos);
    EXPECT_EQ(moved.text.find(u8"Ctrl+S\u3001"), std::string::npos);  // in the text too

    tables.shortcuts.push_back(Shortcut{41299, 0x014B});  // Ctrl+K, described nowhere
    tables.shortcuts.erase(
        std::remove_if(tables.shortcuts.begin(), tables.shortcuts.end(),
                       [](const Shortcut& s) { return s.command == kCmdCopyText; }),
        tables.shortcuts.end());
    const std::string problems = Problems(MakeGuide(TemplateText(), tables));
    EXPECT_NE(problems.find("Ctrl+K (command 41299) has no row"), std::string::npos) << problems;
    EXPECT_NE(problems.find("command 41226, which has no shortcut"), std::string::npos) << problems;
}

TEST(Guide, SettingsFollowTheirDefaults) {
    GuideTables tables = ProgramTables();
    const std::string oldLine = "ListLineHeight=22\r\n";
    const std::size_t at = tables.layoutIni.find(oldLine);
    ASSERT_NE(at, std::string::npos);
    tables.layoutIni.replace(at, oldLine.size(), "ListLineHeight=30\r\n");
    const GuideText guide = MakeGuide(TemplateText(), tables);
    EXPECT_TRUE(guide.problems.empty()) << Problems(guide);
    EXPECT_TRUE(HasLineStarting(guide.text, "  ListLineHeight=30  "));

    tables.systemIni += "NewOption=1\r\n";
    const std::string problems = Problems(MakeGuide(TemplateText(), tables));
    EXPECT_NE(problems.find("NewOption of [System] has no row"), std::string::npos) << problems;
}

// The numbers the guide's prose gives are the program's: each phrase (a
// regular expression over the guide with its line breaks joined, UTF-8)
// appears, and every number it holds is the constant it tells of.
TEST(Guide, NumbersInTheProseAreTheProgramsOwn) {
    std::string text = MakeGuide(TemplateText(), ProgramTables()).text;
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    const PlacementRect first = CentredFallbackPlacement(WorkAreaRect{0, 0, 4000, 4000});
    const struct {
        const char* phrase;
        std::vector<long> want;
    } kPhrases[] = {
        {u8"最後の変更から (\\d+) 秒", {long{kIdleSaveDelay / 1000}}},
        {u8"(\\d+) 秒ごとに", {long{kFailedSaveRetryDelay / 1000}}},
        {u8"(\\d+) 段まで", {long{kMaxIndent}}},
        {u8"入力では (\\d+) バイト", {static_cast<long>(kEditTypedLimit)}},
        {u8"(\\d+) バイトまで", {static_cast<long>(kMaxTextBytes)}},
        {u8"(\\d+) バイトを超える", {static_cast<long>(kMaxTextBytes)}},
        {u8"印のあと (\\d+) バイト", {static_cast<long>(kMaxTextBytes)}},
        {u8"(\\d+)×(\\d+) のウィンドウ", {long{first.width}, long{first.height}}},
    };
    for (const auto& phrase : kPhrases) {
        const std::regex pattern(phrase.phrase);
        int found = 0;
        for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) {
            ++found;
            for (std::size_t i = 0; i < phrase.want.size(); ++i) {
                EXPECT_EQ(std::stol((*it)[i + 1].str()), phrase.want[i]) << it->str();
            }
        }
        EXPECT_GT(found, 0) << "the guide has no " << phrase.phrase;
    }
    // Every byte count the guide names is one of the two limits.
    const std::regex bytes(u8"(\\d+) バイト");
    for (std::sregex_iterator it(text.begin(), text.end(), bytes), end; it != end; ++it) {
        const long n = std::stol((*it)[1].str());
        EXPECT_TRUE(n == static_cast<long>(kEditTypedLimit) ||
                    n == static_cast<long>(kMaxTextBytes))
            << it->str();
    }
}

GuideTables SmallTables() {
    GuideTables tables;
    tables.shortcuts = {{1, 0x0153}, {2, 0x0159}, {2, 0x035A},
                        {3, 0x0131}, {4, 0x0132}, {5, 0x0130}};
    tables.layoutIni = "[Layout]\r\nA=1\r\n[Font]\r\nF=\x82\x6C\x82\x72,12,1\r\n";  // ＭＳ
    tables.systemIni = "[System]\r\nWindowHotKey=0000\r\n";
    return tables;
}

TEST(GuideTemplate, TablesAlignedAndExamplesWorkedOut) {
    const GuideText guide = MakeGuide(
        "@# not copied\n"
        "Save with {1}, redo with {2}.\n"
        "@keys\n1 save\n2 redo\n  again\n3..5 show one\n@end\n"
        "@layout Layout\nA a\n@end\n@layout Font\nF f\n@end\n@system\nWindowHotKey h\n@end\n"
        "@modifiers\n@hotkeys\n0C4A\n@end\n",
        SmallTables());
    EXPECT_TRUE(guide.problems.empty()) << Problems(guide);
    EXPECT_EQ(guide.text,
              u8"Save with Ctrl+S, redo with Ctrl+Y \u307E\u305F\u306F Ctrl+Shift+Z.\n"
              u8"  Ctrl+S                save\n"
              u8"  Ctrl+Y, Ctrl+Shift+Z  redo\n"
              u8"                        again\n"
              u8"  Ctrl+1\uFF5ECtrl+0        show one\n"
              u8"  [Layout]\n"
              u8"  A=1  a\n"
              u8"  [Font]\n"
              u8"  F=\uFF2D\uFF33,12,1  f\n"
              u8"  [System]\n"
              u8"  WindowHotKey=0000  h\n"
              u8"  Ctrl   0100\n"
              u8"  Shift  0200\n"
              u8"  Alt    0400\n"
              u8"  Win    0800\n"
              u8"  Win+Alt+J  0800 + 0400 + 4A = 0C4A    WindowHotKey=0C4A\n");
    EXPECT_EQ(GuideFileBytes("a\nb\n"),
              "\xEF\xBB\xBF"
              "a\r\nb\r\n");
}

TEST(GuideTemplate, MistakesAreNamed) {
    const std::string problems = Problems(MakeGuide(
        "@keys\n1 save\n1 again\n2 redo\n3..5 x\n9 none\n@end\n@layout Layout\nB b\n@end\n"
        "@frob\n{8}\n@hotkeys\nzz\n@end\n@keys\n",
        SmallTables()));
    for (const char* expected : {
             "line 3: a second row for command 1",
             "line 6: a row for command 9, which has no shortcut",
             "line 9: [Layout] has no key B",
             "line 11: unknown directive @frob",
             "line 12: the text names command 8, which has no shortcut",
             "line 14: not a hot key: zz",
             "a table without @end",
             "A of [Layout] has no row",
             "F of [Font] has no row",
         }) {
        EXPECT_NE(problems.find(expected), std::string::npos) << expected << "\n" << problems;
    }
    GuideTables unlabelled = SmallTables();
    unlabelled.shortcuts.push_back({6, 0x01BA});  // Ctrl and a key without a label
    EXPECT_NE(Problems(MakeGuide("@keys\n6 x\n@end\n", unlabelled)).find("0x01BA has no label"),
              std::string::npos);
}

}  // namespace
}  // namespace tessel

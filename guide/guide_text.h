// The user's guide, made from a hand-written Japanese template and the
// program's own tables: the shortcuts, the key-name rules, and the keys of
// layout.ini and system.ini with their defaults. The prose is the
// template's; every key, key name and default in the tables is the
// program's, so the guide cannot fall behind them.
//
// Template lines (UTF-8) are copied as they are, except these:
//   @keys ... @end          rows "<command>[..<command>] <text>": the keys of
//                           the commands, then the text
//   @layout <Section> ...   rows "<key> <text>": "key=default", then the text
//   @system ... @end        the same for system.ini
//   @modifiers              the modifier bits of a key code, with their names
//   @hotkeys ... @end       rows "<hex>": worked "WindowHotKey" examples
//   @# ...                  a note for whoever edits the template
// A row line that begins with a blank continues the text of the row above;
// "{41009}" anywhere in a text stands for the keys of that command. No line
// of the guide may be wider than 80 columns.
// Every shortcut and every key of both files must have exactly one row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/accelerator_table.h"

namespace tessel {

// What the guide is made from.
struct GuideTables {
    std::vector<Shortcut> shortcuts;  // every key the accelerator table holds
    std::string layoutIni;            // every layout.ini key with its default (cp932)
    std::string systemIni;            // every system.ini key with its default (cp932)
};

// The program's tables, with the defaults it starts from.
GuideTables ProgramTables();

struct GuideText {
    std::string text;                   // UTF-8, LF line ends
    std::vector<std::string> problems;  // each a line for the developer; none for a release
};

GuideText MakeGuide(std::string_view templateText, const GuideTables& tables);

// The file's bytes: a UTF-8 byte-order mark (Notepad reads the file right
// on any Windows), then the text with CR LF line ends.
std::string GuideFileBytes(std::string_view text);

// A key code's name as the guide writes it: the menus' modifier names and a
// keyboard's label of the key ("Ctrl+Shift+N", "Alt+←（Left）"); empty when the
// key has no label here.
std::string GuideKeyName(std::int32_t keyCode);

// The text's width in the columns of a Japanese fixed-pitch font: two for a
// full-width character, one for ASCII and half-width katakana.
std::size_t DisplayWidth(std::string_view utf8);

// cp932 and UTF-8, both ways; empty when the text does not convert.
std::string Utf8FromCp932(std::string_view cp932);
std::string Cp932FromUtf8(std::string_view utf8);

}  // namespace tessel

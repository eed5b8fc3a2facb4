// Lines and "key=value" settings of the two INI files (system.ini and
// layout.ini), which share one line syntax.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessel {

// A line keeps at most this many bytes; the rest of a longer line is dropped.
inline constexpr std::size_t kMaxIniLineBytes = 2046;
inline constexpr std::size_t kMaxIniKeyBytes = 1023;
inline constexpr std::size_t kMaxIniValueBytes = 2046;

// Walks the non-empty lines of an INI file.
//  - A line ends at a CR, a NUL or the end of the data. An LF right after
//    that CR or NUL belongs to the line end; any other LF is an ordinary
//    byte, so a file with LF-only line ends is one long line.
//  - TAB bytes are dropped wherever they stand.
//  - A line keeps its first kMaxIniLineBytes bytes.
class IniLineReader {
  public:
    explicit IniLineReader(std::string_view bytes) : bytes_(bytes) {}

    // The next non-empty line, valid until the next call; false at the end.
    bool Next(std::string_view& line);

  private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    std::string line_;
};

// A line whose first byte is "[" is a section header, never a setting.
constexpr bool IsIniSectionHeader(std::string_view line) {
    return !line.empty() && line.front() == '[';
}

struct IniSetting {
    std::string_view key;
    std::string_view value;
};

// Splits a setting line at its first "=": the bytes before it are the key
// (first kMaxIniKeyBytes kept), those after it the value (first
// kMaxIniValueBytes kept); further "=" belong to the value and nothing is
// trimmed. Without "=", the whole line is the key and the value is empty.
IniSetting SplitIniSetting(std::string_view line);

}  // namespace tessel

#include "storage/ini_lines.h"

namespace tessel {

bool IniLineReader::Next(std::string_view& line) {
    const std::size_t size = bytes_.size();
    while (position_ < size) {
        line_.clear();
        while (position_ < size) {
            const char b = bytes_[position_++];
            if (b == '\r' || b == '\0') {
                // Only the LF of a CR LF (or NUL LF) goes with the line end: a
                // lone CR must not swallow the first byte of the next line.
                if (position_ < size && bytes_[position_] == '\n') {
                    ++position_;
                }
                break;
            }
            if (b != '\t' && line_.size() < kMaxIniLineBytes) {
                line_.push_back(b);
            }
        }
        if (!line_.empty()) {
            line = line_;
            return true;
        }
    }
    return false;
}

IniSetting SplitIniSetting(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {line.substr(0, kMaxIniKeyBytes), {}};
    }
    return {line.substr(0, equals).substr(0, kMaxIniKeyBytes),
            line.substr(equals + 1).substr(0, kMaxIniValueBytes)};
}

}  // namespace tessel

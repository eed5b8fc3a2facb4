#include "storage/list_versions.h"

#include <functional>
#include <utility>

#include "storage/sequence_diff.h"

namespace tessel {

std::vector<std::string_view> SplitLinesKeepingEnds(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(start, next - start));
        start = next;
    }
    return lines;
}

void ListVersions::SetRead(std::string bytes) {
    read_ = std::move(bytes);
    hasRead_ = true;
    writes_.clear();
}

void ListVersions::Clear() {
    read_.clear();
    read_.shrink_to_fit();
    hasRead_ = false;
    writes_.clear();
}

ListVersions::Write ListVersions::DiffFromRead(std::string_view bytes, std::int64_t now) const {
    const std::vector<std::string_view> old = SplitLinesKeepingEnds(read_);
    const std::vector<std::string_view> written = SplitLinesKeepingEnds(bytes);
    const std::vector<DiffPair> kept = DiffSequences(old, written, std::hash<std::string_view>());
    Write write;
    write.time = now;
    std::size_t a = 0;
    std::size_t b = 0;
    const auto addHunk = [&](std::size_t aEnd, std::size_t bEnd) {
        if (a == aEnd && b == bEnd) {
            return;
        }
        Hunk hunk;
        hunk.first = a;
        hunk.count = aEnd - a;
        // The new lines stand together in bytes: one block, not a string a line.
        if (b < bEnd) {
            const char* from = written[b].data();
            const char* to = written[bEnd - 1].data() + written[bEnd - 1].size();
            hunk.lines.assign(from, static_cast<std::size_t>(to - from));
        }
        write.hunks.push_back(std::move(hunk));
    };
    for (const DiffPair& pair : kept) {
        addHunk(pair.a, pair.b);
        a = pair.a + 1;
        b = pair.b + 1;
    }
    addHunk(old.size(), written.size());
    return write;
}

void ListVersions::AddWrite(Write write) {
    const std::int64_t now = write.time;
    // A write soon after the last one kept takes its place; the latest
    // always stays, the others for kKeepSeconds.
    if (!writes_.empty() && now - writes_.back().time < kApartSeconds) {
        write.time = writes_.back().time;
        writes_.back() = std::move(write);
    } else {
        writes_.push_back(std::move(write));
    }
    std::size_t stale = 0;
    while (stale + 1 < writes_.size() && now - writes_[stale].time > kKeepSeconds) {
        ++stale;
    }
    writes_.erase(writes_.begin(), writes_.begin() + static_cast<std::ptrdiff_t>(stale));
}

std::string ListVersions::Version(std::size_t index) const {
    if (hasRead_) {
        if (index == 0) {
            return read_;
        }
        --index;
    }
    if (index >= writes_.size()) {
        return std::string();
    }
    const std::vector<std::string_view> old = SplitLinesKeepingEnds(read_);
    std::string bytes;
    std::size_t line = 0;
    for (const Hunk& hunk : writes_[index].hunks) {
        for (; line < hunk.first; ++line) {
            bytes += old[line];
        }
        bytes += hunk.lines;
        line += hunk.count;
    }
    for (; line < old.size(); ++line) {
        bytes += old[line];
    }
    return bytes;
}

}  // namespace tessel

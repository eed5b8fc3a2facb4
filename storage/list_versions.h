// The versions of list.txt that another PC may have started from when it
// wrote the file: the version this program last read, and its own writes
// since, kept as line differences from that version. The one nearest to the
// other PC's file is the base of the three-way merge (storage/list_merge.h).
//
// Writes are kept for kKeepSeconds, at least kApartSeconds apart (a write
// sooner after the last one kept takes its place), and the latest always.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

class ListVersions {
  public:
    static constexpr std::int64_t kKeepSeconds = 15 * 60;
    static constexpr std::int64_t kApartSeconds = 10;

    // The version just read from disk; the writes before it are forgotten.
    void SetRead(std::string bytes);
    // Nothing is known: no version read, no write.
    void Clear();
    bool HasRead() const { return hasRead_; }
    // Lines [first, first + count) of the version read are replaced by
    // lines, whole lines with their ends, in one block.
    struct Hunk {
        std::size_t first = 0;
        std::size_t count = 0;
        std::string lines;
    };
    struct Write {
        std::int64_t time = 0;
        std::vector<Hunk> hunks;
    };

    // A write of these bytes at now (seconds, any steady origin).
    void NoteWrite(std::string_view bytes, std::int64_t now) { AddWrite(DiffFromRead(bytes, now)); }
    // The same in two halves: the difference from the version read, which
    // only reads this object and so may be made on another thread while
    // nothing changes it, and keeping it.
    Write DiffFromRead(std::string_view bytes, std::int64_t now) const;
    void AddWrite(Write write);

    // The versions, oldest first: the one read (when there is one), then the
    // writes kept.
    std::size_t Count() const { return (hasRead_ ? 1 : 0) + writes_.size(); }
    std::string Version(std::size_t index) const;

  private:
    std::string read_;
    bool hasRead_ = false;
    std::vector<Write> writes_;
};

// The lines of bytes, each with its line end ("\n" closes a line; the last
// may have none).
std::vector<std::string_view> SplitLinesKeepingEnds(std::string_view bytes);

}  // namespace tessel

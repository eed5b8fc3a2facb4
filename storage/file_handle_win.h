// Whole-file reading and replacing for the data files: the only place that
// opens them. Paths are UTF-16, so that a folder named in any language serves.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tessel {

// Owns a file handle from CreateFileW and closes it once.
class FileHandle {
  public:
    FileHandle() = default;
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(FileHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    // Closes now; false when the system reports a failure (a write that
    // could not be completed can show up here).
    bool Close() {
        if (!Valid()) {
            return true;
        }
        const bool closed = CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
        return closed;
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

enum class FileReadResult {
    Read,     // bytes hold the whole file
    Missing,  // there is no such file
    Failed,   // it exists but could not be opened, sized, buffered or read
};

// How long a read at start waits for a file that another program holds
// (an indexer, a virus scanner, a sync client), in milliseconds.
inline constexpr unsigned kReadPatience = 2000;

// Reads the whole file once. It is opened sharing reading, writing and
// deleting, so that a program that holds it open does not keep it from
// being read.
FileReadResult ReadWholeFile(const std::wstring& path, std::string& bytes);
// The same, tried again for up to kReadPatience while it fails (a file
// that is missing is not waited for).
FileReadResult ReadWholeFilePatiently(const std::wstring& path, std::string& bytes);

// What a file's directory entry tells of it: enough to notice that another
// program wrote it.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;  // FILETIME, 100 ns since 1601

    bool operator==(const FileStamp& other) const {
        return exists == other.exists && size == other.size && lastWrite == other.lastWrite;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// The stamp of path (exists false when there is no such file); false when
// the entry cannot be read for another reason.
bool ReadFileStamp(const std::wstring& path, FileStamp& stamp);

// Writes bytes to path + ".tmp" beside it, flushes that to the disk, then
// puts it in place of path in one step. On any failure the old file stays
// whole, the temporary file is removed and the answer is false, with the
// system's error code of the step that failed.
bool ReplaceFileContent(const std::wstring& path, std::string_view bytes);

}  // namespace tessel

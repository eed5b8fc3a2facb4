#include "storage/file_handle_win.h"

#include <algorithm>
#include <new>

namespace tessel {

namespace {

// ReadFile and WriteFile take a 32-bit count; big files go in pieces.
constexpr std::size_t kMaxIoChunk = 64u << 20;

bool WriteAll(HANDLE file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kMaxIoChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

FileReadResult ReadWholeFile(const std::wstring& path, std::string& bytes) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? FileReadResult::Missing
                   : FileReadResult::Failed;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) >= bytes.max_size()) {
        return FileReadResult::Failed;
    }
    const auto total = static_cast<std::size_t>(size.QuadPart);
    try {
        bytes.assign(total, '\0');
    } catch (const std::bad_alloc&) {
        return FileReadResult::Failed;
    }
    std::size_t done = 0;
    while (done < total) {
        const auto chunk = static_cast<DWORD>(std::min(total - done, kMaxIoChunk));
        DWORD read = 0;
        if (!ReadFile(file.Get(), &bytes[done], chunk, &read, nullptr) || read == 0) {
            // An error, or the file got shorter than its size said.
            bytes.clear();
            return FileReadResult::Failed;
        }
        done += read;
    }
    return FileReadResult::Read;
}

FileReadResult ReadWholeFilePatiently(const std::wstring& path, std::string& bytes) {
    constexpr DWORD kPause = 100;
    const DWORD start = GetTickCount();
    for (;;) {
        const FileReadResult result = ReadWholeFile(path, bytes);
        if (result != FileReadResult::Failed || GetTickCount() - start >= kReadPatience) {
            return result;
        }
        Sleep(kPause);
    }
}

bool ReadFileStamp(const std::wstring& path, FileStamp& stamp) {
    stamp = FileStamp();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    stamp.exists = true;
    stamp.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    stamp.lastWrite = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                      data.ftLastWriteTime.dwLowDateTime;
    return true;
}

namespace {

// Removes the temporary file of a failed replace, keeping the error code of
// the step that failed for the report.
bool DropTemporary(const std::wstring& temporary) {
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    SetLastError(error);
    return false;
}

}  // namespace

bool ReplaceFileContent(const std::wstring& path, std::string_view bytes) {
    const std::wstring temporary = path + L".tmp";
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return false;
    }
    // Everything must be on the disk before the name points at it, or a
    // crash right after the move could leave an empty list.
    const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get()) != 0;
    if (!written) {
        const DWORD error = GetLastError();
        file.Close();
        SetLastError(error);
        return DropTemporary(temporary);
    }
    if (!file.Close()) {
        return DropTemporary(temporary);
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return DropTemporary(temporary);
    }
    return true;
}

}  // namespace tessel

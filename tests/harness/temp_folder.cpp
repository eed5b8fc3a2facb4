#include "tests/harness/temp_folder.h"

#include <windows.h>

#include <stdexcept>

#include "process/wide_text_win.h"
#include "storage/file_handle_win.h"

namespace tessel::test {
namespace {

// Shared as the C library shares what it opens, so that looking at a file
// never stands in the way of the code under test.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE;

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring child = path + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    DWORD length = GetTempPathW(MAX_PATH, base);
    if (length == 0 || length >= MAX_PATH) {
        throw std::runtime_error("GetTempPathW failed");
    }
    static unsigned counter = 0;
    for (;;) {
        widePath_ = std::wstring(base) + L"tessel-test-" + std::to_wstring(GetCurrentProcessId()) +
                    L"-" + std::to_wstring(++counter);
        if (CreateDirectoryW(widePath_.c_str(), nullptr)) {
            break;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            throw std::runtime_error("CreateDirectoryW failed");
        }
    }
    path_ = Cp932FromWide(widePath_);
}

TempFolder::~TempFolder() {
    RemoveTree(widePath_);
}

std::wstring TempFolder::MakeFolder(std::wstring_view name) const {
    const std::wstring path = WideFile(name);
    for (std::size_t end = widePath_.size() + 1; end <= path.size(); ++end) {
        if (end == path.size() || path[end] == L'\\') {
            const std::wstring step = path.substr(0, end);
            if (!CreateDirectoryW(step.c_str(), nullptr) &&
                GetLastError() != ERROR_ALREADY_EXISTS) {
                throw std::runtime_error("cannot make a test folder");
            }
        }
    }
    return path;
}

std::string ReadFileBytes(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (file.Valid() && ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
        bytes.append(chunk, read);
    }
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.Valid() ||
        !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !file.Close()) {
        throw std::runtime_error("cannot write " + Cp932FromWide(path));
    }
}

bool FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::string& path) {
    return ReadFileBytes(WideFromCp932(path));
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    WriteFileBytes(WideFromCp932(path), bytes);
}

bool FileExists(const std::string& path) {
    return FileExists(WideFromCp932(path));
}

}  // namespace tessel::test

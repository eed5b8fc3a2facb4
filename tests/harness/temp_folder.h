// A fresh folder under the system's temp folder for one test, removed with
// everything in it when the object goes. Paths are UTF-16 inside; the
// narrow ones are cp932 and serve while every name in them is cp932's.
#pragma once

#include <string>
#include <string_view>

namespace tessel::test {

// A folder name that cp932 has no letters for: the "A" calls of a Japanese
// Windows turn it into "Jose-o", another folder's name.
inline constexpr wchar_t kNonCp932Name[] = L"Jos\u00e9-\u00f8";

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a trailing backslash.
    const std::string& Path() const { return path_; }
    const std::wstring& WidePath() const { return widePath_; }
    // Path + "\" + name.
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    std::wstring WideFile(std::wstring_view name) const {
        return widePath_ + L"\\" + std::wstring(name);
    }
    // Makes the folder WideFile(name) (and any folder on the way to it);
    // its path. Throws when it cannot.
    std::wstring MakeFolder(std::wstring_view name) const;

  private:
    std::wstring widePath_;
    std::string path_;
};

// Whole-file helpers for tests; ReadFileBytes answers "" when the file is
// missing. The narrow paths are cp932.
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

}  // namespace tessel::test

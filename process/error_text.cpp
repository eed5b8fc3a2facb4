#include "process/error_text.h"

#include <cstdio>
#include <iterator>

#include "process/program_title.h"
#include "store/cp932.h"

namespace tessel {
namespace {

std::string FitBuffer(std::string text) {
    std::string_view fitted = Cp932Prefix(text, kErrorBufferBytes - 1);
    text.resize(fitted.size());
    return text;
}

struct ErrorEntry {
    int id;
    const char* message;
};

// The texts are cp932 bytes, spelled as escapes so that every compiler of
// the portable code produces the same bytes; each stands under its words.
// Every message but the last warns of a cause outside the program; the
// last (901) is a fault of the program and shows the stop sign.
constexpr ErrorEntry kErrorTable[] = {
    // ウィンドウを作成することができません。
    {kErrorCreateWindow,
     "\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x82\xF0\x8D\xEC\x90\xAC\x82\xB7\x82\xE9\x82\xB1\x82"
     "\xC6\x82\xAA\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42"},
    // メモリを確保できません。
    {kErrorNoMemory,
     "\x83\x81\x83\x82\x83\x8A\x82\xF0\x8A\x6D\x95\xDB\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81"
     "\x42"},
    // リストを作成することができません。
    {kErrorCreateList,
     "\x83\x8A\x83\x58\x83\x67\x82\xF0\x8D\xEC\x90\xAC\x82\xB7\x82\xE9\x82\xB1\x82\xC6\x82\xAA\x82"
     "\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42"},
    // ファイルが存在しません。
    {kErrorFileMissing,
     "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x91\xB6\x8D\xDD\x82\xB5\x82\xDC\x82\xB9\x82\xF1\x81"
     "\x42"},
    // ファイル読み込みに失敗しました。
    {kErrorFileRead,
     "\x83\x74\x83\x40\x83\x43\x83\x8B\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x82\xC9\x8E\xB8\x94\x73\x82"
     "\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42"},
    // ファイル保存に失敗しました。
    {kErrorFileSave,
     "\x83\x74\x83\x40\x83\x43\x83\x8B\x95\xDB\x91\xB6\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82"
     "\xB5\x82\xBD\x81\x42"},
    // アクセスが拒否されました。
    {kErrorAccessDenied,
     "\x83\x41\x83\x4E\x83\x5A\x83\x58\x82\xAA\x8B\x91\x94\xDB\x82\xB3\x82\xEA\x82\xDC\x82\xB5\x82"
     "\xBD\x81\x42"},
    // クリップボードにテキストがありません。
    {kErrorClipboardNoText,
     "\x83\x4E\x83\x8A\x83\x62\x83\x76\x83\x7B\x81\x5B\x83\x68\x82\xC9\x83\x65\x83\x4C\x83\x58\x83"
     "\x67\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42"},
    // クリップボード取得に失敗しました。
    {kErrorClipboardGet,
     "\x83\x4E\x83\x8A\x83\x62\x83\x76\x83\x7B\x81\x5B\x83\x68\x8E\xE6\x93\xBE\x82\xC9\x8E\xB8\x94"
     "\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42"},
    // クリップボードの文字列をコピーできません。
    {kErrorClipboardCopy,
     "\x83\x4E\x83\x8A\x83\x62\x83\x76\x83\x7B\x81\x5B\x83\x68\x82\xCC\x95\xB6\x8E\x9A\x97\xF1\x82"
     "\xF0\x83\x52\x83\x73\x81\x5B\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42"},
    // システムエラーが発生しました。プログラムが不正です。
    {kErrorInternal,
     "\x83\x56\x83\x58\x83\x65\x83\x80\x83\x47\x83\x89\x81\x5B\x82\xAA\x94\xAD\x90\xB6\x82\xB5\x82"
     "\xDC\x82\xB5\x82\xBD\x81\x42\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x82\xAA\x95\x73\x90\xB3"
     "\x82\xC5\x82\xB7\x81\x42"},
};

const ErrorEntry& FindError(int errorId) {
    for (const ErrorEntry& entry : kErrorTable) {
        if (entry.id == errorId) {
            return entry;
        }
    }
    // An id outside the table is itself an internal inconsistency.
    return kErrorTable[std::size(kErrorTable) - 1];
}

}  // namespace

std::string_view ErrorMessage(int errorId) {
    return FindError(errorId).message;
}

ErrorIcon ErrorIconOf(int errorId) {
    return FindError(errorId).id == kErrorInternal ? ErrorIcon::Stop : ErrorIcon::Exclamation;
}

std::string ComposeErrorCaption(std::uint32_t lastError) {
    if (lastError == 0) {
        return kProgramTitle;
    }
    char buffer[kErrorBufferBytes];
    std::snprintf(buffer, sizeof buffer, "%s [ErrerID:%d]", kProgramTitle,
                  static_cast<int>(static_cast<std::int32_t>(lastError)));
    return buffer;
}

std::string ComposeErrorText(int errorId, std::string_view detail) {
    std::string text(ErrorMessage(errorId));
    if (!detail.empty()) {
        text += "\n\n";
        text += detail;
    }
    return FitBuffer(std::move(text));
}

}  // namespace tessel

// The words of a failure report: which message an ErrorId shows, with which
// icon, and how caption and text are put together. No platform calls here;
// ReportError (process/error_report_win.h) shows the result.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessel {

// The numbers that select a failure message. 2xx windows, memory and the
// list; 3xx files; 5xx the clipboard; 9xx internal inconsistencies.
enum ErrorId : int {
    kErrorCreateWindow = 201,
    kErrorNoMemory = 202,
    kErrorCreateList = 203,
    kErrorFileMissing = 301,
    kErrorFileRead = 302,
    kErrorFileSave = 303,
    kErrorAccessDenied = 304,
    kErrorClipboardNoText = 501,
    kErrorClipboardGet = 502,
    kErrorClipboardCopy = 503,
    kErrorInternal = 901,
};

enum class ErrorIcon { Exclamation, Stop };

// Caption and text are each composed in a buffer of this many bytes,
// terminating zero included.
inline constexpr std::size_t kErrorBufferBytes = 1024;

// The fixed message of an ErrorId (cp932). An id outside the table is itself
// an internal inconsistency and gets the message of kErrorInternal.
std::string_view ErrorMessage(int errorId);
ErrorIcon ErrorIconOf(int errorId);

// "てっせるリスト", followed by " [ErrerID:<code>]" when the platform's
// last-error code is not 0 (printed as a signed decimal).
std::string ComposeErrorCaption(std::uint32_t lastError);
// The message, and when detail is not empty an empty line and the detail;
// cut to fit kErrorBufferBytes without splitting a two-byte character.
std::string ComposeErrorText(int errorId, std::string_view detail);

}  // namespace tessel

// UTF-8 reader of the data files: any bytes must be judged without a fault;
// what is taken as UTF-8 decodes to well-formed UTF-16 with cp932's forms,
// and exactly the strictly valid bytes (behind a mark) decode.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/text_encoding.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool marked = bytes.substr(0, 3) == "\xEF\xBB\xBF";
    const bool valid = tessel::IsStrictUtf8(bytes.substr(marked ? 3 : 0));
    std::u16string out;
    Check(tessel::Utf16FromUtf8ForCp932(bytes, out) == valid);
    Check(out.size() <= size);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const char16_t unit = out[i];
        // Surrogates come in pairs; the forms cp932 keeps elsewhere are gone.
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            Check(i + 1 < out.size() && out[i + 1] >= 0xDC00 && out[i + 1] <= 0xDFFF);
            ++i;
            continue;
        }
        Check(unit < 0xDC00 || unit > 0xDFFF);
        Check(unit != 0x301C && unit != 0x2016 && unit != 0x2212 && unit != 0x00A2 &&
              unit != 0x00A3 && unit != 0x00AC);
    }
    const tessel::TextEncoding list = tessel::ListFileEncoding(bytes);
    const tessel::TextEncoding layout = tessel::LayoutFileEncoding(bytes);
    // What is taken as UTF-8 without its mark is strictly valid.
    Check(list != tessel::TextEncoding::Utf8 || marked || valid);
    Check(layout != tessel::TextEncoding::Utf8 || marked || valid);
    return 0;
}

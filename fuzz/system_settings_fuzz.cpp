// system.ini reader: any bytes must load without a fault, and the settings
// read (with the placement clamped) must be written and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/system_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tessel::SystemSettings settings;
    tessel::SetSystemDefaults(settings);
    tessel::ParseSystemSettings(bytes, settings);
    tessel::ClampPlacement(settings, 1920, 1080, 18);
    if (settings.SeparatorLength < 0 || settings.SeparatorLength > 255 ||
        settings.WindowWidth < 100 || settings.WindowHeight < 18 || settings.WindowX > 1920 ||
        settings.WindowY > 1080) {
        std::abort();
    }
    const std::string written = tessel::FormatSystemSettings(settings);

    tessel::SystemSettings again;
    tessel::SetSystemDefaults(again);
    tessel::ParseSystemSettings(written, again);
    tessel::ClampPlacement(again, 1920, 1080, 18);
    if (tessel::FormatSystemSettings(again) != written) {
        std::abort();
    }
    return 0;
}

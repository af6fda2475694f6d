// Any bytes as Corvane.xml: either an error naming the file or settings, never a crash.
#include "app/settings_file.h"
#include "common/file_error.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::AppState state;
    try {
        corvane::readSettingsXml({reinterpret_cast<const char*>(data), size}, state);
        (void)corvane::settingsXml(state);
    } catch (const corvane::FileError&) {
    }
    return 0;
}

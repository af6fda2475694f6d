// Any bytes given as DALI_Access.xml either read as a channel table or raise FileError.
#include "common/file_error.h"
#include "dali/dali_access_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        auto channels =
            corvane::parseDaliAccess(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
        (void)corvane::serializeDaliAccess(channels);
    } catch (const corvane::FileError&) {
    }
    return 0;
}

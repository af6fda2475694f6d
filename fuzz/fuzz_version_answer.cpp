// Any bytes as the version server's answer: reading and comparing it must never crash, and a
// version number is four characters read as one integer, so it stays within -999..9999.
#include "app/version_check.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view answer(reinterpret_cast<const char*>(data), size);
    corvane::isNewerVersion(answer, "1.300");
    const int version = corvane::Conv_Version(answer);
    if (version < -999 || version > 9999) std::abort();
    return 0;
}

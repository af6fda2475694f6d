// Any bytes as a typed field: every checker gives a verdict, never a crash.
#include "common/field_parsers.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (bool slash : {false, true})
        for (bool allowZero : {false, true}) (void)corvane::CheckKnxAddress(text, slash, allowZero);
    std::string p1, p2, p3, p4;
    (void)corvane::SplitIpAddress(text, p1, p2, p3, p4);
    std::array<std::uint8_t, 4> bytes{};
    std::uint16_t port = 0;
    (void)corvane::ParseIpPort(text, bytes, port);
    (void)corvane::ParseIpBytes(text, bytes);
    (void)corvane::HasNoDot(text);
    (void)corvane::CheckOid(text);
    (void)corvane::ParseSecurityLevel(text);
    return 0;
}

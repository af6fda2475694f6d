// Any bytes given as DALI2_Access.xml either read as the two tables or raise FileError.
#include "common/file_error.h"
#include "dali/dali2_access_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        auto tables =
            corvane::parseDali2Access(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
        (void)corvane::functionExtent(tables.functions);
        (void)corvane::ruleExtent(tables.rules);
        (void)corvane::serializeDali2Access(tables);
    } catch (const corvane::FileError&) {
    }
    return 0;
}

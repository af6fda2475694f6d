// Any bytes as ParGen.xml: either an error naming the file or the window's values and their checks,
// never a crash; what is written from those values reads back as the same values.
#include "common/file_error.h"
#include "settings/par_gen_check.h"
#include "settings/par_gen_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const corvane::TextCatalogue texts = [] {
        corvane::TextCatalogue catalogue;
        catalogue.FillDefaultTexts();
        return catalogue;
    }();
    try {
        auto values = corvane::windowValues(corvane::parseParGenXml({reinterpret_cast<const char*>(data), size}, "ParGen.xml"));
        (void)corvane::checkParGen(values, texts);
        std::string written = corvane::serializeParGen(values);
        if (corvane::windowValues(corvane::parseParGenXml(written, "ParGen.xml")) != values) std::abort();
    } catch (const corvane::FileError&) {
    }
    return 0;
}

// Any bytes as a language file: decoding and applying them must never crash.
#include "text/text_catalogue.h"
#include "text/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static corvane::TextCatalogue texts = [] {
        corvane::TextCatalogue filled;
        filled.FillDefaultTexts();
        return filled;
    }();
    texts.applyLanguageText(corvane::decodeTextFile({reinterpret_cast<const char*>(data), size}));
    return 0;
}

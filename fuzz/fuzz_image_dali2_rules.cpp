// Any bytes as DALI2_Access.xml, read the way the image builder reads it: blocks or an error, never a crash.
#include "common/file_error.h"
#include "image/image_build_error.h"
#include "image/image_layout.h"
#include "image/import_steps.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto blocks = std::make_unique<corvane::ImageBlocks>();
    blocks->reset();
    try {
        auto file = corvane::parseDali2Document({reinterpret_cast<const char*>(data), size}, "DALI2_Access.xml");
        corvane::ImportInputRules(blocks->Rules, blocks->Settings, file.get());
        corvane::ImportFunctionRules(blocks->Functions, file.get(), '.');
    } catch (const corvane::FileError&) {
    } catch (const corvane::ImageBuildError&) {
    }
    return 0;
}

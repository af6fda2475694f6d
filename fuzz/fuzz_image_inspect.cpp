// Any bytes as an image file: either "no image" or a description, never a crash.
#include "image/image_inspect.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)corvane::inspectImage({data, size});
    return 0;
}

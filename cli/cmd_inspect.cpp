// corvane-cli inspect FILE: what a device will receive, decoded from an image file.
#include "cli/cli_command.h"
#include "common/file_error.h"
#include "common/safe_write.h"
#include "image/image_inspect.h"

#include <ostream>

namespace corvane::cli {

int runInspect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].starts_with("-")) return usageError({"inspect", "FILE", runInspect}, err);
    const std::string content = readWholeFile(args[0]);
    const auto text = inspectImage({reinterpret_cast<const std::uint8_t*>(content.data()), content.size()});
    if (!text)
        throw FileError(args[0], "holds " + std::to_string(content.size()) +
                                     " bytes, which is not the size of an image (10496, 2048 or 8448 bytes)");
    out << *text;
    return kOk;
}

} // namespace corvane::cli

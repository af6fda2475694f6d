#include "common/safe_write.h"

#include "common/file_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#define CORVANE_FSYNC _commit
#define CORVANE_FILENO _fileno
#else
#include <unistd.h>
#define CORVANE_FSYNC fsync
#define CORVANE_FILENO fileno
#endif

namespace corvane {

namespace fs = std::filesystem;

namespace {

fs::path temporaryBeside(const fs::path& path) {
    static std::mt19937 generator{std::random_device{}()};
    auto name = path.filename().string() + ".tmp-" + std::to_string(generator() % 1000000);
    return path.parent_path() / name;
}

std::string errnoText(int error) { return std::strerror(error); }

} // namespace

void writeFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path temporary = temporaryBeside(path);
    std::FILE* file = std::fopen(temporary.string().c_str(), "wb");
    if (!file) throw FileError(path, "cannot be written: " + errnoText(errno));

    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int error = ok ? 0 : errno;
    if (ok && std::fflush(file) != 0) ok = false, error = errno;
    if (ok && CORVANE_FSYNC(CORVANE_FILENO(file)) != 0) ok = false, error = errno;
    if (std::fclose(file) != 0 && ok) ok = false, error = errno;
    if (!ok) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw FileError(path, "cannot be written: " + errnoText(error ? error : EIO));
    }

    std::error_code renameError;
    fs::rename(temporary, path, renameError);
    if (renameError) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw FileError(path, "cannot be replaced: " + renameError.message());
    }
}

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileError(path, "cannot be opened: " + errnoText(errno));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw FileError(path, "cannot be read: " + errnoText(errno));
    return std::move(content).str();
}

} // namespace corvane

#include "common/safe_write.h"

#include "common/file_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#include <sys/stat.h>

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

std::FILE* openForReading(const fs::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

// The length of an open regular file; 0 for anything else (a pipe, a device, a folder), whose length is
// only known once read.
std::size_t lengthOf(std::FILE* file) {
#ifdef _WIN32
    struct _stat64 info;
    if (_fstat64(CORVANE_FILENO(file), &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) return 0;
#else
    struct stat info;
    if (fstat(CORVANE_FILENO(file), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
#endif
    return info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
}

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

// Read straight into a string sized from the file's length: one allocation and, for a regular file, one
// read call up to the end, where copying a stream into a string stream grew and copied the text piece by
// piece. A read error ends the content where it stopped, as the stream copy did (a folder reads as empty).
std::string readWholeFile(const fs::path& path) {
    std::FILE* file = openForReading(path);
    if (!file) throw FileError(path, "cannot be opened: " + errnoText(errno));
    std::setvbuf(file, nullptr, _IONBF, 0); // read into the string itself, through no buffer of the stream's
    // One byte more than the length, so that the end of the file is met without growing.
    std::string content(lengthOf(file) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        used += std::fread(content.data() + used, 1, content.size() - used, file);
        if (used < content.size()) break; // the end of the file, or a read error
        content.resize(content.size() * 2); // longer than its length said, or of no known length
    }
    std::fclose(file);
    content.resize(used);
    return content;
}

} // namespace corvane

#include "common/safe_write.h"

#include "common/file_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
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

namespace {

// A read that failed after the file opened (for example a folder, or a disk error).
struct ReadError {
    int code;
};

// Reads `file` to its end into the buffer that `resize(size, kept)` makes `size` bytes long, keeping its first
// `kept` bytes, and returns the number read. The buffer is sized from the file's length, one byte more so that
// the end is met without growing; a regular file is thus read in one call, through no buffer of the stream's.
// A read error throws ReadError.
template <typename Resize>
std::size_t readToEnd(std::FILE* file, Resize resize) {
    std::setvbuf(file, nullptr, _IONBF, 0);
    std::size_t capacity = lengthOf(file) + 1;
    char* data = resize(capacity, 0);
    std::size_t used = 0;
    for (;;) {
        used += std::fread(data + used, 1, capacity - used, file);
        if (std::ferror(file)) throw ReadError{errno};
        if (used < capacity) return used; // the end of the file
        capacity *= 2;                    // longer than its length said, or of no known length
        data = resize(capacity, used);
    }
}

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenFile = std::unique_ptr<std::FILE, CloseFile>;

OpenFile openOrThrow(const fs::path& path) {
    OpenFile file(openForReading(path));
    if (!file) throw FileError(path, "cannot be opened: " + errnoText(errno));
    return file;
}

} // namespace

std::string readWholeFile(const fs::path& path) {
    const OpenFile file = openOrThrow(path);
    std::string content;
    try {
        content.resize(readToEnd(file.get(), [&](std::size_t capacity, std::size_t) {
            content.resize(capacity);
            return content.data();
        }));
    } catch (const ReadError& error) {
        throw FileError(path, "cannot be read: " + errnoText(error.code));
    }
    return content;
}

AllocatedBytes readWholeFile(const fs::path& path, void* (*allocate)(std::size_t), void (*release)(void*)) {
    const OpenFile file = openOrThrow(path);
    std::unique_ptr<void, void (*)(void*)> block(nullptr, release);
    std::size_t size = 0;
    try {
        size = readToEnd(file.get(), [&](std::size_t capacity, std::size_t kept) {
            void* bigger = allocate(capacity);
            if (!bigger) throw std::bad_alloc();
            if (kept > 0) std::memcpy(bigger, block.get(), kept);
            block.reset(bigger);
            return static_cast<char*>(bigger);
        });
    } catch (const ReadError& error) {
        throw FileError(path, "cannot be read: " + errnoText(error.code));
    }
    return {block.release(), size};
}

} // namespace corvane

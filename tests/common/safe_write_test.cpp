#include "common/file_error.h"
#include "common/safe_write.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace corvane {
namespace {

using testing::TempDir;
using testing::readFile;

size_t filesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(SafeWrite, ReplacesTheWholeFileAndLeavesNoTemporary) {
    TempDir dir;
    auto file = dir.write("a.xml", "old content that is longer");
    writeFileAtomically(file, "new");
    EXPECT_EQ(readFile(file), "new");
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(SafeWrite, MissingFolderNamesTheFileAndTheReason) {
    TempDir dir;
    try {
        writeFileAtomically(dir / "missing/a.xml", "x");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("a.xml"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("No such file"), std::string::npos) << error.what();
    }
}

#ifndef _WIN32
// A write that fails half-way (here: the file size limit, as a full disk would) keeps the old file.
TEST(SafeWrite, FailureHalfWayKeepsTheOldFile) {
    TempDir dir;
    auto file = dir.write("Corvane.xml", "the old settings");

    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    bool failed = false;
    try {
        writeFileAtomically(file, std::string(64 * 1024, 'x'));
    } catch (const FileError& error) {
        failed = true;
        EXPECT_NE(std::string(error.what()).find("Corvane.xml"), std::string::npos);
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(failed);
    EXPECT_EQ(readFile(file), "the old settings");
    EXPECT_EQ(filesIn(dir.path()), 1u) << "the temporary file was left behind";
}
#endif

TEST(SafeWrite, ReadingAMissingFileOrAFolderNamesIt) {
    TempDir dir;
    EXPECT_THROW(readWholeFile(dir / "none.lng"), FileError);
    std::filesystem::create_directory(dir / "Italiano.lng");
    try {
        readWholeFile(dir / "Italiano.lng");
        FAIL() << "a folder read as a file";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("Italiano.lng"), std::string::npos);
    }
}

} // namespace
} // namespace corvane

// Writing the three images into the configuration's bin folder.
#include "image_test_support.h"

#include <filesystem>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

class ImageFiles : public ConfigurationFolder {};

TEST_F(ImageFiles, WritesTheThreeImagesCreatingAMissingBinFolder) {
    const BuiltImages images = build();
    ASSERT_FALSE(fs::exists(folder / "bin"));
    WriteImageFiles(images, folder.path());
    EXPECT_EQ(fs::file_size(folder / "bin/bank.bin"), 10496u);
    EXPECT_EQ(fs::file_size(folder / "bin/bank_ESP32_1.bin"), 2048u);
    EXPECT_EQ(fs::file_size(folder / "bin/bank_ESP32_2.bin"), 8448u);
    const std::string config = readFile(folder / "bin/bank.bin");
    const auto used = images.ConfigImage.usedBytes();
    EXPECT_TRUE(std::equal(used.begin(), used.end(), config.begin(), config.end(),
                           [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }));
}

TEST_F(ImageFiles, ReplacesEarlierImagesWhole) {
    write("bin/bank.bin", std::string(20000, 'x'));
    WriteImageFiles(build(), folder.path());
    EXPECT_EQ(fs::file_size(folder / "bin/bank.bin"), 10496u);
}

TEST_F(ImageFiles, AnImageThatCannotBeWrittenStopsNamingTheFile) {
    fs::create_directories(folder / "bin/bank_ESP32_1.bin"); // a folder where the file should go
    try {
        WriteImageFiles(build(), folder.path());
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), folder / "bin/bank_ESP32_1.bin");
        EXPECT_FALSE(error.reason().empty());
    }
}

TEST_F(ImageFiles, ABinPathThatIsAFileStops) {
    write("bin", "not a folder");
    EXPECT_THROW(WriteImageFiles(build(), folder.path()), FileError);
}

} // namespace
} // namespace corvane::testing

#include "common/file_error.h"
#include "settings/par_gen_file.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using K = ParGenKey;

const std::string kDefaultFile =
    "<Par_Gen><MTCPs_IP1>192</MTCPs_IP1><MTCPs_IP2>168</MTCPs_IP2><MTCPs_IP3>0</MTCPs_IP3><MTCPs_IP4>10</MTCPs_IP4>"
    "<MTCPs_SUB1>255</MTCPs_SUB1><MTCPs_SUB2>255</MTCPs_SUB2><MTCPs_SUB3>255</MTCPs_SUB3><MTCPs_SUB4>0</MTCPs_SUB4>"
    "<MTCPs_EN_GAT>0</MTCPs_EN_GAT><MTCPs_GAT1>192</MTCPs_GAT1><MTCPs_GAT2>168</MTCPs_GAT2><MTCPs_GAT3>0</MTCPs_GAT3>"
    "<MTCPs_GAT4>1</MTCPs_GAT4><DALI_CONSOLE_PORT>10001</DALI_CONSOLE_PORT><DALI_SWITCH_OFF>0</DALI_SWITCH_OFF>"
    "<DALI_TIMEOUT>0</DALI_TIMEOUT><DALI_DISABLE_SCAN>0</DALI_DISABLE_SCAN><DALI_ENABLE_DALI_2>0</DALI_ENABLE_DALI_2>"
    "</Par_Gen><!--SW_VERSION = 1.300-->";

ParGenValues shown(std::string_view content) { return windowValues(parseParGenXml(content, "ParGen.xml")); }

TEST(ParGenFile, KeysAreListedOnceInFileOrder) {
    auto keys = parGenKeys();
    ASSERT_EQ(keys.size(), kParGenKeyCount);
    for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(static_cast<std::size_t>(keys[i].key), i);
    EXPECT_STREQ(keys.front().element, "MTCPs_IP1");
    EXPECT_STREQ(keys.back().element, "DALI_ENABLE_DALI_2");
}

TEST(ParGenFile, NoFileShowsTheDefaultsAndSavingThemWritesExactlyTheseTexts) {
    testing::TempDir dir;
    auto path = dir / "ParGen.xml";
    auto found = readParGenFile(path);
    EXPECT_EQ(found, std::nullopt);
    ParGenValues values = windowValues(found);
    EXPECT_EQ(values[K::IP1], "192");
    EXPECT_EQ(values[K::GAT4], "1");
    EXPECT_EQ(values[K::ConsolePort], "10001");
    EXPECT_FALSE(values.flag(K::EN_GAT));
    writeParGenFile(path, values);
    EXPECT_EQ(testing::readFile(path), kDefaultFile);
}

TEST(ParGenFile, WhatIsWrittenReadsBackUnchanged) {
    testing::TempDir dir;
    auto path = dir / "ParGen.xml";
    ParGenValues values = defaultParGenValues();
    values[K::IP1] = " 10 ";
    values[K::GAT2] = "abc & <x>";
    values[K::TimeOut] = "";
    values.setFlag(K::EN_GAT, true);
    values.setFlag(K::EnableDali2, true);
    writeParGenFile(path, values);
    EXPECT_EQ(windowValues(readParGenFile(path)), values);
}

TEST(ParGenFile, ElementsAreFoundByNameAndUnknownOnesAreDroppedAtTheNextSave) {
    auto values = shown("<Par_Gen><Extra>x</Extra><DALI_TIMEOUT>50</DALI_TIMEOUT><MTCPs_IP4>7</MTCPs_IP4></Par_Gen>");
    EXPECT_EQ(values[K::IP4], "7");
    EXPECT_EQ(values[K::TimeOut], "50");
    EXPECT_EQ(values[K::IP1], "192");
    std::string written = serializeParGen(values);
    EXPECT_EQ(written.find("Extra"), std::string::npos);
    EXPECT_LT(written.find("MTCPs_IP4"), written.find("DALI_TIMEOUT"));
}

TEST(ParGenFile, TheFirstOfTwoElementsWins) {
    EXPECT_EQ(shown("<Par_Gen><MTCPs_IP1>1</MTCPs_IP1><MTCPs_IP1>2</MTCPs_IP1></Par_Gen>")[K::IP1], "1");
}

TEST(ParGenFile, TheRootIsTheFirstTopLevelNodeWhateverItsName) {
    EXPECT_EQ(shown("<Other><MTCPs_IP2>99</MTCPs_IP2></Other>")[K::IP2], "99");
    EXPECT_EQ(shown("<!-- c --><Par_Gen><MTCPs_IP2>99</MTCPs_IP2></Par_Gen>"), defaultParGenValues());
}

TEST(ParGenFile, ACheckBoxIsSetOnlyByExactlyOne) {
    struct Case { const char* text; bool checked; };
    for (Case c : {Case{"1", true}, {"true", false}, {"yes", false}, {" 1", false}, {"01", false}, {"", false}}) {
        std::string xml = std::string("<Par_Gen><DALI_SWITCH_OFF>") + c.text + "</DALI_SWITCH_OFF></Par_Gen>";
        ParGenValues values = shown(xml);
        EXPECT_EQ(values.flag(K::SwitchOff), c.checked) << c.text;
        EXPECT_EQ(values[K::SwitchOff], c.checked ? "1" : "0") << c.text;
    }
}

TEST(ParGenFile, TheImageBuilderSeesTheRawTexts) {
    auto found = parseParGenXml("<Par_Gen><MTCPs_IP1></MTCPs_IP1><MTCPs_EN_GAT>true</MTCPs_EN_GAT></Par_Gen>", "p");
    EXPECT_EQ(found[K::IP1], "");
    EXPECT_EQ(found[K::EN_GAT], "true");
    EXPECT_EQ(found[K::IP2], std::nullopt);
    EXPECT_EQ(windowValues(found)[K::IP1], ""); // an empty element is an empty field, not the default
}

TEST(ParGenFile, AMalformedFileNamesTheFile) {
    testing::TempDir dir;
    auto path = dir.write("ParGen.xml", "<Par_Gen><MTCPs_IP1>1</Par_Gen>");
    try {
        readParGenFile(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("ParGen.xml"), std::string::npos);
    }
}

TEST(ParGenFile, AFailedSaveThrowsAndWritesNothing) {
    testing::TempDir dir;
    auto path = dir / "gone" / "ParGen.xml";
    EXPECT_THROW(writeParGenFile(path, defaultParGenValues()), FileError);
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
} // namespace corvane

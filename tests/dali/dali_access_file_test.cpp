#include "dali/dali_access_file.h"

#include "common/file_error.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

namespace corvane {
namespace {

std::string fileWith(const std::string& elements) {
    return "<DALI_Access>" + elements + "</DALI_Access><!--SW_VERSION = 1.300-->";
}

TEST(DaliAccessFile, MissingFileIsNoTable) {
    testing::TempDir dir;
    EXPECT_FALSE(readDaliAccessFile(dir / "DALI_Access.xml").has_value());
}

TEST(DaliAccessFile, EmptyRootDisablesEveryChannelWithResetOptions) {
    DaliChannelTable channels = parseDaliAccess(fileWith(""), "f");
    for (const DaliChannel& channel : channels) {
        EXPECT_FALSE(channel.enabled);
        EXPECT_FALSE(channel.minMaxValue);
        EXPECT_EQ(channel.recallLevel, "None");
    }
}

// Only the exact text "1" sets a flag.
TEST(DaliAccessFile, EnableReadsOnlyExactOne) {
    const struct {
        const char* text;
        bool enabled;
    } cases[] = {{"1", true}, {"Y", false}, {" 1", false}, {"1 ", false}, {"", false}, {"0", false}};
    for (const auto& c : cases) {
        auto channels = parseDaliAccess(
            fileWith(std::string("<DALI_ID_DEVICE_5>") + c.text + "</DALI_ID_DEVICE_5>"), "f");
        EXPECT_EQ(channels[5].enabled, c.enabled) << '"' << c.text << '"';
    }
}

TEST(DaliAccessFile, MissingMinMaxKeepsResetWhileMissingEnableDisables) {
    auto channels = parseDaliAccess(fileWith("<DALI_ID_DEVICE_7_RECALL_LEVEL>Recall Old Value Level for "
                                             "Switch</DALI_ID_DEVICE_7_RECALL_LEVEL>"),
                                    "f");
    EXPECT_FALSE(channels[7].enabled);
    EXPECT_FALSE(channels[7].minMaxValue);
    EXPECT_EQ(channels[7].recallLevel, "Recall Old Value Level for Switch");
}

TEST(DaliAccessFile, RecallLevelNormalisedExactly) {
    const struct {
        const char* text;
        const char* level;
    } cases[] = {
        {"Recall Min-Max Level for Switch", "Recall Min-Max Level for Switch"},
        {"Recall Old Value Level for Switch", "Recall Old Value Level for Switch"},
        {"recall min-max level for switch", "None"},
        {"Recall Min-Max Level for Switch ", "None"},
        {"", "None"},
        {"None", "None"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_ReCall_Level(c.text), c.level) << '"' << c.text << '"';
}

TEST(DaliAccessFile, RootNameIsNotCompared) {
    auto channels = parseDaliAccess(
        "<Other><DALI_ID_DEVICE_63>1</DALI_ID_DEVICE_63><DALI_ID_DEVICE_64>1</DALI_ID_DEVICE_64></Other>",
        "f");
    EXPECT_TRUE(channels[63].enabled);
}

TEST(DaliAccessFile, DimmingModeIsReadWhenPresent) {
    auto channels = parseDaliAccess(
        fileWith("<DALI_ID_DEVICE_2_DIMMING_MODE>Start Break</DALI_ID_DEVICE_2_DIMMING_MODE>"), "f");
    EXPECT_EQ(channels[2].dimmingMode, "Start Break");
    EXPECT_FALSE(channels[3].dimmingMode.has_value());
}

TEST(DaliAccessFile, WritesRootThen192ElementsInOrderThenComment) {
    DaliChannelTable channels;
    channels[1].enabled = true;
    channels[63].dimmingMode = "Normal"; // never written
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(serializeDaliAccess(channels).c_str(),
                                     pugi::parse_default | pugi::parse_comments));
    pugi::xml_node root = document.first_child();
    EXPECT_STREQ(root.name(), "DALI_Access");
    EXPECT_EQ(root.next_sibling().type(), pugi::node_comment);
    EXPECT_STREQ(root.next_sibling().value(), "SW_VERSION = 1.300");
    std::vector<std::string> names;
    for (pugi::xml_node child : root.children())
        names.push_back(child.name());
    ASSERT_EQ(names.size(), 192u);
    EXPECT_EQ(names[0], "DALI_ID_DEVICE_0");
    EXPECT_EQ(names[1], "DALI_ID_DEVICE_0_MIN_MAN_VALUE");
    EXPECT_EQ(names[2], "DALI_ID_DEVICE_0_RECALL_LEVEL");
    EXPECT_EQ(names[3], "DALI_ID_DEVICE_1");
    EXPECT_EQ(names[191], "DALI_ID_DEVICE_63_RECALL_LEVEL");
    EXPECT_STREQ(root.child("DALI_ID_DEVICE_1").text().get(), "1");
    EXPECT_STREQ(root.child("DALI_ID_DEVICE_0").text().get(), "0");
}

TEST(DaliAccessFile, WritesNoDeclarationNoIndentationAndTheCommentLast) {
    DaliChannelTable channels;
    channels[0].enabled = true;
    std::string text = serializeDaliAccess(channels);
    EXPECT_EQ(
        text.rfind("<DALI_Access><DALI_ID_DEVICE_0>1</DALI_ID_DEVICE_0><DALI_ID_DEVICE_0_MIN_MAN_VALUE>0"
                   "</DALI_ID_DEVICE_0_MIN_MAN_VALUE><DALI_ID_DEVICE_0_RECALL_LEVEL>None</"
                   "DALI_ID_DEVICE_0_RECALL_LEVEL>",
                   0),
        0u);
    std::string end = "<DALI_ID_DEVICE_63_RECALL_LEVEL>None</DALI_ID_DEVICE_63_RECALL_LEVEL></"
                      "DALI_Access><!--SW_VERSION = 1.300-->";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

TEST(DaliAccessFile, SaveAndLoadReproducesEveryChannel) {
    testing::TempDir dir;
    DaliChannelTable channels;
    for (int id = 0; id < kDaliChannelCount; ++id) {
        auto& channel = channels[static_cast<std::size_t>(id)];
        channel.enabled = id % 2 == 0;
        channel.minMaxValue = id % 3 == 0;
        channel.recallLevel = kRecallLevels[static_cast<std::size_t>(id) % kRecallLevels.size()];
    }
    writeDaliAccessFile(channels, dir / "DALI_Access.xml");
    auto loaded = readDaliAccessFile(dir / "DALI_Access.xml");
    ASSERT_TRUE(loaded);
    for (std::size_t id = 0; id < channels.size(); ++id) {
        EXPECT_EQ((*loaded)[id].enabled, channels[id].enabled) << id;
        EXPECT_EQ((*loaded)[id].minMaxValue, channels[id].minMaxValue) << id;
        EXPECT_EQ((*loaded)[id].recallLevel, channels[id].recallLevel) << id;
    }
}

TEST(DaliAccessFile, MalformedFileNamesTheFile) {
    testing::TempDir dir;
    auto path = dir.write("DALI_Access.xml", "<DALI_Access><DALI_ID_DEVICE_0>1</DALI_Access>");
    try {
        readDaliAccessFile(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), path);
    }
}

} // namespace
} // namespace corvane

#pragma once
// DALI_Access.xml: the 64 DALI channels (short addresses 0 to 63), each enabled or not, with its
// Min-Max Value flag and its Recall Level.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr int kDaliChannelCount = 64;

// The Recall Level choices, in the order of the drop-down list; the first is the reset value.
inline constexpr std::array<std::string_view, 3> kRecallLevels = {"None", "Recall Min-Max Level for Switch",
                                                                  "Recall Old Value Level for Switch"};

struct DaliChannel {
    bool enabled = false;
    bool minMaxValue = false;                  // reset value: "N"
    std::string recallLevel{kRecallLevels[0]}; // reset value: "None"
    std::optional<std::string> dimmingMode;    // "Normal" / "Start Break"; only read, never written
};

using DaliChannelTable = std::array<DaliChannel, kDaliChannelCount>;

// A recall-level text read from a file: one of the two recall texts exactly, otherwise "None".
std::string Check_ReCall_Level(std::string_view ReCall_Level);

// The table of `path`; nullopt when there is no such file. Throws FileError when it is not valid XML.
std::optional<DaliChannelTable> readDaliAccessFile(const std::filesystem::path& path);

// The table held in `content`: every channel starts at its reset values; elements found by name
// in the document's first top-level node override them (a missing enable element disables).
DaliChannelTable parseDaliAccess(std::string_view content, const std::filesystem::path& nameForErrors);

// The file as written: root, version comment, then three elements per channel in channel order.
std::string serializeDaliAccess(const DaliChannelTable& channels);
void writeDaliAccessFile(const DaliChannelTable& channels, const std::filesystem::path& path);

} // namespace corvane

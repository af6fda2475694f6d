#include "dali/dali_access_file.h"

#include "common/safe_write.h"
#include "common/xml_file.h"

namespace corvane {

namespace {

constexpr const char* kRoot = "DALI_Access";

std::string elementName(int id, std::string_view suffix) {
    return "DALI_ID_DEVICE_" + std::to_string(id) + std::string(suffix);
}

DaliChannel readChannel(pugi::xml_node container, int id) {
    DaliChannel channel;
    channel.enabled = childFlag(container, elementName(id, "").c_str());
    if (auto minMax = childText(container, elementName(id, "_MIN_MAN_VALUE").c_str()))
        channel.minMaxValue = *minMax == "1";
    if (auto recall = childText(container, elementName(id, "_RECALL_LEVEL").c_str()))
        channel.recallLevel = Check_ReCall_Level(*recall);
    channel.dimmingMode = childText(container, elementName(id, "_DIMMING_MODE").c_str());
    return channel;
}

} // namespace

std::string Check_ReCall_Level(std::string_view ReCall_Level) {
    for (std::string_view level : kRecallLevels)
        if (level == ReCall_Level) return std::string(level);
    return std::string(kRecallLevels[0]);
}

DaliChannelTable parseDaliAccess(std::string_view content, const std::filesystem::path& nameForErrors) {
    pugi::xml_document document;
    parseXml(content, nameForErrors, document);
    pugi::xml_node container = rootOf(document);
    DaliChannelTable channels;
    for (int id = 0; id < kDaliChannelCount; ++id)
        channels[static_cast<std::size_t>(id)] = readChannel(container, id);
    return channels;
}

std::optional<DaliChannelTable> readDaliAccessFile(const std::filesystem::path& path) {
    if (!std::filesystem::is_regular_file(path)) return std::nullopt;
    return parseDaliAccess(readWholeFile(path), path);
}

std::string serializeDaliAccess(const DaliChannelTable& channels) {
    pugi::xml_document document;
    pugi::xml_node root = startProjectDocument(document, kRoot);
    for (int id = 0; id < kDaliChannelCount; ++id) {
        const DaliChannel& channel = channels[static_cast<std::size_t>(id)];
        appendTextElement(root, elementName(id, "").c_str(), channel.enabled ? "1" : "0");
        appendTextElement(root, elementName(id, "_MIN_MAN_VALUE").c_str(), channel.minMaxValue ? "1" : "0");
        appendTextElement(root, elementName(id, "_RECALL_LEVEL").c_str(), channel.recallLevel);
    }
    return serializeXml(document);
}

void writeDaliAccessFile(const DaliChannelTable& channels, const std::filesystem::path& path) {
    writeFileAtomically(path, serializeDaliAccess(channels));
}

} // namespace corvane

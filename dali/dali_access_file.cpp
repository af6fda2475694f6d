#include "dali/dali_access_file.h"

#include "common/safe_write.h"
#include "common/xml_file.h"

#include <array>
#include <optional>

namespace corvane {

namespace {

constexpr const char* kRoot = "DALI_Access";
constexpr std::string_view kElementPrefix = "DALI_ID_DEVICE_";

std::string elementName(int id, std::string_view suffix) {
    return std::string(kElementPrefix) + std::to_string(id) + std::string(suffix);
}

// The elements of one channel, named by the prefix, the channel number and these suffixes.
enum ChannelElement : std::size_t {
    EnableElement,
    MinMaxElement,
    RecallElement,
    DimmingElement,
    kChannelElements
};
constexpr std::array<std::string_view, kChannelElements> kElementSuffixes = {
    "", "_MIN_MAN_VALUE", "_RECALL_LEVEL", "_DIMMING_MODE"};

// The slot (channel * kChannelElements + element) of a node named as elementName names it, or nullopt for any
// other name. The number is written as std::to_string writes it: no sign, no leading zero.
std::optional<std::size_t> slotOf(std::string_view name) {
    if (!name.starts_with(kElementPrefix)) return std::nullopt;
    name.remove_prefix(kElementPrefix.size());
    std::size_t digits = 0;
    int id = 0;
    while (digits < name.size() && digits < 2 && name[digits] >= '0' && name[digits] <= '9')
        id = id * 10 + (name[digits++] - '0');
    if (digits == 0 || (digits == 2 && name[0] == '0') || id >= kDaliChannelCount) return std::nullopt;
    name.remove_prefix(digits);
    for (std::size_t element = 0; element < kChannelElements; ++element)
        if (name == kElementSuffixes[element])
            return static_cast<std::size_t>(id) * kChannelElements + element;
    return std::nullopt;
}

// The first child of each channel element's name, found in one pass over the children: looking each name up
// by itself would scan the children again for every one of the 256 names. Like pugixml's child(name), any
// node kind with that name counts, and a parent that is no element has none.
using ChannelNodes = std::array<pugi::xml_node, kDaliChannelCount * kChannelElements>;
void findChannelNodes(pugi::xml_node container, ChannelNodes& nodes) {
    if (container.type() != pugi::node_element) return;
    for (pugi::xml_node node = container.first_child(); node; node = node.next_sibling())
        if (auto slot = slotOf(node.name()); slot && !nodes[*slot]) nodes[*slot] = node;
}

void readChannel(const pugi::xml_node* found, DaliChannel& channel) {
    auto text = [&](ChannelElement element) { return std::string_view(found[element].text().get()); };
    channel.enabled = found[EnableElement] && text(EnableElement) == "1";
    if (found[MinMaxElement]) channel.minMaxValue = text(MinMaxElement) == "1";
    if (found[RecallElement]) channel.recallLevel = Check_ReCall_Level(text(RecallElement));
    if (found[DimmingElement]) channel.dimmingMode.emplace(text(DimmingElement));
}

DaliChannelTable tableOf(const pugi::xml_document& document) {
    ChannelNodes nodes;
    findChannelNodes(rootOf(document), nodes);
    DaliChannelTable channels;
    for (std::size_t id = 0; id < channels.size(); ++id)
        readChannel(&nodes[id * kChannelElements], channels[id]);
    return channels;
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
    return tableOf(document);
}

std::optional<DaliChannelTable> readDaliAccessFile(const std::filesystem::path& path) {
    if (!std::filesystem::is_regular_file(path)) return std::nullopt;
    pugi::xml_document document;
    loadXmlFile(path, document);
    return tableOf(document);
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

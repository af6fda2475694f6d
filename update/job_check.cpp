#include "update/job_check.h"

#include "common/file_error.h"
#include "common/safe_write.h"
#include "common/text_util.h"
#include "common/xml_file.h"
#include "image/image_layout.h"
#include "image/little_endian.h"
#include "image/settings_block.h"
#include "update/icmp_echo_client.h"
#include "update/update_job_layout.h"

#include <array>
#include <cstdio>
#include <optional>
#include <span>

namespace corvane {

namespace {

// What the checks know of each configuration image: its size, where its settings block lies, and
// which image holds the tables that block points to (with the tables' offsets there).
struct ImageShape {
    std::string_view fileName;
    std::uintmax_t size;
    std::optional<size_t> settingsAt;
    std::string_view tablesFile;
    std::uint32_t functionsAt, channelsAt;
};

constexpr std::array<ImageShape, 3> kImages = {{
    {kConfigImageFile, kConfigImageSize, config_image_offset::Settings, kConfigImageFile,
     config_image_offset::Functions, config_image_offset::Channels},
    {kAuxSettingsImageFile, kAuxSettingsImageSize, 0, kAuxTablesImageFile, aux_tables_offset::Functions,
     aux_tables_offset::Channels},
    {kAuxTablesImageFile, kAuxTablesImageSize, std::nullopt, "", 0, 0},
}};

const ImageShape* shapeOf(const std::filesystem::path& file) {
    for (const ImageShape& shape : kImages)
        if (file.filename() == shape.fileName) return &shape;
    return nullptr;
}

// The file name after the last separator of either kind, so a job written on Windows reads here too.
std::string lastComponent(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

std::string requiredText(pugi::xml_node parent, const char* name, const std::string& where) {
    auto text = childText(parent, name);
    if (!text) throw JobFormatError(where + " has no " + name);
    return *text;
}

void readSection(pugi::xml_node operations, const std::string& section, ReadJob& job) {
    int number = 0;
    for (pugi::xml_node node : operations.children("Operation")) {
        const std::string where = section + " operation " + std::to_string(++number);
        const std::string file = requiredText(node, "Ope_FileName", where);
        const std::string address = requiredText(node, "Ope_Start_Address", where);
        const auto start = parseInt(address);
        if (file.empty()) throw JobFormatError(where + " names no file");
        if (!start || *start < 0) throw JobFormatError(where + " has no usable start address \"" + address + "\"");
        for (const char* name : {"Ope_Bank_Type", "Ope_Read_Back", "Ope_GoToApp_After"}) requiredText(node, name, where);
        job.operations.push_back({section, number, std::filesystem::path(file), static_cast<std::uint32_t>(*start)});
    }
}

pugi::xml_node requiredChild(pugi::xml_node parent, const char* name, const std::string& where) {
    pugi::xml_node child = parent.child(name);
    if (!child) throw JobFormatError(where + " has no " + name);
    return child;
}

// The start address of the job's operation that writes `fileName` in the same section, if any.
std::optional<std::uint32_t> startOf(const ReadJob& job, const std::string& section, std::string_view fileName) {
    for (const JobEntry& entry : job.operations)
        if (entry.section == section && lastComponent(entry.file.string()) == fileName) return entry.startAddress;
    return std::nullopt;
}

// Where the blocks must lie when the job does not write the image that holds them.
std::uint32_t layoutStartOf(const std::string& section, std::string_view fileName) {
    const auto& operations = section == "main" ? std::span<const JobOperation>(kMainOperations)
                                               : std::span<const JobOperation>(kAuxOperations);
    for (const JobOperation& operation : operations)
        if (operation.fileName == fileName) return static_cast<std::uint32_t>(parseIntOr(operation.startAddress, 0));
    return 0;
}

std::uint32_t expectedStart(const ReadJob& job, const JobEntry& entry, std::string_view fileName) {
    if (lastComponent(entry.file.string()) == fileName) return entry.startAddress;
    return startOf(job, entry.section, fileName).value_or(layoutStartOf(entry.section, fileName));
}

void checkSettingsBlock(const ReadJob& job, const ImageShape& shape, const std::string& bytes, OperationCheck& check) {
    const auto block = std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()) + *shape.settingsAt,
                                 kSettingsBlockSize);
    const std::uint32_t sum = settingsChecksum(block);
    const std::uint32_t stored = le::getU32(block, settings_offset::Checksum);
    if (stored != sum) {
        check.verdict = OperationVerdict::BadChecksum;
        check.detail = "stored " + hex(stored) + ", computed " + hex(sum);
        return;
    }
    const std::uint32_t tables = expectedStart(job, check.entry, shape.tablesFile);
    const struct {
        const char* name;
        size_t at;
        std::uint32_t expected;
    } fields[] = {
        {"RuleTableAddress", settings_offset::RuleTableAddress, tables},
        {"FunctionTableAddress", settings_offset::FunctionTableAddress, tables + shape.functionsAt},
        {"ChannelFlagsAddress", settings_offset::ChannelFlagsAddress, tables + shape.channelsAt},
        {"WebFilesAddress", settings_offset::WebFilesAddress, expectedStart(job, check.entry, kWebFilesImageFile)},
    };
    for (const auto& field : fields) {
        const std::uint32_t value = le::getU32(block, field.at);
        if (value != field.expected) {
            check.verdict = OperationVerdict::AddressMismatch;
            check.detail = std::string(field.name) + " " + hex(value) + ", expected " + hex(field.expected);
            return;
        }
    }
}

OperationCheck checkOperation(const ReadJob& job, const JobEntry& entry) {
    OperationCheck check{entry, OperationVerdict::Ready, {}};
    std::error_code error;
    // Only plain files: a device or a pipe named in a job must never be read.
    if (!std::filesystem::is_regular_file(entry.file, error)) {
        check.verdict = OperationVerdict::Missing;
        return check;
    }
    const ImageShape* shape = shapeOf(lastComponent(entry.file.string()));
    if (!shape) return check; // firmware and web files: their presence is all the updater can know here
    const std::uintmax_t size = std::filesystem::file_size(entry.file, error);
    if (error || size != shape->size) {
        check.verdict = OperationVerdict::WrongSize;
        check.detail = std::to_string(error ? 0 : size) + " bytes, expected " + std::to_string(shape->size);
        return check;
    }
    if (!shape->settingsAt) return check;
    std::string bytes;
    try {
        bytes = readWholeFile(entry.file);
    } catch (const FileError&) {
        check.verdict = OperationVerdict::Missing;
        return check;
    }
    if (bytes.size() != shape->size) {
        check.verdict = OperationVerdict::WrongSize;
        check.detail = std::to_string(bytes.size()) + " bytes, expected " + std::to_string(shape->size);
        return check;
    }
    checkSettingsBlock(job, *shape, bytes, check);
    return check;
}

} // namespace

ReadJob readUpdateJob(std::string_view xml) {
    pugi::xml_document document;
    try {
        parseXml(xml, "Ethernet_Update.xml", document);
    } catch (const FileError& error) {
        throw JobFormatError(error.what());
    }
    pugi::xml_node root = rootOf(document);
    if (root.type() != pugi::node_element || std::string_view(root.name()) != "Ethernet_Update")
        throw JobFormatError("the job file's root is not Ethernet_Update");
    ReadJob job;
    job.ipAddress = requiredText(root, "IP_Address_Dev", "the job");
    if (!parseEchoAddress(job.ipAddress))
        throw JobFormatError("the device address \"" + job.ipAddress + "\" is not an IPv4 address");
    readSection(requiredChild(root, "Operations", "the job"), "main", job);
    readSection(requiredChild(requiredChild(root, "ESP32", "the job"), "Operations", "ESP32"), "ESP32", job);
    return job;
}

std::vector<OperationCheck> checkUpdateJob(const ReadJob& job) {
    std::vector<OperationCheck> checks;
    for (const JobEntry& entry : job.operations) checks.push_back(checkOperation(job, entry));
    return checks;
}

std::string_view verdictText(OperationVerdict verdict) {
    switch (verdict) {
    case OperationVerdict::Ready: return "ready";
    case OperationVerdict::Missing: return "missing";
    case OperationVerdict::WrongSize: return "wrong size";
    case OperationVerdict::BadChecksum: return "bad checksum";
    case OperationVerdict::AddressMismatch: return "address mismatch";
    }
    return "?";
}

std::string describe(const OperationCheck& check) {
    std::string line = check.entry.section + " operation " + std::to_string(check.entry.number) + " (" +
                       check.entry.file.string() + ") at " + hex(check.entry.startAddress) + ": " +
                       std::string(verdictText(check.verdict));
    if (!check.detail.empty()) line += " (" + check.detail + ")";
    return line;
}

} // namespace corvane

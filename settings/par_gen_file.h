#pragma once
// ParGen.xml: the communication settings of one configuration (Ethernet address, mask, optional
// default gateway, DALI options). The window writes it whole on OK; the window and the image
// builder read it key by key, each with its own defaults.
#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr const char* kParGenFileName = "ParGen.xml";
inline constexpr const char* kParGenRoot = "Par_Gen";

// The keys in file order.
enum class ParGenKey {
    IP1, IP2, IP3, IP4,
    SUB1, SUB2, SUB3, SUB4,
    EN_GAT, GAT1, GAT2, GAT3, GAT4,
    ConsolePort, SwitchOff, TimeOut, DisableScan, EnableDali2,
    Count
};
inline constexpr std::size_t kParGenKeyCount = static_cast<std::size_t>(ParGenKey::Count);

// One row per key, in file order: element name, the window's text when the file or element is
// missing (check-box keys hold "0"), and whether the key is a check box ("1" checked, "0" not).
struct ParGenKeyInfo {
    ParGenKey key;
    const char* element;
    const char* windowDefault;
    bool isFlag;
};
std::span<const ParGenKeyInfo> parGenKeys();
const ParGenKeyInfo& parGenKeyInfo(ParGenKey key);

// The texts as found in a file: nullopt for a missing element. The first element of a name wins;
// the root's name is not checked (the document's first top-level node is the root).
struct ParGenTexts {
    std::array<std::optional<std::string>, kParGenKeyCount> texts;
    const std::optional<std::string>& operator[](ParGenKey key) const { return texts[static_cast<std::size_t>(key)]; }
};

// nullopt when no file exists at `path`; throws FileError for a malformed or unreadable file.
std::optional<ParGenTexts> readParGenFile(const std::filesystem::path& path);
// The same reading applied to bytes held in memory; throws FileError naming `nameForErrors`.
ParGenTexts parseParGenXml(std::string_view content, const std::filesystem::path& nameForErrors);

// The window's values: one text per key, as typed. Check-box keys hold "1" or "0".
struct ParGenValues {
    std::array<std::string, kParGenKeyCount> texts;

    std::string& operator[](ParGenKey key) { return texts[static_cast<std::size_t>(key)]; }
    const std::string& operator[](ParGenKey key) const { return texts[static_cast<std::size_t>(key)]; }
    // A check-box key counts as set only for exactly "1".
    bool flag(ParGenKey key) const { return (*this)[key] == "1"; }
    void setFlag(ParGenKey key, bool on) { (*this)[key].assign(1, on ? '1' : '0'); }

    bool operator==(const ParGenValues&) const = default;
};

// Every key's text as found, the window default for a missing one; a check-box key becomes "1"
// only when its text is exactly "1", "0" otherwise (so "true" shows unchecked).
ParGenValues windowValues(const std::optional<ParGenTexts>& found);
ParGenValues defaultParGenValues();

// The document as written: root Par_Gen, the "SW_VERSION = 1.300" comment after it, the 18 elements
// in key order holding their texts verbatim (check-box keys "1"/"0").
std::string serializeParGen(const ParGenValues& values);
// serializeParGen written atomically over `path`; throws FileError when it cannot be written.
void writeParGenFile(const std::filesystem::path& path, const ParGenValues& values);

} // namespace corvane

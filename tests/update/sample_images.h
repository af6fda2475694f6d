#pragma once
// Configuration images shaped as the builder writes them (tables all zero, a settings block with
// its addresses and checksum), for checking jobs without building a configuration.
#include "tests/support/temp_dir.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace corvane::testing {

struct SampleAddresses {
    std::uint32_t rules, functions, channels, webFiles;
};
inline constexpr SampleAddresses kMainAddresses{0x66000, 0x67400, 0x68800, 0xC0000};
inline constexpr SampleAddresses kAuxAddresses{0x310000, 0x311400, 0x312000, 0x350000};

inline void putU32(std::string& bytes, size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
}

// A 2048-byte settings block with some fixed content, the addresses and its checksum.
inline std::string sampleSettingsBlock(const SampleAddresses& a) {
    std::string block(2048, '\0');
    putU32(block, 0x000, 125000);
    block[0x028] = char(192), block[0x029] = char(168), block[0x02A] = 2, block[0x02B] = char(205);
    putU32(block, 0x5FC, a.channels);
    putU32(block, 0x62C, a.rules);
    putU32(block, 0x640, a.functions);
    putU32(block, 0x70C, a.webFiles);
    std::uint32_t sum = 0;
    for (size_t i = 0; i < 2044; ++i) sum += static_cast<std::uint8_t>(block[i]);
    putU32(block, 0x7FC, sum);
    return block;
}

// Writes bin/bank.bin, bin/bank_ESP32_1.bin and bin/bank_ESP32_2.bin into `projectDir`.
inline void writeSampleImages(const std::filesystem::path& projectDir) {
    std::filesystem::create_directories(projectDir / "bin");
    std::string config(10496, '\0');
    config.replace(0x2000, 2048, sampleSettingsBlock(kMainAddresses));
    std::ofstream(projectDir / "bin" / "bank.bin", std::ios::binary) << config;
    std::ofstream(projectDir / "bin" / "bank_ESP32_1.bin", std::ios::binary) << sampleSettingsBlock(kAuxAddresses);
    std::ofstream(projectDir / "bin" / "bank_ESP32_2.bin", std::ios::binary) << std::string(8448, '\0');
}

// The firmware files of MASTER (their content is the updater's business).
inline void writeSampleFirmware(const std::filesystem::path& masterDir) {
    std::filesystem::create_directories(masterDir);
    for (const char* name : {"Sim51207.sim", "web_files_dali.bin", "Sim51207_ESP32.sim"})
        std::ofstream(masterDir / name, std::ios::binary) << "firmware " << name;
}

// Flips one byte of a file in place.
inline void tamper(const std::filesystem::path& file, size_t at) {
    std::string bytes = readFile(file);
    bytes[at] = static_cast<char>(bytes[at] ^ 0x5A);
    std::ofstream(file, std::ios::binary) << bytes;
}

} // namespace corvane::testing

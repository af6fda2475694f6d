// Building and writing the images of a full configuration (256 rules, 250 functions, 64 channels),
// beside merely parsing its three project files with pugixml. Goal: build and write within 2x the parse.
#include "dali/dali_access_file.h"
#include "image/image_builder.h"
#include "image/image_layout.h"
#include "image/import_steps.h"
#include "settings/par_gen_file.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string parGen() {
    return "<Par_Gen><MTCPs_IP1>192</MTCPs_IP1><MTCPs_IP2>168</MTCPs_IP2><MTCPs_IP3>0</MTCPs_IP3><MTCPs_IP4>10</MTCPs_IP4>"
           "<MTCPs_SUB1>255</MTCPs_SUB1><MTCPs_SUB2>255</MTCPs_SUB2><MTCPs_SUB3>255</MTCPs_SUB3><MTCPs_SUB4>0</MTCPs_SUB4>"
           "<MTCPs_EN_GAT>1</MTCPs_EN_GAT><MTCPs_GAT1>192</MTCPs_GAT1><MTCPs_GAT2>168</MTCPs_GAT2><MTCPs_GAT3>0</MTCPs_GAT3>"
           "<MTCPs_GAT4>1</MTCPs_GAT4><DALI_CONSOLE_PORT>10001</DALI_CONSOLE_PORT><DALI_SWITCH_OFF>1</DALI_SWITCH_OFF>"
           "<DALI_TIMEOUT>5000</DALI_TIMEOUT><DALI_DISABLE_SCAN>0</DALI_DISABLE_SCAN><DALI_ENABLE_DALI_2>1</DALI_ENABLE_DALI_2>"
           "</Par_Gen><!--SW_VERSION = 1.300-->";
}

std::string daliAccess() {
    std::string xml = "<DALI_Access>";
    for (int id = 0; id < 64; ++id) {
        const std::string name = "DALI_ID_DEVICE_" + std::to_string(id);
        xml += "<" + name + ">1</" + name + "><" + name + "_MIN_MAN_VALUE>1</" + name + "_MIN_MAN_VALUE><" + name +
               "_RECALL_LEVEL>Recall Old Value Level for Switch</" + name + "_RECALL_LEVEL>";
    }
    return xml + "</DALI_Access><!--SW_VERSION = 1.300-->";
}

std::string dali2Access() {
    std::string xml = "<DALI2_Access><DALI2_Functions_Rules>";
    for (int row = 1; row <= 250; ++row)
        xml += "<row Function=\"Set Out\" Condition=\"When Equal to Value\" Value=\"Long Press Stop\" Channel=\"DALI Group " +
               std::to_string(row % 16 + 1) + "\" Val=\"200\" Next_Function=\"" + std::to_string(row % 250) +
               "\" Mnemonic=\"step " + std::to_string(row) + "\"/>";
    xml += "</DALI2_Functions_Rules><DALI2_SetAccess_Rules>";
    for (int row = 1; row <= 256; ++row)
        xml += "<row Enable=\"Y\" DeviceSensor=\"Sensor\" Type=\"Push Button\" ChannelNumber=\"" + std::to_string(row % 64) +
               "\" Instance=\"" + std::to_string(row % 32) + "\" Command=\"0\" TimeSend=\"1000\" TimeOut=\"5000\" Function=\"" +
               std::to_string(row % 250 + 1) + " - step\" Position=\"" + std::to_string(row * 5) +
               "\" NumBytes=\"2\" Mnemonic=\"button " + std::to_string(row) + "\"/>";
    return xml + "</DALI2_SetAccess_Rules></DALI2_Access><!--SW_VERSION = 1.300-->";
}

struct FullConfiguration {
    fs::path folder;
    corvane::ProjectFileSet files;

    FullConfiguration() {
        folder = fs::temp_directory_path() / ("corvane-image-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        files = corvane::ProjectFileSet::inside(folder);
        writeText(files.ParGenPath, parGen());
        writeText(files.DaliAccessPath, daliAccess());
        writeText(files.Dali2AccessPath, dali2Access());
    }
    ~FullConfiguration() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

const FullConfiguration& configuration() {
    static FullConfiguration full;
    return full;
}

void ParseProjectFiles(benchmark::State& state) {
    const auto& files = configuration().files;
    for (auto _ : state) {
        for (const fs::path& path : {files.ParGenPath, files.DaliAccessPath, files.Dali2AccessPath}) {
            pugi::xml_document document;
            benchmark::DoNotOptimize(document.load_file(path.c_str()));
        }
    }
}
BENCHMARK(ParseProjectFiles)->Unit(benchmark::kMicrosecond);

void BuildImages(benchmark::State& state) {
    const auto& files = configuration().files;
    for (auto _ : state) benchmark::DoNotOptimize(corvane::BuildImages(files, '.'));
}
BENCHMARK(BuildImages)->Unit(benchmark::kMicrosecond);

// Where a build's time goes: the three readers, then the translation of the DALI-2 rows alone.
void ReadProjectFiles(benchmark::State& state) {
    const auto& files = configuration().files;
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::readParGenFile(files.ParGenPath));
        benchmark::DoNotOptimize(corvane::readDaliAccessFile(files.DaliAccessPath));
        benchmark::DoNotOptimize(corvane::loadDali2Document(files.Dali2AccessPath));
    }
}
BENCHMARK(ReadProjectFiles)->Unit(benchmark::kMicrosecond);

void TranslateDali2Rows(benchmark::State& state) {
    const auto file = corvane::loadDali2Document(configuration().files.Dali2AccessPath);
    auto blocks = std::make_unique<corvane::ImageBlocks>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::ImportInputRules(blocks->Rules, blocks->Settings, file.get()));
        benchmark::DoNotOptimize(corvane::ImportFunctionRules(blocks->Functions, file.get(), '.'));
    }
}
BENCHMARK(TranslateDali2Rows)->Unit(benchmark::kMicrosecond);

void BuildAndWriteImages(benchmark::State& state) {
    const auto& full = configuration();
    for (auto _ : state) {
        const corvane::BuiltImages images = corvane::BuildImages(full.files, '.');
        corvane::WriteImageFiles(images, full.folder);
    }
}
BENCHMARK(BuildAndWriteImages)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

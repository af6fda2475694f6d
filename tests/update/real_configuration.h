#pragma once
// A configuration as the user leaves it: communication settings and DALI channels saved, the
// images built and written into its bin folder as the update button does.
#include "app/project_file_set.h"
#include "dali/dali_access_file.h"
#include "image/image_builder.h"
#include "settings/par_gen_file.h"

#include <filesystem>

namespace corvane::testing {

inline BuiltImages saveAndBuildConfiguration(const std::filesystem::path& projectDir) {
    std::filesystem::create_directories(projectDir / "bin");
    const ProjectFileSet files = ProjectFileSet::inside(projectDir);
    writeParGenFile(files.ParGenPath, defaultParGenValues());
    DaliChannelTable channels;
    for (int i : {0, 1, 2, 7}) channels[static_cast<size_t>(i)].enabled = true;
    channels[1].minMaxValue = true;
    channels[2].recallLevel = std::string(kRecallLevels[2]);
    writeDaliAccessFile(channels, files.DaliAccessPath);
    BuiltImages images = BuildImages(files, '.');
    WriteImageFiles(images, projectDir);
    return images;
}

} // namespace corvane::testing

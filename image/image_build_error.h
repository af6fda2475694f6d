#pragma once
// A project file whose content the device cannot take: the build stops, names the file and the reason,
// and no image is written. It is a FileError, so whoever reports file problems reports these too.
#include "common/file_error.h"

namespace corvane {

class ImageBuildError : public FileError {
public:
    using FileError::FileError;
};

} // namespace corvane

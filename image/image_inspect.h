#pragma once
// Decodes an image back into readable text, so engineers can see what a device will receive.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

enum class ImageKind { Config, AuxSettings, AuxTables };

// Which image a file is, told by its size alone; nullopt for any other size.
std::optional<ImageKind> imageKindOfSize(std::size_t size);
std::string_view imageFileNameOf(ImageKind kind);

// The image's settings fields that hold a value (with their names) and its checksum, the rule and
// function entries that are not all zero (texts decoded through the same tables the builder uses),
// and the non-zero channel flag words. nullopt when the size is no image's.
std::optional<std::string> inspectImage(std::span<const std::uint8_t> bytes);

} // namespace corvane

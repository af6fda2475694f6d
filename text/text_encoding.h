#pragma once
// Decoding of text files to the UTF-8 used inside the program.
#include <string>
#include <string_view>

namespace corvane {

// A UTF-8, UTF-16 LE or UTF-16 BE byte-order mark selects that encoding (the mark is dropped);
// a file without one is read as Windows-1252, the 8-bit code page of Western Windows systems.
std::string decodeTextFile(std::string_view bytes);

std::string windows1252ToUtf8(std::string_view bytes);

} // namespace corvane

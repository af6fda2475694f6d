#pragma once
#include <span>
#include <string_view>
namespace corvane {
// One compiled-in English text of the catalogue; entries not listed hold a single blank.
struct DefaultText { int index; std::string_view text; };
// Every English default text, in increasing index order.
std::span<const DefaultText> defaultTexts();
}

#pragma once
// The attributes of one table row, read raw in one pass: a missing attribute stays distinct from an
// empty one. Rows written by the window hold their attributes in the expected order, so each name is
// usually matched at the first comparison.
#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>

#include <pugixml.hpp>

namespace corvane {

template <std::size_t N>
using RowAttributes = std::array<std::optional<std::string_view>, N>;

// `names` must view null-terminated texts (string literals).
template <std::size_t N>
RowAttributes<N> readRowAttributes(pugi::xml_node row, const std::array<std::string_view, N>& names) {
    RowAttributes<N> cells;
    auto isNamed = [&](std::size_t index, const char* name) { return std::strcmp(names[index].data(), name) == 0; };
    std::size_t expected = 0;
    for (pugi::xml_attribute attribute = row.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        std::size_t index = expected < N && isNamed(expected, name) ? expected : 0;
        while (index < N && !isNamed(index, name)) ++index;
        if (index == N) continue; // an attribute the builder does not read
        if (!cells[index]) cells[index] = std::string_view(attribute.value()); // the first of a name wins
        expected = index + 1;
    }
    return cells;
}

} // namespace corvane

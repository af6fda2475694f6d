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

// The texts are kept as the document's own pointers, null for a missing attribute: the array is cleared in a
// few stores for every row, and a text's length is counted only when the text is read.
template <std::size_t N>
class RowAttributes {
public:
    std::optional<std::string_view> operator[](std::size_t index) const {
        if (!values_[index]) return std::nullopt;
        return std::string_view(values_[index]);
    }

private:
    template <std::size_t M>
    friend RowAttributes<M> readRowAttributes(pugi::xml_node row, const std::array<std::string_view, M>& names);

    std::array<const char*, N> values_{};
};

// `names` must view null-terminated texts (string literals).
template <std::size_t N>
RowAttributes<N> readRowAttributes(pugi::xml_node row, const std::array<std::string_view, N>& names) {
    RowAttributes<N> cells;
    auto isNamed = [&](std::size_t index, const char* name) { return std::strcmp(names[index].data(), name) == 0; };
    std::size_t expected = 0;
    for (pugi::xml_attribute attribute = row.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        std::size_t index = expected;
        if (index >= N || !isNamed(index, name)) { // out of order: look through every name
            index = 0;
            while (index < N && !isNamed(index, name)) ++index;
            if (index == N) continue; // an attribute the builder does not read
        }
        if (!cells.values_[index]) cells.values_[index] = attribute.value(); // the first of a name wins
        expected = index + 1;
    }
    return cells;
}

} // namespace corvane

#include "update/icmp_echo_client.h"

#include "common/text_util.h"

namespace corvane {

std::optional<std::array<std::uint8_t, 4>> parseEchoAddress(const std::string& address) {
    std::array<std::uint8_t, 4> bytes{};
    std::string_view rest = address;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool last = i + 1 == bytes.size();
        if (!last && !contains(rest, ".")) return std::nullopt;
        std::string_view part = trim(last ? rest : before(rest, "."));
        rest = after(rest, ".");
        if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        const int value = parseIntOr(part, 256);
        if (value > 255) return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(value);
    }
    return bytes;
}

} // namespace corvane

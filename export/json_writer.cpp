#include "export/json_writer.h"

#include <array>
#include <cmath>

#include "export/number_text.h"

namespace tw {

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (u < 0x20) {
                    static const char hex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += hex[u >> 4];
                    out += hex[u & 0x0f];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

JsonObject& JsonObject::raw(std::string_view key, const std::string& value) {
    if (!members_.empty()) members_ += ",\n";
    members_ += std::string(static_cast<std::size_t>(2 * (depth_ + 1)), ' ');
    members_ += json_string(key) + ": " + value;
    return *this;
}

JsonObject& JsonObject::text(std::string_view key, std::string_view value) {
    return raw(key, json_string(value));
}

JsonObject& JsonObject::text_or_null(std::string_view key,
                                     const std::optional<std::string>& value) {
    return raw(key, value ? json_string(*value) : "null");
}

JsonObject& JsonObject::integer(std::string_view key, std::int64_t value) {
    return raw(key, std::to_string(value));
}

JsonObject& JsonObject::unsigned_integer(std::string_view key, std::uint64_t value) {
    return raw(key, std::to_string(value));
}

JsonObject& JsonObject::number(std::string_view key, double value) {
    return raw(key, std::isfinite(value) ? shortest_text(value) : "null");
}

JsonObject& JsonObject::number(std::string_view key, float value) {
    return raw(key, std::isfinite(value) ? shortest_text(value) : "null");
}

JsonObject& JsonObject::boolean(std::string_view key, bool value) {
    return raw(key, value ? "true" : "false");
}

JsonObject& JsonObject::object(std::string_view key, const JsonObject& value) {
    return raw(key, value.str());
}

std::string JsonObject::str() const {
    if (members_.empty()) return "{}";
    return "{\n" + members_ + "\n" + std::string(static_cast<std::size_t>(2 * depth_), ' ') + "}";
}

}  // namespace tw

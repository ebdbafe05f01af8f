#pragma once
// A small JSON writer for the record of a run: an object of named values,
// nested objects, written with two-space indents. Strings are escaped as
// JSON requires; a number that is not finite is written as null.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

std::string json_string(std::string_view text);

class JsonObject {
  public:
    explicit JsonObject(int depth = 0) : depth_(depth) {}

    JsonObject& text(std::string_view key, std::string_view value);
    JsonObject& text_or_null(std::string_view key, const std::optional<std::string>& value);
    JsonObject& integer(std::string_view key, std::int64_t value);
    JsonObject& unsigned_integer(std::string_view key, std::uint64_t value);
    JsonObject& number(std::string_view key, double value);
    JsonObject& number(std::string_view key, float value);
    JsonObject& boolean(std::string_view key, bool value);
    JsonObject& object(std::string_view key, const JsonObject& value);

    int depth() const { return depth_; }
    std::string str() const;

  private:
    JsonObject& raw(std::string_view key, const std::string& value);
    int depth_;
    std::string members_;
};

}  // namespace tw

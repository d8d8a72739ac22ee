#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quarvel::cli {

// A JSON object written member by member, in the order added.
class JsonObject {
public:
    JsonObject& AddString(std::string_view key, std::string_view value);
    JsonObject& AddInteger(std::string_view key, std::int64_t value);
    // Fixed-point with the given number of decimals.
    JsonObject& AddNumber(std::string_view key, double value, int decimals);
    JsonObject& AddNull(std::string_view key);
    // value must already be JSON (an object or an array).
    JsonObject& AddRaw(std::string_view key, std::string_view value);

    std::string Text() const { return m_text + "}"; }

private:
    void AddKey(std::string_view key);

    std::string m_text = "{";
};

// A JSON string literal, quotes included.
std::string JsonString(std::string_view text);

}  // namespace quarvel::cli

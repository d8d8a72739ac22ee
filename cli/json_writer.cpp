#include "cli/json_writer.h"

#include <cstdio>

namespace quarvel::cli {

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void JsonObject::AddKey(std::string_view key) {
    if (m_text.size() > 1) m_text += ',';
    m_text += JsonString(key);
    m_text += ':';
}

JsonObject& JsonObject::AddString(std::string_view key, std::string_view value) {
    AddKey(key);
    m_text += JsonString(value);
    return *this;
}

JsonObject& JsonObject::AddInteger(std::string_view key, std::int64_t value) {
    AddKey(key);
    m_text += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::AddNumber(std::string_view key, double value, int decimals) {
    char text[400];  // room for any finite double in fixed notation
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    AddKey(key);
    m_text += text;
    return *this;
}

JsonObject& JsonObject::AddNull(std::string_view key) {
    AddKey(key);
    m_text += "null";
    return *this;
}

JsonObject& JsonObject::AddRaw(std::string_view key, std::string_view value) {
    AddKey(key);
    m_text += value;
    return *this;
}

}  // namespace quarvel::cli

#include "json_line_win.h"

#include <windows.h>

#include <cstdio>

namespace quarnic::e2e {

std::string ToUtf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

std::string QuoteJson(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void JsonLine::Key(std::string_view key) {
    if (!body_.empty()) {
        body_ += ',';
    }
    body_ += QuoteJson(key);
    body_ += ':';
}

JsonLine& JsonLine::Text(std::string_view key, std::wstring_view value) {
    return Utf8(key, ToUtf8(value));
}

JsonLine& JsonLine::Utf8(std::string_view key, std::string_view value) {
    Key(key);
    body_ += QuoteJson(value);
    return *this;
}

JsonLine& JsonLine::Number(std::string_view key, long long value) {
    Key(key);
    body_ += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::Flag(std::string_view key, bool value) {
    Key(key);
    body_ += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::Numbers(std::string_view key, const std::vector<long long>& values) {
    std::string list = "[";
    for (size_t i = 0; i < values.size(); ++i) {
        list += (i ? "," : "") + std::to_string(values[i]);
    }
    return Raw(key, list + "]");
}

JsonLine& JsonLine::Raw(std::string_view key, std::string_view json) {
    Key(key);
    body_ += json;
    return *this;
}

void PrintLine(const std::string& line) {
    std::string out = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written,
              nullptr);
}

}  // namespace quarnic::e2e

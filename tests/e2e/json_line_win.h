// One JSON object per driver command, written as a single UTF-8 line so the test script can
// read the output file line by line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarnic::e2e {

std::string ToUtf8(std::wstring_view text);

class JsonLine {
  public:
    JsonLine& Text(std::string_view key, std::wstring_view value);
    JsonLine& Utf8(std::string_view key, std::string_view value);
    JsonLine& Number(std::string_view key, long long value);
    JsonLine& Flag(std::string_view key, bool value);
    JsonLine& Numbers(std::string_view key, const std::vector<long long>& values);
    // Inserts already formed JSON (an object or an array) under the key.
    JsonLine& Raw(std::string_view key, std::string_view json);
    std::string Finish() const { return "{" + body_ + "}"; }

  private:
    void Key(std::string_view key);
    std::string body_;
};

std::string QuoteJson(std::string_view utf8);

// Writes the line to standard output, which the tests redirect to a file.
void PrintLine(const std::string& line);

}  // namespace quarnic::e2e

// What both key-script runners share: reading the key tokens and writing the one JSON line.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace quarnic {

struct ScriptArguments {
    bool japanese = false;          // --ja
    std::vector<std::string> keys;  // in the order given
};

// Keys come from the command line after the options; with none there, whitespace-separated
// from standard input.
ScriptArguments ReadScriptArguments(int argc, char** argv);

// An unknown key token: a message naming it on stderr and exit status 2, nothing on stdout.
int ReportUnknownKey(std::string_view program, std::string_view token);

// The state after the last key, as one line of JSON on stdout.
void PrintStateLine(const nlohmann::json& state);

// A C string field as JSON: null when absent.
nlohmann::json TextOrNull(const char* text);

}  // namespace quarnic

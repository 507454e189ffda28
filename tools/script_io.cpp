#include "tools/script_io.h"

#include <cstdio>
#include <iostream>

namespace quarnic {

ScriptArguments ReadScriptArguments(int argc, char** argv) {
    ScriptArguments args;
    int first = 1;
    if (argc > 1 && std::string_view(argv[1]) == "--ja") {
        args.japanese = true;
        first = 2;
    }
    for (int i = first; i < argc; ++i) {
        args.keys.emplace_back(argv[i]);
    }
    if (first >= argc) {
        std::string token;
        while (std::cin >> token) {
            args.keys.push_back(token);
        }
    }
    return args;
}

int ReportUnknownKey(std::string_view program, std::string_view token) {
    std::cerr << program << ": unknown key \"" << token << "\"\n";
    return 2;
}

void PrintStateLine(const nlohmann::json& state) {
    // Texts may hold bytes that are not UTF-8 (they never should); replace rather than throw.
    std::cout << state.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

nlohmann::json TextOrNull(const char* text) {
    if (text == nullptr) {
        return nullptr;
    }
    return std::string(text);
}

}  // namespace quarnic

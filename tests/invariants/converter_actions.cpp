#include "tests/invariants/converter_actions.h"

#include <array>
#include <string_view>

#include "conv/converter_commands.h"
#include "conv/key_ids.h"
#include "engine/digit_codec.h"

namespace quarnic {
namespace {

// The keys, "Co&py answer" and "All notations".
constexpr int ACTION_COUNT = CONVERTER_KEY_COUNT + 2;

constexpr std::array<int, ACTION_COUNT> BuildActions() {
    std::array<int, ACTION_COUNT> actions{};
    int n = 0;
    for (int id = IDC_CONV_FIRST; id <= IDC_CONV_LAST; ++id) {
        if (IsConverterKeyId(id)) {
            actions[n++] = id;
        }
    }
    actions[n++] = IDM_CONV_COPY_ANSWER;
    actions[n] = IDM_CONV_ALL_NOTATIONS;
    return actions;
}

constexpr std::array<int, ACTION_COUNT> ALL_ACTIONS = BuildActions();

// Tokens of the keys after the digits, from IDC_CONV_ALL_CLEAR on, in id order.
constexpr std::string_view NAMED_KEYS[] = {"AC", "CE", "F2", "F4", "F8",  "F10", "F16", "FX", "F-",
                                           "F+", "T2", "T4", "T8", "T10", "T16", "TX",  "T-", "T+"};

}  // namespace

std::span<const int> AllConverterActions() {
    return ALL_ACTIONS;
}

bool PerformConverterAction(ScriptedConverter& scripted, int id) {
    return DispatchConverterCommand(scripted.converter, id);
}

std::string ConverterActionName(int id) {
    if (IsConverterDigitKeyId(id)) {
        return std::string(1, DigitChar(id - IDC_CONV_DIGIT_0));
    }
    if (id >= IDC_CONV_ALL_CLEAR && id <= IDC_CONV_LAST) {
        return std::string(NAMED_KEYS[id - IDC_CONV_ALL_CLEAR]);
    }
    if (id == IDM_CONV_COPY_ANSWER) {
        return "COPY";
    }
    if (id == IDM_CONV_ALL_NOTATIONS) {
        return "ALL";
    }
    return "#" + std::to_string(id);
}

}  // namespace quarnic

#include "tests/invariants/calculator_actions.h"

#include <array>
#include <string_view>

#include "calc/calc_ids.h"
#include "calc/commands.h"
#include "calc/key_availability.h"
#include "calc/key_ids.h"
#include "calc/square_root.h"
#include "engine/digit_codec.h"

namespace quarnic {
namespace {

using View = RecordingCalculatorView;

struct KeyName {
    int id;
    std::string_view token;
};

constexpr KeyName KEY_NAMES[] = {
    {IDC_POINT, "."},          {IDC_SIGN, "+/-"},        {IDC_ALL_CLEAR, "AC"},
    {IDC_CLEAR_ENTRY, "CE"},   {IDC_ADD, "+"},           {IDC_SUBTRACT, "-"},
    {IDC_MULTIPLY, "*"},       {IDC_DIVIDE, "/"},        {IDC_EQUALS, "="},
    {IDC_NOTATION_2, "N2"},    {IDC_NOTATION_4, "N4"},   {IDC_NOTATION_8, "N8"},
    {IDC_NOTATION_10, "N10"},  {IDC_NOTATION_16, "N16"}, {IDC_NOTATION_X, "NX"},
    {IDC_STEP_DOWN, "X-"},     {IDC_STEP_UP, "X+"},      {IDC_MEMORY_IN, "Min"},
    {IDC_MEMORY_RECALL, "MR"}, {IDC_SQRT, "SQRT"}};

constexpr int KEY_COUNT = CALCULATOR_KEY_COUNT;
static_assert(KEY_COUNT == IDC_DIGIT_LAST - IDC_DIGIT_FIRST + 1 + std::size(KEY_NAMES),
              "every key but the digits has a token");
constexpr int TRUNCATION_RADIOS[] = {IDC_SQRT_TRUNCATION_100, IDC_SQRT_TRUNCATION_200,
                                     IDC_SQRT_TRUNCATION_300};
constexpr int DIALOG_ENDINGS[] = {View::DIALOG_OK, View::DIALOG_CANCEL, View::DIALOG_CLOSE};
constexpr int ACTION_COUNT = KEY_COUNT + std::size(TRUNCATION_RADIOS) * std::size(DIALOG_ENDINGS);

constexpr std::array<CalculatorAction, ACTION_COUNT> BuildActions() {
    std::array<CalculatorAction, ACTION_COUNT> actions{};
    int n = 0;
    for (int id = IDC_COMMAND_FIRST; id <= IDC_COMMAND_LAST; ++id) {
        if (IsCalculatorKeyId(id)) {
            actions[n++] = CalculatorKey(id);
        }
    }
    for (int radio : TRUNCATION_RADIOS) {
        for (int ending : DIALOG_ENDINGS) {
            actions[n++] = {CalculatorAction::Kind::SqrtSetting, radio, ending};
        }
    }
    return actions;
}

constexpr std::array<CalculatorAction, ACTION_COUNT> ALL_ACTIONS = BuildActions();

std::string KeyToken(int id) {
    if (id == IDK_BACKSPACE) {
        return "BACK";
    }
    if (IsCalculatorDigitKeyId(id)) {
        return std::string(1, DigitChar(id - IDC_DIGIT_FIRST));
    }
    for (const KeyName& key : KEY_NAMES) {
        if (key.id == id) {
            return std::string(key.token);
        }
    }
    return "#" + std::to_string(id);
}

}  // namespace

std::span<const CalculatorAction> AllCalculatorActions() {
    return ALL_ACTIONS;
}

bool PerformCalculatorAction(ScriptedCalculator& scripted, const CalculatorAction& action) {
    if (action.kind == CalculatorAction::Kind::Paste) {
        scripted.view.SetClipboardText(action.text);
        DispatchCommand(scripted.calc, IDM_PASTE);
        return true;
    }
    if (action.kind == CalculatorAction::Kind::SqrtSetting) {
        scripted.view.ScriptSqrtDialog({action.id}, action.ending);
        DispatchCommand(scripted.calc, IDM_SQRT_SETTING);
        return true;
    }
    if (!CalculatorCommandAvailable(scripted.calc, action.id)) {
        return false;
    }
    DispatchCommand(scripted.calc, action.id);
    return true;
}

std::string CalculatorActionName(const CalculatorAction& action) {
    if (action.kind == CalculatorAction::Kind::Key) {
        return KeyToken(action.id);
    }
    if (action.kind == CalculatorAction::Kind::Paste) {
        return "PASTE=" + std::string(action.text);  // digits, "-" and "." need no escape
    }
    std::string name = "SQRT" + std::to_string(100 * (action.id - IDC_SQRT_TRUNCATION_100 + 1));
    if (action.ending == View::DIALOG_CANCEL) {
        return name + "/cancel";
    }
    if (action.ending == View::DIALOG_CLOSE) {
        return name + "/close";
    }
    return name;
}

}  // namespace quarnic

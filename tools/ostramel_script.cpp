// ostramel-script [--ja] KEY...: presses the converter's keys on a fresh converter, as the
// window would, and prints the state after the last one as a line of JSON.
#include <map>
#include <optional>
#include <string>

#include "conv/all_notations.h"
#include "conv/conv_ids.h"
#include "conv/converter_availability.h"
#include "conv/converter_commands.h"
#include "conv/converter_state.h"
#include "engine/digit_codec.h"
#include "tests/kit/key_script.h"
#include "tests/kit/recording_converter_view.h"
#include "tools/script_io.h"

namespace quarnic {
namespace {

constexpr char PROGRAM[] = "ostramel-script";
constexpr int COPY_KEY = IDM_CONV_COPY_ANSWER;
constexpr int PASTE_KEY = IDM_CONV_PASTE;
constexpr int ALL_NOTATIONS_KEY = IDM_CONV_ALL_NOTATIONS;
// Enter on a line of the "All notations" window.
constexpr int ALL_NOTATIONS_TO_KEY = IDC_CONV_ALL_NOTATIONS_LIST;
constexpr std::string_view ALL_NOTATIONS_TO_PREFIX = "ALLTO=";

// One key of the script: a key id, with the text to paste or the notation of the chosen line.
struct ScriptKey {
    int id;
    std::string pasteText;
    int notation = 0;
};

// "ALLTO=<n>" for a notation n from 2 to 32.
std::optional<int> AllNotationsLineOfToken(const std::string& token) {
    if (!token.starts_with(ALL_NOTATIONS_TO_PREFIX)) {
        return std::nullopt;
    }
    const std::string number = token.substr(ALL_NOTATIONS_TO_PREFIX.size());
    if (number.empty() || number.size() > 2 ||
        number.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int notation = std::stoi(number);
    return IsValidNotation(notation) ? std::optional<int>(notation) : std::nullopt;
}

const std::map<std::string, int>& NamedKeys() {
    static const std::map<std::string, int> keys = {
        {"AC", IDC_CONV_ALL_CLEAR},
        {"CE", IDC_CONV_CLEAR_ERROR},
        {"F2", IDC_CONV_FROM_2},
        {"F4", IDC_CONV_FROM_4},
        {"F8", IDC_CONV_FROM_8},
        {"F10", IDC_CONV_FROM_10},
        {"F16", IDC_CONV_FROM_16},
        {"FX", IDC_CONV_FROM_X},
        {"F+", IDC_CONV_FROM_STEP_UP},
        {"F-", IDC_CONV_FROM_STEP_DOWN},
        {"T2", IDC_CONV_TO_2},
        {"T4", IDC_CONV_TO_4},
        {"T8", IDC_CONV_TO_8},
        {"T10", IDC_CONV_TO_10},
        {"T16", IDC_CONV_TO_16},
        {"TX", IDC_CONV_TO_X},
        {"T+", IDC_CONV_TO_STEP_UP},
        {"T-", IDC_CONV_TO_STEP_DOWN},
        {"COPY", COPY_KEY},
        {"ALL", ALL_NOTATIONS_KEY},
    };
    return keys;
}

std::optional<int> KeyId(const std::string& token) {
    if (token.size() == 1 && IsDigitChar(token[0])) {
        return IDC_CONV_DIGIT_0 + DigitValue(token[0]);
    }
    const auto found = NamedKeys().find(token);
    if (found == NamedKeys().end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<ScriptKey> ScriptKeyOf(const std::string& token) {
    if (std::optional<std::string> text = PasteTextOfToken(token)) {
        return ScriptKey{PASTE_KEY, *text};
    }
    if (std::optional<int> notation = AllNotationsLineOfToken(token)) {
        return ScriptKey{ALL_NOTATIONS_TO_KEY, {}, *notation};
    }
    if (std::optional<int> id = KeyId(token)) {
        return ScriptKey{*id, {}};
    }
    return std::nullopt;
}

// The typed number in every notation from 2 to 32, plain digits.
nlohmann::json AllNotations(const Converter& converter) {
    nlohmann::json numbers = nlohmann::json::array();
    for (int line = 0; line < ALL_NOTATIONS_LINE_COUNT; ++line) {
        numbers.push_back(TypedNumberIn(converter, NotationOfLine(line)).data());
    }
    return numbers;
}

// The keys the state makes available, as the window shows them.
nlohmann::json EnabledIds(const ConverterAvailability& available) {
    nlohmann::json ids = nlohmann::json::array();
    for (int id = IDC_CONV_FIRST; id <= IDC_CONV_LAST; ++id) {
        if (available.Key(id)) {
            ids.push_back(id);
        }
    }
    return ids;
}

nlohmann::json StateLine(const Converter& converter, const RecordingConverterView& view,
                         const nlohmann::json& message) {
    const ConverterState& state = converter.state;
    nlohmann::json line;
    line["input"] = converter.texts.InputDigits.data();
    line["answer"] = converter.texts.AnswerText.data();
    line["input_console"] = view.InputConsole();
    line["answer_console"] = view.AnswerConsole();
    line["from_notation"] = state.FromNotation;
    line["to_notation"] = state.ToNotation;
    line["from_other"] = state.FromOtherNotation;
    line["to_other"] = state.ToOtherNotation;
    line["from_box"] = view.FromBox();
    line["to_box"] = view.ToBox();
    line["entry_started"] = state.EntryStarted ? 1 : 0;
    line["error_shown"] = state.ErrorShown ? 1 : 0;
    line["max_digits"] = state.MaxDigits;
    line["warning"] = view.Warnings() > 0 ? TextOrNull(view.LastWarning().c_str()) : nullptr;
    line["warnings"] = view.Warnings();
    line["clipboard"] = view.HasClipboard() ? TextOrNull(view.Clipboard().c_str()) : nullptr;
    const ConverterAvailability available = AvailabilityOf(converter);
    line["enabled"] = EnabledIds(available);
    line["from_checked"] = available.fromChecked;
    line["to_checked"] = available.toChecked;
    line["copy_enabled"] = available.copyAnswer;
    line["all_notations"] = AllNotations(converter);
    line["all_notations_open"] = converter.allNotations.open;
    line["message"] = message;
    return line;
}

int Run(int argc, char** argv) {
    const ScriptArguments args = ReadScriptArguments(argc, argv);
    std::vector<ScriptKey> keys;
    for (const std::string& token : args.keys) {
        std::optional<ScriptKey> key = ScriptKeyOf(token);
        if (!key) {
            return ReportUnknownKey(PROGRAM, token);
        }
        keys.push_back(*key);
    }
    RecordingConverterView view;
    Converter converter;
    converter.JapaneseUi = args.japanese;
    converter.view = &view;
    SetUpConverterStart(converter);
    // The message box the last key raised, if any.
    nlohmann::json message = nullptr;
    for (const ScriptKey& key : keys) {
        const int messagesBefore = view.Messages();
        if (key.id == PASTE_KEY) {
            view.SetClipboardText(key.pasteText);
        }
        DispatchConverterCommand(converter, key.id, key.notation);
        message = view.Messages() > messagesBefore ? nlohmann::json(view.LastMessage())
                                                   : nlohmann::json(nullptr);
    }
    PrintStateLine(StateLine(converter, view, message));
    return 0;
}

}  // namespace
}  // namespace quarnic

int main(int argc, char** argv) {
    return quarnic::Run(argc, argv);
}

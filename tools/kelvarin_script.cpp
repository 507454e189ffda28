// kelvarin-script [--ja] [--history FILE] KEY...: presses the calculator's keys on a fresh
// calculator, as the window would, and prints the state after the last one as a line of JSON.
// The history is kept in memory, or read from and written to FILE as the program does.
#include <memory>
#include <string>
#include <vector>

#include "calc/history_texts.h"
#include "calc/key_availability.h"
#include "calc/key_ids.h"
#include "calc/last_calculation.h"
#include "calc/notation_buttons.h"
#include "calc/save_text.h"
#include "engine/fixed_text.h"
#include "history/history_file.h"
#include "tests/kit/file_history_files.h"
#include "tests/kit/key_script.h"
#include "tools/script_io.h"

namespace quarnic {
namespace {

constexpr char PROGRAM[] = "kelvarin-script";

// The keys the state makes available, as the window shows them.
nlohmann::json EnabledControls(const Calculator& calc) {
    nlohmann::json ids = nlohmann::json::array();
    for (int id = IDC_COMMAND_FIRST; id <= IDC_COMMAND_LAST; ++id) {
        if (IsCalculatorKeyId(id) && CalculatorCommandAvailable(calc, id)) {
            ids.push_back(id);
        }
    }
    return ids;
}

template <std::size_t N>
std::string Text(const std::array<char, N>& buffer) {
    return std::string(TextOf(buffer));
}

nlohmann::json MemoryNotation(const CalculatorState& state) {
    if (state.MemoryNotation == 0) {
        return nullptr;
    }
    return state.MemoryNotation;
}

nlohmann::json SavedText(const Calculator& calc) {
    if (!calc.last.Recorded) {
        return nullptr;
    }
    quarnic::SavedText text{};
    int length = BuildSavedText(calc, text);
    return std::string(text.data(), static_cast<std::size_t>(length));
}

nlohmann::json StateLine(const ScriptedCalculator& scripted, const nlohmann::json& message) {
    const Calculator& calc = scripted.calc;
    const CalculatorState& state = calc.state;
    const RecordingCalculatorView& view = scripted.view;
    nlohmann::json line;
    line["console"] = Text(state.ConsoleText);
    line["first"] = Text(state.FirstOperandText);
    line["second"] = Text(state.SecondOperandText);
    line["operator"] = Text(state.PendingOperator);
    line["first_notation"] = state.FirstNotation;
    line["second_notation"] = state.SecondNotation;
    line["answer_notation"] = state.AnswerNotation;
    line["other_notation"] = state.OtherNotation;
    line["other_label"] = Text(state.OtherNotationLabel);
    line["notation"] = ReadNotation(calc);
    line["memory"] = Text(state.MemoryText);
    line["memory_notation"] = MemoryNotation(state);
    line["memory_held"] = state.MemoryHeld;
    line["error_shown"] = state.ErrorShown;
    line["answer_shown"] = state.AnswerShown;
    line["sqrt_count"] = calc.sqrt.SqrtRepeatCount;
    line["sqrt_truncation"] = calc.sqrt.SqrtTruncation;
    line["enabled"] = EnabledControls(calc);
    line["checked"] = IDC_NOTATION_FIRST + state.CheckedNotationButton;
    line["save_enabled"] = CalculatorCommandAvailable(calc, IDM_SAVE_ANSWER);
    line["saved"] = SavedText(calc);
    line["copy_enabled"] = CalculatorCommandAvailable(calc, IDM_COPY);
    line["clipboard"] = view.HasClipboard() ? nlohmann::json(view.Clipboard()) : nullptr;
    line["message"] = message;
    nlohmann::json history = nlohmann::json::array();
    for (int i = 0; i < scripted.history.Count(); ++i) {
        history.push_back(scripted.history.Text(i));
    }
    line["history"] = history;
    return line;
}

// Takes "--history FILE" out of the arguments; the file's path, or empty.
std::string TakeHistoryFile(int& argc, char** argv) {
    std::string file;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--history" && i + 1 < argc) {
            file = argv[++i];
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return file;
}

int Run(int argc, char** argv) {
    const std::string historyFile = TakeHistoryFile(argc, argv);
    const ScriptArguments args = ReadScriptArguments(argc, argv);
    for (const std::string& token : args.keys) {
        if (!IsKnownKeyToken(token)) {
            return ReportUnknownKey(PROGRAM, token);
        }
    }
    ScriptedCalculator scripted;
    scripted.calc.JapaneseUi = args.japanese;
    std::unique_ptr<FileHistoryFiles> files;
    std::unique_ptr<HistoryFileKeeper> keeper;
    if (!historyFile.empty()) {
        files = std::make_unique<FileHistoryFiles>(historyFile);
        keeper = std::make_unique<HistoryFileKeeper>(scripted.history, *files);
        keeper->OnFirstFailure([&scripted, &args] {
            scripted.view.ShowMessageBox(args.japanese ? HISTORY_WRITE_FAILED_JA
                                                       : HISTORY_WRITE_FAILED_EN);
        });
        keeper->Load();
    }
    // The message box the last key raised, if any.
    nlohmann::json message = nullptr;
    for (const std::string& token : args.keys) {
        const int messagesBefore = scripted.view.Messages();
        ApplyKeyToken(scripted, token);
        message = scripted.view.Messages() > messagesBefore
                      ? nlohmann::json(scripted.view.LastMessage())
                      : nlohmann::json(nullptr);
    }
    nlohmann::json line = StateLine(scripted, message);
    // The file a damaged history was set aside as, with --history.
    line["history_set_aside"] = keeper && !keeper->SetAsideFileName().empty()
                                    ? nlohmann::json(keeper->SetAsideFileName())
                                    : nlohmann::json(nullptr);
    PrintStateLine(line);
    return 0;
}

}  // namespace
}  // namespace quarnic

int main(int argc, char** argv) {
    return quarnic::Run(argc, argv);
}

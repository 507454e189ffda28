#include "tests/kit/key_script.h"

#include <algorithm>
#include <iterator>

#include "calc/calc_ids.h"
#include "calc/clipboard_commands.h"
#include "calc/commands.h"
#include "calc/history_commands.h"
#include "calc/square_root.h"
#include "engine/digit_codec.h"

namespace quarnic {
namespace {

struct NamedKey {
    std::string_view token;
    int id;
};

constexpr NamedKey NAMED_KEYS[] = {
    {".", IDC_POINT},          {"+/-", IDC_SIGN},        {"AC", IDC_ALL_CLEAR},
    {"CE", IDC_CLEAR_ENTRY},   {"+", IDC_ADD},           {"-", IDC_SUBTRACT},
    {"*", IDC_MULTIPLY},       {"/", IDC_DIVIDE},        {"=", IDC_EQUALS},
    {"N2", IDC_NOTATION_2},    {"N4", IDC_NOTATION_4},   {"N8", IDC_NOTATION_8},
    {"N10", IDC_NOTATION_10},  {"N16", IDC_NOTATION_16}, {"NX", IDC_NOTATION_X},
    {"X+", IDC_STEP_UP},       {"X-", IDC_STEP_DOWN},    {"Min", IDC_MEMORY_IN},
    {"MR", IDC_MEMORY_RECALL}, {"SQRT", IDC_SQRT},       {"BACK", IDK_BACKSPACE},
    {"COPY", IDM_COPY}};

constexpr std::string_view PASTE_PREFIX = "PASTE=";

// Characters a token cannot hold, or that a shell would split it at.
struct PasteEscape {
    std::string_view code;
    char character;
};

constexpr PasteEscape PASTE_ESCAPES[] = {{"%20", ' '}, {"%25", '%'}, {"%0A", '\n'}, {"%0D", '\r'}};

struct TruncationChoice {
    std::string_view token;
    int buttonId;
};

constexpr TruncationChoice TRUNCATION_CHOICES[] = {{"SQRT100", IDC_SQRT_TRUNCATION_100},
                                                   {"SQRT200", IDC_SQRT_TRUNCATION_200},
                                                   {"SQRT300", IDC_SQRT_TRUNCATION_300}};

std::optional<int> TruncationButtonOfToken(std::string_view token) {
    for (const TruncationChoice& choice : TRUNCATION_CHOICES) {
        if (choice.token == token) {
            return choice.buttonId;
        }
    }
    return std::nullopt;
}

// n of "<prefix><n>", or 0 when the token is not of that form.
int EntryNumberOfToken(std::string_view token, std::string_view prefix) {
    if (token.substr(0, prefix.size()) != prefix || token.size() == prefix.size() ||
        token.size() > prefix.size() + 4) {
        return 0;
    }
    int n = 0;
    for (char c : token.substr(prefix.size())) {
        if (c < '0' || c > '9') {
            return 0;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

constexpr std::string_view RECALL_PREFIX = "RECALL=";
constexpr std::string_view DELETE_PREFIX = "HDELETE=";

bool ApplyHistoryToken(ScriptedCalculator& scripted, std::string_view token) {
    if (token == "HISTORY") {
        DispatchCommand(scripted.calc, IDM_HISTORY);
        return true;
    }
    if (token == "HCLEAR") {
        scripted.history.Clear();
        return true;
    }
    if (const int n = EntryNumberOfToken(token, RECALL_PREFIX)) {
        // n counts from 1, the newest; out of range does nothing.
        if (n <= scripted.history.Count()) {
            const std::string& entry = scripted.history.Text(n - 1);
            RecallEntry(scripted.calc, entry, EntryNotation(entry));
        }
        return true;
    }
    if (const int n = EntryNumberOfToken(token, DELETE_PREFIX)) {
        scripted.history.Remove(n - 1);
        return true;
    }
    return false;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

std::optional<int> KeyIdOfToken(std::string_view token) {
    if (token.size() == 1 && IsDigitChar(token[0])) {
        return IDC_DIGIT_FIRST + DigitValue(token[0]);
    }
    for (const NamedKey& key : NAMED_KEYS) {
        if (key.token == token) {
            return key.id;
        }
    }
    return std::nullopt;
}

std::optional<std::string> PasteTextOfToken(std::string_view token) {
    if (token.substr(0, PASTE_PREFIX.size()) != PASTE_PREFIX) {
        return std::nullopt;
    }
    std::string text;
    for (std::size_t at = PASTE_PREFIX.size(); at < token.size(); ++at) {
        const std::string_view rest = token.substr(at, 3);
        const auto escape = std::find_if(std::begin(PASTE_ESCAPES), std::end(PASTE_ESCAPES),
                                         [&](const PasteEscape& e) { return e.code == rest; });
        if (escape != std::end(PASTE_ESCAPES)) {
            text += escape->character;
            at += 2;
        } else {
            text += token[at];
        }
    }
    return text;
}

bool IsHistoryToken(std::string_view token) {
    return token == "HISTORY" || token == "HCLEAR" ||
           EntryNumberOfToken(token, RECALL_PREFIX) > 0 ||
           EntryNumberOfToken(token, DELETE_PREFIX) > 0;
}

bool IsKnownKeyToken(std::string_view token) {
    return KeyIdOfToken(token).has_value() || TruncationButtonOfToken(token).has_value() ||
           PasteTextOfToken(token).has_value() || IsHistoryToken(token);
}

bool ApplyKeyToken(ScriptedCalculator& scripted, std::string_view token) {
    if (IsHistoryToken(token)) {
        return ApplyHistoryToken(scripted, token);
    }
    if (std::optional<int> button = TruncationButtonOfToken(token)) {
        scripted.view.ScriptSqrtDialog({*button}, RecordingCalculatorView::DIALOG_OK);
        DispatchCommand(scripted.calc, IDM_SQRT_SETTING);
        return true;
    }
    if (std::optional<std::string> text = PasteTextOfToken(token)) {
        scripted.view.SetClipboardText(*text);
        DispatchCommand(scripted.calc, IDM_PASTE);
        return true;
    }
    std::optional<int> id = KeyIdOfToken(token);
    if (!id) {
        return false;
    }
    DispatchCommand(scripted.calc, *id);
    return true;
}

std::optional<std::string_view> ApplyKeyScript(ScriptedCalculator& scripted,
                                               std::string_view script) {
    std::size_t pos = 0;
    while (pos < script.size()) {
        while (pos < script.size() && IsSpace(script[pos])) {
            ++pos;
        }
        std::size_t end = pos;
        while (end < script.size() && !IsSpace(script[end])) {
            ++end;
        }
        if (end > pos) {
            std::string_view token = script.substr(pos, end - pos);
            if (!ApplyKeyToken(scripted, token)) {
                return token;
            }
        }
        pos = end;
    }
    return std::nullopt;
}

}  // namespace quarnic

#include "conv/all_notations.h"

#include "conv/conv_texts.h"
#include "conv/converter_commands.h"
#include "conv/integer_conversion.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

constexpr int NOTATION_WIDTH = 2;
constexpr std::string_view COLUMN_GAP = "  ";

void PutPadded(FixedTextWriter<ALL_NOTATIONS_LINE_BYTES>& out, std::string_view text, int width) {
    for (int i = static_cast<int>(text.size()); i < width; ++i) {
        out.Put(' ');
    }
    out.Put(text);
}

void PutMark(FixedTextWriter<ALL_NOTATIONS_LINE_BYTES>& out, std::string_view mark) {
    out.Put(COLUMN_GAP);
    out.Put(mark);
}

}  // namespace

NotationDigits TypedNumberIn(const Converter& converter, int notation) {
    NotationDigits digits{};
    const auto& input = converter.texts.InputDigits;
    if (IsEmptyText(input)) {
        return digits;
    }
    const std::optional<std::uint64_t> value =
        ReadNumber(TextOf(input), converter.state.FromNotation);
    return value ? SpellNumber(*value, notation) : digits;
}

GroupedDigits GroupDigits(std::string_view digits) {
    GroupedDigits grouped{};
    FixedTextWriter out(grouped);
    const std::size_t length = digits.size();
    for (std::size_t i = 0; i < length; ++i) {
        // A space wherever the digits still to come fill whole groups.
        if (i > 0 && (length - i) % GROUP_SIZE == 0) {
            out.Put(' ');
        }
        out.Put(digits[i]);
    }
    return grouped;
}

int AllNotationsDigitsWidth(const Converter& converter) {
    return TextLength(GroupDigits(TextOf(TypedNumberIn(converter, FIRST_LISTED_NOTATION))));
}

namespace {

struct LineMarks {
    bool from = false;
    bool to = false;
};

AllNotationsLine LineText(int notation, std::string_view digits, int digitsWidth, LineMarks marks,
                          bool japanese) {
    AllNotationsLine line{};
    FixedTextWriter out(line);
    char decimal[4];
    NotationDecimalText(notation, decimal, sizeof decimal);
    PutPadded(out, decimal, NOTATION_WIDTH);
    out.Put(COLUMN_GAP);
    PutPadded(out, TextOf(GroupDigits(digits)), digitsWidth);
    if (marks.from) {
        PutMark(out, japanese ? FROM_MARK_JA : FROM_MARK_EN);
    }
    if (marks.to) {
        PutMark(out, japanese ? TO_MARK_JA : TO_MARK_EN);
    }
    return line;
}

}  // namespace

AllNotationsLine AllNotationsLineText(const Converter& converter, int notation, int digitsWidth) {
    const LineMarks marks{converter.state.FromSelection == notation,
                          converter.state.ToSelection == notation};
    return LineText(notation, TextOf(TypedNumberIn(converter, notation)), digitsWidth, marks,
                    converter.JapaneseUi);
}

AllNotationsLine WidestAllNotationsLine(bool japanese) {
    const std::string_view longest =
        "1111111111111111111111111111111111111111111111111111111111111111";
    return LineText(FIRST_LISTED_NOTATION + ALL_NOTATIONS_LINE_COUNT - 1, longest,
                    GROUPED_DIGITS_WIDTH, LineMarks{true, true}, japanese);
}

void OpenAllNotations(Converter& converter) {
    AllNotationsWindow& window = converter.allNotations;
    if (!converter.view->ShowAllNotationsWindow()) {
        return;
    }
    if (!window.open) {
        window.open = true;
        // The window starts with empty lines: every line is news to it.
        window.lines = {};
        RefreshAllNotations(converter);
    }
}

void CloseAllNotations(Converter& converter) {
    converter.allNotations.open = false;
}

void RefreshAllNotations(Converter& converter) {
    AllNotationsWindow& window = converter.allNotations;
    if (!window.open) {
        return;
    }
    const int digitsWidth = AllNotationsDigitsWidth(converter);
    for (int line = 0; line < ALL_NOTATIONS_LINE_COUNT; ++line) {
        const AllNotationsLine text =
            AllNotationsLineText(converter, NotationOfLine(line), digitsWidth);
        if (text != window.lines[line]) {
            window.lines[line] = text;
            converter.view->SetAllNotationsLine(line, TextOf(text));
        }
    }
}

void CopyAllNotationsLine(Converter& converter, int notation) {
    if (!IsValidNotation(notation)) {
        return;
    }
    const NotationDigits digits = TypedNumberIn(converter, notation);
    if (IsEmptyText(digits)) {
        return;
    }
    ClipboardText text{};
    AppendNumberAndNotation(text, TextOf(digits), notation);
    CopyToClipboard(converter, TextOf(text));
}

AllNotationsPlaces FitAllNotationsList(const AllNotationsPlaces& templatePlaces, int listFrameWidth,
                                       int listFrameHeight, int widestLine, int lineHeight) {
    AllNotationsPlaces fitted = templatePlaces;
    const int growX = widestLine + LIST_TEXT_MARGIN - (fitted.list.width - listFrameWidth);
    const int growY =
        lineHeight * ALL_NOTATIONS_LINE_COUNT - (fitted.list.height - listFrameHeight);
    fitted.list.width += growX;
    fitted.list.height += growY;
    fitted.copy.top += growY;
    fitted.clientWidth += growX;
    fitted.clientHeight += growY;
    return fitted;
}

}  // namespace quarnic

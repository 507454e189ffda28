#include "calc/calculator_accessible_win.h"

#include "calc/calc_ids.h"
#include "calc/calc_texts.h"
#include "calc/calculator_state.h"
#include "engine/fixed_text.h"
#include "shell/accessible_text_win.h"
#include "shell/shell_win.h"

namespace quarnic {

// The places follow the painting: the console's frame, the frame of the box of "X" and the
// square of the memory mark (right and bottom edges included, hence the + 1).
void CreateCalculatorAccessibleTexts(HWND window) {
    const Layout& layout = Shell().layout;
    const int W = layout.KeyWidth, H = layout.KeyHeight, S = layout.SpacingUnit;
    const int L = layout.Margin();
    CreateAccessibleText(window, IDC_CONSOLE_TEXT, RECT{L, S, L + 10 * W + 1, 2 * S + H + 1});
    CreateAccessibleText(window, IDC_OTHER_NOTATION_TEXT,
                         RECT{L + 9 * W, 4 * S + H - 2, 3 * L + 9 * W + 3, 4 * S + 2 * H - 2});
    const int markX = 3 * L + 9 * W, markY = 7 * S + 6 * H;
    CreateAccessibleText(window, IDC_MEMORY_MARK_TEXT,
                         RECT{markX - 3, markY - 10, markX + 4, markY - 3});
    SetWindowTextW(Control(IDC_SQRT), UiText(SQRT_KEY_NAME_EN, SQRT_KEY_NAME_JA));
    SetAccessibleName(Control(IDC_STEP_DOWN), UiText(STEP_DOWN_NAME_EN, STEP_DOWN_NAME_JA));
    SetAccessibleName(Control(IDC_STEP_UP), UiText(STEP_UP_NAME_EN, STEP_UP_NAME_JA));
}

void ShowOtherNotationText(HWND window, std::string_view label) {
    SetLabelledText(window, IDC_OTHER_NOTATION_TEXT,
                    UiText(OTHER_NOTATION_NAME_EN, OTHER_NOTATION_NAME_JA), label);
}

void ShowRepaintedTexts(HWND window, const Calculator& calc) {
    SetAccessibleText(window, IDC_CONSOLE_TEXT, TextOf(calc.state.ConsoleText));
    ShowOtherNotationText(window, TextOf(calc.state.OtherNotationLabel));
    SetAccessibleText(window, IDC_MEMORY_MARK_TEXT, calc.state.MemoryHeld ? L"M" : L"");
}

}  // namespace quarnic

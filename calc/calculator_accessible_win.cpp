#include "calc/calculator_accessible_win.h"

#include "calc/calc_ids.h"
#include "calc/calc_texts.h"
#include "calc/calculator_layout.h"
#include "calc/calculator_state.h"
#include "engine/fixed_text.h"
#include "host/accessible_name_win.h"
#include "host/accessible_text_win.h"
#include "host/main_window_win.h"
#include "host/shell_win.h"

namespace quarnic {

// The carriers lie over the painted figures, where the layout puts them.
void CreateCalculatorAccessibleTexts(HWND window) {
    const auto carriers = CalculatorTextCarriersFor(Shell().layout.Geometry());
    CreateAccessibleTexts(window, carriers.data(), static_cast<int>(carriers.size()));
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

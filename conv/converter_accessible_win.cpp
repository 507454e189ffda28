#include "conv/converter_accessible_win.h"

#include "conv/conv_ids.h"
#include "conv/conv_texts.h"
#include "conv/converter_layout.h"
#include "conv/converter_paint_win.h"
#include "host/accessible_name_win.h"
#include "host/accessible_text_win.h"
#include "host/main_window_win.h"
#include "host/shell_win.h"

namespace quarnic {
void CreateConverterAccessibleTexts(HWND window) {
    const auto carriers = ConverterTextCarriers(Shell().layout.Geometry());
    CreateAccessibleTexts(window, carriers.data(), static_cast<int>(carriers.size()));
    SetAccessibleName(Control(IDC_CONV_FROM_STEP_DOWN),
                      UiText(FROM_STEP_DOWN_NAME_EN, FROM_STEP_DOWN_NAME_JA));
    SetAccessibleName(Control(IDC_CONV_FROM_STEP_UP),
                      UiText(FROM_STEP_UP_NAME_EN, FROM_STEP_UP_NAME_JA));
    SetAccessibleName(Control(IDC_CONV_TO_STEP_DOWN),
                      UiText(TO_STEP_DOWN_NAME_EN, TO_STEP_DOWN_NAME_JA));
    SetAccessibleName(Control(IDC_CONV_TO_STEP_UP), UiText(TO_STEP_UP_NAME_EN, TO_STEP_UP_NAME_JA));
}

void ShowOtherText(HWND window, ConverterPane pane, const char* label) {
    if (pane == ConverterPane::From) {
        SetLabelledText(window, IDC_CONV_FROM_OTHER_TEXT,
                        UiText(FROM_OTHER_NAME_EN, FROM_OTHER_NAME_JA), label);
    } else {
        SetLabelledText(window, IDC_CONV_TO_OTHER_TEXT, UiText(TO_OTHER_NAME_EN, TO_OTHER_NAME_JA),
                        label);
    }
}

}  // namespace quarnic

// What the window shows of the converter's state: the keys, checks and "X" boxes after every
// command, and everything on top of the background when it repaints.
#include "conv/converter_repaint.h"

#include "common/notation.h"
#include "conv/converter_availability.h"
#include "conv/converter_commands.h"
#include "conv/converter_panes.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

constexpr std::size_t SlotOf(int id) {
    return static_cast<std::size_t>(id - IDC_CONV_FIRST);
}

// A box is cleared for an empty label, and drawn afresh with its frame for any other. Both
// start empty, as the first paint draws them.
void ShowBox(Converter& converter, ConverterPane pane, OtherLabel& shown) {
    const OtherLabel label = OtherBoxLabel(converter.state, pane);
    if (label == shown) {
        return;
    }
    shown = label;
    converter.view->ClearOtherBox(pane);
    if (!IsEmptyText(label)) {
        converter.view->DrawOtherBox(pane, TextOf(label));
    }
}

// A new check goes with unchecking the pane's five other buttons.
void ShowCheck(Converter& converter, const NotationPane& pane, int checked, int& shown) {
    if (converter.shown.sent && checked == shown) {
        return;
    }
    shown = checked;
    for (int id = pane.firstButtonId; id <= pane.firstButtonId + FIXED_NOTATION_COUNT; ++id) {
        converter.view->SetCheck(id, id == checked);
    }
}

}  // namespace

OtherLabel OtherBoxLabel(const ConverterState& state, ConverterPane pane) {
    OtherLabel label{};
    const int selection = SelectionOf(state, pane);
    if (!HasOwnButton(selection)) {
        SetNotationLabel(label, selection);
    }
    return label;
}

void ShowControls(Converter& converter) {
    const ConverterAvailability available = AvailabilityOf(converter);
    ShownControls& shown = converter.shown;
    ControlView& view = *converter.view;
    ShowCheck(converter, FROM_PANE, available.fromChecked, shown.fromChecked);
    ShowCheck(converter, TO_PANE, available.toChecked, shown.toChecked);
    for (int id = IDC_CONV_FIRST; id <= IDC_CONV_LAST; ++id) {
        if (!shown.sent || shown.enabled[SlotOf(id)] != available.Key(id)) {
            shown.enabled[SlotOf(id)] = available.Key(id);
            view.EnableControl(id, available.Key(id));
        }
    }
    if (!shown.sent || shown.copyAnswer != available.copyAnswer) {
        shown.copyAnswer = available.copyAnswer;
        view.EnableMenuItem(IDM_CONV_COPY_ANSWER, available.copyAnswer);
    }
    ShowBox(converter, ConverterPane::From, shown.fromBox);
    ShowBox(converter, ConverterPane::To, shown.toBox);
    shown.sent = true;
}

void RepaintConverterContents(const Converter& converter) {
    ConverterView& view = *converter.view;
    view.DrawInputConsole(TextOf(converter.texts.InputDigits));
    view.DrawAnswerConsole(TextOf(converter.texts.AnswerText));
    for (ConverterPane pane : {ConverterPane::From, ConverterPane::To}) {
        view.ClearOtherBox(pane);
        view.DrawOtherBox(pane, TextOf(OtherBoxLabel(converter.state, pane)));
    }
}

}  // namespace quarnic

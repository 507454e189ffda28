#include "conv/win32_converter_view_win.h"

#include "conv/all_notations_window_win.h"
#include "conv/conv_ids.h"
#include "conv/converter_accessible_win.h"
#include "conv/converter_layout.h"
#include "conv/converter_state.h"
#include "conv/warning_dialog_win.h"
#include "engine/fixed_text.h"
#include "host/accessible_text_win.h"
#include "host/console_paint_win.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

// The painting, dialog and clipboard routines take C strings: each text is copied out with its
// NUL, cut to the buffer those routines take.
template <std::size_t N>
std::array<char, N> Terminated(std::string_view text) {
    std::array<char, N> copy{};
    SetText(copy, text);
    return copy;
}

KeyGeometry CurrentGeometry() {
    return Shell().layout.Geometry();
}

GridStretch CurrentGrid() {
    return ConverterGridStretch(Shell().layout);
}

}  // namespace

// Each pane's "X" box lies in its part of the window.
Win32ConverterView::Part Win32ConverterView::PartOf(ConverterPane pane) {
    return pane == ConverterPane::From ? Part::Input : Part::Answer;
}

int Win32ConverterView::OffsetOf(Part part) {
    return part == Part::Input ? 0 : AnswerPartOffset(CurrentGeometry());
}

void Win32ConverterView::ClearConsoleOf(Part part) {
    ClearConsoleFigure(MainWindow(),
                       ConverterConsole(CurrentGeometry(), OffsetOf(part), CurrentGrid()));
}

void Win32ConverterView::DrawConsoleOf(Part part, const char* text) {
    const KeyGeometry g = CurrentGeometry();
    DrawConsoleFigure(MainWindow(), g, ConverterConsole(g, OffsetOf(part), CurrentGrid()), text);
}

void Win32ConverterView::ClearOtherBoxOf(Part part) {
    quarnic::ClearOtherBox(MainWindow(),
                           ConverterOtherBox(CurrentGeometry(), OffsetOf(part), CurrentGrid()));
}

void Win32ConverterView::DrawOtherBoxOf(Part part, const char* label) {
    quarnic::DrawOtherBox(
        MainWindow(), ConverterOtherBox(CurrentGeometry(), OffsetOf(part), CurrentGrid()), label);
}

void Win32ConverterView::ClearInputConsole() {
    ClearConsoleOf(Part::Input);
    SetAccessibleText(MainWindow(), IDC_CONV_INPUT_TEXT, L"");
}

void Win32ConverterView::DrawInputConsole(std::string_view text) {
    DrawConsoleOf(Part::Input, Terminated<CONVERTER_DIGIT_BYTES>(text).data());
    SetAccessibleText(MainWindow(), IDC_CONV_INPUT_TEXT, text);
}

void Win32ConverterView::ClearAnswerConsole() {
    ClearConsoleOf(Part::Answer);
    SetAccessibleText(MainWindow(), IDC_CONV_ANSWER_TEXT, L"");
}

void Win32ConverterView::DrawAnswerConsole(std::string_view text) {
    DrawConsoleOf(Part::Answer, Terminated<CONVERTER_DIGIT_BYTES>(text).data());
    SetAccessibleText(MainWindow(), IDC_CONV_ANSWER_TEXT, text);
}

void Win32ConverterView::ClearOtherBox(ConverterPane pane) {
    ClearOtherBoxOf(PartOf(pane));
    ShowOtherText(MainWindow(), pane, "");
}

void Win32ConverterView::DrawOtherBox(ConverterPane pane, std::string_view label) {
    const auto terminated = Terminated<OTHER_LABEL_BYTES>(label);
    DrawOtherBoxOf(PartOf(pane), terminated.data());
    ShowOtherText(MainWindow(), pane, terminated.data());
}

bool Win32ConverterView::ShowAllNotationsWindow() {
    return ShowAllNotationsDialog(MainWindow(), converter_);
}

void Win32ConverterView::SetAllNotationsLine(int line, std::string_view text) {
    SetAllNotationsListLine(line, text);
}

int Win32ConverterView::ShowWarningDialog(std::string_view text, bool japanese) {
    return quarnic::ShowWarningDialog(MainWindow(), Terminated<WARNING_TEXT_BYTES>(text).data(),
                                      japanese);
}

void Win32ConverterView::ShowSystemErrorBox(std::string_view text, std::string_view caption) {
    quarnic::ShowSystemErrorBox(Terminated<WARNING_TEXT_BYTES>(text).data(),
                                Terminated<WARNING_TEXT_BYTES>(caption).data());
}

}  // namespace quarnic

#include "conv/win32_converter_view_win.h"

#include "conv/clipboard_win.h"
#include "conv/conv_ids.h"
#include "conv/converter_accessible_win.h"
#include "conv/converter_layout.h"
#include "conv/warning_dialog_win.h"
#include "shell/accessible_text_win.h"
#include "shell/console_paint_win.h"
#include "shell/shell_win.h"

namespace quarnic {
namespace {

KeyGeometry CurrentGeometry() {
    return Shell().layout.Geometry();
}

}  // namespace

int Win32ConverterView::OffsetOf(Part part) {
    return part == Part::Input ? 0 : AnswerPartOffset(CurrentGeometry());
}

void Win32ConverterView::ClearConsoleOf(Part part) {
    ClearConsoleFigure(MainWindow(), ConsoleFigureAt(CurrentGeometry(), OffsetOf(part)));
}

void Win32ConverterView::DrawConsoleOf(Part part, const char* text) {
    const KeyGeometry g = CurrentGeometry();
    DrawConsoleFigure(MainWindow(), g, ConsoleFigureAt(g, OffsetOf(part)), text);
}

void Win32ConverterView::ClearOtherBoxOf(Part part) {
    ClearOtherBox(MainWindow(), OtherBoxFigureAt(CurrentGeometry(), OffsetOf(part)));
}

void Win32ConverterView::DrawOtherBoxOf(Part part, const char* label) {
    DrawOtherBox(MainWindow(), OtherBoxFigureAt(CurrentGeometry(), OffsetOf(part)), label);
}

void Win32ConverterView::ClearInputConsole() {
    ClearConsoleOf(Part::Input);
    SetAccessibleText(MainWindow(), IDC_CONV_INPUT_TEXT, L"");
}

void Win32ConverterView::DrawInputConsole(const char* text) {
    DrawConsoleOf(Part::Input, text);
    SetAccessibleText(MainWindow(), IDC_CONV_INPUT_TEXT, text);
}

void Win32ConverterView::ClearAnswerConsole() {
    ClearConsoleOf(Part::Answer);
    SetAccessibleText(MainWindow(), IDC_CONV_ANSWER_TEXT, L"");
}

void Win32ConverterView::DrawAnswerConsole(const char* text) {
    DrawConsoleOf(Part::Answer, text);
    SetAccessibleText(MainWindow(), IDC_CONV_ANSWER_TEXT, text);
}

void Win32ConverterView::ClearFromOtherBox() {
    ClearOtherBoxOf(Part::Input);
    ShowFromOtherText(MainWindow(), "");
}

void Win32ConverterView::DrawFromOtherBox(const char* label) {
    DrawOtherBoxOf(Part::Input, label);
    ShowFromOtherText(MainWindow(), label);
}

void Win32ConverterView::ClearToOtherBox() {
    ClearOtherBoxOf(Part::Answer);
    ShowToOtherText(MainWindow(), "");
}

void Win32ConverterView::DrawToOtherBox(const char* label) {
    DrawOtherBoxOf(Part::Answer, label);
    ShowToOtherText(MainWindow(), label);
}

int Win32ConverterView::ShowWarningDialog(const char* text, bool japanese) {
    return quarnic::ShowWarningDialog(MainWindow(), text, japanese);
}

void Win32ConverterView::ShowSystemErrorBox(const char* text, const char* caption) {
    quarnic::ShowSystemErrorBox(text, caption);
}

void Win32ConverterView::PutTextOnClipboard(const char* text) {
    // A copy that did not happen is not reported: the user simply finds the old clipboard.
    PutAsciiTextOnClipboard(MainWindow(), text);
}

}  // namespace quarnic

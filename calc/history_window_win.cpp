#include "calc/history_window_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "calc/calc_ids.h"
#include "calc/calculator_state.h"
#include "calc/history_commands.h"
#include "calc/history_keeping_win.h"
#include "calc/history_texts.h"
#include "calc/save_answer_win.h"
#include "common/resize_rule.h"
#include "common/shell_texts.h"
#include "history/history.h"
#include "history/history_entry.h"
#include "history/history_file.h"
#include "host/accessible_name_win.h"
#include "host/accessible_text_win.h"
#include "host/clipboard_win.h"
#include "host/dpi_win.h"
#include "host/shell_win.h"
#include "host/tool_window_win.h"

namespace quarnic {
namespace {

constexpr wchar_t HISTORY_SECTION[] = L"History";
constexpr int FIRST_NOTATION = 2;
constexpr int LAST_NOTATION = 32;

// How each control follows the window's size: the list and the full text take the width, the
// full text also the height; the bottom row moves down with the bottom edge.
constexpr ResizeRule RESIZE_RULES[] = {
    {IDC_HISTORY_LIST, GROW_WITH_RIGHT},
    {IDC_HISTORY_FULL, GROW_WITH_RIGHT | GROW_WITH_BOTTOM},
    {IDC_HISTORY_NOTATION_LABEL, MOVE_WITH_BOTTOM},
    {IDC_HISTORY_NOTATION, MOVE_WITH_BOTTOM},
    {IDC_HISTORY_NUMBER, MOVE_WITH_BOTTOM | GROW_WITH_RIGHT},
    {IDC_HISTORY_RECALL, MOVE_WITH_BOTTOM},
    {IDC_HISTORY_COPY, MOVE_WITH_BOTTOM},
    {IDC_HISTORY_SAVE, MOVE_WITH_BOTTOM},
    {IDC_HISTORY_CLEAR, MOVE_WITH_BOTTOM},
    {IDCANCEL, MOVE_WITH_BOTTOM | MOVE_WITH_RIGHT},
    {IDC_HISTORY_KEEP, MOVE_WITH_BOTTOM},
};

const SaveTexts HISTORY_SAVE_TEXTS{HISTORY_SAVE_TITLE_EN, HISTORY_SAVE_TITLE_JA,
                                   HISTORY_NOT_SAVED_EN,  HISTORY_NOT_SAVED_JA,
                                   HISTORY_NOT_SAVED_EN,  HISTORY_NOT_SAVED_JA};

class HistoryWindow final : public HistoryObserver {
  public:
    void Open(HWND mainWindow, Calculator& calc, CalculationHistory& history,
              HistoryKeeping& keeping);

    void EntryAdded(bool oldestDropped) override;
    void NewestReplaced() override;
    void EntryRemoved(int index) override;
    void Cleared() override;

    INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleKey(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnInit(HWND dialog);
    void OnCommand(int id, int code);
    void OnSize(int width, int height);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void SetFixedFont();
    SIZE TemplateWindowSize() const;
    void OnDestroy();
    void FillList();
    void Select(int index);
    void ShowSelected();
    void ShowNumber();
    int Selected() const;
    int ChosenNotation() const;
    void Recall();
    void Copy();
    void Delete();
    void Clear();
    void Save();
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    HWND dialog_ = nullptr;
    HWND mainWindow_ = nullptr;
    Calculator* calc_ = nullptr;
    CalculationHistory* history_ = nullptr;
    HistoryKeeping* keeping_ = nullptr;
    const wchar_t* templateName_ = nullptr;
    // The template's places at the window's DPI, from which the resize table moves the controls.
    DialogAtDpi layout_;
    SIZE minimum_{};
};

unsigned ResizeEdgesOf(int id) {
    for (const ResizeRule& rule : RESIZE_RULES) {
        if (rule.id == id) {
            return rule.edges;
        }
    }
    return RESIZE_NONE;
}

HistoryWindow g_history;

INT_PTR CALLBACK HistoryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return g_history.Handle(dialog, message, wParam, lParam);
}

constexpr wchar_t ORIGINAL_PROC[] = L"QuarnicHistoryKeys";

// The controls that take the window's keys for the list: every one but the full-text box, which
// keeps its caret keys and its own Ctrl+C, and the notation box, whose arrows pick a notation.
constexpr int KEYED_CONTROLS[] = {
    IDC_HISTORY_LIST, IDC_HISTORY_NUMBER, IDC_HISTORY_RECALL, IDC_HISTORY_COPY,
    IDC_HISTORY_SAVE, IDC_HISTORY_CLEAR,  IDC_HISTORY_KEEP,   IDCANCEL};

LRESULT CALLBACK HistoryKeyProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return g_history.HandleKey(control, message, wParam, lParam);
}

bool IsListKey(WPARAM key) {
    return key == VK_UP || key == VK_DOWN || key == VK_HOME || key == VK_END || key == VK_PRIOR ||
           key == VK_NEXT;
}

bool CtrlDown() {
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

void InsertListLine(HWND list, int index, const std::string& entryText) {
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(WideFromUtf8(ListLineOf(entryText)).c_str()));
}

void SetItemText(HWND item, std::string_view utf8) {
    SetWindowTextW(item, WideFromUtf8(utf8).c_str());
}

void HistoryWindow::Open(HWND mainWindow, Calculator& calc, CalculationHistory& history,
                         HistoryKeeping& keeping) {
    if (dialog_ != nullptr) {
        ShowWindow(dialog_, SW_SHOWNORMAL);
        SetForegroundWindow(dialog_);
        return;
    }
    mainWindow_ = mainWindow;
    calc_ = &calc;
    history_ = &history;
    keeping_ = &keeping;
    const bool japanese = Shell().JapaneseUi;
    templateName_ = japanese ? L"HISTORY_DLG_J" : L"HISTORY_DLG";
    HWND dialog =
        CreateDialogParamW(Shell().instance, templateName_, mainWindow, HistoryDialogProc, 0);
    if (dialog == nullptr) {
        ShowDialogFailure();
        return;
    }
    ShowWindow(dialog, SW_SHOW);
    const std::string note = keeping.TakeSetAsideNote();
    if (!note.empty()) {
        char text[512] = {};
        std::snprintf(text, sizeof text, japanese ? HISTORY_SET_ASIDE_JA : HISTORY_SET_ASIDE_EN,
                      note.c_str());
        ShowLogicMessage(dialog, text);
    }
}

INT_PTR HistoryWindow::Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            dialog_ = dialog;
            OnInit(dialog);
            return FALSE;  // the list has the focus already
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_SIZE:
            OnSize(LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {minimum_.cx, minimum_.cy};
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(dialog);
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return TRUE;
        default:
            return FALSE;
    }
}

void HistoryWindow::OnInit(HWND dialog) {
    AddModelessDialog(dialog);
    layout_.Start(dialog, templateName_);
    minimum_ = TemplateWindowSize();
    SetFixedFont();
    for (int n = FIRST_NOTATION; n <= LAST_NOTATION; ++n) {
        SendMessageW(Item(IDC_HISTORY_NOTATION), CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(std::to_wstring(n).c_str()));
    }
    CheckDlgButton(dialog, IDC_HISTORY_KEEP, keeping_->Keeps() ? BST_CHECKED : BST_UNCHECKED);
    for (int id : KEYED_CONTROLS) {
        HWND control = Item(id);
        SetPropW(control, ORIGINAL_PROC,
                 reinterpret_cast<HANDLE>(SetWindowLongPtrW(
                     control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HistoryKeyProc))));
    }
    SetAccessibleName(Item(IDC_HISTORY_LIST), UiText(HISTORY_LIST_NAME_EN, HISTORY_LIST_NAME_JA));
    SetAccessibleName(Item(IDC_HISTORY_FULL), UiText(HISTORY_FULL_NAME_EN, HISTORY_FULL_NAME_JA));
    history_->SetWindowObserver(this);
    FillList();
    RestoreWindowPlace(dialog, HISTORY_SECTION, true, minimum_);
    SetFocus(Item(IDC_HISTORY_LIST));
}

void HistoryWindow::SetFixedFont() {
    for (int id : {IDC_HISTORY_FULL, IDC_HISTORY_NUMBER}) {
        SendMessageW(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(layout_.FixedFont()), FALSE);
    }
}

// The size the window has as its template makes it at its DPI: the least it may be.
SIZE HistoryWindow::TemplateWindowSize() const {
    return layout_.WindowSizeFor(layout_.Places().clientWidth, layout_.Places().clientHeight);
}

// Every control where its template puts it at the window's DPI, moved by the resize table for
// what the client area has grown since.
void HistoryWindow::OnSize(int width, int height) {
    const DialogInPixels& places = layout_.Places();
    if (dialog_ == nullptr || places.clientWidth == 0) {
        return;
    }
    const int dx = width - places.clientWidth;
    const int dy = height - places.clientHeight;
    HDWP moves = BeginDeferWindowPos(static_cast<int>(places.items.size()));
    for (const KeyPlacement& item : places.items) {
        const PixelRect& r = item.rect;
        const ControlRect rect =
            FollowResize({r.left, r.top, r.width, r.height}, ResizeEdgesOf(item.id), dx, dy);
        moves = DeferWindowPos(moves, Item(item.id), nullptr, rect.x, rect.y, rect.width,
                               rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EndDeferWindowPos(moves);
    // Where a control was, the window's face shows again (Wine left a moved combo box's old
    // image there).
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// A change of DPI: the template's places and the fonts at the new DPI, the size Windows
// suggests (at least the new minimum, inside its monitor), the controls placed for it.
void HistoryWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    layout_.Change(dpi);
    SetFixedFont();
    minimum_ = SIZE{0, 0};
    MoveToPlaceInView(dialog_, suggested, minimum_);
    // The least size follows the frame the window has at the new DPI.
    minimum_ = TemplateWindowSize();
    SIZE client = ClientSize(dialog_);
    const DialogInPixels& places = layout_.Places();
    if (client.cx < places.clientWidth || client.cy < places.clientHeight) {
        SizeClientArea(dialog_, std::max(static_cast<int>(client.cx), places.clientWidth),
                       std::max(static_cast<int>(client.cy), places.clientHeight));
        client = ClientSize(dialog_);
    }
    OnSize(static_cast<int>(client.cx), static_cast<int>(client.cy));
}

void HistoryWindow::OnDestroy() {
    RememberWindowPlace(dialog_, HISTORY_SECTION, true);
    history_->SetWindowObserver(nullptr);
    RemoveModelessDialog(dialog_);
    layout_.Release();
    dialog_ = nullptr;
}

void HistoryWindow::FillList() {
    HWND list = Item(IDC_HISTORY_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < history_->Count(); ++i) {
        InsertListLine(list, i, history_->Text(i));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    Select(0);
}

void HistoryWindow::Select(int index) {
    const int count = history_->Count();
    if (index >= count) {
        index = count - 1;
    }
    SendMessageW(Item(IDC_HISTORY_LIST), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowSelected();
}

int HistoryWindow::Selected() const {
    const LRESULT index = SendMessageW(Item(IDC_HISTORY_LIST), LB_GETCURSEL, 0, 0);
    return index == LB_ERR || index >= history_->Count() ? -1 : static_cast<int>(index);
}

int HistoryWindow::ChosenNotation() const {
    const LRESULT index = SendMessageW(Item(IDC_HISTORY_NOTATION), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index) + FIRST_NOTATION;
}

void HistoryWindow::ShowSelected() {
    const int index = Selected();
    std::vector<EntryLine> lines;
    const bool readable = index >= 0 && ParseEntryText(history_->Text(index), lines);
    SetItemText(Item(IDC_HISTORY_FULL), readable ? GroupedForm(lines) : std::string());
    const int notation = readable ? ShownNumberOf(lines).notation : 0;
    SendMessageW(
        Item(IDC_HISTORY_NOTATION), CB_SETCURSEL,
        readable ? static_cast<WPARAM>(notation - FIRST_NOTATION) : static_cast<WPARAM>(-1), 0);
    for (int id : {IDC_HISTORY_RECALL, IDC_HISTORY_COPY, IDC_HISTORY_NOTATION}) {
        EnableWindow(Item(id), readable);
    }
    ShowNumber();
}

void HistoryWindow::ShowNumber() {
    const int index = Selected();
    const int notation = ChosenNotation();
    std::string text;
    if (index >= 0 && notation > 0 &&
        !EntryNumberIn(*calc_, history_->Text(index), notation, text)) {
        text = Shell().JapaneseUi ? HISTORY_NOT_CONVERTED_JA : HISTORY_NOT_CONVERTED_EN;
    }
    SetItemText(Item(IDC_HISTORY_NUMBER), text);
}

void HistoryWindow::OnCommand(int id, int code) {
    switch (id) {
        case IDC_HISTORY_LIST:
            if (code == LBN_SELCHANGE) {
                ShowSelected();
            } else if (code == LBN_DBLCLK) {
                Recall();
            }
            break;
        case IDC_HISTORY_NOTATION:
            if (code == CBN_SELCHANGE) {
                ShowNumber();
            }
            break;
        case IDOK:  // Enter, wherever the focus is
        case IDC_HISTORY_RECALL:
            Recall();
            break;
        case IDC_HISTORY_COPY:
            Copy();
            break;
        case IDC_HISTORY_SAVE:
            Save();
            break;
        case IDC_HISTORY_CLEAR:
            Clear();
            break;
        case IDC_HISTORY_KEEP:
            keeping_->SetKeep(dialog_,
                              IsDlgButtonChecked(dialog_, IDC_HISTORY_KEEP) == BST_CHECKED);
            break;
        case IDCANCEL:
            DestroyWindow(dialog_);
            break;
        default:
            break;
    }
}

void HistoryWindow::Recall() {
    const int index = Selected();
    const int notation = ChosenNotation();
    if (index < 0 || notation < 0) {
        return;
    }
    RecallEntry(*calc_, history_->Text(index), notation);
    SetForegroundWindow(mainWindow_);
    SetActiveWindow(mainWindow_);
}

void HistoryWindow::Copy() {
    const int index = Selected();
    const int notation = ChosenNotation();
    if (index >= 0 && notation > 0) {
        CopyEntry(*calc_, history_->Text(index), notation);
    }
}

void HistoryWindow::Delete() {
    const int index = Selected();
    if (index >= 0) {
        history_->Remove(index);
    }
}

void HistoryWindow::Clear() {
    if (ShowMessage(dialog_, HISTORY_CLEAR_QUESTION_EN, HISTORY_CLEAR_QUESTION_JA,
                    WARNING_CAPTION_EN, WARNING_CAPTION_JA, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        history_->Clear();
    }
}

void HistoryWindow::Save() {
    const std::string text = HistoryFileText(*history_);
    SaveTextFile(dialog_, HISTORY_SAVE_TEXTS, text.data(), text.size(), text.size());
}

void HistoryWindow::EntryAdded(bool oldestDropped) {
    HWND list = Item(IDC_HISTORY_LIST);
    if (oldestDropped) {
        SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(history_->Count() - 1), 0);
    }
    InsertListLine(list, 0, history_->Text(0));
    Select(0);
}

void HistoryWindow::NewestReplaced() {
    const int selected = Selected();
    HWND list = Item(IDC_HISTORY_LIST);
    SendMessageW(list, LB_DELETESTRING, 0, 0);
    InsertListLine(list, 0, history_->Text(0));
    Select(selected < 0 ? 0 : selected);
}

void HistoryWindow::EntryRemoved(int index) {
    SendMessageW(Item(IDC_HISTORY_LIST), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    Select(index);
}

void HistoryWindow::Cleared() {
    SendMessageW(Item(IDC_HISTORY_LIST), LB_RESETCONTENT, 0, 0);
    ShowSelected();
}

// The window's keys wherever the focus is (but in the full text and the notation box): the
// list's moving keys go to the list, Delete removes the entry, Ctrl+C copies its number.
LRESULT HistoryWindow::HandleKey(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropW(control, ORIGINAL_PROC));
    HWND list = Item(IDC_HISTORY_LIST);
    if (message == WM_GETDLGCODE && lParam != 0 &&
        reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
        IsListKey(reinterpret_cast<const MSG*>(lParam)->wParam)) {
        return CallWindowProcW(original, control, message, wParam, lParam) | DLGC_WANTARROWS |
               DLGC_WANTMESSAGE;
    }
    if (message == WM_KEYDOWN && IsListKey(wParam) && control != list) {
        SendMessageW(list, WM_KEYDOWN, wParam, lParam);
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == VK_DELETE) {
        Delete();
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == 'C' && CtrlDown()) {
        Copy();
        return 0;
    }
    if (message == WM_CHAR && wParam == 3) {  // the Ctrl+C character: already handled
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(control, ORIGINAL_PROC);
    }
    return CallWindowProcW(original, control, message, wParam, lParam);
}

}  // namespace

void OpenHistoryWindow(HWND mainWindow, Calculator& calc, CalculationHistory& history,
                       HistoryKeeping& keeping) {
    g_history.Open(mainWindow, calc, history, keeping);
}

}  // namespace quarnic

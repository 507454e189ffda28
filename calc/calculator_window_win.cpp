// The calculator's main window: what it adds to the shell's window, and the program's entry
// point. Key commands go to the logic's dispatcher; everything drawn goes through the Win32 view.
#include <iterator>

#include "calc/calc_ids.h"
#include "calc/calc_texts.h"
#include "calc/calculator_accessible_win.h"
#include "calc/calculator_layout.h"
#include "calc/calculator_menu.h"
#include "calc/calculator_paint_win.h"
#include "calc/calculator_state.h"
#include "calc/commands.h"
#include "calc/console_refit.h"
#include "calc/history_keeping_win.h"
#include "calc/history_texts.h"
#include "calc/history_window_win.h"
#include "calc/keyboard_map.h"
#include "calc/sqrt_key_win.h"
#include "calc/win32_calculator_view_win.h"
#include "common/shell_texts.h"
#include "history/history.h"
#include "host/main_window_win.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

constexpr ProgramNames NAMES{KELVARIN_CLASS_NAME, KELVARIN_CREATION_CAPTION, KELVARIN_TITLE_EN,
                             KELVARIN_TITLE_JA};
// README_Q.TXT is the readme's name on the distribution disk.
constexpr ProgramFiles FILES{L"KELVARIN.EXE", L"KELVARIN.TXT", L"README_Q.TXT"};

// One and 56 zeros: a tenth of its width is a key's width. The margin comes from "M(33)".
constexpr ProgramLayoutRules LAYOUT_RULES{
    L"100000000000000000000000000000000000000000000000000000000", L"M(33)", CalculatorSideMargin,
    9};

constexpr ProgramMenu MENU{IDM_ABOUT, IDM_CONSOLE_COLOR, CALCULATOR_MENU_ITEMS,
                           static_cast<int>(std::size(CALCULATOR_MENU_ITEMS)),
                           &SAVE_ANSWER_MENU_ITEM, IDM_ALWAYS_ON_TOP};

// The one calculator of the process, its view and the key colours read at creation.
class CalculatorWindow final : public ProgramWindow {
  public:
    void AttachView(HWND window) override {
        keyColors_.light = GetSysColor(COLOR_3DLIGHT);
        keyColors_.shadow = GetSysColor(COLOR_BTNSHADOW);
        static Win32CalculatorView view(window, SAVE_ANSWER_MENU_ITEM);
        view_ = &view;
        calc_.view = &view;
        calc_.JapaneseUi = Shell().JapaneseUi;
        view.SetHistoryOpener(
            [this] { OpenHistoryWindow(Shell().mainWindow, calc_, history_, keeping_); });
    }

    void CreateKeysAndStart(HWND window) override {
        const CalculatorKeys keys = CalculatorKeyPlacements(Shell().layout.Geometry());
        CreateKeys(window, keys.data(), static_cast<int>(keys.size()));
        CreateCalculatorAccessibleTexts(window);
        calc_.history = &history_;
        StartCalculator(calc_, *view_);
        started_ = true;
    }

    bool TakesCommands() const override { return started_; }
    void Paint(HWND window) override {
        PaintCalculatorWindow(window, calc_);
        ShowRepaintedTexts(window, calc_);
    }
    void OnCommand(int id) override { DispatchCommand(calc_, id); }

    bool OnSystemCommand(HWND, int id) override {
        if (!IsCalculatorMenuCommand(id)) {
            return false;
        }
        DispatchCommand(calc_, id);
        return true;
    }

    // The settings have been read by now, so the history file is found by their rule.
    void OnReady() override { keeping_.Start(Shell().mainWindow); }

    void MoveControlsToLayout() override {
        const KeyGeometry g = Shell().layout.Geometry();
        const GridStretch grid = CalculatorGridStretch(Shell().layout);
        const CalculatorKeys keys = CalculatorKeyPlacements(g, grid);
        MoveControls(keys.data(), static_cast<int>(keys.size()));
        const CalculatorTextCarriers carriers = CalculatorTextCarriersFor(g, grid);
        MoveControls(carriers.data(), static_cast<int>(carriers.size()));
        // The console's width changed with the window: more or fewer digits fit now.
        RefitShownAnswer(calc_);
    }

    bool OnOtherMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ACTIVATE) {
            if (LOWORD(wParam) == WA_INACTIVE && TakesCommands()) {
                RedrawPressedSqrtKey();
            }
            return true;
        }
        if (message == WM_DRAWITEM) {
            DrawSqrtKey(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), keyColors_);
            return true;
        }
        return false;
    }

  private:
    // Losing the focus leaves the square-root key drawn pressed: redraw it at once.
    void RedrawPressedSqrtKey() {
        view_->RedrawSqrtKey();
        calc_.state.SqrtKeyNeedsRedraw = false;
    }

    Calculator calc_;
    CalculationHistory history_;
    HistoryKeeping keeping_{history_};
    Win32CalculatorView* view_ = nullptr;
    SqrtKeyColors keyColors_;
    bool started_ = false;
};

CalculatorWindow g_window;

}  // namespace

const ProgramDescription THIS_PROGRAM{
    NAMES,        FILES,     IDC_CALC_RED_SCROLL,    MENU,
    LAYOUT_RULES, &g_window, CalculatorCharacterKey, CalculatorNamedKey};

}  // namespace quarnic

// The converter's main window: what it adds to the shell's window, and the program's entry
// point. Key commands go to the converter's dispatcher; everything drawn goes through the Win32
// view.
#include <iterator>

#include "common/shell_texts.h"
#include "conv/conv_ids.h"
#include "conv/conv_texts.h"
#include "conv/converter_accessible_win.h"
#include "conv/converter_commands.h"
#include "conv/converter_layout.h"
#include "conv/converter_menu.h"
#include "conv/converter_paint_win.h"
#include "conv/converter_state.h"
#include "conv/keyboard_map.h"
#include "conv/win32_converter_view_win.h"
#include "host/main_window_win.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

constexpr ProgramNames NAMES{OSTRAMEL_CLASS_NAME, OSTRAMEL_CREATION_CAPTION, OSTRAMEL_TITLE_EN,
                             OSTRAMEL_TITLE_JA};
constexpr ProgramFiles FILES{L"OSTRAMEL.EXE", L"OSTRAMEL.TXT", nullptr};

constexpr ProgramMenu MENU{IDM_CONV_ABOUT, IDM_CONV_CONSOLE_COLOR, CONVERTER_MENU_ITEMS,
                           static_cast<int>(std::size(CONVERTER_MENU_ITEMS)),
                           &COPY_ANSWER_MENU_ITEM, IDM_CONV_ALWAYS_ON_TOP};

// A one and 67 zeros: a tenth of its width is a key's width, a quarter of that the margin.
constexpr ProgramLayoutRules LAYOUT_RULES{
    L"10000000000000000000000000000000000000000000000000000000000000000000", nullptr,
    ConverterSideMargin, 10};

// The one converter of the process and its view.
class ConverterWindow final : public ProgramWindow {
  public:
    // The first paint comes while the window is shown, before any control exists; it draws
    // the state, which exists from the start.
    void AttachView(HWND window) override {
        static Win32ConverterView view(window, COPY_ANSWER_MENU_ITEM, converter_);
        converter_.JapaneseUi = Shell().JapaneseUi;
        converter_.view = &view;
    }

    void CreateKeysAndStart(HWND window) override {
        const auto keys = ConverterControls(Shell().layout.Geometry());
        CreateKeys(window, keys.data(), static_cast<int>(keys.size()));
        CreateConverterAccessibleTexts(window);
        SetUpConverterStart(converter_);
    }

    bool TakesCommands() const override { return converter_.view != nullptr; }
    void Paint(HWND window) override { PaintConverterWindow(window, converter_); }
    void OnCommand(int id) override { DispatchConverterCommand(converter_, id); }
    bool OnSystemCommand(HWND, int id) override { return DispatchConverterCommand(converter_, id); }
    void OnReady() override {}

    void MoveControlsToLayout() override {
        const KeyGeometry g = Shell().layout.Geometry();
        const GridStretch grid = ConverterGridStretch(Shell().layout);
        const auto controls = ConverterControls(g, grid);
        MoveControls(controls.data(), static_cast<int>(controls.size()));
        const auto carriers = ConverterTextCarriers(g, grid);
        MoveControls(carriers.data(), static_cast<int>(carriers.size()));
    }

  private:
    Converter converter_;
};

ConverterWindow g_window;

}  // namespace

const ProgramDescription THIS_PROGRAM{
    NAMES,        FILES,     IDC_CONV_RED_SCROLL,   MENU,
    LAYOUT_RULES, &g_window, ConverterCharacterKey, ConverterNamedKey};

}  // namespace quarnic

#include "calc/calculator_keys_win.h"

#include "calc/calc_ids.h"
#include "shell/shell_win.h"

namespace quarnic {
namespace {

constexpr const wchar_t* DIGIT_LABELS[] = {
    L"0",     L"1",     L"2",     L"3",     L"4",     L"5",     L"6",     L"7",
    L"8",     L"9",     L"A(10)", L"B(11)", L"C(12)", L"D(13)", L"E(14)", L"F(15)",
    L"G(16)", L"H(17)", L"I(18)", L"J(19)", L"K(20)", L"L(21)", L"M(22)", L"N(23)",
    L"O(24)", L"P(25)", L"Q(26)", L"R(27)", L"S(28)", L"T(29)", L"U(30)", L"V(31)",
};

constexpr const wchar_t* NOTATION_LABELS[] = {L"2", L"4", L"8", L"10", L"16", L"X"};

struct KeyPlacer {
    HWND parent;
    int W, H, S, L, h;

    void Push(int id, const wchar_t* label, int x, int y, int width, int height) const {
        CreateKey(parent, id, label, BS_PUSHBUTTON, x, y, width, height);
    }
};

void CreateDigitRows(const KeyPlacer& k) {
    // Three full rows of ten, then "U(30)" and "V(31)" at the start of the fourth.
    for (int value = 0; value < 32; ++value) {
        int row = value / 10;
        int column = value % 10;
        k.Push(IDC_DIGIT_FIRST + value, DIGIT_LABELS[value], k.L + column * k.W + 1,
               5 * k.S + (2 + row) * k.H, k.W, k.H);
    }
}

void CreateEntryAndOperatorKeys(const KeyPlacer& k) {
    const int W = k.W, H = k.H, S = k.S, L = k.L;
    k.Push(IDC_POINT, L".", L + 3 * W + 1, 5 * S + 5 * H, W, H);
    k.Push(IDC_SIGN, L"+/-", L + 4 * W + 1, 5 * S + 5 * H, W, H);
    k.Push(IDC_ALL_CLEAR, L"AC", L + 1, 7 * S + 6 * H, W, H);
    k.Push(IDC_CLEAR_ENTRY, L"CE", L + 1, 7 * S + 7 * H, W, H);
    const int operatorTop = 6 * S + 7 * H - k.h;
    const int operatorHeight = H + 2 * S;
    k.Push(IDC_ADD, L"+", 3 * L + W + 1, operatorTop, W, operatorHeight);
    k.Push(IDC_SUBTRACT, L"-", 4 * L + 2 * W + 1, operatorTop, W, operatorHeight);
    k.Push(IDC_MULTIPLY, L"*", 5 * L + 3 * W + 1, operatorTop, W, operatorHeight);
    k.Push(IDC_DIVIDE, L"/", 6 * L + 4 * W + 1, operatorTop, W, operatorHeight);
    k.Push(IDC_EQUALS, L"=", 7 * L + 5 * W + 1, operatorTop, 2 * W, operatorHeight);
    k.Push(IDC_MEMORY_IN, L"Min", L + 9 * W + 1, 7 * S + 6 * H, W, H);
    k.Push(IDC_MEMORY_RECALL, L"MR", L + 9 * W + 1, 7 * S + 7 * H, W, H);
}

void CreateNotationRow(const KeyPlacer& k) {
    const int W = k.W, H = k.H, S = k.S, L = k.L;
    const int top = 4 * S + H - 2;
    // Plain radio buttons: the calculator sets and clears the checks itself.
    for (int i = 0; i < 6; ++i) {
        CreateKey(k.parent, IDC_NOTATION_FIRST + i, NOTATION_LABELS[i], BS_RADIOBUTTON,
                  L + (3 + i) * W, top, W - 1, H);
    }
    const int stepLeft = 3 * L + 9 * W + 4;
    const int stepWidth = W - 2 * L - 5;
    k.Push(IDC_STEP_UP, L"+", stepLeft, top, stepWidth, k.h);
    k.Push(IDC_STEP_DOWN, L"-", stepLeft, top + k.h, stepWidth, H - k.h);
}

}  // namespace

void CreateCalculatorKeys(HWND mainWindow) {
    const Layout& layout = Shell().layout;
    KeyPlacer placer{mainWindow,         layout.KeyWidth, layout.KeyHeight,
                     layout.SpacingUnit, layout.Margin(), layout.HalfKey()};
    CreateDigitRows(placer);
    CreateEntryAndOperatorKeys(placer);
    CreateNotationRow(placer);
    CreateKey(mainWindow, IDC_SQRT, L"", BS_OWNERDRAW, placer.L + 5 * placer.W + 1,
              5 * placer.S + 5 * placer.H, placer.W, placer.H);
}

}  // namespace quarnic

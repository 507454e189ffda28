#include "calc/calculator_layout.h"

#include <cstdlib>

#include "calc/calc_ids.h"

namespace quarnic {
namespace {

constexpr const wchar_t* DIGIT_LABELS[] = {
    L"0",     L"1",     L"2",     L"3",     L"4",     L"5",     L"6",     L"7",
    L"8",     L"9",     L"A(10)", L"B(11)", L"C(12)", L"D(13)", L"E(14)", L"F(15)",
    L"G(16)", L"H(17)", L"I(18)", L"J(19)", L"K(20)", L"L(21)", L"M(22)", L"N(23)",
    L"O(24)", L"P(25)", L"Q(26)", L"R(27)", L"S(28)", L"T(29)", L"U(30)", L"V(31)",
};

constexpr const wchar_t* NOTATION_LABELS[] = {L"2", L"4", L"8", L"10", L"16", L"X"};

// Appends placements in creation order.
class KeyList {
  public:
    KeyList(const Layout& layout, CalculatorKeys& keys)
        : W(layout.KeyWidth),
          H(layout.KeyHeight),
          S(layout.SpacingUnit),
          L(layout.Margin()),
          h(layout.HalfKey()),
          keys_(keys) {}

    void Add(int id, const wchar_t* label, KeyKind kind, int x, int y, int width, int height) {
        keys_[count_++] = KeyPlacement{id, label, kind, PixelRect{x, y, width, height}};
    }

    const int W, H, S, L, h;

  private:
    CalculatorKeys& keys_;
    int count_ = 0;
};

void AddDigitRows(KeyList& k) {
    // Three full rows of ten, then "U(30)" and "V(31)" at the start of the fourth.
    for (int value = 0; value < 32; ++value) {
        k.Add(IDC_DIGIT_FIRST + value, DIGIT_LABELS[value], KeyKind::Push,
              k.L + (value % 10) * k.W + 1, 5 * k.S + (2 + value / 10) * k.H, k.W, k.H);
    }
}

void AddEntryAndOperatorKeys(KeyList& k) {
    const int W = k.W, H = k.H, S = k.S, L = k.L;
    k.Add(IDC_POINT, L".", KeyKind::Push, L + 3 * W + 1, 5 * S + 5 * H, W, H);
    k.Add(IDC_SIGN, L"+/-", KeyKind::Push, L + 4 * W + 1, 5 * S + 5 * H, W, H);
    k.Add(IDC_ALL_CLEAR, L"AC", KeyKind::Push, L + 1, 7 * S + 6 * H, W, H);
    k.Add(IDC_CLEAR_ENTRY, L"CE", KeyKind::Push, L + 1, 7 * S + 7 * H, W, H);
    // The operator keys stand half a key lower than the clear and memory keys, and taller.
    const int top = 6 * S + 7 * H - k.h;
    const int height = H + 2 * S;
    k.Add(IDC_ADD, L"+", KeyKind::Push, 3 * L + W + 1, top, W, height);
    k.Add(IDC_SUBTRACT, L"-", KeyKind::Push, 4 * L + 2 * W + 1, top, W, height);
    k.Add(IDC_MULTIPLY, L"*", KeyKind::Push, 5 * L + 3 * W + 1, top, W, height);
    k.Add(IDC_DIVIDE, L"/", KeyKind::Push, 6 * L + 4 * W + 1, top, W, height);
    k.Add(IDC_EQUALS, L"=", KeyKind::Push, 7 * L + 5 * W + 1, top, 2 * W, height);
    k.Add(IDC_MEMORY_IN, L"Min", KeyKind::Push, L + 9 * W + 1, 7 * S + 6 * H, W, H);
    k.Add(IDC_MEMORY_RECALL, L"MR", KeyKind::Push, L + 9 * W + 1, 7 * S + 7 * H, W, H);
}

void AddNotationRow(KeyList& k) {
    const int W = k.W, H = k.H, S = k.S, L = k.L;
    const int top = 4 * S + H - 2;
    for (int i = 0; i < 6; ++i) {
        k.Add(IDC_NOTATION_FIRST + i, NOTATION_LABELS[i], KeyKind::Radio, L + (3 + i) * W, top,
              W - 1, H);
    }
    const int stepLeft = 3 * L + 9 * W + 4;
    const int stepWidth = W - 2 * L - 5;
    k.Add(IDC_STEP_UP, L"+", KeyKind::Push, stepLeft, top, stepWidth, k.h);
    k.Add(IDC_STEP_DOWN, L"-", KeyKind::Push, stepLeft, top + k.h, stepWidth, H - k.h);
}

}  // namespace

CalculatorKeys CalculatorKeyPlacements(const Layout& layout) {
    CalculatorKeys keys;
    KeyList list(layout, keys);
    AddDigitRows(list);
    AddEntryAndOperatorKeys(list);
    AddNotationRow(list);
    list.Add(IDC_SQRT, L"", KeyKind::OwnerDrawn, list.L + 5 * list.W + 1, 5 * list.S + 5 * list.H,
             list.W, list.H);
    return keys;
}

CalculatorBands CalculatorBandsFor(const Layout& layout, int clientWidth, int clientHeight) {
    const int W = layout.KeyWidth, H = layout.KeyHeight, S = layout.SpacingUnit;
    const int L = layout.Margin(), h = layout.HalfKey();
    const int left = L - 1, right = L + 10 * W + 1;
    const int opTop = 6 * S + 7 * H - h, opBottom = 8 * S + 8 * H - h;
    return CalculatorBands{{
        {0, clientHeight, 0, L},                                   // left margin
        {0, clientHeight, L + 10 * W + 1, clientWidth},            // right margin
        {0, S - 1, left, right},                                   // above the console
        {2 * S + H + 1, 3 * S + H - 1, left, right},               // console / notation row
        {4 * S + 2 * H + 1, 5 * S + 2 * H - 1, left, right},       // notation row / keys
        {5 * S + 5 * H, 5 * S + 6 * H, L + 2 * W + 1, L + 3 * W},  // between "V(31)" and "."
        {5 * S + 5 * H, 5 * S + 6 * H, L + 6 * W + 1, right},      // right of the root key
        {5 * S + 6 * H, 7 * S + 6 * H - 1, left, right},           // digits / lower keys
        {7 * S + 6 * H, opTop - 1, L + W + 1, L + 9 * W},          // above the operators
        {opBottom, 7 * S + 8 * H, L + W + 1, L + 9 * W},           // below the operators
        {7 * S + 8 * H, clientHeight, left, right},                // below the keys
        {opTop, opBottom, L + W + 1, 3 * L + W},                   // "CE" / "+"
        {opTop, opBottom, 3 * L + 2 * W + 1, 4 * L + 2 * W},       // "+" / "-"
        {opTop, opBottom, 4 * L + 3 * W + 1, 5 * L + 3 * W},       // "-" / "*"
        {opTop, opBottom, 5 * L + 4 * W + 1, 6 * L + 4 * W},       // "*" / "/"
        {opTop, opBottom, 6 * L + 5 * W + 1, 7 * L + 5 * W},       // "/" / "="
        {opTop, opBottom, 7 * L + 7 * W + 1, L + 9 * W},           // "=" / "Min"
    }};
}

RadicalSign RadicalSignPoints(int W, int H) {
    return RadicalSign{{{W - W / 4, H / 4},
                        {3 * W / 10 - 1, H / 4},
                        {3 * W / 10, H / 4},
                        {W / 4, H - H / 4},
                        {W / 5, H - H / 2},
                        {W / 5 - 2, H - H / 2 + 2}}};
}

Rgb MemoryMarkColor(const Rgb& c) {
    if (std::abs(c.red - c.green) < 10 && std::abs(c.green - c.blue) < 10 &&
        std::abs(c.blue - c.red) < 10) {
        return Rgb{255, 0, 0};
    }
    return Rgb{255 - c.red, 255 - c.green, 255 - c.blue};
}

}  // namespace quarnic

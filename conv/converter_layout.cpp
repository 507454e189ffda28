#include "conv/converter_layout.h"

#include "conv/conv_ids.h"

namespace quarnic {
namespace {

constexpr const char* DIGIT_LABELS[IDC_CONV_DIGIT_COUNT] = {
    "0",     "1",     "2",     "3",     "4",     "5",     "6",     "7",
    "8",     "9",     "A(10)", "B(11)", "C(12)", "D(13)", "E(14)", "F(15)",
    "G(16)", "H(17)", "I(18)", "J(19)", "K(20)", "L(21)", "M(22)", "N(23)",
    "O(24)", "P(25)", "Q(26)", "R(27)", "S(28)", "T(29)", "U(30)", "V(31)",
};

constexpr const char* NOTATION_LABELS[] = {"2", "4", "8", "10", "16", "X"};

class Placer {
  public:
    explicit Placer(std::array<ControlPlacement, CONVERTER_CONTROL_COUNT>& out) : out_(out) {}

    void Add(int id, const char* label, ControlKind kind, PixelRect rect) {
        out_[count_++] = ControlPlacement{id, label, kind, rect};
    }

  private:
    std::array<ControlPlacement, CONVERTER_CONTROL_COUNT>& out_;
    int count_ = 0;
};

void PlaceKeypad(Placer& placer, const ConverterGeometry& g) {
    // Three full rows of ten digits, then "U(30)" and "V(31)" opening the fourth row.
    for (int value = 0; value < IDC_CONV_DIGIT_COUNT; ++value) {
        const int row = value / 10;
        const int column = value % 10;
        placer.Add(IDC_CONV_DIGIT_0 + value, DIGIT_LABELS[value], ControlKind::Push,
                   {g.L + column * g.W + 1, 5 * g.S + (2 + row) * g.H, g.W, g.H});
    }
    const int lastRow = 5 * g.S + 5 * g.H;
    placer.Add(IDC_CONV_ALL_CLEAR, "All Clear", ControlKind::Push,
               {g.L + 3 * g.W + 1, lastRow, 3 * g.W, g.H});
    placer.Add(IDC_CONV_CLEAR_ERROR, "Clear Error", ControlKind::Push,
               {g.L + 6 * g.W + 1, lastRow, 3 * g.W, g.H});
}

void PlacePane(Placer& placer, const ConverterGeometry& g, int firstButtonId, int stepDownId,
               int stepUpId, int top) {
    for (int j = 0; j < 6; ++j) {
        placer.Add(firstButtonId + j, NOTATION_LABELS[j], ControlKind::Radio,
                   {g.L + (3 + j) * g.W, top, g.W - 1, g.H});
    }
    // "+" on top of "-", right of the "X" box.
    const int stepLeft = 3 * g.L + 9 * g.W + 4;
    const int stepWidth = g.W - 2 * g.L - 5;
    placer.Add(stepUpId, "+", ControlKind::Push, {stepLeft, top, stepWidth, g.h});
    placer.Add(stepDownId, "-", ControlKind::Push, {stepLeft, top + g.h, stepWidth, g.H - g.h});
}

}  // namespace

std::array<ControlPlacement, CONVERTER_CONTROL_COUNT> ConverterControls(
    const ConverterGeometry& g) {
    std::array<ControlPlacement, CONVERTER_CONTROL_COUNT> controls{};
    Placer placer(controls);
    PlaceKeypad(placer, g);
    PlacePane(placer, g, IDC_CONV_FROM_2, IDC_CONV_FROM_STEP_DOWN, IDC_CONV_FROM_STEP_UP,
              4 * g.S + g.H - 2);
    PlacePane(placer, g, IDC_CONV_TO_2, IDC_CONV_TO_STEP_DOWN, IDC_CONV_TO_STEP_UP,
              9 * g.S + 7 * g.H - 2);
    return controls;
}

int AnswerPartOffset(const ConverterGeometry& g) {
    return 5 * g.S + 6 * g.H;
}

ConsoleFigure ConsoleFigureAt(const ConverterGeometry& g, int offset) {
    return ConsoleFigure{g.L,
                         g.L + 10 * g.W,
                         g.S + offset,
                         2 * g.S + g.H + offset,
                         3 * g.S + g.H + offset,
                         4 * g.S + 2 * g.H + offset};
}

OtherBoxFigure OtherBoxFigureAt(const ConverterGeometry& g, int offset) {
    const int top = 4 * g.S + g.H - 2 + offset;
    const int bottom = 4 * g.S + 2 * g.H - 3 + offset;
    const int left = g.L + 9 * g.W;
    const int right = 3 * g.L + 9 * g.W + 2;
    return OtherBoxFigure{left,     top,       right, bottom, top + 1,   bottom - 1,
                          left + 1, right - 1, left,  top,    right + 1, bottom + 1};
}

std::array<Band, CONVERTER_BAND_COUNT> ConverterBands(const ConverterGeometry& g, int clientWidth,
                                                      int clientHeight) {
    const int W = g.W, H = g.H, S = g.S, L = g.L;
    // The full-width bands reach one pixel past each side of the consoles' frames.
    const int x1 = L - 1, x2 = L + 10 * W + 1;
    return {{
        {0, clientHeight, 0, L},
        {0, clientHeight, L + 10 * W + 1, clientWidth},
        {0, S - 1, x1, x2},
        {2 * S + H + 1, 3 * S + H - 1, x1, x2},
        {4 * S + 2 * H + 1, 5 * S + 2 * H - 1, x1, x2},
        {5 * S + 5 * H, 5 * S + 6 * H, L + 2 * W + 1, L + 3 * W},
        {5 * S + 5 * H, 5 * S + 6 * H, L + 9 * W + 1, x2},
        {5 * S + 6 * H, 6 * S + 6 * H - 1, x1, x2},
        {7 * S + 7 * H + 1, 8 * S + 7 * H - 1, x1, x2},
        {9 * S + 8 * H + 1, clientHeight, x1, x2},
    }};
}

}  // namespace quarnic

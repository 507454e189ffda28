#include "calc/calculator_keys_win.h"

#include "calc/calculator_layout.h"
#include "shell/shell_win.h"

namespace quarnic {
namespace {

DWORD StyleOf(KeyKind kind) {
    switch (kind) {
        case KeyKind::Radio:
            // Not the automatic kind: the calculator sets and clears the checks itself.
            return BS_RADIOBUTTON;
        case KeyKind::OwnerDrawn:
            return BS_OWNERDRAW;
        default:
            return BS_PUSHBUTTON;
    }
}

}  // namespace

void CreateCalculatorKeys(HWND mainWindow) {
    for (const KeyPlacement& key : CalculatorKeyPlacements(Shell().layout)) {
        CreateKey(mainWindow, key.id, key.label, StyleOf(key.kind), key.rect.left, key.rect.top,
                  key.rect.width, key.rect.height);
    }
}

}  // namespace quarnic

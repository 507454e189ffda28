// Whether a key would act, for tests that press keys through the maps: the host sends every
// key's command to the dispatcher, which drops what is not available.
#pragma once

#include <concepts>

#include "common/key_events.h"

namespace quarnic {

// Whether the key may act now, by the program's own availability rule for button and menu-item
// ids: a disabled button and a greyed menu item do nothing, as they cannot be clicked.
template <std::predicate<int> IsAvailable>
bool KeyActionAvailable(const KeyAction& action, IsAvailable isAvailable) {
    switch (action.target) {
        case KeyTarget::Button:
        case KeyTarget::MenuItem:
            return isAvailable(action.id);
        case KeyTarget::Command:
            return true;
        case KeyTarget::None:
            break;
    }
    return false;
}

}  // namespace quarnic

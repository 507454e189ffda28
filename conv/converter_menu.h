// The converter's own system-menu items, after the shell's About and colour items.
#pragma once

#include "common/system_menu.h"
#include "conv/conv_ids.h"
#include "conv/conv_texts.h"

namespace quarnic {

inline constexpr SystemMenuItem CONVERTER_MENU_ITEMS[] = {
    {IDM_CONV_COPY_ANSWER, COPY_ANSWER_ITEM_EN, COPY_ANSWER_ITEM_JA},
    {IDM_CONV_PASTE, CONVERTER_PASTE_ITEM_EN, CONVERTER_PASTE_ITEM_JA},
    {IDM_CONV_ALL_NOTATIONS, ALL_NOTATIONS_ITEM_EN, ALL_NOTATIONS_ITEM_JA},
};
// Greyed until there is an answer to copy.
inline constexpr const SystemMenuItem& COPY_ANSWER_MENU_ITEM = CONVERTER_MENU_ITEMS[0];

}  // namespace quarnic

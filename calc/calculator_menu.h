// The calculator's own system-menu items, after the shell's About and colour items.
#pragma once

#include "calc/calc_ids.h"
#include "calc/calc_texts.h"
#include "calc/history_texts.h"
#include "common/shell_texts.h"
#include "common/system_menu.h"

namespace quarnic {

inline constexpr SystemMenuItem CALCULATOR_MENU_ITEMS[] = {
    {IDM_SQRT_SETTING, SQRT_SETTING_ITEM_EN, SQRT_SETTING_ITEM_JA},
    {IDM_SAVE_ANSWER, SAVE_ANSWER_ITEM_EN, SAVE_ANSWER_ITEM_JA},
    {IDM_COPY, COPY_ITEM_EN, COPY_ITEM_JA},
    {IDM_PASTE, PASTE_ITEM_EN, PASTE_ITEM_JA},
    {IDM_HISTORY, HISTORY_ITEM_EN, HISTORY_ITEM_JA},
};
// Greyed until there is an answer to save.
inline constexpr const SystemMenuItem& SAVE_ANSWER_MENU_ITEM = CALCULATOR_MENU_ITEMS[1];

}  // namespace quarnic

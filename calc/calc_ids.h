/* Every control and command id of the calculator, in one place. Included by the logic, the
 * Win32 window, the .rc dialog templates and the test driver, so it holds plain #define macros
 * and nothing else (windres preprocesses it as C). A control's id doubles as the command id of
 * the key. */
#ifndef QUARNIC_CALC_CALC_IDS_H
#define QUARNIC_CALC_CALC_IDS_H

/* Digit keys "0".."9", "A(10)".."V(31)": the key's digit value is id - IDC_DIGIT_FIRST. */
#define IDC_DIGIT_FIRST 100
#define IDC_DIGIT_LAST 131
#define IDC_DIGIT_0 100
#define IDC_DIGIT_1 101
#define IDC_DIGIT_2 102
#define IDC_DIGIT_3 103
#define IDC_DIGIT_4 104
#define IDC_DIGIT_5 105
#define IDC_DIGIT_6 106
#define IDC_DIGIT_7 107
#define IDC_DIGIT_8 108
#define IDC_DIGIT_9 109
#define IDC_DIGIT_A 110
#define IDC_DIGIT_B 111
#define IDC_DIGIT_C 112
#define IDC_DIGIT_D 113
#define IDC_DIGIT_E 114
#define IDC_DIGIT_F 115
#define IDC_DIGIT_G 116
#define IDC_DIGIT_H 117
#define IDC_DIGIT_I 118
#define IDC_DIGIT_J 119
#define IDC_DIGIT_K 120
#define IDC_DIGIT_L 121
#define IDC_DIGIT_M 122
#define IDC_DIGIT_N 123
#define IDC_DIGIT_O 124
#define IDC_DIGIT_P 125
#define IDC_DIGIT_Q 126
#define IDC_DIGIT_R 127
#define IDC_DIGIT_S 128
#define IDC_DIGIT_T 129
#define IDC_DIGIT_U 130
#define IDC_DIGIT_V 131

#define IDC_POINT 132
#define IDC_SIGN 133
#define IDC_ALL_CLEAR 134
#define IDC_CLEAR_ENTRY 135

/* Operator keys "+", "-", "*", "/" and "=". */
#define IDC_ADD 136
#define IDC_SUBTRACT 137
#define IDC_MULTIPLY 138
#define IDC_DIVIDE 139
#define IDC_EQUALS 140

/* System-menu items; as key commands these ids do nothing. */
#define IDM_ABOUT 141
#define IDM_CONSOLE_COLOR 143
#define IDM_SAVE_ANSWER 160
#define IDM_SQRT_SETTING 162

/* Notation radio buttons "2", "4", "8", "10", "16" and "X", in this order. */
#define IDC_NOTATION_FIRST 144
#define IDC_NOTATION_2 144
#define IDC_NOTATION_4 145
#define IDC_NOTATION_8 146
#define IDC_NOTATION_10 147
#define IDC_NOTATION_16 148
#define IDC_NOTATION_X 149
#define IDC_NOTATION_LAST 149

/* The small "-" and "+" beside the box of "X": step the other notation down and up. */
#define IDC_STEP_DOWN 150
#define IDC_STEP_UP 151

#define IDC_MEMORY_IN 152
#define IDC_MEMORY_RECALL 153

/* The owner-drawn square-root key. */
#define IDC_SQRT 161

/* Key commands span these ids; ids in between that name no key do nothing. */
#define IDC_COMMAND_FIRST 100
#define IDC_COMMAND_LAST 161

/* Square-root setting dialog (SQRTDIGIT_DLG): truncation after 100, 200, 300 fraction places. */
#define IDC_SQRT_TRUNCATION_100 163
#define IDC_SQRT_TRUNCATION_200 164
#define IDC_SQRT_TRUNCATION_300 165

/* The static text of the please-wait dialog (PLEASEWAIT_DLG). */
#define IDC_PLEASE_WAIT_TEXT 166

/* Backspace: a key command with no button (keyboard only). */
#define IDK_BACKSPACE 167

/* System-menu items Copy and Paste. System commands are multiples of 16 below 0xF000. */
#define IDM_COPY 176
#define IDM_PASTE 192
#define IDM_HISTORY 208
/* "Always on top", the shell's checked item. */
#define IDM_ALWAYS_ON_TOP 224

/* Colour dialog (RGBSHOW_DLG): each value text is its scroll bar's id minus 3. */
#define IDC_CALC_RED_VALUE 154
#define IDC_CALC_GREEN_VALUE 155
#define IDC_CALC_BLUE_VALUE 156
#define IDC_CALC_RED_SCROLL 157
#define IDC_CALC_GREEN_SCROLL 158
#define IDC_CALC_BLUE_SCROLL 159

/* Carriers of the painted texts for screen readers: the console, the box of "X" and the
 * memory mark. */
#define IDC_CONSOLE_TEXT 170
#define IDC_OTHER_NOTATION_TEXT 171
#define IDC_MEMORY_MARK_TEXT 172

/* The history window (HISTORY_DLG): the labels name the list and the full text for screen
 * readers. Close is IDCANCEL, so Esc closes it. */
#define IDC_HISTORY_LIST_LABEL 230
#define IDC_HISTORY_LIST 231
#define IDC_HISTORY_FULL_LABEL 232
#define IDC_HISTORY_FULL 233
#define IDC_HISTORY_NOTATION_LABEL 234
#define IDC_HISTORY_NOTATION 235
#define IDC_HISTORY_NUMBER 236
#define IDC_HISTORY_RECALL 237
#define IDC_HISTORY_COPY 238
#define IDC_HISTORY_SAVE 239
#define IDC_HISTORY_CLEAR 240
#define IDC_HISTORY_KEEP 241

/* The icon shown in the About box. */
#define IDI_CALC_ABOUT 142

#endif

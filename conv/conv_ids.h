/* Control and command ids of the converter, defined once for the logic, the window, the .rc
   files and the test driver. Plain C preprocessor macros only, so windres can read them. */
#ifndef QUARNIC_CONV_IDS_H
#define QUARNIC_CONV_IDS_H

/* Every key and radio button is a command: 100..149. */
#define IDC_CONV_FIRST 100
#define IDC_CONV_LAST 149

/* Digit keys: id = IDC_CONV_DIGIT_0 + digit value. */
#define IDC_CONV_DIGIT_0 100
#define IDC_CONV_DIGIT_1 101
#define IDC_CONV_DIGIT_2 102
#define IDC_CONV_DIGIT_3 103
#define IDC_CONV_DIGIT_4 104
#define IDC_CONV_DIGIT_5 105
#define IDC_CONV_DIGIT_6 106
#define IDC_CONV_DIGIT_7 107
#define IDC_CONV_DIGIT_8 108
#define IDC_CONV_DIGIT_9 109
#define IDC_CONV_DIGIT_A 110
#define IDC_CONV_DIGIT_B 111
#define IDC_CONV_DIGIT_C 112
#define IDC_CONV_DIGIT_D 113
#define IDC_CONV_DIGIT_E 114
#define IDC_CONV_DIGIT_F 115
#define IDC_CONV_DIGIT_G 116
#define IDC_CONV_DIGIT_H 117
#define IDC_CONV_DIGIT_I 118
#define IDC_CONV_DIGIT_J 119
#define IDC_CONV_DIGIT_K 120
#define IDC_CONV_DIGIT_L 121
#define IDC_CONV_DIGIT_M 122
#define IDC_CONV_DIGIT_N 123
#define IDC_CONV_DIGIT_O 124
#define IDC_CONV_DIGIT_P 125
#define IDC_CONV_DIGIT_Q 126
#define IDC_CONV_DIGIT_R 127
#define IDC_CONV_DIGIT_S 128
#define IDC_CONV_DIGIT_T 129
#define IDC_CONV_DIGIT_U 130
#define IDC_CONV_DIGIT_V 131
#define IDC_CONV_DIGIT_LAST 131
#define IDC_CONV_DIGIT_COUNT 32

#define IDC_CONV_ALL_CLEAR 132
#define IDC_CONV_CLEAR_ERROR 133

/* From pane: radio buttons "2", "4", "8", "10", "16", "X", then the step buttons. */
#define IDC_CONV_FROM_2 134
#define IDC_CONV_FROM_4 135
#define IDC_CONV_FROM_8 136
#define IDC_CONV_FROM_10 137
#define IDC_CONV_FROM_16 138
#define IDC_CONV_FROM_X 139
#define IDC_CONV_FROM_STEP_DOWN 140
#define IDC_CONV_FROM_STEP_UP 141

/* To pane, laid out like the From pane. */
#define IDC_CONV_TO_2 142
#define IDC_CONV_TO_4 143
#define IDC_CONV_TO_8 144
#define IDC_CONV_TO_10 145
#define IDC_CONV_TO_16 146
#define IDC_CONV_TO_X 147
#define IDC_CONV_TO_STEP_DOWN 148
#define IDC_CONV_TO_STEP_UP 149

/* System-menu items. */
#define IDM_CONV_ABOUT 150
#define IDM_CONV_CONSOLE_COLOR 151
#define IDM_CONV_COPY_ANSWER 160
/* Paste into From. System commands are multiples of 16 below 0xF000. */
#define IDM_CONV_PASTE 176
/* Opens the "All notations" window, or brings it to the front (Ctrl+L). */
#define IDM_CONV_ALL_NOTATIONS 192
/* "Always on top", the shell's checked item. */
#define IDM_CONV_ALWAYS_ON_TOP 208

/* The "All notations" window (ALLNOTATIONS_DLG, ALLNOTATIONS_DLG_J): its list of the notations
   2..32 and its Copy button. Enter is IDOK, Esc IDCANCEL, as in every dialog. */
#define IDC_CONV_ALL_NOTATIONS_LIST 180
#define IDC_CONV_ALL_NOTATIONS_COPY 181

/* The static text of the digit-limit warning dialog (templates WARN_DLG and WARN_DLG_J). */
#define IDC_CONV_WARN_TEXT 159

/* Colour dialog (RGBSHOW_DLG): each value text is its scroll bar's id minus 3. */
#define IDC_CONV_RED_VALUE 153
#define IDC_CONV_GREEN_VALUE 154
#define IDC_CONV_BLUE_VALUE 155
#define IDC_CONV_RED_SCROLL 156
#define IDC_CONV_GREEN_SCROLL 157
#define IDC_CONV_BLUE_SCROLL 158

/* Carriers of the painted texts for screen readers: the two consoles and the boxes of "X". */
#define IDC_CONV_INPUT_TEXT 170
#define IDC_CONV_ANSWER_TEXT 171
#define IDC_CONV_FROM_OTHER_TEXT 172
#define IDC_CONV_TO_OTHER_TEXT 173

/* The icon shown in the About box. */
#define IDI_CONV_ABOUT 152

#endif /* QUARNIC_CONV_IDS_H */

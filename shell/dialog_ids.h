/* Control ids of the shell's dialogs, for the .rc templates and the dialog procedures. Plain
 * macros: windres preprocesses this as C. */
#ifndef QUARNIC_SHELL_DIALOG_IDS_H
#define QUARNIC_SHELL_DIALOG_IDS_H

/* About box: "Close" / "ReadMe" (Escape also sends the ReadMe id). */
#define IDC_ABOUT_CLOSE 1
#define IDC_ABOUT_README 2

/* Colour dialog: each value text is its scroll bar's id minus 3. The calculator's start at 154,
 * the converter's at 153. */
#define IDC_CALC_RED_VALUE 154
#define IDC_CALC_GREEN_VALUE 155
#define IDC_CALC_BLUE_VALUE 156
#define IDC_CALC_RED_SCROLL 157
#define IDC_CALC_GREEN_SCROLL 158
#define IDC_CALC_BLUE_SCROLL 159

#define IDC_CONV_RED_VALUE 153
#define IDC_CONV_GREEN_VALUE 154
#define IDC_CONV_BLUE_VALUE 155
#define IDC_CONV_RED_SCROLL 156
#define IDC_CONV_GREEN_SCROLL 157
#define IDC_CONV_BLUE_SCROLL 158

/* The icon shown in the About box: the calculator's and the converter's. */
#define IDI_CALC_ABOUT 142
#define IDI_CONV_ABOUT 152

#endif

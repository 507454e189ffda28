/* Control ids of the shell's own dialog (the About box), for the .rc templates and the dialog
 * procedure. Each program's colour-dialog ids and About icon are in its own id header. Plain
 * macros: windres preprocesses this as C. */
#ifndef QUARNIC_SHELL_DIALOG_IDS_H
#define QUARNIC_SHELL_DIALOG_IDS_H

/* About box: "Close" / "ReadMe" (Escape also sends the ReadMe id). */
#define IDC_ABOUT_CLOSE 1
#define IDC_ABOUT_README 2

/* The strings a Start-menu shortcut of the installer shows as its name and description, in the
 * user's language (scripts/make-msi.sh points the shortcuts at them). */
#define IDS_SHORTCUT_NAME 101
#define IDS_SHORTCUT_DESCRIPTION 102

#endif

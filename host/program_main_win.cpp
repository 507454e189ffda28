// The entry point of every program: it runs the program's own description. Built into each EXE
// (not the shell's library), so the runtime's startup code finds it.
#include "host/shell_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return quarnic::RunProgram(instance, quarnic::THIS_PROGRAM);
}

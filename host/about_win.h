// The About box and the readme it opens.
#pragma once

#include <windows.h>

namespace quarnic {

void ShowAbout(HWND owner);
void OpenReadme();

}  // namespace quarnic

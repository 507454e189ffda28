// The program's folder and the settings file: read at start, written at the end.
#pragma once

namespace quarnic {

// The program's folder, the readme tidying and the settings read: the colour and the window's.
void ReadStartupFiles();

// Writes the colour and the window's settings (first instance only) and posts the quit message.
void SaveSettings();

}  // namespace quarnic

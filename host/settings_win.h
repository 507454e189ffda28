// The program's folder and the settings file: read at start, written at the end.
#pragma once

namespace quarnic {

// The program's folder, the readme tidying and the colour read.
void ReadStartupFiles();

// Writes the colour (first instance only) and posts the quit message.
void SaveSettings();

}  // namespace quarnic

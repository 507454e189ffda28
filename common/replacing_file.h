// Writing a user's file safely, kept apart from the file system so that every failure path can
// be exercised: through a temporary file that replaces the target only once it is complete.
#pragma once

#include <cstddef>

namespace quarnic {

// The file operations the safe write needs; the Win32 side implements them on real files.
class ReplacingFile {
  public:
    virtual ~ReplacingFile() = default;
    // A new, empty temporary file in the target's folder, open for writing.
    virtual bool CreateTemporary() = 0;
    virtual bool WriteAll(const char* data, std::size_t size) = 0;
    virtual bool CloseTemporary() = 0;
    // Puts the temporary file in the target's place, replacing what was there.
    virtual bool ReplaceTarget() = 0;
    virtual void RemoveTemporary() = 0;
};

enum class SaveResult {
    Saved,
    NotCreated,  // nothing was written and nothing changed
    NotWritten,  // writing, closing or replacing failed: the old file is untouched
};

// Writes data into a temporary file and only then replaces the target. Every failure removes
// the temporary file and leaves the target as it was.
SaveResult WriteReplacing(ReplacingFile& file, const char* data, std::size_t size);

}  // namespace quarnic

// Rules for writing a user's file safely, kept apart from the file system so that every
// failure path can be exercised: the name check, the free-space arithmetic, and writing through
// a temporary file that replaces the target only once it is complete.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quarnic {

// The last four characters are ".txt" in any case.
bool HasTxtExtension(const wchar_t* path);

// Drive types, with the platform's values (GetDriveType).
enum DriveType {
    DRIVE_TYPE_UNKNOWN = 0,
    DRIVE_TYPE_NO_ROOT_DIR = 1,
    DRIVE_TYPE_REMOVABLE = 2,
    DRIVE_TYPE_FIXED = 3,
    DRIVE_TYPE_REMOTE = 4,
    DRIVE_TYPE_CDROM = 5,
    DRIVE_TYPE_RAMDISK = 6,
};

// Unknown, missing, network and CD-ROM drives are refused; every other type may take the file.
bool DriveTakesAnswer(unsigned driveType);

// Platform id of a Windows 9x system (VER_PLATFORM_WIN32_WINDOWS).
inline constexpr unsigned PLATFORM_ID_9X = 1;

// The extended free-space query exists on every platform the registry recognised, and on a
// Windows 95 whose build number (low word) is above 1000 (OSR2 and later).
bool UsesExtendedFreeSpaceQuery(int platformCode, unsigned platformId, unsigned buildNumber);

// Whether sectorsPerCluster × bytesPerSector × freeClusters is at least required, without the
// product overflowing.
bool ClustersHoldBytes(std::uint32_t sectorsPerCluster, std::uint32_t bytesPerSector,
                       std::uint32_t freeClusters, std::uint64_t required);

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

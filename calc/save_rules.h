// What saving the answer checks before it writes: the file name, the drive and its free space.
// Portable, so every refusal can be checked without a disk.
#pragma once

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

}  // namespace quarnic

// What saving the answer checks before it writes: the file name and the drive.
// Portable, so every refusal can be checked without a disk.
#pragma once

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

}  // namespace quarnic

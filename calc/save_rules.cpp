#include "calc/save_rules.h"

#include <cwchar>
#include <cwctype>

namespace quarnic {

bool HasTxtExtension(const wchar_t* path) {
    std::size_t length = std::wcslen(path);
    if (length < 4) {
        return false;
    }
    const wchar_t* tail = path + length - 4;
    return tail[0] == L'.' && std::towupper(tail[1]) == L'T' && std::towupper(tail[2]) == L'X' &&
           std::towupper(tail[3]) == L'T';
}

bool DriveTakesAnswer(unsigned driveType) {
    switch (driveType) {
        case DRIVE_TYPE_UNKNOWN:
        case DRIVE_TYPE_NO_ROOT_DIR:
        case DRIVE_TYPE_REMOTE:
        case DRIVE_TYPE_CDROM:
            return false;
        default:
            return true;
    }
}

bool UsesExtendedFreeSpaceQuery(int platformCode, unsigned platformId, unsigned buildNumber) {
    if (platformCode != 0) {
        return true;
    }
    return platformId == PLATFORM_ID_9X && (buildNumber & 0xFFFFu) > 1000;
}

bool ClustersHoldBytes(std::uint32_t sectorsPerCluster, std::uint32_t bytesPerSector,
                       std::uint32_t freeClusters, std::uint64_t required) {
    // Two 32-bit factors always fit in 64 bits; the third may not.
    std::uint64_t clusterBytes = std::uint64_t{sectorsPerCluster} * bytesPerSector;
    if (clusterBytes == 0 || freeClusters == 0) {
        return required == 0;
    }
    std::uint64_t clustersNeeded = required / clusterBytes + (required % clusterBytes != 0 ? 1 : 0);
    return freeClusters >= clustersNeeded;
}

}  // namespace quarnic

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

}  // namespace quarnic

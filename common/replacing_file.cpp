#include "common/replacing_file.h"

namespace quarnic {

SaveResult WriteReplacing(ReplacingFile& file, const char* data, std::size_t size) {
    if (!file.CreateTemporary()) {
        return SaveResult::NotCreated;
    }
    bool written = file.WriteAll(data, size);
    bool closed = file.CloseTemporary();
    if (written && closed && file.ReplaceTarget()) {
        return SaveResult::Saved;
    }
    file.RemoveTemporary();
    return SaveResult::NotWritten;
}

}  // namespace quarnic

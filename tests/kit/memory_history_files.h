// The history file operations on a folder held in memory, for the tests and the fuzz target:
// every operation can be made to fail, and every write is counted.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "history/history_file.h"

namespace quarnic {

// The history file and the names beside it.
class MemoryHistoryFiles final : public HistoryFiles {
  public:
    Reading ReadAll(std::string& bytes) override {
        if (unreadable) {
            return Reading::Unreadable;
        }
        if (!exists) {
            return Reading::Missing;
        }
        bytes = content;
        return Reading::Read;
    }
    bool CutAndAppend(std::size_t offset, std::string_view text) override {
        ++appends;
        if (failWrites) {
            return false;
        }
        content = (exists ? content.substr(0, offset) : std::string()) + std::string(text);
        exists = true;
        return true;
    }
    bool Replace(std::string_view text) override {
        ++replaces;
        if (failWrites) {
            return false;
        }
        content = text;
        exists = true;
        return true;
    }
    bool NameTaken(std::string_view name) override { return others.count(std::string(name)) > 0; }
    bool RenameTo(std::string_view name) override {
        if (failRename) {
            return false;
        }
        others[std::string(name)] = content;
        exists = false;
        content.clear();
        return true;
    }
    bool Remove() override {
        exists = false;
        content.clear();
        return true;
    }

    bool exists = false;
    bool unreadable = false;
    bool failWrites = false;
    bool failRename = false;
    std::string content;
    std::map<std::string, std::string> others;
    int appends = 0;
    int replaces = 0;
};

}  // namespace quarnic
